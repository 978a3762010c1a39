// The velocity pair (registers 28 and 29): packing and when it moves.
#include <functional>
#include <iterator>

#include "drive_fixture.h"
#include "zkcomm/sim/velocity_signal.h"

namespace zkcomm::sim::test {
namespace {

constexpr int kStep = VelocitySignal::kStep;

TEST_F(DriveTest, HvfIsPackedHighPartIn29LowBitsLeftAlignedIn28) {
    struct Row {
        int raw;
        int stored;
        uint8_t high;
        uint8_t low;
    };
    const Row rows[] = {
        {0, 0, 0x00, 0x00},         {100, 100, 0x01, 0x90},   {-1, -1, 0xFF, 0xFC},
        {-8191, -8191, 0x80, 0x04}, {8191, 8191, 0x7F, 0xFC}, {9000, 8191, 0x7F, 0xFC},
    };
    drive.SetHvfAutoAdvance(false);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.raw);
        drive.SetHvf(row.raw);
        EXPECT_EQ(drive.GetHvf(), row.stored);
        EXPECT_EQ(ValueOf(line.ReadRegister(29)), row.high);
        EXPECT_EQ(ValueOf(line.ReadRegister(28)), row.low);
    }
    drive.SetRegister(29, 0x01);
    drive.SetRegister(28, 0x90);
    EXPECT_EQ(drive.GetHvf(), 100) << "direct register access sets the value";
}

int ReadHvfOverTheLink(LineDriver& l) {
    const uint8_t high = ValueOf(l.ReadRegister(29));
    const uint8_t low = ValueOf(l.ReadRegister(28));
    return static_cast<int8_t>(high) * 64 + (low >> 2);
}

TEST_F(DriveTest, HvfMovesBetweenPollsButNotWithinOneRead) {
    struct Row {
        const char* what;
        bool autoAdvance;
        std::function<void(SimulatedDrive&, LineDriver&)> act;
        int steps;
    };
    const Row rows[] = {
        {"status read", true,
         [](SimulatedDrive&, LineDriver& l) { l.ReadRegister(8), l.ReadRegister(8); }, 2},
        {"status read, auto off", false, [](SimulatedDrive&, LineDriver& l) { l.ReadRegister(8); },
         0},
        {"HVF read", true, [](SimulatedDrive&, LineDriver& l) { ReadHvfOverTheLink(l); }, 0},
        {"register write", true, [](SimulatedDrive&, LineDriver& l) { l.WriteRegister(1, 0); }, 1},
        {"enable frame", true, [](SimulatedDrive&, LineDriver& l) { l.DriveFrame(false); }, 1},
        {"NV read", true, [](SimulatedDrive&, LineDriver& l) { l.NvRead(7); }, 0},
        {"tick, auto off", false, [](SimulatedDrive& d, LineDriver&) { d.Tick(3); }, 3},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        drive.Reset();
        drive.SetHvfAutoAdvance(row.autoAdvance);
        const int first = ReadHvfOverTheLink(line);
        EXPECT_EQ(ReadHvfOverTheLink(line), first) << "two readings agree";
        row.act(drive, line);
        EXPECT_EQ(ReadHvfOverTheLink(line), first + row.steps * kStep);
    }
}

TEST_F(DriveTest, HvfTurnsAtTheAmplitude) {
    struct Row {
        int start;
        int ticks;
        int end;
    };
    const Row rows[] = {
        {0, 3, 3 * kStep},
        {VelocitySignal::kAmplitude - 2, 2, VelocitySignal::kAmplitude - 2},
        {VelocitySignal::kAmplitude, 1, VelocitySignal::kAmplitude - kStep},
        {8191, 1, 8191 - kStep},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.start);
        drive.Reset();
        drive.SetHvf(row.start);
        drive.Tick(row.ticks);
        EXPECT_EQ(drive.GetHvf(), row.end);
    }
    drive.Reset();
    drive.SetHvf(-VelocitySignal::kAmplitude);
    drive.Tick(VelocitySignal::kAmplitude / kStep * 2); // up to the top, then one turn
    drive.Tick(1);
    EXPECT_EQ(drive.GetHvf(), VelocitySignal::kAmplitude - kStep);
}

} // namespace
} // namespace zkcomm::sim::test
