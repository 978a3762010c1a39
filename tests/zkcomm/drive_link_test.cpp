// The link object on its own: constant data-in levels, which instructions
// wait for ready, and the line state it leaves behind.
#include "case_name.h"
#include "port_trace.h"
#include "zkcomm/drive_link.h"

#include <gtest/gtest.h>

namespace zkcomm::test {
namespace {

class DriveLinkTest : public ::testing::Test {
protected:
    DriveLinkTest() { link.SelectBase(0x278); }
    RecordingPortIo port;
    DriveLink link{&port};
};

TEST_F(DriveLinkTest, StartsSwitchedOffWithLinesLowAndTouchesNoPort) {
    DriveLink fresh(&port);
    EXPECT_TRUE(fresh.LinkDisabled());
    EXPECT_EQ(fresh.DataShadow(), 0);
    EXPECT_TRUE(port.Events().empty());
}

TEST_F(DriveLinkTest, UsesOnlyTheDataAndStatusRegisters) {
    link.BeginRegisterAccess();
    link.TransferWord(0x1234);
    link.ReleaseLink();
    for (const PortEvent& e : port.Events()) {
        EXPECT_EQ(e.port, e.kind == PortEvent::Kind::Out ? 0x278 : 0x279);
    }
    EXPECT_EQ(link.DataShadow(), 0);
}

TEST_F(DriveLinkTest, DataInStuckHigh) {
    port.SetStatus(0xFF);
    link.BeginAccess();
    EXPECT_EQ(link.TransferWord(0x2800), 0xFFFF);
    EXPECT_EQ(link.EepromRead(7), 0xFFFF);
    port.Clear();
    EXPECT_FALSE(link.WaitReady());
    EXPECT_EQ(port.ReadCount(), 1u) << "ready at once means no programming cycle started";
}

TEST_F(DriveLinkTest, DataInStuckLow) {
    port.SetStatus(0xDF);
    link.BeginAccess();
    EXPECT_EQ(link.TransferWord(0x2800), 0x0000);
    EXPECT_EQ(link.EepromRead(7), 0x0000);
    port.Clear();
    EXPECT_FALSE(link.WaitReady());
    EXPECT_EQ(port.ReadCount(), 5001u);
    EXPECT_EQ(TraceOf(port), TraceBuilder().Wait(5001, 1).Done());
}

TEST_F(DriveLinkTest, ReadyWaitStopsAtTheFirstReadyRead) {
    for (const int busy : {1, 2, 5000}) {
        port.Clear();
        std::vector<uint8_t> script(static_cast<size_t>(busy), 0x00);
        script.push_back(0x20);
        port.ScriptStatus(script);
        link.BeginAccess();
        EXPECT_TRUE(link.WaitReady()) << busy;
        EXPECT_EQ(port.ReadCount(), static_cast<size_t>(busy + 1));
    }
}

TEST_F(DriveLinkTest, FrameReplyTakesDataInFromBit15Down) {
    port.ScriptStatus(StatusBits(0xA5C3));
    link.BeginRegisterAccess();
    EXPECT_EQ(link.TransferWord(0x0800), 0xA5C3);
}

// Which instructions are followed by the pause and the ready wait: only
// those that start a programming cycle.
struct InstructionCase {
    const char* name;
    void (*run)(DriveLink&);
    size_t reads;
    Trace trace;
};

class Instructions : public DriveLinkTest, public ::testing::WithParamInterface<InstructionCase> {};

TEST_P(Instructions, WaitOnlyAfterProgramming) {
    const InstructionCase& c = GetParam();
    link.BeginAccess();
    port.Clear();
    port.ScriptStatus({0x00, 0x20});
    c.run(link);
    EXPECT_EQ(port.ReadCount(), c.reads);
    EXPECT_EQ(TraceOf(port), c.trace) << Show(TraceOf(port));
}

INSTANTIATE_TEST_SUITE_P(
    Microwire, Instructions,
    ::testing::Values(
        InstructionCase{"Ewen", [](DriveLink& l) { l.EepromWriteEnable(); }, 0,
                        TraceBuilder().Instruction(0x4C0).Done()},
        InstructionCase{"Ewds", [](DriveLink& l) { l.EepromWriteDisable(); }, 0,
                        TraceBuilder().Instruction(0x400).Done()},
        InstructionCase{"ShortWralAlone", [](DriveLink& l) { l.SendShortInstruction(1); }, 0,
                        TraceBuilder().Instruction(0x440).Done()},
        InstructionCase{"Eral", [](DriveLink& l) { (void)l.EepromEraseAll(); }, 2,
                        TraceBuilder().Instruction(0x480).Wait(2, 0).Done()},
        InstructionCase{"Erase", [](DriveLink& l) { (void)l.EepromErase(0x81); }, 2,
                        TraceBuilder().Instruction(0x781).Wait(2, 1).Done()},
        InstructionCase{"Write", [](DriveLink& l) { (void)l.EepromWrite(0x02, 0x8001); }, 2,
                        TraceBuilder().WriteWord(0x02, 0x8001).Wait(2, 1).Done()},
        InstructionCase{"Wral", [](DriveLink& l) { (void)l.EepromWriteAll(0x1234); }, 2,
                        TraceBuilder()
                            .W(0x09)
                            .Bits(0x440, 11, 0x09)
                            .Bits(0x1234, 16, 0x09)
                            .W(0x08)
                            .Wait(2, 0)
                            .Done()},
        InstructionCase{"Read", [](DriveLink& l) { (void)l.EepromRead(0x03); }, 16,
                        TraceBuilder().ReadWord(0x03).Done()}),
    CaseName{});

TEST_F(DriveLinkTest, WaitReadyAndClearClocksAStartBitOnceReady) {
    port.ScriptStatus({0x00, 0x20});
    EXPECT_TRUE(link.WaitReadyAndClear());
    EXPECT_EQ(TraceOf(port), (Trace{0x01, Read, Read, 0x05, 0x07, 0x05, 0x01, 0x00}));

    port.Clear();
    port.ScriptStatus({0x20});
    EXPECT_FALSE(link.WaitReadyAndClear());
    EXPECT_EQ(TraceOf(port), (Trace{0x01, Read, 0x00}));
}

TEST_F(DriveLinkTest, DataLineKeepsItsLevelAcrossSelectAndClock) {
    link.BeginAccess();
    link.ChipSelect();
    link.ShiftOutInstruction(0x001);
    port.Clear();
    link.ChipDeselect();
    link.ChipSelect();
    link.ClockPulse();
    EXPECT_EQ(TraceOf(port), (Trace{0x0C, 0x0D, 0x0F, 0x0D}));
}

TEST(ShortPause, TouchesNoPortAndReturns) {
    RecordingPortIo port;
    DriveLink link(&port);
    DriveLink::ShortPause();
    EXPECT_TRUE(port.Events().empty());
}

} // namespace
} // namespace zkcomm::test
