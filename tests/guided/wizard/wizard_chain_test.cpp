// The whole wizard from the main window: the pages in sequence, Back to the page
// before, every way of closing it, and the NV editor at the end with the pages'
// results, sent to the simulated drive.
#include <QRadioButton>

#include "tests/guided/wizard/wizard_fixture.h"
#include "zktools/guided/wizard_radio_group.h"
#include "zktools/model/data_process.h"

namespace wizardtest {
namespace {

class WizardChainTest : public WizardFixture {
protected:
    static void ChooseControl(int mode, int source, const char* frequency, int encOut) {
        TControlDlg& page = *ControlDlg;
        page.rdigMode->Item(mode)->click();
        page.rdigSource->Item(source)->click();
        if (source == 0)
            Type(page.edtCmdF0, QString::fromLatin1(frequency));
        page.cmbEncOut->setCurrentIndex(encOut);
    }
    static bool NoPageShown() {
        for (ModalForm* page : std::initializer_list<ModalForm*>{MotordataDlg, ControlDlg, PWMVDlg,
                                                                 PWMIDlg, EditForm}) {
            if (page->isVisible() || page->IsRunning())
                return false;
        }
        return true;
    }
    static int32_t OnDrive(const char* name) {
        int32_t value = 0;
        int32_t status = 0;
        EXPECT_EQ(DataProcess::ReadVarFromDrive(name, value, status), 1) << name;
        return value;
    }
};

TEST_F(WizardChainTest, EachWayThroughEndsInTheEditorAndReachesTheDrive) {
    struct Case {
        const char* label;
        bool menu;
        int mode, source;
        ModalForm* pwmPage; // nullptr: straight to the editor
        int32_t editMode, ivMode, cmdSrc, cmdF0, pwmPlus, pwmMinus, iLmt;
    };
    const Case cases[] = {
        {"voltage PWM page", false, 0, 0, PWMVDlg, 2, 1, 0, 5, 96, -48, 1},
        {"current PWM page", true, 1, 0, PWMIDlg, 3, 0, 0, 5, 75, -35, 1},
        {"command variable, voltage", false, 0, 1, nullptr, 1, 1, 1, 4, 96, -96, 3},
        {"command variable, current", true, 1, 1, nullptr, 1, 0, 1, 4, 75, -75, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        fakes.messages.Clear();
        SymTable.ResetToDefaults();
        OnRun(MotordataDlg, [&] {
            FillMotorData();
            OnRun(ControlDlg, [&] {
                ChooseControl(c.mode, c.source, "15540", 1);
                if (c.pwmPage == PWMVDlg) {
                    OnRun(PWMVDlg, [&] {
                        Type(PWMVDlg->edtPWMPlus, "290");
                        Type(PWMVDlg->edtV1, "-4833.333"); // -145 V
                        PWMVDlg->Timer1.Fire();
                        EXPECT_EQ(PWMVDlg->edtPWMMinus->text(), "-144.999");
                        PWMVDlg->btnNext->click();
                    });
                } else if (c.pwmPage == PWMIDlg) {
                    OnRun(PWMIDlg, [&] {
                        Type(PWMIDlg->edtPWMPlus, "10.6");
                        Type(PWMIDlg->edtPWMMinus, "-5");
                        PWMIDlg->btnNext->click();
                    });
                }
                OnEditor([&](TEditForm& editor) {
                    for (ModalForm* page : std::initializer_list<ModalForm*>{
                             MotordataDlg, ControlDlg, PWMVDlg, PWMIDlg})
                        EXPECT_FALSE(page->isVisible()) << page->objectName().toStdString();
                    EXPECT_EQ(MainForm->EditMode, c.editMode);
                    EXPECT_EQ(editor.lblSource->text(), "New Configuration");
                    EXPECT_EQ(Value("PoleCount"), 3);
                    EXPECT_EQ(Value("Kip"), 11);
                    EXPECT_EQ(Value("IVMode"), c.ivMode);
                    EXPECT_EQ(Value("CmdSrc"), c.cmdSrc);
                    EXPECT_EQ(Value("CmdF0"), c.cmdF0);
                    EXPECT_EQ(Value("EncOut"), 1);
                    EXPECT_EQ(Value("PWMPlus"), c.pwmPlus);
                    EXPECT_EQ(Value("PWMMinus"), c.pwmMinus);
                    EXPECT_EQ(Value("ILmtPlus"), c.iLmt);
                    EXPECT_EQ(Value("ILmtMinus"), c.iLmt);
                    editor.btnToDrive->click();
                    EXPECT_EQ(editor.btnToDrive->text(), "Done");
                });
                ControlDlg->btnNext->click();
            });
            MotordataDlg->btnNext->click();
        });
        if (c.menu)
            MainForm->mnuConfiguration->trigger();
        else
            MainForm->btnConfigurationWizards->click();

        EXPECT_TRUE(NoPageShown());
        EXPECT_EQ(MotordataDlg->ModalResult(), kClosed);
        EXPECT_EQ(Told(), QStringList());
        EXPECT_EQ(Errors(), QStringList());
        // The new configuration on the drive itself.
        SymTable.ResetToDefaults();
        EXPECT_EQ(OnDrive("PoleCount"), 3);
        EXPECT_EQ(OnDrive("Kip"), 11);
        EXPECT_EQ(OnDrive("IVMode"), c.ivMode);
        EXPECT_EQ(OnDrive("CmdSrc"), c.cmdSrc);
        EXPECT_EQ(OnDrive("CmdF0"), c.cmdF0);
        EXPECT_EQ(OnDrive("EncOut"), 1);
        EXPECT_EQ(OnDrive("PWMPlus"), c.pwmPlus);
        EXPECT_EQ(OnDrive("PWMMinus"), c.pwmMinus);
        EXPECT_EQ(OnDrive("ILmtPlus"), c.iLmt);
        EXPECT_EQ(OnDrive("ILmtMinus"), c.iLmt);
    }
}

TEST_F(WizardChainTest, ClosingAnyPageClosesTheWholeWizard) {
    struct Case {
        const char* label;
        int mode, source; // -1: closed on the motor-data page
        std::function<void()> close;
    };
    const Case cases[] = {
        {"Cancel on the motor-data page", -1, 0,
         [] {
             MotordataDlg->btnCancel->click();
         }},
        {"close box of the motor-data page", -1, 0,
         [] {
             MotordataDlg->close();
         }},
        {"close box of the control page", -2, 0,
         [] {
             ControlDlg->close();
         }},
        {"close box of the voltage page", 0, 0,
         [] {
             PWMVDlg->close();
         }},
        {"close box of the current page", 1, 0,
         [] {
             PWMIDlg->close();
         }},
        {"close box of the editor", 0, 1,
         [] {
             EditForm->close();
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        OnRun(MotordataDlg, [&] {
            if (c.mode == -1)
                return c.close();
            FillMotorData();
            OnRun(ControlDlg, [&] {
                if (c.mode == -2)
                    return c.close();
                ChooseControl(c.mode, c.source, "100", 3);
                ModalForm* next = c.source == 1 ? static_cast<ModalForm*>(EditForm)
                                  : c.mode == 0 ? static_cast<ModalForm*>(PWMVDlg)
                                                : PWMIDlg;
                OnRun(next, [&] {
                    if (next == EditForm)
                        fakes.messages.QueueAnswers({Answer::No});
                    c.close();
                });
                ControlDlg->btnNext->click();
            });
            MotordataDlg->btnNext->click();
        });
        MainForm->btnConfigurationWizards->click();
        EXPECT_TRUE(NoPageShown());
        EXPECT_EQ(MotordataDlg->ModalResult(), kClosed);
    }
}

TEST_F(WizardChainTest, BackReturnsToThePageBeforeWithItsEntries) {
    OnRun(MotordataDlg, [&] {
        FillMotorData();
        OnRun(ControlDlg, [&] { ControlDlg->btnBack->click(); });
        MotordataDlg->btnNext->click();
        EXPECT_TRUE(MotordataDlg->isVisible());
        EXPECT_EQ(MotordataDlg->edtKe->text(), "30");

        OnRun(ControlDlg, [&] {
            ChooseControl(0, 0, "100", 0);
            OnRun(PWMVDlg, [&] {
                Type(PWMVDlg->edtPWMPlus, "10");
                PWMVDlg->btnBack->click();
            });
            ControlDlg->btnNext->click();
            EXPECT_TRUE(ControlDlg->isVisible());
            EXPECT_EQ(ControlDlg->edtCmdF0->text(), "100");

            ControlDlg->rdigMode->Item(1)->click();
            OnRun(PWMIDlg, [&] { PWMIDlg->btnBack->click(); });
            ControlDlg->btnNext->click();
            EXPECT_TRUE(ControlDlg->isVisible());

            ControlDlg->rdigMode->Item(0)->click();
            OnRun(PWMVDlg, [&] {
                EXPECT_EQ(PWMVDlg->edtPWMPlus->text(), "10") << "kept from before Back";
                PWMVDlg->btnBack->click();
            });
            ControlDlg->btnNext->click();
            ControlDlg->btnBack->click();
        });
        MotordataDlg->btnNext->click();
        EXPECT_TRUE(MotordataDlg->isVisible());
        MotordataDlg->btnCancel->click();
    });
    MainForm->btnConfigurationWizards->click();
    EXPECT_TRUE(NoPageShown());
    EXPECT_EQ(script.Runs(), 6);
    EXPECT_EQ(Told(), QStringList());
}

TEST_F(WizardChainTest, ASecondRunShowsThePreviousEntriesAndStartsWithTheEditorReset) {
    OnRun(MotordataDlg, [&] {
        FillMotorData();
        OnRun(ControlDlg, [&] {
            ChooseControl(1, 1, "", 2);
            OnEditor([&](TEditForm&) {});
            ControlDlg->btnNext->click();
        });
        MotordataDlg->btnNext->click();
    });
    MainForm->btnConfigurationWizards->click();
    EXPECT_EQ(EditForm->ModalResult(), kClosed);

    OnRun(MotordataDlg, [&] {
        EXPECT_EQ(EditForm->ModalResult(), 0) << "reset by the main window";
        EXPECT_EQ(MotordataDlg->edtKe->text(), "30");
        EXPECT_EQ(MotordataDlg->cmbFBPoles->currentText(), "4");
        OnRun(ControlDlg, [&] {
            EXPECT_EQ(ControlDlg->rdigMode->ItemIndex(), 1);
            EXPECT_EQ(ControlDlg->rdigSource->ItemIndex(), 1);
            EXPECT_FALSE(ControlDlg->edtCmdF0->isVisible());
            EXPECT_EQ(ControlDlg->cmbEncOut->currentIndex(), 2);
            EXPECT_FALSE(MotordataDlg->KeChanged) << "the same Ke again";
            ControlDlg->btnBack->click();
        });
        MotordataDlg->btnNext->click();
        MotordataDlg->btnCancel->click();
    });
    MainForm->mnuConfiguration->trigger();
    EXPECT_TRUE(NoPageShown());
}

} // namespace
} // namespace wizardtest
