// The control page: the IV mode, command source and keys it derives, which page it
// runs next, its frequency checks, and how it waits again or closes by the result
// of the page it ran.
#include <QLayout>
#include <QRadioButton>

#include "tests/guided/wizard/wizard_fixture.h"
#include "zktools/guided/wizard_radio_group.h"

namespace wizardtest {
namespace {

class ControlPageTest : public WizardFixture {
protected:
    void SetUp() override {
        WizardFixture::SetUp();
        MotorResults(30.0f, 56.6, false);
    }
    static void Pick(TRadioGroup* group, int index) { group->Item(index)->click(); }
};

TEST_F(ControlPageTest, StartsWithVoltagePwmCommandAndTheLastResolution) {
    TControlDlg& page = *ControlDlg;
    EXPECT_EQ(page.windowTitle(), "Control Mode and Command Source");
    EXPECT_EQ(page.rdigMode->title(), "Control Mode");
    EXPECT_EQ(page.rdigMode->Item(0)->text(), "Voltage/Velocity");
    EXPECT_EQ(page.rdigMode->Item(1)->text(), "Current/Torque");
    EXPECT_EQ(page.rdigSource->title(), "Command Source");
    EXPECT_EQ(page.rdigSource->Item(0)->text(), "PWM CMD");
    EXPECT_EQ(page.rdigSource->Item(1)->text(), "Command Variable");
    EXPECT_EQ(page.rdigMode->ItemIndex(), 0);
    EXPECT_EQ(page.rdigSource->ItemIndex(), 0);
    EXPECT_EQ(Entries(page.cmbEncOut), (QStringList{"4096", "1024", "5.25", "10"}));
    EXPECT_EQ(page.cmbEncOut->currentIndex(), 3);
    EXPECT_EQ(page.lblCmdF0->text(), "PWM CMD input frequency");
    EXPECT_EQ(page.edtCmdF0->text(), "");
    EXPECT_EQ(page.btnBack->text(), "Back");
    EXPECT_EQ(page.btnNext->text(), "Next");
}

TEST_F(ControlPageTest, PwmCommandRunsThePageOfTheModeWithTheNearestFilterKey) {
    struct Case {
        int mode;
        const char* frequency;
        int32_t cmdF0Key;
    };
    const Case cases[] = {
        {0, "15540", 5}, // 1554 Hz
        {1, "2", 0},     // 0.2 Hz lies below 0.379
        {0, "7771", 4},  {1, "62170", 7}, {0, "1e9", 7},
        {1, "-50", 0},   {0, "100", 1}, // 10 Hz: 3.035 is nearer than 24.28
        {1, "150", 2},                  // 15 Hz: 24.28 is nearer than 3.035
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.frequency);
        const int result = RunPage(ControlDlg, [&] {
            TControlDlg& page = *ControlDlg;
            Pick(page.rdigMode, c.mode);
            Pick(page.rdigSource, 0);
            page.edtCmdF0->setText(QString::fromLatin1(c.frequency));
            ModalForm* expected = c.mode == 0 ? static_cast<ModalForm*>(PWMVDlg) : PWMIDlg;
            OnRun(expected, [&] {
                EXPECT_FALSE(page.isVisible());
                EXPECT_EQ(page.IVMode, c.mode == 0 ? 1 : 0);
                EXPECT_EQ(page.CmdSrc, 0);
                EXPECT_EQ(page.CmdF0Key, c.cmdF0Key);
                expected->close();
            });
            page.btnNext->click();
        });
        EXPECT_EQ(result, kClosed) << "the closed PWM page closes the wizard";
    }
    EXPECT_EQ(Told(), QStringList());
}

TEST_F(ControlPageTest, CommandVariableGoesStraightToTheEditor) {
    for (int encOut = 0; encOut < 4; ++encOut) {
        SCOPED_TRACE(encOut);
        MainForm->EditMode = 0;
        const int result = RunPage(ControlDlg, [&] {
            TControlDlg& page = *ControlDlg;
            Pick(page.rdigMode, encOut % 2);
            Pick(page.rdigSource, 1);
            page.edtCmdF0->setText(encOut == 0 ? "" : "not a number"); // neither checked nor read
            page.cmbEncOut->setCurrentIndex(encOut);
            OnEditor([&](TEditForm& editor) {
                EXPECT_FALSE(page.isVisible());
                EXPECT_EQ(MainForm->EditMode, 1);
                EXPECT_EQ(page.CmdSrc, 1);
                EXPECT_EQ(page.CmdF0Key, 4);
                EXPECT_EQ(page.EncOutKey, encOut);
                EXPECT_EQ(page.IVMode, encOut % 2 == 0 ? 1 : 0);
                EXPECT_EQ(Value("EncOut"), encOut);
                EXPECT_EQ(editor.lblSource->text(), "New Configuration");
            });
            page.btnNext->click();
        });
        EXPECT_EQ(result, kClosed);
    }
    EXPECT_EQ(Told(), QStringList());
    EXPECT_EQ(Errors(), QStringList());
}

TEST_F(ControlPageTest, AMissingOrUnreadableFrequencyKeepsThePageOpen) {
    struct Case {
        const char* frequency;
        QStringList told;
        QStringList errors;
    };
    const Case cases[] = {
        {"", {"Please input PWM CMD frequency?"}, {}},
        {"abc", {}, {"'abc' is not a valid floating point value"}},
        {"-", {}, {"'-' is not a valid floating point value"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.frequency);
        fakes.messages.Clear();
        RunPage(ControlDlg, [&] {
            TControlDlg& page = *ControlDlg;
            page.IVMode = 1;
            page.EncOutKey = 3;
            page.CmdF0Key = 6;
            page.CmdSrc = 1;
            Pick(page.rdigMode, 1);
            page.cmbEncOut->setCurrentIndex(0);
            page.edtCmdF0->setText(QString::fromLatin1(c.frequency));
            page.btnHelp->setFocus();
            page.btnNext->click();
            EXPECT_EQ(Told(), c.told);
            EXPECT_EQ(Errors(), c.errors);
            EXPECT_TRUE(page.isVisible());
            EXPECT_EQ(page.ModalResult(), 0);
            if (!c.told.isEmpty()) {
                EXPECT_EQ(page.focusWidget(), page.edtCmdF0);
            }
            EXPECT_EQ(page.IVMode, 0) << "already taken";
            EXPECT_EQ(page.EncOutKey, 0) << "already taken";
            EXPECT_EQ(page.CmdF0Key, 6);
            EXPECT_EQ(page.CmdSrc, 1);
        });
    }
    EXPECT_EQ(script.Runs(), static_cast<int>(std::size(cases))) << "no later page ran";
}

TEST_F(ControlPageTest, TheFrequencyEditFollowsTheSource) {
    RunPage(ControlDlg, [&] {
        TControlDlg& page = *ControlDlg;
        EXPECT_TRUE(page.edtCmdF0->isVisible());
        const QRect encOut = page.cmbEncOut->geometry();
        const QRect modes = page.rdigMode->geometry();
        Pick(page.rdigSource, 1);
        EXPECT_FALSE(page.edtCmdF0->isVisible());
        EXPECT_FALSE(page.lblCmdF0->isVisible());
        page.layout()->activate();
        EXPECT_EQ(page.cmbEncOut->geometry(), encOut) << "the other controls stay in place";
        EXPECT_EQ(page.rdigMode->geometry(), modes);
        EXPECT_EQ(page.focusWidget(), page.btnNext);
        Pick(page.rdigSource, 0);
        EXPECT_TRUE(page.edtCmdF0->isVisible());
        EXPECT_TRUE(page.lblCmdF0->isVisible());
        EXPECT_EQ(page.focusWidget(), page.edtCmdF0);
        Pick(page.rdigMode, 1);
        EXPECT_EQ(page.focusWidget(), page.btnNext);
        Pick(page.rdigSource, 1);
    });
    // A choice made while the page was not shown: the next showing follows it.
    ControlDlg->rdigSource->SetItemIndex(0);
    RunPage(ControlDlg, [&] {
        EXPECT_TRUE(ControlDlg->edtCmdF0->isVisible());
        EXPECT_TRUE(ControlDlg->lblCmdF0->isVisible());
    });
    ControlDlg->rdigSource->SetItemIndex(1);
    RunPage(ControlDlg, [&] { EXPECT_FALSE(ControlDlg->edtCmdF0->isVisible()); });
}

TEST_F(ControlPageTest, BackOnAPwmPageWaitsHereAgainAndAnOldResultDoesNotClose) {
    // A result of 2 left on the current page from an earlier wizard run.
    PWMIDlg->SetModalResult(kClosed);
    const int result = RunPage(ControlDlg, [&] {
        TControlDlg& page = *ControlDlg;
        page.edtCmdF0->setText("15540");
        OnRun(PWMVDlg, [&] { PWMVDlg->btnBack->click(); });
        page.btnNext->click();
        EXPECT_TRUE(page.isVisible());
        EXPECT_TRUE(page.IsRunning());
        EXPECT_EQ(page.edtCmdF0->text(), "15540");
        EXPECT_EQ(page.edtCmdF0->isVisible(), true);

        Pick(page.rdigMode, 1);
        OnRun(PWMIDlg, [&] {
            EXPECT_EQ(page.IVMode, 0);
            PWMIDlg->btnBack->click();
        });
        page.btnNext->click();
        EXPECT_TRUE(page.IsRunning());
        EXPECT_TRUE(page.isVisible());
        page.btnBack->click();
    });
    EXPECT_EQ(result, kBack);
    EXPECT_FALSE(ControlDlg->isVisible());
}

} // namespace
} // namespace wizardtest
