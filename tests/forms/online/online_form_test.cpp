// The on-line editor opened over the simulated drive, with the status thread polling.
#include "tests/forms/online/online_fixture.h"
#include "tests/platform/key_presses.h"

#include "zktools/model/data_process.h"
#include "zktools/model/file_process.h"
#include "zktools/model/link_lock.h"

#include "zkcomm/zkcomm.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>

#include <algorithm>
#include <memory>
#include <mutex>
#include <set>
#include <string>

namespace online_test {
namespace {

using zk::platform::HelpRequest;
using zk::platform::testing::FocusName;
using zk::platform::testing::Press;
using zk::platform::testing::PressKeys;
using zk::platform::testing::Type;

QString ModelLabel(int32_t model) {
    const auto label = SymbolTable::GetLabel("Model", model);
    return label ? QString::fromUtf8(label->data(), static_cast<qsizetype>(label->size()))
                 : QString();
}

void ClickCell(int column, int row) {
    QTableWidget* grid = OnlineForm->StringGrid1;
    const QRect rect = grid->visualRect(grid->model()->index(row - 1, column));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, rect.center());
}

void DoubleClickCell(int column, int row) {
    ClickCell(column, row);
    QTableWidget* grid = OnlineForm->StringGrid1;
    const QRect rect = grid->visualRect(grid->model()->index(row - 1, column));
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, rect.center());
}

struct StatusCase {
    bool enabled;
    int faultCode;
    const char* enableText;
    const char* faultText;
};

class OnlineStatusTest : public OnlineFormTest, public ::testing::WithParamInterface<StatusCase> {};

TEST_P(OnlineStatusTest, OpeningShowsModelEnableStateAndFaultCodeWithinAPass) {
    const StatusCase c = GetParam();
    Drive().SetEnabled(c.enabled);
    Drive().SetFaultCode(c.faultCode);
    CreateWindows();
    Open([&] {
        ASSERT_TRUE(WaitForRefreshes(1));
        EXPECT_FALSE(OnlineForm->Panel1->isVisible());
        EXPECT_EQ(OnlineForm->PanelText(0), ModelLabel(50));
        EXPECT_EQ(OnlineForm->PanelText(1), QString::fromLatin1(c.enableText));
        EXPECT_EQ(OnlineForm->PanelText(2), QString::fromLatin1(c.faultText));
    });
    EXPECT_FALSE(Thread().PollingEnabled());
}

INSTANTIATE_TEST_SUITE_P(Drive, OnlineStatusTest,
                         ::testing::Values(StatusCase{true, 3, "Enabled", "Output Over Current"},
                                           StatusCase{false, 8, "Disabled", "10 KHz PWM"},
                                           StatusCase{false, 11, "Disabled", ""}),
                         [](const auto& param) {
                             return std::string(param.param.enabled ? "Enabled" : "Disabled") +
                                    "Fault" + std::to_string(param.param.faultCode);
                         });

TEST_F(OnlineFormTest, ValuesFollowThePollsAndHvfChangesFromPassToPass) {
    PresetRow(fakes_.settings, 1, "HVF");
    PresetRow(fakes_.settings, 2, "PWMPlus");
    PresetRow(fakes_.settings, 3, "Command");
    Drive().SetRegister(6, 0x3C); // PWMPlus 60 raw
    CreateWindows();
    // Connected before the editor attaches, so it runs just ahead of the editor's first
    // refresh, however soon that comes after the window opens.
    QStringList beforeFirstRefresh;
    QObject probe;
    Thread().ConnectHandOvers(&probe, {}, [&] {
        if (beforeFirstRefresh.isEmpty()) {
            beforeFirstRefresh << Cell(0, 1) << Cell(1, 1);
        }
    });
    Open([&] {
        ASSERT_TRUE(WaitForRefreshes(1));
        EXPECT_EQ(beforeFirstRefresh, (QStringList{"HVF", ""})) << "empty until the first refresh";
        EXPECT_EQ(OnlineForm->IVMode, TableValue("IVMode"));
        const QString unit = OnlineForm->IVMode == 1 ? " Vrms" : " Irms";
        EXPECT_EQ(Cell(1, 2),
                  QString::fromStdString(DataProcess::FormatValue(15, OnlineForm->IVMode, 60)) +
                      unit);
        EXPECT_TRUE(Cell(1, 3).endsWith(unit)) << Cell(1, 3).toStdString();
        QStringList hvf{Cell(1, 1)};
        for (int pass = 0; pass < 2; ++pass) {
            ASSERT_TRUE(WaitForRefreshes(1));
            hvf << Cell(1, 1);
        }
        for (int i = 1; i < hvf.size(); ++i) {
            EXPECT_TRUE(hvf[i].endsWith(" RPM")) << hvf[i].toStdString();
            EXPECT_NE(hvf[i], hvf[i - 1]);
        }
        EXPECT_EQ(Cell(0, 4), QString());
        EXPECT_EQ(Cell(1, 4), QString());
    });
}

struct RowsCase {
    bool factory;
    const char* kii; // what the "Kii" row shows and is stored as
};

class OnlineRowsTest : public OnlineFormTest, public ::testing::WithParamInterface<RowsCase> {};

TEST_P(OnlineRowsTest, RowsComeFromTheStoreAsTheTableSpellsThemAndGoBackAtEveryClose) {
    const RowsCase c = GetParam();
    auto& store = fakes_.settings;
    PresetRow(store, 1, "HVF");
    PresetRow(store, 2, "ivmode"); // another case: no parameter of this editor
    PresetRow(store, 3, "Kii");    // not user-visible
    PresetRow(store, 4, "Nonsense");
    store.Preset(TOnlineForm::SettingsKey, "row5", 7); // not a string
    PresetRow(store, 6, "IVMode");
    PresetRow(store, 9, "IVMode"); // a parameter may stand in several rows
    PresetRow(store, 12, "Model");
    CreateWindows(c.factory);

    const QString expected[13] = {"", "HVF", "",       c.kii, "", "",     "IVMode",
                                  "", "",    "IVMode", "",    "", "Model"};
    Open([&] {
        for (int row = 1; row <= TOnlineForm::RowCount; ++row) {
            EXPECT_EQ(Cell(0, row), expected[row]) << "row " << row;
        }
        EXPECT_EQ(OnlineForm->cmbSelection->count(), c.factory ? 25 : 23);
        EXPECT_EQ(OnlineForm->cmbSelection->findText("<Delete>"), -1);
    });
    for (int row = 1; row <= TOnlineForm::RowCount; ++row) {
        EXPECT_EQ(StoredRow(store, row), expected[row]) << "row " << row;
    }

    // The close box stores them as well, and the next showing reads them back.
    store.Clear();
    PresetRow(store, 7, "Kip");
    for (int row = 1; row <= TOnlineForm::RowCount; ++row) {
        if (row != 7) {
            PresetRow(store, row, "");
        }
    }
    Open([&] {
        EXPECT_EQ(Cell(0, 7), "Kip");
        OnlineForm->close();
    });
    EXPECT_FALSE(OnlineForm->isVisible());
    EXPECT_EQ(store.Writes().size(), 12u);
    EXPECT_EQ(StoredRow(store, 7), "Kip");
    EXPECT_EQ(StoredRow(store, 1), "");
    EXPECT_FALSE(Thread().PollingEnabled());
}

INSTANTIATE_TEST_SUITE_P(Mode, OnlineRowsTest,
                         ::testing::Values(RowsCase{false, ""}, RowsCase{true, "Kii"}),
                         [](const auto& param) {
                             return std::string(param.param.factory ? "Factory" : "User");
                         });

TEST_F(OnlineFormTest, AStoreThatRefusesLosesTheRowChoiceSilently) {
    auto& store = fakes_.settings;
    PresetRow(store, 1, "HVF");
    store.Refuse(true);
    CreateWindows();
    Open([&] { EXPECT_EQ(Cell(0, 1), QString()); });
    EXPECT_EQ(StoredRow(store, 1), "HVF");
    // Writing stopped at the first refusal.
    EXPECT_EQ(store.Writes().size(), 1u);
    EXPECT_TRUE(fakes_.messages.Texts().isEmpty());
}

TEST_F(OnlineFormTest, RowChoiceReadsTheParameterOnceItsNameIsSpelled) {
    CreateWindows();
    Open([&] {
        ASSERT_TRUE(WaitForRefreshes(1));
        // The table differs from the drive, which holds 3 ("100").
        SymTable.SetValue("ILmtPlus", 0);
        QComboBox* combo = OnlineForm->cmbSelection;

        DoubleClickCell(0, 2);
        ASSERT_TRUE(combo->isVisible());
        EXPECT_EQ(combo->currentText(), "<Delete>");
        EXPECT_EQ(MainForm->DialogMode, 2);
        const uint64_t frames = Frames();
        EXPECT_EQ(FocusName(), "cmbSelection");
        Type("ki");
        EXPECT_TRUE(combo->isVisible());
        EXPECT_EQ(Cell(0, 2), QString());
        Type("p");
        EXPECT_FALSE(combo->isVisible());
        EXPECT_EQ(FocusName(), "StringGrid1");
        EXPECT_EQ(Cell(0, 2), "Kip");
        // The label alone: Kip has its factory value 11 on the drive.
        EXPECT_EQ(Cell(1, 2), "79.356");
        EXPECT_GE(Frames(), frames + 2);

        // Not user-visible outside factory mode: never accepted, the combo stays.
        DoubleClickCell(0, 3);
        Type("Kii");
        EXPECT_TRUE(combo->isVisible());
        EXPECT_EQ(Cell(0, 3), QString());

        // A list entry; the label shows without its unit until the next refresh.
        DoubleClickCell(0, 4);
        const int entry = combo->findText("ILmtPlus");
        ASSERT_GE(entry, 0);
        combo->showPopup();
        QAbstractItemView* list = combo->view();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(list->window()));
        list->setCurrentIndex(list->model()->index(entry, 0));
        Press(Qt::Key_Return); // at the open list, which has the focus
        EXPECT_FALSE(combo->isVisible());
        EXPECT_EQ(Cell(0, 4), "ILmtPlus");
        EXPECT_EQ(Cell(1, 4), SymbolTable::GetLabel("ILmtPlus", 3).value_or("?").data());
        ASSERT_TRUE(WaitForRefreshes(1));
        EXPECT_EQ(Cell(1, 4), "0 %"); // the table's value, not the one read
        EXPECT_EQ(Cell(1, 2), "79.356 V/A(Nom)");

        // Double-click on the name, then Enter at once: the row empties.
        DoubleClickCell(0, 2);
        Press(Qt::Key_Return);
        EXPECT_FALSE(combo->isVisible());
        EXPECT_EQ(Cell(0, 2), QString());
        EXPECT_EQ(Cell(1, 2), QString());
    });
    EXPECT_TRUE(fakes_.messages.Texts().isEmpty());
}

struct OnlineKeyCase {
    const char* name;
    int choiceRow; // row whose name cell is double-clicked first; 0 for none
    const char* typed;
    std::vector<zk::platform::testing::KeyStep> keys;
    const char* rowName; // the row's name afterwards; "<first>" the first of the list
    bool choiceOpen;     // the row choice still shows
    int result;          // the editor's modal result after the keys; 0 while it is open
    QList<HelpRequest> help;
};

void PrintTo(const OnlineKeyCase& c, std::ostream* os) {
    *os << c.name;
}

class OnlineFormKeys : public OnlineFormTest,
                       public ::testing::WithParamInterface<OnlineKeyCase> {};

// Row 2 holds "Kip" before the keys. The focus starts in the grid; the row choice takes the
// keys while it shows; Enter at once empties the row; the first Down takes the list's first
// parameter; Tab walks the grid, Help and Close.
TEST_P(OnlineFormKeys, KeysWorkTheRowChoiceAndTheButtons) {
    const OnlineKeyCase& c = GetParam();
    PresetRow(fakes_.settings, 2, "Kip");
    CreateWindows();
    Open([&] {
        EXPECT_EQ(FocusName(), "StringGrid1") << "at activation";
        QString first = OnlineForm->cmbSelection->itemText(0);
        if (c.choiceRow != 0) {
            DoubleClickCell(0, c.choiceRow);
            EXPECT_EQ(FocusName(), "cmbSelection");
        }
        Type(c.typed);
        PressKeys(c.keys);
        EXPECT_EQ(OnlineForm->ModalResult(), c.result);
        const QString expected = QString::fromLatin1(c.rowName);
        EXPECT_EQ(Cell(0, 2), expected == "<first>" ? first : expected);
        EXPECT_EQ(OnlineForm->cmbSelection->isVisible(), c.choiceOpen);
    });
    EXPECT_EQ(fakes_.help.Calls().size(), static_cast<std::size_t>(c.help.size()));
    for (qsizetype i = 0; i < c.help.size() && i < qsizetype(fakes_.help.Calls().size()); ++i) {
        EXPECT_EQ(fakes_.help.Calls()[static_cast<std::size_t>(i)].request, c.help[i]);
    }
    EXPECT_TRUE(fakes_.messages.Texts().isEmpty());
}

using zk::platform::testing::ShiftTab;
constexpr int kOpen = 0;
constexpr int kOk = zk::platform::kModalOk;

INSTANTIATE_TEST_SUITE_P(
    Keys, OnlineFormKeys,
    ::testing::Values(
        OnlineKeyCase{"EnterAtOnceEmptiesTheRow",
                      2,
                      "",
                      {{Qt::Key_Return, "StringGrid1"}},
                      "",
                      false,
                      kOpen,
                      {}},
        OnlineKeyCase{"KeypadEnterAtOnceEmptiesTheRow",
                      2,
                      "",
                      {{Qt::Key_Enter, "StringGrid1", Qt::KeypadModifier}},
                      "",
                      false,
                      kOpen,
                      {}},
        OnlineKeyCase{"FirstDownTakesTheFirstParameter",
                      2,
                      "",
                      {{Qt::Key_Down, "StringGrid1"}},
                      "<first>",
                      false,
                      kOpen,
                      {}},
        OnlineKeyCase{"APartlyTypedNameKeepsTheChoiceOpen", 2, "ivm", {}, "Kip", true, kOpen, {}},
        OnlineKeyCase{"EnterAfterANameOfNoParameterKeepsTheChoiceOpen",
                      2,
                      "Kii",
                      {{Qt::Key_Return, "cmbSelection"}},
                      "Kip",
                      true,
                      kOpen,
                      {}},
        OnlineKeyCase{"EnterAfterTheChoiceTookANameGoesToTheGrid",
                      2,
                      "ivmode",
                      {{Qt::Key_Return, "StringGrid1"}},
                      "IVMode",
                      false,
                      kOpen,
                      {}},
        OnlineKeyCase{"F1InTheGridSearchesForTheRowsName",
                      0,
                      "",
                      {{Qt::Key_Down, "StringGrid1"}, {Qt::Key_F1}},
                      "Kip",
                      false,
                      kOpen,
                      {HelpRequest::PartialKey("Kip")}},
        OnlineKeyCase{"TabWalksGridHelpAndClose",
                      0,
                      "",
                      {{Qt::Key_Tab, "btnHelp"},
                       {Qt::Key_Tab, "btnClose"},
                       {Qt::Key_Tab, "StringGrid1"},
                       ShiftTab("btnClose"),
                       ShiftTab("btnHelp"),
                       {Qt::Key_Return, "btnHelp"}},
                      "Kip",
                      false,
                      kOpen,
                      {HelpRequest::Context(2)}},
        OnlineKeyCase{"EnterOnCloseCloses",
                      0,
                      "",
                      {ShiftTab("btnClose"), {Qt::Key_Return}},
                      "Kip",
                      false,
                      kOk,
                      {}},
        OnlineKeyCase{"EscapeClosesAsTheCloseBox",
                      0,
                      "",
                      {{Qt::Key_Escape}},
                      "Kip",
                      false,
                      zk::platform::kModalCancel,
                      {}}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(OnlineFormTest, AFailedRowReadShowsWhyAndLeavesTheRowAndTheChoiceOpen) {
    CreateWindows();
    Open([&] {
        ASSERT_TRUE(WaitForRefreshes(1));
        Drive().DisconnectDrive(zkcomm::sim::DataInLevel::High);
        DoubleClickCell(0, 1);
        Type("Kip");
        EXPECT_TRUE(OnlineForm->cmbSelection->isVisible());
        EXPECT_EQ(Cell(0, 1), QString());
    });
    EXPECT_EQ(fakes_.messages.Texts(), QStringList{"No Communication"});
}

TEST_F(OnlineFormTest, FactoryModeOffersEveryParameterToTheRowChoice) {
    CreateWindows(true);
    Open([&] {
        DoubleClickCell(0, 1);
        Type("Kii");
        EXPECT_EQ(Cell(0, 1), "Kii");
    });
}

TEST_F(OnlineFormTest, CablePulledShowsTheLossAndPluggingBackReadsEverythingAgain) {
    PresetRow(fakes_.settings, 1, "HVF");
    CreateWindows();
    Open([&] {
        ASSERT_TRUE(WaitForRefreshes(1));
        ASSERT_FALSE(OnlineForm->Panel1->isVisible());
        const QString hvf = Cell(1, 1);

        Drive().DisconnectDrive(zkcomm::sim::DataInLevel::High);
        ASSERT_TRUE(WaitForStatus([] { return OnlineForm->Panel1->isVisible(); }));
        EXPECT_EQ(OnlineForm->Panel1->text(), "No Communication");
        EXPECT_EQ(OnlineForm->PanelText(0), "No Communication");
        EXPECT_EQ(OnlineForm->PanelText(1), QString());
        EXPECT_EQ(OnlineForm->PanelText(2), QString());
        EXPECT_EQ(Cell(1, 1), hvf);

        Drive().ReconnectDrive();
        ASSERT_TRUE(WaitForStatus([] { return !OnlineForm->Panel1->isVisible(); }));
        EXPECT_EQ(OnlineForm->PanelText(0), ModelLabel(50));
        ASSERT_TRUE(WaitForRefreshes(1));
        EXPECT_EQ(Thread().Tally().FullReads, 2u);
    });
}

TEST_F(OnlineFormTest, OpeningWithTheLinkOffShowsNoCommunicationAndNoValues) {
    PresetRow(fakes_.settings, 1, "HVF");
    CreateWindows();
    ASSERT_EQ(UseParallelPort(0), LinkOk);
    Open([&] {
        ASSERT_TRUE(WaitForStatus([this] { return Thread().Tally().StatusFailures >= 2; }));
        QTest::qWait(20);
        EXPECT_TRUE(OnlineForm->Panel1->isVisible());
        EXPECT_EQ(OnlineForm->PanelText(0), "No Communication");
        EXPECT_EQ(Cell(1, 1), QString());
    });
}

TEST_F(OnlineFormTest, ReopeningWhileConnectedReadsEverythingAgainThenOnlyTheMonitoredParameter) {
    CreateWindows();
    Open([&] { ASSERT_TRUE(WaitForRefreshes(1)); });
    const QString model = OnlineForm->PanelText(0);
    Open([&] {
        // The status bar keeps its contents between showings.
        EXPECT_EQ(OnlineForm->PanelText(0), model);
        ASSERT_TRUE(WaitForRefreshes(2));
    });
    EXPECT_EQ(Thread().Tally().FullReads, 2u);
}

// The registers the drive is asked to read, as the frames arrive (on the status thread).
class ReadLog {
public:
    explicit ReadLog(zkcomm::sim::SimulatedDrive& drive) : drive_(drive) {
        // Shared: a frame under way may still reach the observer after it is removed.
        drive.SetFrameObserver([log = log_](const zkcomm::sim::LogicFrame& frame) {
            if ((frame.command & 0x0400) == 0) { // no write
                std::lock_guard<std::mutex> lock(log->mutex);
                log->registers.insert(frame.command >> 11);
            }
        });
    }
    ~ReadLog() { drive_.SetFrameObserver({}); }
    ReadLog(const ReadLog&) = delete;
    ReadLog& operator=(const ReadLog&) = delete;

    std::set<int> Registers() const {
        std::lock_guard<std::mutex> lock(log_->mutex);
        return log_->registers;
    }

private:
    struct Log {
        std::mutex mutex;
        std::set<int> registers;
    };
    zkcomm::sim::SimulatedDrive& drive_;
    std::shared_ptr<Log> log_ = std::make_shared<Log>();
};

// Every register a read of all parameters reads.
std::set<int> FullReadRegisters() {
    std::set<int> registers;
    for (const VarTable& record : SymTable.GetAllVars()) {
        registers.insert(record.LogicAddr);
        if (record.Bytes == 2) {
            registers.insert(record.LogicAddr - 1);
        }
    }
    return registers;
}

// The NV editor resets the table as it opens and a load changes it, while the drive keeps
// what it holds: the on-line editor opened next shows the drive's values, units and scale.
TEST_F(OnlineFormTest, AfterTheNvEditorChangedTheTableTheNextShowingShowsWhatTheDriveHolds) {
    PresetRow(fakes_.settings, 1, "IVMode");
    PresetRow(fakes_.settings, 2, "Command");
    PresetRow(fakes_.settings, 3, "PWMPlus");
    Drive().SetRegister(1, static_cast<uint8_t>(Drive().GetRegister(1) & ~0x40)); // current mode
    Drive().SetRegister(6, 0x3C);                                              // PWMPlus 60
    // A voltage-mode file that never went to the drive.
    QTemporaryDir folder;
    const QString file = folder.filePath("voltage.ZKC");
    ASSERT_TRUE(SymTable.SetValue("IVMode", 1));
    ASSERT_TRUE(SymTable.SetValue("Command", 20000));
    ASSERT_TRUE(SymTable.SetValue("PWMPlus", -50));
    ASSERT_GT(FileProc.SaveToFile(file.toStdString()), 0);
    SymTable.ResetToDefaults();
    CreateWindows();

    Open([&] { ASSERT_TRUE(WaitForRefreshes(1)); });
    const QStringList drives{Cell(1, 1), Cell(1, 2), Cell(1, 3)};
    ASSERT_EQ(drives[0], "Current");
    ASSERT_TRUE(drives[1].endsWith(" Irms")) << drives[1].toStdString();

    OpenNvEditor([&] {
        fakes_.files.QueueChoice(file);
        EditForm->btnOpen->click();
        if (EditForm->Modified) {
            fakes_.messages.QueueAnswers({zk::platform::Answer::No});
        }
        EditForm->btnClose->click();
    });
    ASSERT_EQ(TableValue("IVMode"), 1) << "the file is in the table";
    ASSERT_EQ(TableValue("Command"), 20000);

    ReadLog reads(Drive());
    QStringList beforeFirstRefresh;
    std::set<int> readByFirstRefresh;
    bool refreshed = false;
    QObject probe; // after the editor: it sees the editor's hand-overs done
    Thread().ConnectHandOvers(
        &probe,
        [&](const DriveStatusSnapshot&) {
            if (!refreshed && beforeFirstRefresh.isEmpty()) {
                beforeFirstRefresh << Cell(1, 1) << Cell(1, 2) << Cell(1, 3);
            }
        },
        [&] {
            if (!refreshed) {
                refreshed = true;
                readByFirstRefresh = reads.Registers();
            }
        });
    int32_t dialogMode = -1;
    OnShow(ValEditdlg, [&] {
        dialogMode = ValEditdlg->IVMode;
        ValEditdlg->btnCancel->click();
    });
    Open([&] {
        ASSERT_TRUE(QTest::qWaitFor([&] { return refreshed; }, WaitMs));
        EXPECT_EQ(beforeFirstRefresh, (QStringList{"", "", ""})) << "empty until the first refresh";
        EXPECT_EQ(OnlineForm->IVMode, 0);
        EXPECT_EQ((QStringList{Cell(1, 1), Cell(1, 2), Cell(1, 3)}), drives);
        // What the user types is taken on the drive's scale.
        DoubleClickCell(1, 2);
        EXPECT_EQ(dialogMode, 0);
    });
    const std::set<int> full = FullReadRegisters();
    EXPECT_TRUE(std::includes(readByFirstRefresh.begin(), readByFirstRefresh.end(), full.begin(),
                              full.end()))
        << readByFirstRefresh.size() << " of " << full.size() << " registers read";
    EXPECT_EQ(TableValue("IVMode"), 0);
    EXPECT_EQ(Thread().Tally().FullReads, 2u);
}

// A refresh handed over by a pass begun before the showing's full read (the thread's own
// notification stands in for one; with the link off no full read can come) shows nothing.
TEST_F(OnlineFormTest, ARefreshBeforeTheShowingsFullReadLeavesTheValuesEmpty) {
    PresetRow(fakes_.settings, 1, "IVMode");
    CreateWindows();
    Open([&] { ASSERT_TRUE(WaitForRefreshes(1)); });
    ASSERT_EQ(Cell(1, 1), "Current");
    {
        std::lock_guard<std::mutex> lock(LinkLock());
        ASSERT_EQ(UseParallelPort(0), LinkOk);
    }
    ASSERT_TRUE(SymTable.SetValue("IVMode", 1)); // as the NV editor's load leaves it
    Open([&] {
        ASSERT_TRUE(WaitForStatus([] { return OnlineForm->Panel1->isVisible(); }));
        emit Thread().RefreshRequested();
        QCoreApplication::processEvents();
        EXPECT_EQ(Cell(1, 1), QString());
        EXPECT_EQ(OnlineForm->IVMode, 0);
    });
}

struct SwEnableCase {
    const char* name;
    bool enabled;       // the drive at the start
    const char* choice; // the label picked in the value dialog
    const char* status; // what the status bar says then
};

void PrintTo(const SwEnableCase& c, std::ostream* os) {
    *os << c.name;
}

class OnlineSwEnableTest : public OnlineFormTest,
                           public ::testing::WithParamInterface<SwEnableCase> {};

// Register 7 is the drive's disable register: the choice must do what its label says.
TEST_P(OnlineSwEnableTest, EachChoiceGivesTheStatusBarsMatchingState) {
    const SwEnableCase& c = GetParam();
    Drive().SetEnabled(c.enabled);
    PresetRow(fakes_.settings, 1, "SWEnable");
    CreateWindows();
    QString offered[2];
    OnShow(ValBooldlg, [&] {
        offered[0] = ValBooldlg->rdiLow->text();
        offered[1] = ValBooldlg->rdiHigh->text();
        (ValBooldlg->rdiHigh->text() == c.choice ? ValBooldlg->rdiHigh : ValBooldlg->rdiLow)
            ->click();
        ValBooldlg->btnOK->click();
    });
    Open([&] {
        ASSERT_TRUE(WaitForRefreshes(1));
        EXPECT_EQ(OnlineForm->PanelText(1), c.enabled ? "Enabled" : "Disabled");
        EXPECT_EQ(Cell(1, 1), c.enabled ? "Enable" : "Disable");
        DoubleClickCell(1, 1);
        EXPECT_EQ((QStringList{offered[0], offered[1]}), (QStringList{"Enable", "Disable"}));
        ASSERT_TRUE(WaitForStatus([&] { return OnlineForm->PanelText(1) == c.status; }))
            << OnlineForm->PanelText(1).toStdString();
        ASSERT_TRUE(WaitForRefreshes(1));
        EXPECT_EQ(Cell(1, 1), c.choice);
    });
    EXPECT_EQ(Drive().IsEnabled(), QString(c.status) == "Enabled");
    EXPECT_TRUE(fakes_.messages.Texts().isEmpty())
        << fakes_.messages.Texts().join("|").toStdString();
}

INSTANTIATE_TEST_SUITE_P(Choice, OnlineSwEnableTest,
                         ::testing::Values(SwEnableCase{"DisableStops", true, "Disable", "Disabled"},
                                           SwEnableCase{"EnableStarts", false, "Enable", "Enabled"},
                                           SwEnableCase{"DisableKeeps", false, "Disable", "Disabled"}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_F(OnlineFormTest, ExitRightAfterClosingEndsTheThreadWithinItsPassAndPause) {
    CreateWindows();
    MainForm->show();
    Open([&] { ASSERT_TRUE(WaitForRefreshes(1)); });
    ASSERT_TRUE(MainForm->StatusThread->isRunning());
    MainForm->mnuExitClick();
    EXPECT_EQ(MainForm->StatusThread, nullptr);
    EXPECT_FALSE(MainForm->isVisible());
}

TEST_F(OnlineFormTest, ValueDialogsChangeTheDriveAndTheNextRefreshShowsIt) {
    PresetRow(fakes_.settings, 1, "PWMPlus"); // numeric
    PresetRow(fakes_.settings, 2, "DirSrc");  // two-state, bit 7 of register 1
    PresetRow(fakes_.settings, 3, "Kip");     // list, bits 3..0 of register 2
    CreateWindows();

    std::string handedOver;
    int32_t mode = -1;
    OnShow(ValEditdlg, [&] {
        handedOver = ValEditdlg->ParamName;
        mode = ValEditdlg->IVMode;
        ValEditdlg->edtValue->setText(
            QString::fromStdString(DataProcess::FormatValue(15, ValEditdlg->IVMode, 20)));
        ValEditdlg->btnOK->click();
    });
    OnShow(ValBooldlg, [&] {
        ValBooldlg->rdiHigh->click();
        ValBooldlg->btnOK->click();
    });
    OnShow(ValCmbdlg, [&] {
        ValCmbdlg->cmbValue->setCurrentText("211.616"); // key 5
        ValCmbdlg->btnOK->click();
    });
    Open([&] {
        ASSERT_TRUE(WaitForRefreshes(1));
        MainForm->DialogMode = 0;
        DoubleClickCell(1, 1);
        EXPECT_EQ(MainForm->DialogMode, 2);
        EXPECT_EQ(OnlineForm->SelName, "PWMPlus");
        EXPECT_EQ(handedOver, "PWMPlus");
        EXPECT_EQ(mode, OnlineForm->IVMode);
        DoubleClickCell(1, 2);
        DoubleClickCell(1, 3);
        EXPECT_FALSE(ValEditdlg->isVisible());

        EXPECT_EQ(Drive().GetRegister(6), 20);
        EXPECT_EQ(Drive().GetRegister(1) & 0x80, 0x80);
        EXPECT_EQ(Drive().GetRegister(2) & 0x0F, 5);
        ASSERT_TRUE(WaitForRefreshes(1));
        const QString unit = OnlineForm->IVMode == 1 ? " Vrms" : " Irms";
        EXPECT_EQ(Cell(1, 1),
                  QString::fromStdString(DataProcess::FormatValue(15, OnlineForm->IVMode, 20)) +
                      unit);
        EXPECT_EQ(Cell(1, 3), "211.616 V/A(Nom)");
        EXPECT_EQ(TableValue("DirSrc"), 1);
    });
    EXPECT_TRUE(fakes_.messages.Texts().isEmpty())
        << fakes_.messages.Texts().join("|").toStdString();
}

TEST_F(OnlineFormTest, DoubleClickOnAnEmptyRowOpensNoDialogButStillRecordsTheOpener) {
    CreateWindows();
    int dialogs = 0;
    for (zk::platform::ModalForm* dialog : {static_cast<zk::platform::ModalForm*>(ValEditdlg),
                                            static_cast<zk::platform::ModalForm*>(ValBooldlg),
                                            static_cast<zk::platform::ModalForm*>(ValCmbdlg)}) {
        OnShow(dialog, [&dialogs, dialog] {
            ++dialogs;
            dialog->close();
        });
    }
    Open([&] {
        MainForm->DialogMode = 0;
        DoubleClickCell(1, 5);
        EXPECT_EQ(MainForm->DialogMode, 2);
        EXPECT_EQ(OnlineForm->SelName, "");
        MainForm->DialogMode = 0;
        DoubleClickCell(0, 6);
        EXPECT_EQ(MainForm->DialogMode, 2);
        EXPECT_TRUE(OnlineForm->cmbSelection->isVisible());
    });
    EXPECT_EQ(dialogs, 0);
    EXPECT_TRUE(fakes_.messages.Texts().isEmpty());
}

TEST_F(OnlineFormTest, F1InTheGridSearchesForTheRowsParameterAndHelpOpensContextTwo) {
    PresetRow(fakes_.settings, 3, "IVMode");
    CreateWindows();
    Open([&] {
        ClickCell(1, 3);
        ASSERT_TRUE(OnlineForm->StringGrid1->hasFocus());
        EXPECT_EQ(OnlineForm->GetSelectedName(), "IVMode");
        QTest::keyClick(OnlineForm->StringGrid1, Qt::Key_F1);
        OnlineForm->btnHelp->setFocus();
        EXPECT_EQ(OnlineForm->GetSelectedName(), "");
        QTest::mouseClick(OnlineForm->btnHelp, Qt::LeftButton);
    });
    ASSERT_EQ(fakes_.help.Calls().size(), 2u);
    EXPECT_EQ(fakes_.help.Calls()[0].request, HelpRequest::PartialKey("IVMode"));
    EXPECT_EQ(fakes_.help.Calls()[1].request, HelpRequest::Context(2));
}

} // namespace
} // namespace online_test
