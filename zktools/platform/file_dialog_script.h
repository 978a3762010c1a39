// The file-dialog seam for tests: keeps every request and answers from a script.
// A request with the script used up is cancelled and counted in Unscripted().
#ifndef ZKTOOLS_PLATFORM_FILE_DIALOG_SCRIPT_H
#define ZKTOOLS_PLATFORM_FILE_DIALOG_SCRIPT_H

#include <deque>
#include <vector>

#include "zktools/platform/file_dialog_service.h"

namespace zk::platform {

class FileDialogScript : public FileDialogService {
public:
    std::optional<QString> Choose(const FileRequest& request) override;

    // The next dialog returns `path` (with the request's default extension added
    // when it has none, as the real dialog does).
    void QueueChoice(const QString& path) { answers_.emplace_back(path); }
    // The next dialog is cancelled.
    void QueueCancel() { answers_.emplace_back(std::nullopt); }

    const std::vector<FileRequest>& Requests() const { return requests_; }
    int PendingAnswers() const { return static_cast<int>(answers_.size()); }
    int Unscripted() const { return unscripted_; }

private:
    std::vector<FileRequest> requests_;
    std::deque<std::optional<QString>> answers_;
    int unscripted_ = 0;
};

} // namespace zk::platform

#endif
