#include "zktools/platform/modal_hooks.h"

#include <utility>

namespace zk::platform {

namespace {
ModalFormCallback& StartHookSlot() {
    static ModalFormCallback hook;
    return hook;
}
ModalWatchdog& WatchdogSlot() {
    static ModalWatchdog watchdog;
    return watchdog;
}
} // namespace

ModalFormCallback SetModalStartHook(ModalFormCallback hook) {
    return std::exchange(StartHookSlot(), std::move(hook));
}

ModalWatchdog SetModalWatchdog(ModalWatchdog watchdog) {
    return std::exchange(WatchdogSlot(), std::move(watchdog));
}

namespace detail {
const ModalFormCallback& ModalStartHook() {
    return StartHookSlot();
}
const ModalWatchdog& CurrentModalWatchdog() {
    return WatchdogSlot();
}
} // namespace detail

} // namespace zk::platform
