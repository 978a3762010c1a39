#include "zktools/platform/one_shot_timer.h"

#include "zktools/platform/exception_guard.h"

namespace zk::platform {

OneShotTimer::OneShotTimer(std::chrono::milliseconds interval, std::function<void()> handler)
    : interval_(interval), handler_(std::move(handler)) {
    timer_.setSingleShot(true);
    // Coarse timers may shift the expiry by 5 %: too much for a 1 s job.
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { Elapse(); });
}

void OneShotTimer::Start() {
    if (!timer_.isActive())
        timer_.start(interval_);
}

bool OneShotTimer::Fire() {
    if (!timer_.isActive())
        return false;
    timer_.stop();
    Elapse();
    return true;
}

void OneShotTimer::Elapse() {
    if (!handler_)
        return;
    // A copy: the handler may replace itself.
    const std::function<void()> handler = handler_;
    Guard(handler);
}

} // namespace zk::platform
