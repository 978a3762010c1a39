// The window's states: each showing starts idle, Start arms the one-second timer, a run
// re-enables Start, Cancel and the close box hide the window, and a failure inside the run
// is shown while the window stays open.
#include "tests/guided/diagnostics/diagnostics_fixture.h"
#include "tests/platform/key_presses.h"

#include "zktools/forms/main_form.h"
#include "zktools/forms/windows.h"

#include <QAction>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>

namespace diagtest {
namespace {

using namespace std::chrono_literals;

class DiagnosticsWindow : public DiagnosticsTest {
protected:
    // Runs `scene` inside the window's modal run; the scene must close the window.
    int Show(const std::function<void()>& scene) {
        zk::platform::SetModalStartHook([&](zk::platform::ModalForm& form) {
            if (&form == &window)
                scene();
        });
        const int result = window.ShowModal();
        zk::platform::SetModalStartHook({});
        return result;
    }

    void ExpectIdle() {
        EXPECT_EQ(window.ChecklistLines(),
                  QStringList{"Press the 'Start' button to begin a diagnostic test"});
        EXPECT_EQ(window.QxDial1->Value(), 0.0f);
        EXPECT_TRUE(window.btnStart->isEnabled());
        EXPECT_FALSE(window.Timer1.IsArmed());
    }
};

TEST_F(DiagnosticsWindow, ShowingIsIdleStartArmsTheTimerCancelCloses) {
    const int result = Show([&] {
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        EXPECT_EQ(window.StartHint, "Press the 'Start' button to begin a diagnostic test");
        ExpectIdle();
        EXPECT_TRUE(window.btnStart->hasFocus());

        window.btnStart->click();
        EXPECT_FALSE(window.btnStart->isEnabled());
        EXPECT_TRUE(window.ChecklistLines().isEmpty());
        EXPECT_EQ(window.QxDial1->Value(), 0.0f);
        EXPECT_TRUE(window.Timer1.IsArmed());
        EXPECT_EQ(window.Timer1.Interval(), 1000ms);
        EXPECT_TRUE(window.btnCancel->isEnabled());

        window.btnCancel->click();
    });
    EXPECT_EQ(result, zk::platform::kModalCancel);
    EXPECT_FALSE(window.isVisible());
}

// Closing in the second after Start drops the armed run: nothing reaches the drive later.
TEST_F(DiagnosticsWindow, ClosingWhileArmedStartsNoRunOnTheHiddenWindow) {
    Drive().ResetCounters();
    Show([&] {
        window.btnStart->click();
        window.close();
    });
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.Timer1.IsArmed());
    EXPECT_FALSE(window.Timer1.Fire());
    EXPECT_EQ(Drive().GetCounters().logic.frames, 0u);
    EXPECT_TRUE(fakes.pauses.Pauses().empty());
}

// Enter as the user presses it: to the control that holds the focus, else to the window.
void PressEnter(QWidget& window) {
    QWidget* focused = window.focusWidget();
    QTest::keyClick(focused != nullptr ? focused : &window, Qt::Key_Return);
}

// Start loses its focus when it is disabled; the focus must not pass to Cancel, or Enter
// would close the window while armed and after every run.
TEST_F(DiagnosticsWindow, EnterPressesStartAlsoAfterARun) {
    CleanDrive();
    Show([&] {
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        PressEnter(window);
        EXPECT_TRUE(window.Timer1.IsArmed());
        EXPECT_FALSE(window.btnStart->isEnabled());

        PressEnter(window);
        EXPECT_EQ(window.ModalResult(), zk::platform::kModalNone)
            << "Enter closed the armed window";

        ASSERT_TRUE(window.Timer1.Fire());
        ASSERT_TRUE(window.btnStart->isEnabled());
        PressEnter(window);
        EXPECT_EQ(window.ModalResult(), zk::platform::kModalNone) << "Enter closed the window";
        EXPECT_TRUE(window.Timer1.IsArmed()) << "Enter after a run did not press Start";
        window.btnCancel->click();
    });
}

struct DiagnosticsKeyCase {
    const char* name;
    std::vector<zk::platform::testing::KeyStep> keys;
    int result; // the window's modal result after the keys; 0 while it is open
    bool armed; // Start was pressed
};

void PrintTo(const DiagnosticsKeyCase& c, std::ostream* os) {
    *os << c.name;
}

class DiagnosticsWindowKeys : public DiagnosticsWindow,
                              public ::testing::WithParamInterface<DiagnosticsKeyCase> {};

// Start has the focus at activation and is the default button; Tab walks Start, Cancel and
// the list, passing over the dial; Escape closes as the close box.
TEST_P(DiagnosticsWindowKeys, StartTakesEnterAndTabWalksTheWindow) {
    const DiagnosticsKeyCase& c = GetParam();
    Show([&] {
        ASSERT_TRUE(zk::platform::testing::Activate(window));
        EXPECT_EQ(zk::platform::testing::FocusName(), "btnStart") << "at activation";
        zk::platform::testing::PressKeys(c.keys);
        EXPECT_EQ(window.ModalResult(), c.result);
        EXPECT_EQ(window.Timer1.IsArmed(), c.armed);
        if (window.ModalResult() == zk::platform::kModalNone)
            window.btnCancel->click();
    });
}

using zk::platform::testing::ShiftTab;

INSTANTIATE_TEST_SUITE_P(
    Keys, DiagnosticsWindowKeys,
    ::testing::Values(
        DiagnosticsKeyCase{
            "EnterAtOncePressesStartOnce", {{Qt::Key_Return}, {Qt::Key_Return}}, 0, true},
        DiagnosticsKeyCase{"SpaceAtOncePressesStart", {{Qt::Key_Space}}, 0, true},
        DiagnosticsKeyCase{"TabToCancelThenEnterCloses",
                           {{Qt::Key_Tab, "btnCancel"}, {Qt::Key_Return}},
                           zk::platform::kModalCancel,
                           false},
        DiagnosticsKeyCase{"TabOrder",
                           {{Qt::Key_Tab, "btnCancel"},
                            {Qt::Key_Tab, "Checklist"},
                            {Qt::Key_Tab, "btnStart"},
                            ShiftTab("Checklist"),
                            ShiftTab("btnCancel"),
                            ShiftTab("btnStart")},
                           0,
                           false},
        DiagnosticsKeyCase{"EnterInTheListPressesTheDefaultStart",
                           {ShiftTab("Checklist"), {Qt::Key_Return}},
                           0,
                           true},
        DiagnosticsKeyCase{"EscapeCloses", {{Qt::Key_Escape}}, zk::platform::kModalCancel, false}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(DiagnosticsWindow, StartAgainClearsTheReportAndReopeningIsIdleAgain) {
    CleanDrive();
    QStringList first;
    Show([&] {
        window.btnStart->click();
        ASSERT_TRUE(window.Timer1.Fire());
        first = window.ChecklistLines();
        EXPECT_EQ(window.QxDial1->Value(), 100.0f);
        EXPECT_TRUE(window.btnStart->isEnabled());

        window.btnStart->click();
        EXPECT_TRUE(window.ChecklistLines().isEmpty());
        EXPECT_EQ(window.QxDial1->Value(), 0.0f);
        ASSERT_TRUE(window.Timer1.Fire());
        EXPECT_EQ(window.ChecklistLines(), first);
        window.btnCancel->click();
    });
    EXPECT_EQ(first.last(), "Finished!");
    Show([&] {
        ExpectIdle();
        window.btnCancel->click();
    });
}

// Renames one of the ten in the built-in table for the test; the table stays sorted.
class RenamedRecord {
public:
    explicit RenamedRecord(const char* name) {
        for (VarTable& record : VarTables) {
            if (record.Name != nullptr && std::strcmp(record.Name, name) == 0)
                record_ = &record;
        }
        if (record_ != nullptr) {
            original_ = record_->Name;
            record_->Name = "CmdSrcZ";
        }
    }
    ~RenamedRecord() {
        if (record_ != nullptr)
            record_->Name = original_;
    }
    RenamedRecord(const RenamedRecord&) = delete;
    RenamedRecord& operator=(const RenamedRecord&) = delete;
    bool Done() const { return record_ != nullptr; }

private:
    VarTable* record_ = nullptr;
    const char* original_ = nullptr;
};

TEST_F(DiagnosticsWindow, AMissingRuleParameterIsShownAndLeavesStartDisabled) {
    CleanDrive();
    Show([&] {
        RenamedRecord renamed("CmdSrc");
        ASSERT_TRUE(renamed.Done());
        window.btnStart->click();
        ASSERT_TRUE(window.Timer1.Fire());
        EXPECT_TRUE(window.IsRunning()) << "the window stays open";
        EXPECT_FALSE(window.btnStart->isEnabled());
        EXPECT_EQ(window.QxDial1->Value(), 10.0f);
        const QStringList lines = window.ChecklistLines();
        ASSERT_GE(lines.size(), 2);
        EXPECT_EQ(lines.mid(lines.size() - 2), (QStringList{"Done!", ""}));
        window.btnCancel->click();
    });
    ASSERT_EQ(fakes.messages.Messages().size(), 1u);
    EXPECT_EQ(fakes.messages.Messages()[0].kind, MessageKind::Exception);
    EXPECT_EQ(fakes.messages.Messages()[0].text, "System Error");
    // The next showing is idle again.
    Show([&] {
        ExpectIdle();
        window.btnCancel->click();
    });
}

// One digit per percent, and the user cannot turn the progress by keys.
TEST_F(DiagnosticsWindow, DialCountsInPercentAndIgnoresKeys) {
    CleanDrive();
    Show([&] {
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        EXPECT_EQ(window.QxDial1->Digit(), 0);
        window.btnStart->click();
        ASSERT_TRUE(window.Timer1.Fire());
        EXPECT_EQ(window.QxDial1->Value(), 100.0f);
        EXPECT_EQ(window.QxDial1->Digit(), 100);
        window.QxDial1->setFocus();
        for (Qt::Key key : {Qt::Key_Down, Qt::Key_PageDown, Qt::Key_Home})
            QTest::keyClick(window.QxDial1, key);
        EXPECT_EQ(window.QxDial1->Value(), 100.0f);
        window.btnCancel->click();
    });
}

// The main window's button and menu item both show the window modally.
TEST_F(DiagnosticsWindow, MainWindowOpensItFromButtonAndMenu) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    TMainForm main(QStringList{}, folder.path());
    Troubleshooting = &window;
    EXPECT_TRUE(main.btnDiagnostics->isEnabled());
    EXPECT_TRUE(main.mnuDiagnostics->isEnabled());
    int runs = 0;
    zk::platform::SetModalStartHook([&](zk::platform::ModalForm& form) {
        EXPECT_EQ(&form, &window);
        ++runs;
        ExpectIdle();
        form.SetModalResult(zk::platform::kModalCancel);
    });
    main.btnDiagnostics->click();
    main.mnuDiagnostics->trigger();
    zk::platform::SetModalStartHook({});
    Troubleshooting = nullptr;
    EXPECT_EQ(runs, 2);
}

} // namespace
} // namespace diagtest
