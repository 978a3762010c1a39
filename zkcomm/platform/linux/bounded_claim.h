// PPCLAIM that gives up. The kernel's claim sleeps until the port's holder lets
// go, for ever if need be; this one waits at most `limit`.
#ifndef ZKCOMM_PLATFORM_LINUX_BOUNDED_CLAIM_H
#define ZKCOMM_PLATFORM_LINUX_BOUNDED_CLAIM_H

#include "zkcomm/platform/linux/ppdev_system.h"

#include <chrono>

namespace zkcomm::linux_platform {

// How long a claim waits for another program to let go of the port.
inline constexpr std::chrono::milliseconds ClaimLimit{1000};

// Claims the port of the open ppdev device fd. 0 when claimed; otherwise an
// errno value: EBUSY when the port was still held at the limit, else the
// claim's own error. Safe to call from any thread; the host's signal handling
// is left alone apart from one real-time signal (see the source).
int ClaimWithin(PpdevSystem& system, int fd, std::chrono::milliseconds limit);

} // namespace zkcomm::linux_platform

#endif
