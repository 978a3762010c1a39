#include "zktools/platform/help_requests.h"

#include <utility>

#include "zktools/platform/platform.h"

namespace zk::platform {

namespace {
QString& HelpFileSlot() {
    static QString file;
    return file;
}
HelpHook& HookSlot() {
    static HelpHook hook;
    return hook;
}
} // namespace

void SetHelpFile(const QString& path) {
    HelpFileSlot() = path;
}
QString HelpFile() {
    return HelpFileSlot();
}

HelpHook SetHelpHook(HelpHook hook) {
    return std::exchange(HookSlot(), std::move(hook));
}

void RequestHelp(const HelpRequest& request) {
    // A copy: the hook may replace itself.
    const HelpHook hook = HookSlot();
    if (hook && hook(request))
        return;
    ShowHelp(request);
}

bool ShowHelp(const HelpRequest& request) {
    return Platform::Help().Show(HelpFile(), request);
}

} // namespace zk::platform
