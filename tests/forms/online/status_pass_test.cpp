// One pass of the status thread's body, run on the test's own thread.
#include "zktools/forms/connection_status.h"

#include "tests/forms/online/status_fixture.h"

#include "zkcomm/zkcomm.h"

#include <QCoreApplication>
#include <QObject>

#include <vector>

namespace online_test {
namespace {

using zkcomm::sim::DataInLevel;

class StatusPassTest : public SimulatedDriveTest {
protected:
    StatusPassTest() {
        status_.ConnectHandOvers(
            &gui_, [this](const DriveStatusSnapshot& s) { snapshots_.push_back(s); },
            [this] { ++refreshes_; });
    }

    // One pass; the frames it cost.
    uint64_t Pass(TConnectionStatus::PassOutcome& outcome) {
        const uint64_t before = Frames();
        outcome = status_.RunPass();
        return Frames() - before;
    }
    // The hand-overs are queued even to this thread.
    static void Deliver() { QCoreApplication::processEvents(); }

    TConnectionStatus status_{true};
    QObject gui_;
    std::vector<DriveStatusSnapshot> snapshots_;
    int refreshes_ = 0;
};

TEST_F(StatusPassTest, PollingOffMakesNoLinkTrafficAndHandsNothingOver) {
    zkcomm::RecordingPortIo& port = zkcomm::testing::RecordPort();
    port.Clear();
    const auto outcome = status_.RunPass();
    Deliver();
    EXPECT_FALSE(outcome.Polled);
    EXPECT_FALSE(outcome.Snapshot.has_value());
    EXPECT_EQ(port.Events().size(), 0u);
    EXPECT_TRUE(snapshots_.empty());
    EXPECT_EQ(refreshes_, 0);
}

TEST_F(StatusPassTest, FirstGoodPassReadsEveryParameterThenOnlyTheMonitoredOne) {
    Drive().SetHvfAutoAdvance(false);
    Drive().SetEnabled(true);
    Drive().SetFaultCode(3);
    Drive().SetRegister(6, 0x3C); // PWMPlus 60, not monitored
    status_.EnablePolling();

    TConnectionStatus::PassOutcome first;
    EXPECT_EQ(Pass(first), FullPassFrames());
    ASSERT_TRUE(first.Snapshot.has_value());
    EXPECT_EQ(*first.Snapshot, (DriveStatusSnapshot{LinkOk, 50, true, 3}));
    EXPECT_TRUE(first.FullRead);
    EXPECT_EQ(first.ListResult, BatchSuccess(VarTableRecords));
    EXPECT_TRUE(first.Refreshed);
    EXPECT_EQ(TableValue("PWMPlus"), 60);
    EXPECT_EQ(TableValue("HVF"), Drive().GetHvf());

    // Only HVF follows the drive from now on.
    Drive().SetRegister(6, 0x10);
    Drive().SetHvf(1234);
    TConnectionStatus::PassOutcome second;
    EXPECT_EQ(Pass(second), MonitoredPassFrames);
    EXPECT_FALSE(second.FullRead);
    EXPECT_EQ(second.ListResult, BatchSuccess(1));
    EXPECT_TRUE(second.Refreshed);
    EXPECT_EQ(TableValue("PWMPlus"), 60);
    EXPECT_EQ(TableValue("HVF"), 1234);

    // Each status read and each good poll was handed over, with what the pass saw.
    Deliver();
    ASSERT_EQ(snapshots_.size(), 2u);
    EXPECT_EQ(snapshots_[0], *first.Snapshot);
    EXPECT_EQ(snapshots_[1], *second.Snapshot);
    EXPECT_EQ(refreshes_, 2);
}

TEST_F(StatusPassTest, HvfDiffersFromPassToPass) {
    status_.EnablePolling();
    std::vector<int32_t> seen;
    for (int pass = 0; pass < 4; ++pass) {
        ASSERT_TRUE(status_.RunPass().Refreshed);
        seen.push_back(TableValue("HVF"));
    }
    for (size_t i = 1; i < seen.size(); ++i) {
        EXPECT_NE(seen[i], seen[i - 1]) << "pass " << i;
    }
}

TEST_F(StatusPassTest, CablePulledShowsTheLossAndPluggingItBackReadsEverythingAgain) {
    status_.EnablePolling();
    ASSERT_TRUE(status_.RunPass().FullRead);
    ASSERT_FALSE(status_.RunPass().FullRead);

    for (const DataInLevel level : {DataInLevel::High, DataInLevel::Low}) {
        SCOPED_TRACE(level == DataInLevel::High ? "data-in high" : "data-in low");
        const int32_t hvf = TableValue("HVF");
        const int32_t pwmPlus = TableValue("PWMPlus");
        Drive().SetRegister(6, static_cast<uint8_t>(pwmPlus + 1)); // changed while it is off
        Drive().DisconnectDrive(level);
        for (int pass = 0; pass < 2; ++pass) {
            const auto outcome = status_.RunPass();
            ASSERT_TRUE(outcome.Snapshot.has_value());
            EXPECT_NE(outcome.Snapshot->CommStatus, LinkOk);
            EXPECT_FALSE(outcome.ListResult.has_value());
            EXPECT_FALSE(outcome.Refreshed);
        }
        EXPECT_EQ(TableValue("HVF"), hvf);
        EXPECT_EQ(TableValue("PWMPlus"), pwmPlus);

        Drive().ReconnectDrive();
        TConnectionStatus::PassOutcome back;
        EXPECT_EQ(Pass(back), FullPassFrames());
        EXPECT_TRUE(back.FullRead);
        EXPECT_TRUE(back.Refreshed);
        EXPECT_EQ(TableValue("PWMPlus"), pwmPlus + 1);
        TConnectionStatus::PassOutcome next;
        EXPECT_EQ(Pass(next), MonitoredPassFrames);
    }
}

TEST_F(StatusPassTest, LinkOffReportsNoCommunicationAndSchedulesAFullRead) {
    status_.EnablePolling();
    ASSERT_TRUE(status_.RunPass().FullRead);
    ASSERT_EQ(UseParallelPort(0), LinkOk);
    const auto off = status_.RunPass();
    ASSERT_TRUE(off.Snapshot.has_value());
    EXPECT_EQ(off.Snapshot->CommStatus, LinkFailed);
    EXPECT_FALSE(off.Refreshed);
    ASSERT_EQ(UseParallelPort(1), LinkOk);
    EXPECT_TRUE(status_.RunPass().FullRead);
}

// The on-line editor asks for one at each showing, while the drive may have stayed connected.
TEST_F(StatusPassTest, ARequestedFullReadComesWithTheNextGoodPass) {
    status_.EnablePolling();
    ASSERT_TRUE(status_.RunPass().FullRead);
    ASSERT_FALSE(status_.RunPass().FullRead);

    const uint64_t request = status_.RequestFullRead();
    EXPECT_FALSE(status_.FullReadDone(request));
    Drive().SetRegister(6, 0x21); // PWMPlus, not monitored
    TConnectionStatus::PassOutcome asked;
    EXPECT_EQ(Pass(asked), FullPassFrames());
    EXPECT_TRUE(asked.FullRead);
    EXPECT_TRUE(status_.FullReadDone(request));
    EXPECT_EQ(TableValue("PWMPlus"), 0x21);
    TConnectionStatus::PassOutcome after;
    EXPECT_EQ(Pass(after), MonitoredPassFrames);

    // A failed status read answers no request; the next good pass does.
    const uint64_t second = status_.RequestFullRead();
    EXPECT_GT(second, request);
    Drive().DisconnectDrive(DataInLevel::High);
    EXPECT_FALSE(status_.RunPass().Refreshed);
    EXPECT_FALSE(status_.FullReadDone(second));
    Drive().ReconnectDrive();
    EXPECT_TRUE(status_.RunPass().FullRead);
    EXPECT_TRUE(status_.FullReadDone(second));
    EXPECT_FALSE(status_.RunPass().FullRead);
    EXPECT_EQ(status_.Tally().FullReads, 3u);
}

// A request made during a full read may follow a change to a value that read has already passed:
// only a read begun after the request answers it.
TEST_F(StatusPassTest, ARequestMadeDuringAFullReadIsAnsweredByTheNextOne) {
    status_.EnablePolling();
    const uint64_t first = status_.RequestFullRead();
    uint64_t frames = 0;
    uint64_t duringRead = 0;
    Drive().SetFrameObserver([&](const zkcomm::sim::LogicFrame&) {
        // After the status read's two frames and the two of AutoDis, the first parameter: it is
        // set to 2 on the drive, and a full read is asked for.
        if (++frames == 4) {
            Drive().SetRegister(13, static_cast<uint8_t>((Drive().GetRegister(13) & ~0x30) | 0x20));
            duringRead = status_.RequestFullRead();
        }
    });
    ASSERT_TRUE(status_.RunPass().FullRead);
    Drive().SetFrameObserver({});
    ASSERT_GT(duringRead, first);
    EXPECT_TRUE(status_.FullReadDone(first));
    EXPECT_FALSE(status_.FullReadDone(duringRead));
    EXPECT_EQ(TableValue("AutoDis"), 0);

    EXPECT_TRUE(status_.RunPass().FullRead);
    EXPECT_TRUE(status_.FullReadDone(duringRead));
    EXPECT_EQ(TableValue("AutoDis"), 2);
}

TEST_F(StatusPassTest, FullReadStoppingPartWayStillCountsAsDone) {
    status_.EnablePolling();
    // The frames of the last two records come back with a broken reply marker.
    Drive().FlipReplyBit(15, zkcomm::sim::kEveryTime, static_cast<int>(FullPassFrames()) - 4);
    const auto first = status_.RunPass();
    ASSERT_TRUE(first.FullRead);
    ASSERT_TRUE(first.ListResult.has_value());
    EXPECT_EQ(*first.ListResult, BatchFailure(VarTableRecords - 1, LinkFailed));
    EXPECT_TRUE(first.Refreshed);
    EXPECT_EQ(status_.Tally().ListFailures, 1u);

    Drive().ClearFaults();
    const auto second = status_.RunPass();
    EXPECT_FALSE(second.FullRead);
    EXPECT_EQ(second.ListResult, BatchSuccess(1));
}

TEST_F(StatusPassTest, NothingIsHandedOverOnceAStopIsRequested) {
    status_.StopAndWait(); // never started: it starts, sees the stop and ends
    EXPECT_TRUE(status_.Started());
    EXPECT_TRUE(status_.isFinished());
    EXPECT_EQ(Frames(), 0u);

    status_.EnablePolling();
    const auto outcome = status_.RunPass();
    Deliver();
    EXPECT_TRUE(outcome.Snapshot.has_value());
    EXPECT_TRUE(outcome.Refreshed);
    EXPECT_TRUE(snapshots_.empty());
    EXPECT_EQ(refreshes_, 0);
}

} // namespace
} // namespace online_test
