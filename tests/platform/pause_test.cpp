// Pauses: the desktop pause waits while painting and timers go on; the recorder
// returns at once.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include "tests/platform/platform_fakes.h"
#include "zktools/platform/event_pumping_pause.h"

namespace zk::platform {
namespace {

using namespace std::chrono_literals;

class PaintCounter : public QWidget {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override {
        ++paints;
        QPainter(this).fillRect(rect(), Qt::darkCyan);
    }
};

TEST(EventPumpingPauseTest, WaitsTheTimeWhileWindowsPaintAndTimersRun) {
    PaintCounter widget;
    widget.resize(40, 40);
    widget.show();
    QCoreApplication::processEvents();
    widget.paints = 0;
    bool timerRan = false;
    QTimer::singleShot(10ms, &widget, [&] {
        timerRan = true;
        widget.update();
    });

    QElapsedTimer clock;
    clock.start();
    EventPumpingPause().Pause(150ms);
    EXPECT_GE(clock.elapsed(), 149);
    EXPECT_TRUE(timerRan);
    EXPECT_GE(widget.paints, 1);
}

TEST(EventPumpingPauseTest, NothingToWaitForReturnsAtOnce) {
    QElapsedTimer clock;
    clock.start();
    EventPumpingPause().Pause(0ms);
    EventPumpingPause().Pause(-5ms);
    // A loaded machine may take a while to come back; a pause that waits is seen even so.
    EXPECT_LT(clock.elapsed(), 1000);
}

TEST(PauseRecorderTest, PlatformPauseGoesToTheRecorderAndReturnsAtOnce) {
    testing::PlatformFakes fakes;
    std::vector<std::chrono::milliseconds> seenInside;
    fakes.pauses.SetOnPause([&](std::chrono::milliseconds d) { seenInside.push_back(d); });
    QElapsedTimer clock;
    clock.start();
    Pause(1000ms);
    Pause(100ms);
    Pause(100ms);
    EXPECT_LT(clock.elapsed(), 1000) << "the recorder waited the 1200 ms";
    EXPECT_EQ(fakes.pauses.Pauses(),
              (std::vector<std::chrono::milliseconds>{1000ms, 100ms, 100ms}));
    EXPECT_EQ(fakes.pauses.Total(), 1200ms);
    EXPECT_EQ(seenInside, fakes.pauses.Pauses());
}

} // namespace
} // namespace zk::platform
