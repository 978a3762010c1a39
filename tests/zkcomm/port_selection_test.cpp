// UseParallelPort: switching the link off and on, failed selections that
// change nothing, and the port I/O taken and given back.
#include "case_name.h"
#include "link_fixture.h"

namespace zkcomm::test {
namespace {

// Hands out port I/Os that lead to one recorder and counts the live ones, as
// a ppdev claim would be held and released.
class CountingMachine : public testing::FakeMachine {
public:
    using FakeMachine::FakeMachine;
    std::unique_ptr<PortIo> Open(uint16_t base) override {
        if (refuse) {
            return nullptr;
        }
        ++opens;
        lastBase = base;
        return std::make_unique<Claimed>(*this, FakeMachine::Open(base));
    }
    bool refuse = false;
    int opens = 0;
    int live = 0;
    uint16_t lastBase = 0;

private:
    class Claimed : public PortIo {
    public:
        Claimed(CountingMachine& m, std::unique_ptr<PortIo> io) : m_(m), io_(std::move(io)) {
            ++m_.live;
        }
        ~Claimed() override { --m_.live; }
        bool Out(uint16_t p, uint8_t v) override { return io_->Out(p, v); }
        bool In(uint16_t p, uint8_t& v) override { return io_->In(p, v); }

    private:
        CountingMachine& m_;
        std::unique_ptr<PortIo> io_;
    };
};

class PortSelection : public ::testing::Test {
protected:
    void SetUp() override {
        testing::RestoreDefaults();
        machine.Install();
    }
    void TearDown() override { testing::RestoreDefaults(); }

    int32_t ReadOnce() {
        int32_t v = 0;
        int32_t s = 0;
        return GetVarFromFPGA(1, &v, &s);
    }

    RecordingPortIo port;
    CountingMachine machine{port};
};

TEST_F(PortSelection, LinkIsOffUntilTheFirstSelection) {
    EXPECT_TRUE(testing::Link().LinkDisabled());
    EXPECT_EQ(ReadOnce(), LinkFailed);
    EXPECT_TRUE(port.Events().empty());
}

TEST_F(PortSelection, SelectionSetsThePortFieldsAndTouchesNoPort) {
    ASSERT_EQ(UseParallelPort(2), LinkOk);
    const DriveLink& link = testing::Link();
    EXPECT_FALSE(link.LinkDisabled());
    EXPECT_EQ(link.BasePort(), 0x278);
    EXPECT_EQ(link.DataPort(), 0x278);
    EXPECT_EQ(link.StatusPort(), 0x279);
    EXPECT_EQ(machine.lastBase, 0x278);
    EXPECT_TRUE(port.Events().empty());
}

TEST_F(PortSelection, PortZeroSwitchesOffAndGivesThePortBack) {
    ASSERT_EQ(UseParallelPort(1), LinkOk);
    EXPECT_EQ(machine.live, 1);
    EXPECT_EQ(UseParallelPort(0), LinkOk);
    EXPECT_TRUE(testing::Link().LinkDisabled());
    EXPECT_EQ(testing::Link().BasePort(), 0x378) << "the port fields keep their values";
    EXPECT_EQ(machine.live, 0);
    EXPECT_EQ(ReadOnce(), LinkFailed);
    EXPECT_TRUE(port.Events().empty());

    ASSERT_EQ(UseParallelPort(2), LinkOk);
    EXPECT_EQ(machine.live, 1);
    EXPECT_EQ(testing::Link().BasePort(), 0x278);
    port.ScriptStatus(StatusBits(Marked(0)));
    EXPECT_EQ(ReadOnce(), LinkOk);
}

TEST_F(PortSelection, PortZeroTwiceAndBeforeAnySelectionIsFine) {
    EXPECT_EQ(UseParallelPort(0), LinkOk);
    EXPECT_EQ(UseParallelPort(0), LinkOk);
    EXPECT_TRUE(testing::Link().LinkDisabled());
}

TEST_F(PortSelection, AnotherPortReplacesTheOldOneAndTheSamePortIsKept) {
    ASSERT_EQ(UseParallelPort(1), LinkOk);
    ASSERT_EQ(UseParallelPort(1), LinkOk);
    EXPECT_EQ(machine.opens, 1) << "a port in hand is not opened again";
    ASSERT_EQ(UseParallelPort(3), LinkOk);
    EXPECT_EQ(machine.opens, 2);
    EXPECT_EQ(machine.live, 1);
    EXPECT_EQ(testing::Link().BasePort(), 0x3BC);
}

struct FailedSelection {
    const char* name;
    int32_t port;
    bool refuseOpen;
};

class FailedSelections : public PortSelection,
                         public ::testing::WithParamInterface<FailedSelection> {};

TEST_P(FailedSelections, ChangeNothingWhetherLinkWasOnOrOff) {
    const FailedSelection& c = GetParam();
    machine.Registry().DenyOpen(
        "HARDWARE\\DESCRIPTION\\System\\MultifunctionAdapter\\0\\ParallelController\\2");
    for (const bool wasOn : {true, false}) {
        testing::ResetLink();
        machine.refuse = false;
        ASSERT_EQ(UseParallelPort(1), LinkOk);
        if (!wasOn) {
            ASSERT_EQ(UseParallelPort(0), LinkOk);
        }
        const int liveBefore = machine.live;
        machine.refuse = c.refuseOpen;
        EXPECT_EQ(UseParallelPort(c.port), LinkInvalid);
        EXPECT_EQ(testing::Link().LinkDisabled(), !wasOn);
        EXPECT_EQ(testing::Link().BasePort(), 0x378);
        EXPECT_EQ(testing::Link().StatusPort(), 0x379);
        EXPECT_EQ(machine.live, liveBefore);
        if (wasOn) {
            port.Clear();
            port.ScriptStatus(StatusBits(Marked(0)));
            EXPECT_EQ(ReadOnce(), LinkOk);
            EXPECT_EQ(port.Events().front().port, 0x378) << "transfers keep going to LPT1";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(UseParallelPort, FailedSelections,
                         ::testing::Values(FailedSelection{"Four", 4, false},
                                           FailedSelection{"MinusOne", -1, false},
                                           FailedSelection{"Huge", 0x7FFFFFFF, false},
                                           FailedSelection{"Lowest", INT32_MIN, false},
                                           FailedSelection{"Lpt3NotFound", 3, false},
                                           FailedSelection{"Lpt2CannotBeOpened", 2, true}),
                         CaseName{});

TEST_F(PortSelection, SearchRunsAgainAtEverySelection) {
    ASSERT_EQ(UseParallelPort(2), LinkOk);
    machine.SetBase(2, 0x2BC);
    ASSERT_EQ(UseParallelPort(2), LinkOk);
    EXPECT_EQ(testing::Link().BasePort(), 0x2BC);
}

TEST_F(PortSelection, ResetLinkGoesBackToTheLoadState) {
    ASSERT_EQ(UseParallelPort(1), LinkOk);
    testing::ResetLink();
    EXPECT_TRUE(testing::Link().LinkDisabled());
    EXPECT_EQ(testing::Link().BasePort(), 0);
    EXPECT_EQ(testing::Link().DataShadow(), 0);
    EXPECT_EQ(machine.live, 0);
}

TEST_F(PortSelection, RecorderSeesTheAccessesOfTheSelectedPort) {
    RecordingPortIo& recorder = testing::RecordPort();
    ASSERT_EQ(UseParallelPort(1), LinkOk);
    port.ScriptStatus(StatusBits(Marked(0x0033)));
    int32_t v = 0;
    int32_t s = 0;
    ASSERT_EQ(GetVarFromFPGA(2, &v, &s), LinkOk);
    EXPECT_EQ(v, 0x33) << "reads pass through to the port";
    EXPECT_EQ(recorder.WriteCount(), 53u);
    EXPECT_EQ(recorder.ReadCount(), 16u);
    EXPECT_EQ(recorder.Events(), port.Events());
    EXPECT_EQ(&testing::RecordPort(), &recorder);

    testing::StopRecording();
    port.Clear();
    port.ScriptStatus(StatusBits(Marked(0)));
    EXPECT_EQ(GetVarFromFPGA(2, &v, &s), LinkOk);
    EXPECT_EQ(port.WriteCount(), 53u);
}

} // namespace
} // namespace zkcomm::test
