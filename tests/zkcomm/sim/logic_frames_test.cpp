// Logic frames: what the drive decodes from the lines and what it answers.
#include <cstdio>
#include <iterator>
#include <string>
#include <vector>

#include "drive_fixture.h"

namespace zkcomm::sim::test {
namespace {

// A recorded access trace in the form "08 09 R ..." (writes as hex, reads as R).
std::string Trace(const std::vector<PortAccess>& accesses) {
    std::string out;
    char buf[4];
    for (const auto& a : accesses) {
        if (!out.empty()) {
            out += ' ';
        }
        if (a.write) {
            std::snprintf(buf, sizeof buf, "%02X", a.value);
            out += buf;
        } else {
            out += 'R';
        }
    }
    return out;
}

TEST_F(DriveTest, RegisterReadOnTheLinesGivesMarkerStatusAndValue) {
    std::vector<PortAccess> accesses;
    std::vector<LogicFrame> frames;
    drive.SetPortObserver([&](const PortAccess& a) { accesses.push_back(a); });
    drive.SetFrameObserver([&](const LogicFrame& f) {
        frames.push_back(f);
        EXPECT_EQ(drive.GetRegister(5), 0); // observers may call back in
    });

    const uint16_t reply = line.ReadRegister(5);

    std::string expected = "08 09 08 08 0A 08 R 08 0A 08 R 0C 0E 0C R 08 0A 08 R 0C 0E 0C R";
    for (int i = 0; i < 11; ++i) {
        expected += " 08 0A 08 R";
    }
    expected += " 09 00";
    EXPECT_EQ(Trace(accesses), expected) << "the helper must clock exactly like the link";
    EXPECT_EQ(reply, 0xA800) << "marker, disabled, fault code 8, PWMMinus 0";
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].command, 0x2800);
    EXPECT_EQ(frames[0].reply, reply);
}

TEST_F(DriveTest, RegisterReadsAnswerThePowerOnContents) {
    struct Row {
        int reg;
        uint8_t value;
    };
    const Row rows[] = {
        {1, 0x11},  // IrCompSrc 1, EncOut 1
        {2, 0xCB},  // Kii 1, CmdF0 4, Kip 11
        {3, 0x33},  // PoleCount 6 << 3 | DM1Map 3
        {7, 0x01},  // disabled
        {8, 50},    // Model
        {13, 0x0F}, // ILmtPlus 3, ILmtMinus 3
        {15, 0x00}, {16, 0x00}, {30, SimulatedDrive::kLogicVersion}, {31, 0x00},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.reg);
        const uint16_t reply = line.ReadRegister(row.reg);
        EXPECT_EQ(StatusOf(reply), 0xA0 | SimulatedDrive::kPowerOnFaultCode);
        EXPECT_EQ(ValueOf(reply), row.value);
    }
    EXPECT_EQ(drive.GetCounters().logic.reads, std::size(rows));
}

TEST_F(DriveTest, RegisterWritesAreStoredExceptReadOnlyOnes) {
    struct Row {
        int reg;
        uint8_t value;
        bool takes;
    };
    const Row rows[] = {
        {1, 0x65, true},  {13, 0xAA, true},  {27, 0x01, true},  {31, 0x5A, true},
        {0, 0x55, false}, {28, 0x40, false}, {29, 0x12, false}, {30, 0x07, false},
    };
    drive.SetHvfAutoAdvance(false);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.reg);
        const uint8_t before = ValueOf(line.ReadRegister(row.reg));
        const uint16_t reply = line.WriteRegister(row.reg, row.value);
        EXPECT_TRUE(HasMarker(reply));
        EXPECT_EQ(ValueOf(reply), before) << "a write frame answers the old byte";
        EXPECT_EQ(ValueOf(line.ReadRegister(row.reg)), row.takes ? row.value : before);
    }
    const auto counters = drive.GetCounters().logic;
    EXPECT_EQ(counters.writes, std::size(rows));
    EXPECT_EQ(counters.frames, 3 * std::size(rows));
}

TEST_F(DriveTest, EnableBitFollowsBitZeroOfRegisterSeven) {
    struct Row {
        uint16_t command; // a frame begun without the select-high byte
        bool enabledAfter;
    };
    const Row rows[] = {
        {0x3C00, true},  // EnableDrive
        {0x3C01, false}, // DisableDrive
        {0x3CFE, true},  // only bit 0 counts
        {0x3CFF, false}, {0x3C01, false},
    };
    bool enabled = drive.IsEnabled();
    EXPECT_FALSE(enabled) << "the drive comes up disabled";
    for (const Row& row : rows) {
        SCOPED_TRACE(row.command);
        line.Acquire();
        const uint16_t reply = line.TransferWord(row.command);
        line.Release();
        EXPECT_EQ((reply & 0x1000) != 0, enabled) << "the frame shows the state before it";
        enabled = row.enabledAfter;
        EXPECT_EQ(drive.IsEnabled(), enabled);
        EXPECT_EQ((StatusOf(line.ReadRegister(8)) & 0x10) != 0, enabled);
    }
}

TEST_F(DriveTest, StatusByteCarriesFaultCodeAndEnableState) {
    struct Row {
        int faultCode;
        bool enabled;
        uint8_t status;
    };
    const Row rows[] = {{3, true, 0xB3}, {0, false, 0xA0}, {15, true, 0xBF}, {8, false, 0xA8}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.status);
        drive.SetFaultCode(row.faultCode);
        drive.SetEnabled(row.enabled);
        EXPECT_EQ(StatusOf(line.ReadRegister(8)), row.status);
        EXPECT_EQ(StatusOf(line.DriveFrame(row.enabled)), row.status);
    }
}

// Clocks `count` bits of pattern (most significant first) in a register-style
// frame, optionally without raising Select at the end.
void ClockFrame(LineDriver& l, uint32_t pattern, int count, bool raiseSelect) {
    l.Acquire();
    l.SelectHigh();
    l.SelectLow();
    for (int i = count - 1; i >= 0; --i) {
        l.SetData(((pattern >> i) & 1) != 0);
        l.ClockPulse();
        l.ReadDataIn();
    }
    if (raiseSelect) {
        l.SelectHigh();
    }
    l.Release();
}

TEST_F(DriveTest, FramesWithoutSixteenClocksAndARaisedSelectAreNotExecuted) {
    struct Row {
        const char* what;
        uint32_t pattern;
        int count;
        bool raiseSelect;
    };
    constexpr uint32_t kWrite13 = (13u << 11) | 0x400 | 0xAA;
    const Row rows[] = {
        {"15 clocks", kWrite13 >> 1, 15, true},
        {"17 clocks", kWrite13 << 1, 17, true},
        {"link dropped before select", kWrite13, 16, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        drive.ResetCounters();
        ClockFrame(line, row.pattern, row.count, row.raiseSelect);
        EXPECT_EQ(drive.GetRegister(13), 0x0F);
        EXPECT_EQ(drive.GetCounters().logic.frames, 0u);
        EXPECT_EQ(drive.GetCounters().logic.brokenFrames, 1u);
    }
    ClockFrame(line, kWrite13, 16, true);
    EXPECT_EQ(drive.GetRegister(13), 0xAA);
}

TEST_F(DriveTest, RegisterTrafficNeverReachesTheMemory) {
    const NvImage before = drive.GetNvImage();
    // Every register, with bytes whose bit patterns look like start bits and opcodes.
    for (int reg = 0; reg < 32; ++reg) {
        for (uint8_t value : {uint8_t{0xFF}, uint8_t{0xC0}, uint8_t{0x80}}) {
            line.WriteRegister(reg, value);
            line.ReadRegister(reg);
        }
        line.DriveFrame(reg % 2 == 0);
    }
    const auto counters = drive.GetCounters();
    EXPECT_EQ(counters.logic.frames, 32u * 7);
    EXPECT_EQ(counters.logic.brokenFrames, 0u);
    EXPECT_EQ(counters.nv.read + counters.nv.write + counters.nv.erase + counters.nv.eraseAll +
                  counters.nv.writeAll + counters.nv.writeEnable + counters.nv.writeDisable,
              0u);
    EXPECT_EQ(drive.GetNvImage(), before);
}

TEST_F(DriveTest, OnlyTheDataAndStatusRegistersAnswer) {
    struct Row {
        uint16_t base;
        uint16_t port;
        bool write;
        bool accepted;
    };
    const Row rows[] = {
        {0x378, 0x378, true, true},   {0x378, 0x379, true, false},  {0x378, 0x37A, true, false},
        {0x378, 0x379, false, true},  {0x378, 0x378, false, false}, {0x378, 0x37A, false, false},
        {0x278, 0x278, true, true},   {0x278, 0x378, true, false},  {0x278, 0x279, false, true},
        {0x278, 0x379, false, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << std::hex << row.base << " " << row.port);
        SimulatedDrive d(row.base);
        uint8_t value = 0;
        EXPECT_EQ(row.write ? d.Out(row.port, 0) : d.In(row.port, value), row.accepted);
        if (!row.write && row.accepted) {
            EXPECT_EQ(value & ~SimulatedDrive::kDataInMask, SimulatedDrive::kStatusOtherBits);
        }
    }
}

} // namespace
} // namespace zkcomm::sim::test
