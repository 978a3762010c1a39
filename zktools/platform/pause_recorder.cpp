#include "zktools/platform/pause_recorder.h"

#include <numeric>

namespace zk::platform {

void PauseRecorder::Pause(std::chrono::milliseconds duration) {
    pauses_.push_back(duration);
    if (onPause_)
        onPause_(duration);
}

std::chrono::milliseconds PauseRecorder::Total() const {
    return std::accumulate(pauses_.begin(), pauses_.end(), std::chrono::milliseconds{0});
}

} // namespace zk::platform
