// The drive status read, the model checks and the NV erase against the simulated drive.
#include "transfer_fixture.h"

#include "zkcomm/sim/sim_types.h"

#include <string>

namespace transfer_test {
namespace {

using zkcomm::sim::NvCycleFault;

void Nothing(TransferTest&) {}

void LinkOff(TransferTest&) {
    TransferTest::LinkOff();
}

Arrange Status(bool enabled, int faultCode) {
    return [=](TransferTest& t) {
        t.Drive().SetEnabled(enabled);
        t.Drive().SetFaultCode(faultCode);
    };
}

// Outputs start as these and must keep them when the read fails.
constexpr int32_t NoModel = -7;
constexpr int32_t NoFault = -7;

struct StatusCase {
    const char* label;
    Arrange arrange;
    StatCode code;
    int32_t model;
    bool enabled;
    int32_t faultCode;
};
void PrintTo(const StatusCase& c, std::ostream* os) {
    *os << c.label;
}

using DriveStatus = TransferCases<StatusCase>;

TEST_P(DriveStatus, ComesFromTheLastReply) {
    const StatusCase& c = GetParam();
    c.arrange(*this);
    ClearLog();
    int32_t model = NoModel;
    bool enabled = !c.enabled;
    int32_t faultCode = NoFault;
    EXPECT_EQ(DataProcess::ReadDriveStatus(model, enabled, faultCode), c.code);
    EXPECT_EQ(model, c.model);
    EXPECT_EQ(faultCode, c.faultCode);
    if (c.code == LinkOk) {
        EXPECT_EQ(enabled, c.enabled);
        ASSERT_EQ(frames.size(), 2u);
        const int lastStatus = frames.back().reply >> 8;
        EXPECT_EQ(lastStatus, 0xA0 | (c.enabled ? 0x10 : 0) | c.faultCode);
    } else {
        EXPECT_EQ(enabled, !c.enabled) << "left as it was";
    }
}

const StatusCase StatusCases[] = {
    {"enabled with fault 3 is 0xB3", Status(true, 3), LinkOk, 50, true, 3},
    {"disabled without fault is 0xA0", Status(false, 0), LinkOk, 50, false, 0},
    {"power on", Nothing, LinkOk, 50, false, 8},
    {"fault 15 enabled", Status(true, 15), LinkOk, 50, true, 15},
    {"the second reply counts",
     [](TransferTest& t) {
         t.Drive().SetEnabled(true);
         t.Drive().SetFaultCode(3);
         t.afterFrame = [&t](size_t n) {
             if (n == 1) {
                 t.Drive().SetEnabled(false);
                 t.Drive().SetFaultCode(0);
             }
         };
     },
     LinkOk, 50, false, 0},
    {"link off", LinkOff, LinkFailed, NoModel, false, NoFault},
    {"model changes between the readings",
     [](TransferTest& t) {
         t.afterFrame = [&t](size_t n) {
             if (n == 1) {
                 t.Drive().SetRegister(8, 49);
             }
         };
     },
     VerifyFailed, 49, false, NoFault},
};
INSTANTIATE_TEST_SUITE_P(Rows, DriveStatus, ::testing::ValuesIn(StatusCases), LabelName());

struct ModelCase {
    const char* label;
    bool inNv;
    int32_t expected;
    Arrange arrange;
    int32_t result;
};
void PrintTo(const ModelCase& c, std::ostream* os) {
    *os << c.label;
}

using ModelCheck = TransferCases<ModelCase>;

TEST_P(ModelCheck, MatchesDiffersOrFails) {
    const ModelCase& c = GetParam();
    c.arrange(*this);
    const int32_t result = c.inNv ? DataProcess::CheckModelInNV(c.expected)
                                  : DataProcess::CheckModelOnDrive(c.expected);
    EXPECT_EQ(result, c.result);
}

const ModelCase ModelCases[] = {
    {"drive 50", false, 50, Nothing, ModelMatches},
    {"drive 49", false, 50, [](TransferTest& t) { t.Drive().SetRegister(8, 49); }, ModelDiffers},
    {"drive link off", false, 50, LinkOff, LinkFailed},
    {"drive other bits of register 8 ignored", false, 50,
     [](TransferTest& t) { t.Drive().SetRegister(8, 0xC0 | 50); }, ModelMatches},
    {"NV 50", true, 50, Nothing, ModelMatches},
    {"NV 49", true, 50, [](TransferTest& t) { t.Drive().SetNvWord(7, NvEntry(8, 49)); },
     ModelDiffers},
    {"NV link off", true, 50, LinkOff, LinkFailed},
    {"NV word names another register", true, 50,
     [](TransferTest& t) { t.Drive().SetNvWord(7, NvEntry(3, 50)); }, NVAddressMismatch},
};
INSTANTIATE_TEST_SUITE_P(Rows, ModelCheck, ::testing::ValuesIn(ModelCases), LabelName());

// Cells 15 to 254 start as this, 255 too; an erased cell reads 0xFFFF.
constexpr uint16_t Filled = 0x1234;
constexpr uint16_t Erased = 0xFFFF;

struct EraseCase {
    const char* label;
    Arrange arrange;
    StatCode code;
    int lastErased; // cells 15 to this one end erased, the rest keep their contents
    uint64_t erases;
};
void PrintTo(const EraseCase& c, std::ostream* os) {
    *os << c.label;
}

using EraseNv = TransferCases<EraseCase>;

TEST_P(EraseNv, ErasesUpToTheFirstFailure) {
    const EraseCase& c = GetParam();
    const auto factory = SimulatedDrive::FactoryNv();
    for (int address = 15; address <= 255; ++address) {
        Drive().SetNvWord(address, Filled);
    }
    c.arrange(*this);
    ClearLog();
    EXPECT_EQ(DataProcess::EraseNV(), c.code);
    for (int address = 0; address <= 14; ++address) {
        EXPECT_EQ(Drive().GetNvWord(address), factory[static_cast<size_t>(address)]) << address;
    }
    for (int address = 15; address <= 254; ++address) {
        EXPECT_EQ(Drive().GetNvWord(address), address <= c.lastErased ? Erased : Filled) << address;
    }
    EXPECT_EQ(Drive().GetNvWord(255), Filled);
    EXPECT_EQ(Drive().GetCounters().nv.erase, c.erases) << "ERASE instructions";
    EXPECT_EQ(Drive().GetCounters().nv.eraseAll, 0u);
    EXPECT_FALSE(Drive().IsNvWriteEnabled());
}

Arrange CycleFault(NvCycleFault fault, int address, int cycles) {
    return [=](TransferTest& t) {
        t.Drive().SetNvCycleFault(fault, address, cycles);
    };
}

const EraseCase EraseCases[] = {
    {"all 240 cells", Nothing, LinkOk, 254, 240},
    {"100 not ready twice", CycleFault(NvCycleFault::NeverReady, 100, 2), LinkNotReady, 99, 87},
    {"100 not ready once", CycleFault(NvCycleFault::NeverReady, 100, 1), LinkOk, 254, 241},
    {"100 never busy twice", CycleFault(NvCycleFault::NeverBusy, 100, 2), LinkNotReady, 99, 87},
    {"first cell not ready twice", CycleFault(NvCycleFault::NeverReady, 15, 2), LinkNotReady, 14,
     2},
    {"last cell not ready once", CycleFault(NvCycleFault::NeverReady, 254, 1), LinkOk, 254, 241},
    {"every cycle not ready",
     CycleFault(NvCycleFault::NeverReady, zkcomm::sim::kAnyNvAddress, zkcomm::sim::kEveryTime),
     LinkNotReady, 14, 2},
    {"link off", LinkOff, LinkFailed, 14, 0},
};
INSTANTIATE_TEST_SUITE_P(Rows, EraseNv, ::testing::ValuesIn(EraseCases), LabelName());

} // namespace
} // namespace transfer_test
