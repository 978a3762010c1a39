// The Microwire NV memory: power-on contents, instructions, busy and ready.
#include <functional>
#include <iterator>

#include "drive_fixture.h"
#include "zkcomm/sim/register_packing.h"

namespace zkcomm::sim::test {
namespace {

TEST_F(DriveTest, FactoryWordsNameTheirRegisterAndHoldTheDefaults) {
    struct Row {
        int address;
        uint16_t word;
    };
    const Row rows[] = {
        {0, 0x0C11},  {1, 0x14CB},   {2, 0x1C33}, // register 3: PoleCount 6 << 3 | DM1Map 3
        {6, 0x3C01},  {7, 0x4432},   {12, 0x6C0F},  {14, 0x7C00},
        {15, 0xFFFF}, {100, 0xFFFF}, {255, 0xFFFF},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.address);
        EXPECT_EQ(line.NvRead(row.address), row.word);
        EXPECT_EQ(drive.GetNvWord(row.address), row.word);
    }
    for (int n = 0; n < kNvParameterWords; ++n) {
        SCOPED_TRACE(n);
        const uint16_t word = drive.GetNvWord(n);
        EXPECT_EQ(word >> 11, n + 1);
        EXPECT_EQ(word & 0x700, 0x400);
        EXPECT_EQ(drive.GetRegister(n + 1), word & 0xFF) << "registers load from NV at power-on";
    }
}

TEST_F(DriveTest, PowerCycleReloadsRegistersFromNvAndResetRestoresTheFactorySet) {
    ASSERT_TRUE(line.NvWrite(3, NvEntry(4, 0x42)));
    drive.SetRegister(16, 0x99);
    EXPECT_EQ(drive.GetRegister(4), 0x00) << "writing NV does not touch the register";

    drive.PowerCycle();
    EXPECT_EQ(drive.GetRegister(4), 0x42);
    EXPECT_EQ(drive.GetRegister(16), 0x00);
    EXPECT_EQ(drive.GetNvWord(3), NvEntry(4, 0x42));

    drive.Reset();
    EXPECT_EQ(drive.GetRegister(4), 0x00);
    EXPECT_EQ(drive.GetNvImage(), SimulatedDrive::FactoryNv());
}

struct ProgrammingRow {
    const char* what;
    std::function<bool(LineDriver&, bool writeEnable)> run;
    std::function<void(NvImage&)> expect; // what the operation does to the image
};

const ProgrammingRow kProgramming[] = {
    {"WRITE", [](LineDriver& l, bool we) { return l.NvWrite(20, 0x1234, we); },
     [](NvImage& m) {
         m[20] = 0x1234;
     }},
    {"ERASE", [](LineDriver& l, bool we) { return l.NvErase(3, we); },
     [](NvImage& m) {
         m[3] = 0xFFFF;
     }},
    {"ERAL", [](LineDriver& l, bool we) { return l.NvEraseAll(we); },
     [](NvImage& m) {
         m.fill(0xFFFF);
     }},
    {"WRAL", [](LineDriver& l, bool we) { return l.NvWriteAll(0xA5A5, we); },
     [](NvImage& m) {
         m.fill(0xA5A5);
     }},
};

TEST_F(DriveTest, ProgrammingShowsBusyThenReadyAndChangesTheMemory) {
    for (const auto& row : kProgramming) {
        SCOPED_TRACE(row.what);
        drive.Reset();
        NvImage expected = drive.GetNvImage();
        row.expect(expected);

        EXPECT_TRUE(row.run(line, true));
        EXPECT_EQ(line.LastReadyReads(), SimulatedDrive::kDefaultBusyReads + 1);
        EXPECT_EQ(drive.GetNvImage(), expected);
        EXPECT_FALSE(drive.IsNvBusy());
        EXPECT_FALSE(drive.IsNvWriteEnabled()) << "EWDS closed the memory again";
        const auto nv = drive.GetCounters().nv;
        EXPECT_EQ(nv.cycles, 1u);
        EXPECT_EQ(nv.busyReads, static_cast<uint64_t>(SimulatedDrive::kDefaultBusyReads));
        EXPECT_EQ(drive.GetCounters().logic.frames, 0u) << "NV traffic is no logic frame";
        EXPECT_EQ(drive.GetCounters().logic.brokenFrames, 0u);
    }
}

TEST_F(DriveTest, ProgrammingWhileWriteDisabledIsRefusedWithoutBusy) {
    for (const auto& row : kProgramming) {
        SCOPED_TRACE(row.what);
        drive.Reset();
        line.NvWriteEnable();
        line.NvWriteDisable();
        const NvImage before = drive.GetNvImage();

        EXPECT_FALSE(row.run(line, false));
        EXPECT_EQ(line.LastReadyReads(), 1) << "ready at the first poll";
        EXPECT_EQ(drive.GetNvImage(), before);
        EXPECT_EQ(drive.GetCounters().nv.refused, 1u);
        EXPECT_EQ(drive.GetCounters().nv.cycles, 0u);
    }
}

TEST_F(DriveTest, WriteEnableLatchPersistsAcrossAccesses) {
    line.NvWriteEnable();
    EXPECT_TRUE(drive.IsNvWriteEnabled());
    EXPECT_TRUE(line.NvWrite(30, 0x0001, false)) << "enabled by the earlier EWEN";
    EXPECT_FALSE(drive.IsNvWriteEnabled());
    EXPECT_FALSE(line.NvWrite(30, 0x0002, false));
    EXPECT_EQ(drive.GetNvWord(30), 0x0001);
}

TEST_F(DriveTest, ReadyWaitLengthFollowsTheBusyCycle) {
    struct Row {
        int busyReads;
        bool ready;
        int reads; // status reads of the ready wait
    };
    const Row rows[] = {
        {1, true, 2}, {10, true, 11}, {5000, true, 5001}, {5001, false, 5001}, {0, false, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.busyReads);
        drive.Reset();
        drive.SetNvBusyReads(row.busyReads);
        EXPECT_EQ(line.NvWrite(40, 0x0BAD), row.ready);
        EXPECT_EQ(line.LastReadyReads(), row.reads);
        EXPECT_EQ(drive.GetNvWord(40), 0x0BAD) << "the word itself is programmed";
    }
}

TEST_F(DriveTest, InstructionsActOnlyWhenCompleteAtChipDeselect) {
    struct Row {
        const char* what;
        int dataBits;
        bool programmed;
    };
    const Row rows[] = {{"15 data bits", 15, false}, {"16 data bits", 16, true}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        drive.Reset();
        line.NvWriteEnable();
        line.Acquire();
        line.SelectHigh();
        for (int i = 0; i < 3; ++i) { // leading zeros before the start bit are ignored
            line.SetData(false);
            line.ClockPulse();
        }
        line.ShiftOutInstruction(0x500 | 50);
        for (int i = 0; i < row.dataBits; ++i) {
            line.SetData(i % 2 == 0);
            line.ClockPulse();
        }
        line.SelectLow();
        line.Release();
        EXPECT_EQ(drive.GetNvWord(50) != 0xFFFF, row.programmed);
        EXPECT_EQ(drive.IsNvBusy(), row.programmed);
    }
}

TEST_F(DriveTest, InstructionsAreCountedByType) {
    line.NvRead(1);
    line.NvRead(2);
    line.NvWrite(20, 0x1111);
    line.NvErase(20);
    line.NvEraseAll();
    line.NvWriteAll(0x2222);
    const auto nv = drive.GetCounters().nv;
    EXPECT_EQ(nv.read, 2u);
    EXPECT_EQ(nv.write, 1u);
    EXPECT_EQ(nv.erase, 1u);
    EXPECT_EQ(nv.eraseAll, 1u);
    EXPECT_EQ(nv.writeAll, 1u);
    EXPECT_EQ(nv.writeEnable, 4u);
    EXPECT_EQ(nv.writeDisable, 4u);
    EXPECT_EQ(nv.cycles, 4u);
}

} // namespace
} // namespace zkcomm::sim::test
