// One-shot timers: arming while armed does not restart; the timer disarms before
// its handler; Fire for tests; a throwing handler is shown.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

#include <stdexcept>

#include "tests/platform/platform_fakes.h"
#include "zktools/platform/one_shot_timer.h"

namespace zk::platform {
namespace {

using namespace std::chrono_literals;

// Processes events until `done`, or until 30 s have passed: far more than a loaded
// machine needs for a 10 ms timer, so only a timer that never fires runs into it.
bool WaitFor(const std::function<bool()>& done) {
    QDeadlineTimer deadline(30000);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

TEST(OneShotTimerTest, StartWhileArmedDoesNotRestart) {
    int fired = 0;
    OneShotTimer timer(10s, [&] { ++fired; });
    timer.Start();
    QThread::msleep(100);
    timer.Start(); // a restart would leave the whole 10 s again
    EXPECT_LE(timer.Remaining(), 9900ms);
    EXPECT_GT(timer.Remaining(), 0ms);
    timer.SetInterval(50ms); // takes effect at the next arming only
    EXPECT_GT(timer.Remaining(), 5s);
    EXPECT_EQ(fired, 0);
}

TEST(OneShotTimerTest, FiresOnceAndIsDisarmedWhenItsHandlerRuns) {
    int fired = 0;
    bool armedInHandler = true;
    OneShotTimer timer(10ms);
    timer.SetHandler([&] {
        ++fired;
        armedInHandler = timer.IsArmed();
        if (fired == 1)
            timer.Start(); // the handler may arm it again
    });
    timer.Start();
    EXPECT_TRUE(timer.IsArmed());
    ASSERT_TRUE(WaitFor([&] { return fired == 2; }));
    EXPECT_FALSE(armedInHandler);
    QCoreApplication::processEvents();
    EXPECT_EQ(fired, 2);
    EXPECT_FALSE(timer.IsArmed());
}

TEST(OneShotTimerTest, FireRunsTheHandlerOnlyWhenArmed) {
    int fired = 0;
    OneShotTimer timer(1h, [&] { ++fired; });
    EXPECT_FALSE(timer.Fire());
    timer.Start();
    EXPECT_TRUE(timer.Fire());
    EXPECT_FALSE(timer.IsArmed());
    EXPECT_FALSE(timer.Fire());
    timer.Start();
    timer.Stop();
    EXPECT_FALSE(timer.IsArmed());
    EXPECT_FALSE(timer.Fire());
    EXPECT_EQ(fired, 1);
}

TEST(OneShotTimerTest, ThrowingHandlerIsShownAndTheTimerStaysUsable) {
    testing::PlatformFakes fakes;
    int calls = 0;
    OneShotTimer timer(1h, [&] {
        if (++calls == 1)
            throw std::runtime_error("'x' is not a valid floating point value");
    });
    timer.Start();
    EXPECT_TRUE(timer.Fire());
    timer.Start();
    EXPECT_TRUE(timer.Fire());
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(fakes.messages.Texts(), QStringList({"'x' is not a valid floating point value"}));
}

} // namespace
} // namespace zk::platform
