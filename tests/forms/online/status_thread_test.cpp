// The status thread running: hand-overs queued to the GUI thread, the pause, polling on and
// off, and the stop.
#include "zktools/forms/connection_status.h"

#include "tests/forms/online/status_fixture.h"

#include <QCoreApplication>
#include <QObject>
#include <QThread>

#include <memory>
#include <mutex>
#include <vector>

namespace online_test {
namespace {

using Clock = std::chrono::steady_clock;

// Receives the hand-overs on the GUI thread, as the on-line editor does.
struct GuiReceiver : QObject {
    std::vector<DriveStatusSnapshot> snapshots;
    std::vector<int32_t> hvfAtRefresh;
    bool offGuiThread = false;

    void Attach(TConnectionStatus& status) {
        status.ConnectHandOvers(
            this,
            [this](const DriveStatusSnapshot& s) {
                offGuiThread |= QThread::currentThread() != QCoreApplication::instance()->thread();
                snapshots.push_back(s);
            },
            [this] {
                offGuiThread |= QThread::currentThread() != QCoreApplication::instance()->thread();
                int32_t hvf = 0;
                SymTable.GetValue("HVF", hvf);
                hvfAtRefresh.push_back(hvf);
            });
    }
};

class StatusThreadTest : public SimulatedDriveTest {
protected:
    void TearDown() override {
        status_.StopAndWait();
        // Hand-overs still queued must not outlive the test's receiver.
        QCoreApplication::removePostedEvents(&gui_);
    }

    bool WaitForRefreshes(size_t count) {
        return QTest::qWaitFor([&] { return gui_.hvfAtRefresh.size() >= count; }, WaitMs);
    }
    // Waits until the body has begun `count` more passes, polled or idle.
    bool WaitForWakes(uint64_t count) {
        const uint64_t target = status_.Tally().Wakes + count;
        return QTest::qWaitFor([&] { return status_.Tally().Wakes >= target; }, WaitMs);
    }

    TConnectionStatus status_{true};
    GuiReceiver gui_;
};

TEST_F(StatusThreadTest, CreatedSuspendedDoesNothingUntilResumed) {
    status_.EnablePolling();
    EXPECT_FALSE(status_.Started());
    EXPECT_FALSE(status_.isRunning());
    EXPECT_EQ(Frames(), 0u);
}

TEST_F(StatusThreadTest, PollsOnceAPassAndHandsOverToTheGuiThread) {
    std::mutex mutex;
    std::vector<Clock::time_point> emitted;
    // On the worker, as it hands over.
    QObject::connect(
        &status_, &TConnectionStatus::StatusHandedOver, &status_,
        [&] {
            std::lock_guard<std::mutex> lock(mutex);
            emitted.push_back(Clock::now());
        },
        Qt::DirectConnection);
    gui_.Attach(status_);
    Drive().SetEnabled(true);
    Drive().SetFaultCode(5);
    status_.EnablePolling();
    status_.Resume();
    ASSERT_TRUE(WaitForRefreshes(3));
    status_.StopAndWait();

    EXPECT_FALSE(gui_.offGuiThread);
    ASSERT_GE(gui_.snapshots.size(), 3u);
    EXPECT_EQ(gui_.snapshots.front(), (DriveStatusSnapshot{LinkOk, 50, true, 5}));
    for (size_t i = 1; i < gui_.hvfAtRefresh.size(); ++i) {
        EXPECT_NE(gui_.hvfAtRefresh[i], gui_.hvfAtRefresh[i - 1]) << "refresh " << i;
    }
    const auto tally = status_.Tally();
    EXPECT_EQ(tally.FullReads, 1u);
    EXPECT_EQ(tally.StatusFailures, 0u);
    EXPECT_EQ(tally.ListFailures, 0u);
    // Passes follow each other no sooner than the pause allows.
    std::lock_guard<std::mutex> lock(mutex);
    for (size_t i = 1; i < emitted.size(); ++i) {
        EXPECT_GE(emitted[i] - emitted[i - 1], TConnectionStatus::PassPause) << "pass " << i;
    }
}

TEST_F(StatusThreadTest, PollingOffLeavesTheLinkAloneAndReopeningDoesNotForceAFullRead) {
    status_.SetPause(5ms);
    gui_.Attach(status_);
    status_.EnablePolling();
    status_.Resume();
    ASSERT_TRUE(WaitForRefreshes(2));

    status_.DisablePolling();
    // The pass under way may finish; every pass begun after that is idle.
    ASSERT_TRUE(WaitForWakes(1));
    const uint64_t frames = Frames();
    const uint64_t passes = status_.Tally().Passes;
    ASSERT_TRUE(WaitForWakes(5));
    EXPECT_EQ(Frames(), frames);
    EXPECT_EQ(status_.Tally().Passes, passes);

    status_.EnablePolling();
    const size_t refreshes = gui_.hvfAtRefresh.size();
    ASSERT_TRUE(WaitForRefreshes(refreshes + 2));
    EXPECT_EQ(status_.Tally().FullReads, 1u);
}

TEST_F(StatusThreadTest, CablePulledIsShownEveryPassAndPluggingBackReadsEverythingAgain) {
    status_.SetPause(5ms);
    gui_.Attach(status_);
    status_.EnablePolling();
    status_.Resume();
    ASSERT_TRUE(WaitForRefreshes(1));

    Drive().DisconnectDrive(zkcomm::sim::DataInLevel::High);
    ASSERT_TRUE(QTest::qWaitFor([&] { return status_.Tally().StatusFailures >= 3; }, WaitMs));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return !gui_.snapshots.empty() && gui_.snapshots.back().CommStatus != LinkOk; },
        WaitMs));
    Drive().ReconnectDrive();
    ASSERT_TRUE(QTest::qWaitFor([&] { return status_.Tally().FullReads >= 2; }, WaitMs));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return !gui_.snapshots.empty() && gui_.snapshots.back().CommStatus == LinkOk; },
        WaitMs));
}

TEST_F(StatusThreadTest, StopBeforeEverStartingEndsAtOnceWithoutDriveAccess) {
    status_.EnablePolling();
    status_.StopAndWait();
    EXPECT_TRUE(status_.Started());
    EXPECT_TRUE(status_.isFinished());
    EXPECT_EQ(status_.Tally().Wakes, 0u);
    EXPECT_EQ(Frames(), 0u);
    status_.Resume(); // later starts have no effect
    EXPECT_TRUE(status_.isFinished());
}

TEST_F(StatusThreadTest, StopWhilePollingCutsThePauseShortAndEndsTheBody) {
    // Were the pause not cut short, the wait below would last an hour.
    status_.SetPause(std::chrono::hours(1));
    gui_.Attach(status_);
    status_.EnablePolling();
    status_.Resume();
    ASSERT_TRUE(WaitForRefreshes(1));
    status_.StopAndWait();
    EXPECT_TRUE(status_.isFinished());
    const uint64_t frames = Frames();
    QTest::qWait(50);
    EXPECT_EQ(Frames(), frames);
}

TEST_F(StatusThreadTest, DestroyingARunningThreadStopsItFirst) {
    auto status = std::make_unique<TConnectionStatus>(true);
    status->SetPause(5ms);
    status->EnablePolling();
    status->Resume();
    ASSERT_TRUE(QTest::qWaitFor([&] { return status->Tally().Passes >= 2; }, WaitMs));
    status.reset();
    const uint64_t frames = Frames();
    QTest::qWait(50);
    EXPECT_EQ(Frames(), frames);
}

} // namespace
} // namespace online_test
