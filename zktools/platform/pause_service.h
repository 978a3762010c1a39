// The pause seam: a wait on the GUI thread during which the windows still paint
// and timers still run, but no user input is handled.
#ifndef ZKTOOLS_PLATFORM_PAUSE_SERVICE_H
#define ZKTOOLS_PLATFORM_PAUSE_SERVICE_H

#include <chrono>

namespace zk::platform {

class PauseService {
public:
    virtual ~PauseService() = default;
    virtual void Pause(std::chrono::milliseconds duration) = 0;
};

} // namespace zk::platform

#endif
