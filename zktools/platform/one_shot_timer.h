// A one-shot job: Start arms it, it fires once after its interval and disarms
// itself before its handler runs. Start while armed does not restart it (unlike
// QTimer::start). The handler runs inside Guard.
#ifndef ZKTOOLS_PLATFORM_ONE_SHOT_TIMER_H
#define ZKTOOLS_PLATFORM_ONE_SHOT_TIMER_H

#include <QTimer>

#include <chrono>
#include <functional>

namespace zk::platform {

class OneShotTimer {
public:
    explicit OneShotTimer(std::chrono::milliseconds interval, std::function<void()> handler = {});
    OneShotTimer(const OneShotTimer&) = delete;
    OneShotTimer& operator=(const OneShotTimer&) = delete;

    void SetHandler(std::function<void()> handler) { handler_ = std::move(handler); }
    // Takes effect at the next arming.
    void SetInterval(std::chrono::milliseconds interval) { interval_ = interval; }
    std::chrono::milliseconds Interval() const { return interval_; }

    void Start();
    void Stop() { timer_.stop(); }
    bool IsArmed() const { return timer_.isActive(); }
    // Time left until it fires; zero when not armed.
    std::chrono::milliseconds Remaining() const {
        return std::chrono::milliseconds(IsArmed() ? timer_.remainingTime() : 0);
    }
    // For tests: fires now if armed (as if the interval had passed); false if not armed.
    bool Fire();

private:
    void Elapse();

    QTimer timer_;
    std::chrono::milliseconds interval_;
    std::function<void()> handler_;
};

} // namespace zk::platform

#endif
