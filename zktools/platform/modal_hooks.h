// Test hooks of the modal runs: a callback when a run starts, so a test can act
// inside it, and a watchdog that ends runs nobody ends.
#ifndef ZKTOOLS_PLATFORM_MODAL_HOOKS_H
#define ZKTOOLS_PLATFORM_MODAL_HOOKS_H

#include <chrono>
#include <functional>

namespace zk::platform {

class ModalForm;

using ModalFormCallback = std::function<void(ModalForm&)>;

// Called once per ShowModal, from inside the form's own loop (after FormActivate).
// Returns the hook it replaces; an empty function removes the hook.
ModalFormCallback SetModalStartHook(ModalFormCallback hook);

// A run still going after `timeout` is stuck: `onStuck` is told, then that run and
// every run nested inside it end with kModalCancel, and modal Qt dialogs above
// them are rejected. A zero timeout switches the watchdog off.
struct ModalWatchdog {
    std::chrono::milliseconds timeout{0};
    ModalFormCallback onStuck;
};
ModalWatchdog SetModalWatchdog(ModalWatchdog watchdog);

namespace detail {
const ModalFormCallback& ModalStartHook();
const ModalWatchdog& CurrentModalWatchdog();
} // namespace detail

} // namespace zk::platform

#endif
