// The pause on the desktop: a nested event loop without user input for the time.
#ifndef ZKTOOLS_PLATFORM_EVENT_PUMPING_PAUSE_H
#define ZKTOOLS_PLATFORM_EVENT_PUMPING_PAUSE_H

#include "zktools/platform/pause_service.h"

namespace zk::platform {

class EventPumpingPause : public PauseService {
public:
    void Pause(std::chrono::milliseconds duration) override;
};

} // namespace zk::platform

#endif
