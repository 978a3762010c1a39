#include "zktools/platform/help_recorder.h"

namespace zk::platform {

bool HelpRecorder::Show(const QString& helpFile, const HelpRequest& request) {
    calls_.push_back({helpFile, request});
    return true;
}

} // namespace zk::platform
