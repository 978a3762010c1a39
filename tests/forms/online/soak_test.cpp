// The editor open and polling while the GUI thread keeps writing values to the drive: the
// lock keeps every transfer of both threads whole, so every one of them verifies.
#include "tests/forms/online/online_fixture.h"

#include "zktools/model/data_process.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdint>
#include <cstdlib>
#include <string>

namespace online_test {
namespace {

// Seconds of polling; ZK_ONLINE_SOAK_SECONDS sets another (a minute for a long run).
int SoakSeconds() {
    const QByteArray text = qgetenv("ZK_ONLINE_SOAK_SECONDS");
    bool ok = false;
    const int seconds = text.toInt(&ok);
    return ok && seconds > 0 ? seconds : 15;
}

// Parameters the dialogs could change, with a value range that fits each field. Several
// share register 13, so their writes are read-modify-writes of one register.
struct Writable {
    const char* name;
    int32_t low;
    int32_t high;
};
constexpr Writable kWritable[] = {
    {"Command", -300, 300},   {"PWMPlus", -96, 96}, {"Kip", 0, 15},    {"IrComp", 0, 255},
    {"CommOff", -2047, 2047}, {"ILmtPlus", 0, 3},   {"AutoDis", 0, 3}, {"PWMMinus", -75, 75},
};

TEST_F(OnlineFormTest, PollingWhileTheGuiThreadWritesKeepsEveryTransferVerified) {
    const int seconds = SoakSeconds();
    const char* rows[] = {"HVF",     "Command",  "PWMPlus", "Kip",      "IrComp",
                          "CommOff", "ILmtPlus", "AutoDis", "PWMMinus", "Model"};
    for (int row = 1; row <= static_cast<int>(std::size(rows)); ++row) {
        PresetRow(fakes_.settings, row, rows[row - 1]);
    }
    CreateWindows();
    // Many more passes than the usual pause would give, so they meet the writes often.
    Thread().SetPause(5ms);
    const auto watchdog = zk::platform::SetModalWatchdog(
        {std::chrono::seconds(seconds + 60), [](zk::platform::ModalForm&) {
             ADD_FAILURE() << "the soak's modal run did not end";
         }});

    uint64_t writes = 0;
    uint64_t listReads = 0;
    int refreshes = 0;
    bool statusFailed = false;
    Open([&] {
        QObject probe;
        Thread().ConnectHandOvers(
            &probe, [&](const DriveStatusSnapshot& s) { statusFailed |= s.CommStatus != LinkOk; },
            [&] { ++refreshes; });
        QElapsedTimer clock;
        clock.start();
        uint32_t step = 0;
        while (clock.elapsed() < seconds * 1000LL) {
            const Writable& w = kWritable[step % std::size(kWritable)];
            const int32_t span = w.high - w.low + 1;
            const int32_t value = w.low + static_cast<int32_t>((step * 7919u) % span);
            ++step;
            int32_t status = 0;
            // As a value dialog does: write, read back, store what the drive holds.
            ASSERT_EQ(DataProcess::WriteVarToDrive(w.name, value, status), LinkOk)
                << w.name << " = " << value;
            int32_t back = 0;
            ASSERT_EQ(DataProcess::ReadVarFromDrive(w.name, back, status), LinkOk) << w.name;
            ASSERT_EQ(back, value) << w.name;
            SymTable.SetValue(w.name, back);
            ++writes;
            if (step % 50 == 0) {
                // As the NV editor's load from the drive does.
                const BatchResult all = DataProcess::ReadListFromDrive(SymTable.GetAllVars());
                ASSERT_EQ(all, BatchSuccess(VarTableRecords));
                ++listReads;
            }
            QCoreApplication::processEvents();
        }
        ASSERT_TRUE(WaitForRefreshes(1));
    });
    zk::platform::SetModalWatchdog(watchdog);

    const auto tally = Thread().Tally();
    EXPECT_EQ(tally.StatusFailures, 0u);
    EXPECT_EQ(tally.ListFailures, 0u);
    EXPECT_FALSE(statusFailed);
    EXPECT_GT(tally.Passes, 10u);
    EXPECT_GT(refreshes, 10);
    RecordProperty("seconds", seconds);
    RecordProperty("passes", static_cast<int>(tally.Passes));
    RecordProperty("gui_writes", static_cast<int>(writes));
    RecordProperty("gui_list_reads", static_cast<int>(listReads));
    std::printf("soak: %d s, %llu passes, %llu GUI writes, %llu GUI list reads\n", seconds,
                static_cast<unsigned long long>(tally.Passes),
                static_cast<unsigned long long>(writes),
                static_cast<unsigned long long>(listReads));
}

} // namespace
} // namespace online_test
