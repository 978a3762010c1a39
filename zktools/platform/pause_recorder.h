// The pause seam for tests: returns at once and keeps every duration asked for.
#ifndef ZKTOOLS_PLATFORM_PAUSE_RECORDER_H
#define ZKTOOLS_PLATFORM_PAUSE_RECORDER_H

#include <functional>
#include <vector>

#include "zktools/platform/pause_service.h"

namespace zk::platform {

class PauseRecorder : public PauseService {
public:
    void Pause(std::chrono::milliseconds duration) override;

    const std::vector<std::chrono::milliseconds>& Pauses() const { return pauses_; }
    std::chrono::milliseconds Total() const;
    void Clear() { pauses_.clear(); }
    // Runs inside every pause: a test acts here as if the time were passing.
    void SetOnPause(std::function<void(std::chrono::milliseconds)> callback) {
        onPause_ = std::move(callback);
    }

private:
    std::vector<std::chrono::milliseconds> pauses_;
    std::function<void(std::chrono::milliseconds)> onPause_;
};

} // namespace zk::platform

#endif
