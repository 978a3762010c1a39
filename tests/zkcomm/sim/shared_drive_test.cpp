// The process-wide drive the link library uses with the simulator switched on.
#include <gtest/gtest.h>

#include "line_driver.h"
#include "zkcomm/sim/shared_drive.h"

namespace zkcomm::sim::test {
namespace {

class SharedDriveTest : public ::testing::Test {
protected:
    void TearDown() override { ResetSharedDrive(); }
};

TEST_F(SharedDriveTest, IsOneDriveAtLpt1) {
    EXPECT_EQ(&SharedDrive(), &SharedDrive());
    EXPECT_EQ(SharedDrive().Base(), 0x378);
}

TEST_F(SharedDriveTest, ResetBringsBackThePowerOnStateAndClearsFaults) {
    SimulatedDrive& drive = SharedDrive();
    LineDriver line(drive);
    line.WriteRegister(3, 0x00);
    line.NvWrite(0, 0x0C00);
    drive.SetEnabled(true);
    drive.SetFaultCode(3);
    drive.FlipReplyBit(15, kEveryTime);
    drive.SetNvCycleFault(NvCycleFault::NeverBusy);
    drive.SetFrameObserver([](const LogicFrame&) { FAIL() << "observer survived the reset"; });

    ResetSharedDrive();

    EXPECT_EQ(line.ReadRegister(3), 0xA833);
    EXPECT_EQ(drive.GetNvImage(), SimulatedDrive::FactoryNv());
    EXPECT_TRUE(line.NvWrite(20, 0x1234));
    const auto counters = drive.GetCounters();
    EXPECT_EQ(counters.logic.frames, 1u);
    EXPECT_EQ(counters.nv.cycles, 1u);
}

} // namespace
} // namespace zkcomm::sim::test
