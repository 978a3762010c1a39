// Injected faults: what the link sees when the drive or its cable misbehaves.
#include <iterator>
#include <stdexcept>
#include <vector>

#include "drive_fixture.h"

namespace zkcomm::sim::test {
namespace {

TEST_F(DriveTest, WithoutADriveDataInIsStuck) {
    struct Row {
        DataInLevel level;
        uint16_t reply;
        uint16_t nvWord;
        int readyReads;
    };
    const Row rows[] = {
        {DataInLevel::High, 0xFFFF, 0xFFFF, 1},
        {DataInLevel::Low, 0x0000, 0x0000, 5001},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.reply);
        drive.Reset();
        drive.DisconnectDrive(row.level);
        EXPECT_FALSE(drive.IsDriveConnected());
        EXPECT_EQ(line.WriteRegister(13, 0x00), row.reply);
        EXPECT_EQ(line.ReadRegister(13), row.reply);
        EXPECT_EQ(line.NvRead(0), row.nvWord);
        EXPECT_FALSE(line.NvWrite(0, 0x1234));
        EXPECT_EQ(line.LastReadyReads(), row.readyReads);
        EXPECT_EQ(drive.GetRegister(13), 0x0F) << "nothing reached the drive";
        EXPECT_EQ(drive.GetNvWord(0), 0x0C11);

        drive.ReconnectDrive();
        EXPECT_EQ(line.ReadRegister(13), 0xA80F);
    }
}

TEST_F(DriveTest, CablePulledMidFrame) {
    // A register write frame: 3 select bytes, then per bit 3 writes and 1 read,
    // then the select-high byte (access 68) and the release byte.
    struct Row {
        uint64_t after;
        DataInLevel level;
        uint16_t reply;
        bool stored;
    };
    const Row rows[] = {
        {0, DataInLevel::High, 0xFFFF, false},
        {19, DataInLevel::High, 0xAFFF, false}, // four reply bits got through
        {19, DataInLevel::Low, 0xA000, false},
        {67, DataInLevel::High, 0xA80F, false}, // all bits, but Select never rose
        {68, DataInLevel::Low, 0xA80F, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.after);
        drive.Reset();
        drive.PullCableAfter(row.after, row.level);
        EXPECT_EQ(line.WriteRegister(13, 0x00), row.reply);
        EXPECT_EQ(drive.GetRegister(13), row.stored ? 0x00 : 0x0F);
        EXPECT_FALSE(drive.IsDriveConnected());
        drive.ReconnectDrive();
        EXPECT_TRUE(HasMarker(line.ReadRegister(13)));
    }
}

TEST_F(DriveTest, FailingPortRefusesAccesses) {
    drive.FailPortAfter(3);
    uint8_t status = 0;
    EXPECT_TRUE(drive.Out(0x378, 0x08));
    EXPECT_TRUE(drive.In(0x379, status));
    EXPECT_TRUE(drive.Out(0x378, 0x09));
    EXPECT_FALSE(drive.Out(0x378, 0x08));
    EXPECT_FALSE(drive.In(0x379, status));
    EXPECT_EQ(drive.GetCounters().portWrites, 2u);
    drive.ClearFaults();
    EXPECT_TRUE(drive.Out(0x378, 0x00));
}

TEST_F(DriveTest, ProgrammingCycleFaults) {
    struct Row {
        NvCycleFault fault;
        int readyReads;
    };
    const Row rows[] = {{NvCycleFault::NeverBusy, 1}, {NvCycleFault::NeverReady, 5001}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.readyReads);
        drive.Reset();
        drive.SetNvCycleFault(row.fault, kAnyNvAddress, 1);
        EXPECT_FALSE(line.NvWrite(20, 0x1234));
        EXPECT_EQ(line.LastReadyReads(), row.readyReads);
        EXPECT_EQ(drive.GetNvWord(20), 0xFFFF) << "a failed cycle keeps the old word";
        EXPECT_FALSE(drive.IsNvBusy()) << "the stuck cycle ends with the chip select";
        EXPECT_FALSE(drive.IsNvWriteEnabled()) << "EWDS still acts";

        EXPECT_TRUE(line.NvWrite(20, 0x1234)) << "the fault was for one cycle";
        EXPECT_EQ(drive.GetNvWord(20), 0x1234);
    }
}

TEST_F(DriveTest, CycleFaultOnOneAddressRunsOutAfterItsCount) {
    for (int a = 95; a <= 105; ++a) {
        drive.SetNvWord(a, 0x0000);
    }
    drive.SetNvCycleFault(NvCycleFault::NeverBusy, 100, 2);
    struct Step {
        int address;
        bool ready;
    };
    const Step steps[] = {{99, true}, {100, false}, {100, false}, {100, true}, {101, true}};
    for (const Step& step : steps) {
        SCOPED_TRACE(step.address);
        EXPECT_EQ(line.NvErase(step.address), step.ready);
        EXPECT_EQ(drive.GetNvWord(step.address) == 0xFFFF, step.ready);
    }
    drive.SetNvCycleFault(NvCycleFault::NeverReady, 100, kEveryTime);
    EXPECT_TRUE(line.NvEraseAll()) << "an address fault does not hit ERAL";
    EXPECT_FALSE(line.NvWrite(100, 0x1234));
    EXPECT_FALSE(line.NvWrite(100, 0x1234)) << "kEveryTime does not run out";
}

TEST_F(DriveTest, CorruptedNvWordReadsBackWrong) {
    drive.SetNvReadCorruption(5, 0x0100);
    EXPECT_TRUE(line.NvWrite(5, 0x2C22));
    EXPECT_EQ(drive.GetNvWord(5), 0x2C22);
    EXPECT_EQ(line.NvRead(5), 0x2D22);
    EXPECT_EQ(line.NvRead(4), drive.GetNvWord(4)) << "only that word";
    drive.SetNvReadCorruption(5, 0);
    EXPECT_EQ(line.NvRead(5), 0x2C22);
}

TEST_F(DriveTest, FlippedReplyBits) {
    struct Row {
        int bit;
        int frames;
        int skip;
        std::vector<bool> flipped; // per read frame, in order
    };
    const Row rows[] = {
        {0, 1, 0, {true, false, false, false}},
        {15, kEveryTime, 0, {true, true, true, true}},
        {12, 2, 1, {false, true, true, false}},
        {7, 0, 0, {false, false, false, false}},
    };
    const uint16_t clean = 0xA833; // register 3
    for (const Row& row : rows) {
        SCOPED_TRACE(row.bit);
        drive.Reset();
        drive.FlipReplyBit(row.bit, row.frames, row.skip);
        for (bool flipped : row.flipped) {
            EXPECT_EQ(line.ReadRegister(3), flipped ? clean ^ (1u << row.bit) : clean);
        }
        EXPECT_EQ(drive.GetRegister(3), 0x33) << "only the line is affected";
    }
}

TEST_F(DriveTest, StuckRegisterIgnoresWrites) {
    drive.SetRegisterStuck(13, true);
    EXPECT_TRUE(HasMarker(line.WriteRegister(13, 0x00)));
    EXPECT_EQ(ValueOf(line.ReadRegister(13)), 0x0F);
    line.WriteRegister(12, 0x34);
    EXPECT_EQ(drive.GetRegister(12), 0x34) << "other registers still take writes";
    drive.SetRegister(13, 0x01);
    EXPECT_EQ(drive.GetRegister(13), 0x01) << "direct access bypasses the fault";
    drive.ClearFaults();
    line.WriteRegister(13, 0x00);
    EXPECT_EQ(drive.GetRegister(13), 0x00);
}

TEST_F(DriveTest, ClearFaultsRestoresEveryPath) {
    drive.DisconnectDrive(DataInLevel::Low);
    drive.FlipReplyBit(15, kEveryTime);
    drive.SetRegisterStuck(1, true);
    drive.SetNvCycleFault(NvCycleFault::NeverReady);
    drive.SetNvBusyReads(6000);
    drive.SetNvReadCorruption(7, 0xFFFF);
    drive.ClearFaults();

    EXPECT_TRUE(drive.IsDriveConnected());
    line.WriteRegister(1, 0x25);
    EXPECT_EQ(line.ReadRegister(1), 0xA825);
    EXPECT_TRUE(line.NvWrite(7, 0x4431));
    EXPECT_EQ(line.LastReadyReads(), SimulatedDrive::kDefaultBusyReads + 1);
    EXPECT_EQ(line.NvRead(7), 0x4431);
}

TEST_F(DriveTest, BadArgumentsAreRejected) {
    EXPECT_THROW(drive.GetRegister(0), std::out_of_range);
    EXPECT_THROW(drive.SetRegister(32, 0), std::out_of_range);
    EXPECT_THROW(drive.GetNvWord(256), std::out_of_range);
    EXPECT_THROW(drive.SetFaultCode(16), std::out_of_range);
    EXPECT_THROW(drive.FlipReplyBit(16), std::out_of_range);
    EXPECT_THROW(drive.FlipReplyBit(3, -2), std::invalid_argument);
    EXPECT_THROW(drive.SetNvCycleFault(NvCycleFault::NeverBusy, 256), std::out_of_range);
    EXPECT_THROW(drive.SetNvBusyReads(-1), std::out_of_range);
    EXPECT_EQ(line.ReadRegister(1), 0xA811) << "nothing changed";
}

} // namespace
} // namespace zkcomm::sim::test
