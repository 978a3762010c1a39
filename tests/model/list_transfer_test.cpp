// List transfers against the simulated drive: their BatchResult, what the table and the
// drive hold when they stop part-way, their cost in frames, and NameAt.
#include "transfer_fixture.h"

#include "zkcomm/sim/sim_types.h"

#include <string>

namespace transfer_test {
namespace {

using zkcomm::sim::DataInLevel;
using zkcomm::sim::NvCycleFault;

enum class Transfer { ReadDrive, ReadNV, WriteDrive, WriteNV };

bool IsRead(Transfer t) {
    return t == Transfer::ReadDrive || t == Transfer::ReadNV;
}

BatchResult Perform(Transfer t, const VarTableList& list) {
    switch (t) {
    case Transfer::ReadDrive:
        return DataProcess::ReadListFromDrive(list);
    case Transfer::ReadNV:
        return DataProcess::ReadListFromNV(list);
    case Transfer::WriteDrive:
        return DataProcess::WriteListToDrive(list);
    case Transfer::WriteNV:
        return DataProcess::WriteListToNV(list);
    }
    return -1;
}

// What the far side holds for a parameter, read with every fault gone.
int32_t FarValue(Transfer t, const char* name) {
    int32_t value = Untouched;
    int32_t status = 0;
    const StatCode code = t == Transfer::WriteDrive
                              ? DataProcess::ReadVarFromDrive(name, value, status)
                              : DataProcess::ReadVarFromNV(name, value);
    EXPECT_EQ(code, LinkOk) << name;
    return value;
}

VarTableList UserNV() {
    return SymTable.GetUserNVVars();
}
VarTableList AllNV() {
    return SymTable.GetNVVars();
}
VarTableList Empty() {
    return {};
}

// Reads start with the drive set on the drive and defaults in the table; writes with the
// drive set in the table and a factory drive. done: how many parameters went through.
struct ListCase {
    const char* label;
    Transfer transfer;
    VarTableList (*list)();
    Arrange arrange;
    BatchResult result;
    int done;
};
void PrintTo(const ListCase& c, std::ostream* os) {
    *os << c.label;
}

using ListTransfer = TransferCases<ListCase>;

TEST_P(ListTransfer, StopsAtTheFirstFailure) {
    const ListCase& c = GetParam();
    const VarTableList list = c.list();
    if (IsRead(c.transfer)) {
        LoadDriveSet();
    } else {
        for (VarTable& record : list) {
            record.Value = DriveValue(record.Name);
        }
    }
    c.arrange(*this);
    ClearLog();
    EXPECT_EQ(Perform(c.transfer, list), c.result);
    if (IsRead(c.transfer)) {
        for (size_t i = 0; i < list.size(); ++i) {
            const VarTable& record = list[i];
            const int32_t expected =
                static_cast<int>(i) < c.done ? DriveValue(record.Name) : record.Default;
            EXPECT_EQ(record.Value.load(), expected) << record.Name;
        }
        return;
    }
    // The failing parameter may be half sent; the ones before are on the far side, the ones
    // after are not.
    afterFrame = nullptr;
    afterNvRead = nullptr;
    Drive().ClearFaults();
    Drive().ReconnectDrive();
    {
        std::lock_guard<std::mutex> lock(LinkLock());
        ASSERT_EQ(UseParallelPort(1), LinkOk);
    }
    for (size_t i = 0; i < list.size(); ++i) {
        const VarTable& record = list[i];
        const int position = static_cast<int>(i);
        if (position == c.done) {
            continue;
        }
        const int32_t expected = position < c.done ? DriveValue(record.Name) : record.Default;
        EXPECT_EQ(FarValue(c.transfer, record.Name), expected) << record.Name;
    }
}

Arrange Flip(int bit, int frames, int skip) {
    return [=](TransferTest& t) {
        t.Drive().FlipReplyBit(bit, frames, skip);
    };
}

void Nothing(TransferTest&) {}

void LinkOff(TransferTest&) {
    TransferTest::LinkOff();
}

const ListCase ListCases[] = {
    // From the drive logic. Frames per parameter in the ordinary NV set: AutoDis 1-2, CmdF0
    // 3-4, CmdSrc 5-6, Command 7-10, CommOff 11-14.
    {"drive read all", Transfer::ReadDrive, UserNV, Nothing, 1021, 20},
    {"drive read factory set", Transfer::ReadDrive, AllNV, Nothing, 1022, 21},
    {"drive read empty list", Transfer::ReadDrive, Empty, Nothing, 1001, 0},
    // The first reading of CmdSrc is flipped: the second one, which is not stored, is right.
    {"drive read verify fails at the third", Transfer::ReadDrive, UserNV, Flip(5, 1, 4), 39, 2},
    {"drive read link off", Transfer::ReadDrive, UserNV, LinkOff, 10, 0},
    {"drive read no drive", Transfer::ReadDrive, UserNV,
     [](TransferTest& t) { t.Drive().DisconnectDrive(DataInLevel::High); }, 10, 0},
    {"drive read replies go bad at the fifth", Transfer::ReadDrive, UserNV,
     Flip(15, zkcomm::sim::kEveryTime, 10), 50, 4},

    // From NV memory: READs per parameter as frames above.
    {"NV read all", Transfer::ReadNV, UserNV, Nothing, 1021, 20},
    {"NV read factory set", Transfer::ReadNV, AllNV, Nothing, 1022, 21},
    {"NV read verify fails at the third", Transfer::ReadNV, UserNV,
     [](TransferTest& t) {
         t.Drive().SetNvWord(0, NvEntry(1, DriveBytes[1] ^ 0x20));
         t.afterNvRead = [&t](uint64_t n) {
             if (n == 5) {
                 t.Drive().SetNvWord(0, NvEntry(1, DriveBytes[1]));
             }
         };
     },
     39, 2},
    {"NV read fifth names another register", Transfer::ReadNV, UserNV,
     [](TransferTest& t) { t.Drive().SetNvWord(13, NvEntry(3, DriveBytes[14])); }, 56, 4},
    {"NV read no drive", Transfer::ReadNV, UserNV,
     [](TransferTest& t) { t.Drive().DisconnectDrive(DataInLevel::High); }, 16, 0},
    {"NV read link off", Transfer::ReadNV, UserNV, LinkOff, 10, 0},

    // To the drive logic.
    {"drive write all", Transfer::WriteDrive, UserNV, Nothing, 1021, 20},
    {"drive write register 1 stuck at the third", Transfer::WriteDrive, UserNV,
     [](TransferTest& t) { t.Drive().SetRegisterStuck(1, true); }, 39, 2},
    {"drive write link off", Transfer::WriteDrive, UserNV, LinkOff, 10, 0},

    // To NV memory.
    {"NV write all", Transfer::WriteNV, UserNV, Nothing, 1021, 20},
    {"NV write factory set", Transfer::WriteNV, AllNV, Nothing, 1022, 21},
    {"NV write not ready at the third", Transfer::WriteNV, UserNV,
     [](TransferTest& t) { t.Drive().SetNvCycleFault(NvCycleFault::NeverReady, 0); }, 32, 2},
    {"NV write no drive", Transfer::WriteNV, UserNV,
     [](TransferTest& t) { t.Drive().DisconnectDrive(DataInLevel::Low); }, 12, 0},
};
INSTANTIATE_TEST_SUITE_P(Rows, ListTransfer, ::testing::ValuesIn(ListCases), LabelName());

TEST_F(TransferTest, ReadingTheNvSetFromTheDriveTakesFortyFourFrames) {
    // One register read's port traffic, as the yardstick.
    auto& recorder = zkcomm::testing::RecordPort();
    int32_t byte = 0;
    int32_t status = 0;
    {
        std::lock_guard<std::mutex> lock(LinkLock());
        ASSERT_EQ(GetVarFromFPGA(1, &byte, &status), LinkOk);
    }
    const size_t perFrame = recorder.Events().size();
    ASSERT_GT(perFrame, 0u);

    recorder.Clear();
    ClearLog();
    EXPECT_EQ(DataProcess::ReadListFromDrive(SymTable.GetUserNVVars()), 1021);
    EXPECT_EQ(frames.size(), 44u);
    const auto counters = Drive().GetCounters();
    EXPECT_EQ(counters.logic.frames, 44u);
    EXPECT_EQ(counters.logic.reads, 44u);
    EXPECT_EQ(counters.logic.brokenFrames, 0u);
    EXPECT_EQ(recorder.Events().size(), 44 * perFrame) << "nothing on the port but the frames";
}

TEST_F(TransferTest, ReadingTheNvSetFromNvMemoryTakesFortyFourReads) {
    ClearLog();
    EXPECT_EQ(DataProcess::ReadListFromNV(SymTable.GetUserNVVars()), 1021);
    const auto counters = Drive().GetCounters();
    EXPECT_EQ(counters.nv.read, 44u);
    EXPECT_EQ(counters.logic.frames, 0u);
    EXPECT_EQ(counters.nv.cycles, 0u) << "a read programs nothing";
}

TEST(NameAt, PositionsInsideAndOutsideTheList) {
    struct Case {
        VarTableList (*list)();
        int32_t position;
        std::optional<std::string_view> name;
    };
    const Case cases[] = {
        {UserNV, 3, "CmdSrc"}, {UserNV, 1, "AutoDis"},    {UserNV, 20, "PWMTimeOut"},
        {UserNV, 21, {}},      {UserNV, 0, {}},           {UserNV, -1, {}},
        {AllNV, 10, "IdCmd"},  {AllNV, 21, "PWMTimeOut"}, {Empty, 1, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DataProcess::NameAt(c.list(), c.position), c.name) << c.position;
    }
}

} // namespace
} // namespace transfer_test
