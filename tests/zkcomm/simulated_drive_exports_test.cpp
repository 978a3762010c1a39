// Every export against the simulated drive: values go in and come back, and
// the faults a real drive shows end as the results the callers expect.
#include "case_name.h"
#include "zkcomm/platform/platform_services.h"
#include "zkcomm/sim/shared_drive.h"
#include "zkcomm/sim/simulated_drive.h"
#include "zkcomm/testing.h"
#include "zkcomm/zkcomm.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace zkcomm::test {
namespace {

using sim::DataInLevel;
using sim::NvCycleFault;

class OnSimulator : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(simulator.Selected()); }
    sim::SimulatedDrive& Drive() { return simulator.Drive(); }
    testing::ScopedSimulator simulator;
};

TEST_F(OnSimulator, RegisterWritesReadBack) {
    for (const uint32_t reg : {1u, 5u, 12u, 20u}) {
        for (const uint32_t value : {0x00u, 0x5Au, 0xFFu}) {
            ASSERT_EQ(PutVarToFPGA(reg, value), LinkOk) << reg;
            int32_t v = -1;
            int32_t s = -1;
            ASSERT_EQ(GetVarFromFPGA(reg, &v, &s), LinkOk) << reg;
            EXPECT_EQ(v, static_cast<int32_t>(value)) << reg;
            EXPECT_EQ(s >> 5, 0b101) << "reply marker";
            EXPECT_EQ(Drive().GetRegister(static_cast<int>(reg)), value);
        }
    }
}

TEST_F(OnSimulator, DriveEnableFramesSwitchTheDriveAndShowInTheStatus) {
    ASSERT_EQ(EnableDrive(), 1);
    EXPECT_TRUE(Drive().IsEnabled());
    int32_t v = 0;
    int32_t s = 0;
    ASSERT_EQ(GetVarFromFPGA(1, &v, &s), LinkOk);
    EXPECT_EQ(s & 0x10, 0x10);
    ASSERT_EQ(DisableDrive(), 1);
    EXPECT_FALSE(Drive().IsEnabled());
    ASSERT_EQ(GetVarFromFPGA(1, &v, &s), LinkOk);
    EXPECT_EQ(s & 0x10, 0);
}

TEST_F(OnSimulator, NvWordsAreWrittenReadAndErased) {
    for (const uint32_t address : {0u, 17u, 255u}) {
        ASSERT_EQ(PutVarToEEPROM(address, 9, 0x3C), LinkOk) << address;
        EXPECT_EQ(Drive().GetNvWord(static_cast<int>(address)), 0x4C3C);
        uint32_t reg = 0;
        int32_t data = 0;
        ASSERT_EQ(GetVarFromEEPROM(address, &reg, &data), LinkOk);
        EXPECT_EQ(reg, 9u);
        EXPECT_EQ(data, 0x3C);
        EXPECT_FALSE(Drive().IsNvWriteEnabled()) << "EWDS follows every write";

        ASSERT_EQ(NVEraseUnit(address), LinkOk);
        ASSERT_EQ(GetVarFromEEPROM(address, &reg, &data), LinkOk);
        EXPECT_EQ(reg, 31u);
        EXPECT_EQ(data, 255);
    }
}

TEST_F(OnSimulator, WholeEraseClearsEveryWord) {
    ASSERT_EQ(PutVarToEEPROM(3, 4, 5), LinkOk);
    ASSERT_EQ(NVErase(), LinkOk);
    for (int address = 0; address < 256; ++address) {
        EXPECT_EQ(Drive().GetNvWord(address), 0xFFFF) << address;
    }
}

TEST_F(OnSimulator, NoDriveFailsEveryTransferItsOwnWay) {
    for (const DataInLevel level : {DataInLevel::High, DataInLevel::Low}) {
        Drive().DisconnectDrive(level);
        int32_t v = -1;
        int32_t s = -1;
        EXPECT_EQ(GetVarFromFPGA(5, &v, &s), LinkFailed);
        EXPECT_EQ(PutVarToFPGA(5, 1), LinkFailed);
        EXPECT_EQ(DisableDrive(), 0);
        uint32_t reg = 0;
        int32_t data = 0;
        EXPECT_EQ(GetVarFromEEPROM(5, &reg, &data), LinkOk) << "a read has no check";
        EXPECT_EQ(data, level == DataInLevel::High ? 255 : 0);
        EXPECT_EQ(PutVarToEEPROM(5, 1, 1), LinkNotReady);
        EXPECT_EQ(NVEraseUnit(5), LinkNotReady);
        EXPECT_EQ(NVErase(), LinkNotReady);
        Drive().ReconnectDrive();
    }
    EXPECT_EQ(PutVarToFPGA(5, 1), LinkOk);
}

struct CycleFaultCase {
    const char* name;
    NvCycleFault fault;
};

class NvCycleFaults : public OnSimulator, public ::testing::WithParamInterface<CycleFaultCase> {};

TEST_P(NvCycleFaults, ProgrammingExportsAreNotReady) {
    ASSERT_EQ(PutVarToEEPROM(8, 2, 2), LinkOk);
    Drive().SetNvCycleFault(GetParam().fault);
    EXPECT_EQ(PutVarToEEPROM(8, 3, 3), LinkNotReady);
    EXPECT_EQ(NVEraseUnit(8), LinkNotReady);
    EXPECT_EQ(NVErase(), LinkNotReady);
    EXPECT_EQ(Drive().GetNvWord(8), 0x1402) << "nothing was programmed";
    EXPECT_FALSE(Drive().IsNvWriteEnabled());
    Drive().ClearFaults();
    EXPECT_EQ(PutVarToEEPROM(8, 3, 3), LinkOk);
}

INSTANTIATE_TEST_SUITE_P(Simulator, NvCycleFaults,
                         ::testing::Values(CycleFaultCase{"NeverBusy", NvCycleFault::NeverBusy},
                                           CycleFaultCase{"NeverReady", NvCycleFault::NeverReady}),
                         CaseName{});

TEST_F(OnSimulator, FlippedReplyMarkerFailsTheFrame) {
    Drive().FlipReplyBit(14);
    int32_t v = -1;
    int32_t s = -1;
    EXPECT_EQ(GetVarFromFPGA(5, &v, &s), LinkFailed);
    EXPECT_EQ(GetVarFromFPGA(5, &v, &s), LinkOk);
}

TEST_F(OnSimulator, FailingPortEndsTheAccessAndTheNextOneWorks) {
    Drive().FailPortAfter(20);
    int32_t v = -1;
    int32_t s = -1;
    EXPECT_EQ(GetVarFromFPGA(5, &v, &s), LinkFailed);
    EXPECT_EQ(v, -1);
    Drive().ClearFaults();
    EXPECT_EQ(GetVarFromFPGA(5, &v, &s), LinkOk);
}

TEST_F(OnSimulator, RecorderCountsTheFramesAtThePort) {
    RecordingPortIo& recorder = testing::RecordPort();
    int32_t v = 0;
    int32_t s = 0;
    ASSERT_EQ(GetVarFromFPGA(0x8005, &v, &s), LinkOk);
    EXPECT_EQ(recorder.WriteCount(), 2 * 53u);
    recorder.Clear();
    uint32_t reg = 0;
    ASSERT_EQ(GetVarFromEEPROM(1, &reg, &v), LinkOk);
    EXPECT_EQ(recorder.WriteCount(), 71u);
    EXPECT_EQ(recorder.ReadCount(), 16u);
}

// Sets ZKCOMM_SIMULATOR for one test and puts everything back afterwards.
class SimulatorVariable : public ::testing::Test {
protected:
    void SetUp() override {
        testing::RestoreDefaults();
        sim::ResetSharedDrive();
        ASSERT_EQ(::setenv("ZKCOMM_SIMULATOR", "1", 1), 0);
    }
    void TearDown() override {
        ::unsetenv("ZKCOMM_SIMULATOR");
        testing::RestoreDefaults();
        sim::ResetSharedDrive();
    }
};

TEST_F(SimulatorVariable, SelectsTheSimulatedMachineWithOnlyLpt1) {
    EXPECT_EQ(UseParallelPort(2), LinkInvalid);
    EXPECT_EQ(UseParallelPort(3), LinkInvalid);
    ASSERT_EQ(UseParallelPort(1), LinkOk);
    EXPECT_EQ(testing::Link().BasePort(), 0x378);
    EXPECT_EQ(PutVarToFPGA(6, 0x44), LinkOk);
    EXPECT_EQ(testing::SimDrive().GetRegister(6), 0x44);
}

TEST_F(SimulatorVariable, OnlyTheValueOneCounts) {
    struct Case {
        const char* value;
        bool simulator;
    };
    for (const Case c : {Case{"1", true}, Case{"0", false}, Case{"yes", false}, Case{"", false},
                         Case{"11", false}, Case{" 1", false}}) {
        ASSERT_EQ(::setenv("ZKCOMM_SIMULATOR", c.value, 1), 0);
        EXPECT_EQ(SimulatorRequested(), c.simulator) << '"' << c.value << '"';
    }
    ::unsetenv("ZKCOMM_SIMULATOR");
    EXPECT_FALSE(SimulatorRequested());
}

} // namespace
} // namespace zkcomm::test
