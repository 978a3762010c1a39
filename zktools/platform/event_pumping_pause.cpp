#include "zktools/platform/event_pumping_pause.h"

#include <QEventLoop>
#include <QTimer>

namespace zk::platform {

void EventPumpingPause::Pause(std::chrono::milliseconds duration) {
    if (duration.count() <= 0)
        return;
    QEventLoop loop;
    QTimer::singleShot(duration, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

} // namespace zk::platform
