#include "zktools/platform/file_dialog_script.h"

#include "zktools/platform/file_filter.h"

namespace zk::platform {

std::optional<QString> FileDialogScript::Choose(const FileRequest& request) {
    requests_.push_back(request);
    if (answers_.empty()) {
        ++unscripted_;
        return std::nullopt;
    }
    std::optional<QString> answer = answers_.front();
    answers_.pop_front();
    // As the real dialog does.
    if (answer)
        *answer = WithDefaultExtension(*answer, request.defaultExt);
    return answer;
}

} // namespace zk::platform
