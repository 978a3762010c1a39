// The NV editor opened by the wizard: the pages' results copied into the table by
// the way the editor was reached, shown as a new configuration with unsaved changes.
#include "tests/forms/nv/nv_fixture.h"

namespace nvtest {
namespace {

class NvWizardTest : public NvFixture {
protected:
    void SetUp() override {
        NvFixture::SetUp();
        motor.KipKey = 9;
        motor.PoleCountKey = 4;
        voltagePwm = {60, -50, 2, 1};
        currentPwm = {40, -30, 1, 1};
        EditForm->WizardSources = {&motor, &control, &voltagePwm, &currentPwm};
    }

    MotorDataResults motor;
    ControlResults control;
    PwmResults voltagePwm;
    PwmResults currentPwm;
};

TEST_F(NvWizardTest, CopiesThePagesResultsByHowTheEditorWasReached) {
    struct Case {
        const char* label;
        int32_t editMode;
        int32_t ivMode;
        int32_t cmdSrc;
        int32_t pwmPlus, pwmMinus, iLmtPlus, iLmtMinus;
    };
    // ILmtPlus and ILmtMinus default to 3.
    const Case cases[] = {
        {"command variable, voltage", 1, 1, 1, 96, -96, 3, 3},
        {"command variable, current", 1, 0, 1, 75, -75, 3, 3},
        {"voltage PWM page", 2, 1, 0, 60, -50, 2, 1},
        {"current PWM page", 3, 0, 0, 40, -30, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        fakes.messages.Clear();
        control = {c.ivMode, c.cmdSrc, 5, 2};
        SymTable.SetValue("DM1Map", 7);
        script.On(EditForm, [&] {
            TEditForm& editor = *EditForm;
            EXPECT_EQ(Value("PWMPlus"), c.pwmPlus);
            EXPECT_EQ(Value("PWMMinus"), c.pwmMinus);
            EXPECT_EQ(Value("ILmtPlus"), c.iLmtPlus);
            EXPECT_EQ(Value("ILmtMinus"), c.iLmtMinus);
            EXPECT_EQ(Value("PoleCount"), 4);
            EXPECT_EQ(Value("Kip"), 9);
            EXPECT_EQ(Value("IVMode"), c.ivMode);
            EXPECT_EQ(Value("CmdSrc"), c.cmdSrc);
            EXPECT_EQ(Value("CmdF0"), 5);
            EXPECT_EQ(Value("EncOut"), 2);
            EXPECT_EQ(Value("DM1Map"), 3) << "the rest of the set at its defaults";

            EXPECT_EQ(editor.RowCount(), 21);
            EXPECT_EQ(editor.IVMode, c.ivMode);
            EXPECT_EQ(ValueCell(editor, "PoleCount"), "8 Poles");
            EXPECT_EQ(editor.lblSource->text(), "New Configuration");
            EXPECT_FALSE(editor.lblFilename->isVisible());
            EXPECT_TRUE(editor.Modified);
            EXPECT_TRUE(editor.btnToDrive->isEnabled());
            EXPECT_TRUE(editor.btnToNV->isEnabled());
            EXPECT_TRUE(editor.btnSave->isEnabled());
            EXPECT_EQ(editor.focusWidget(), editor.btnClose);

            fakes.messages.QueueAnswers({Answer::No});
            editor.btnClose->click();
        });
        MainForm->EditMode = c.editMode;
        EditForm->ShowModal();
        EXPECT_EQ(Asked(), QStringList{"Do you want to save the parameters in a file?"});
    }
}

TEST_F(NvWizardTest, TheFactoryGridHasItsWholeSet) {
    SetFactoryMode(true);
    script.On(EditForm, [&] {
        EXPECT_EQ(EditForm->RowCount(), 22);
        EXPECT_EQ(ValueCell(*EditForm, "IdCmd"), "0.0 Arms");
        EXPECT_EQ(ValueCell(*EditForm, "PWMPlus"), "291 Vrms");
        fakes.messages.QueueAnswers({Answer::No});
        EditForm->btnClose->click();
    });
    MainForm->EditMode = 1;
    EditForm->ShowModal();
}

TEST_F(NvWizardTest, AnEditModeOfNoKnownPageChangesNothing) {
    RunEditor([&](TEditForm& editor) { editor.btnFromDrive->click(); });
    SymTable.SetValue("PWMPlus", 12);
    script.On(EditForm, [&] {
        EXPECT_EQ(EditForm->lblSource->text(), "NV Parameters From Drive");
        EXPECT_EQ(Value("PWMPlus"), 12);
        EXPECT_FALSE(EditForm->Modified);
        EXPECT_EQ(EditForm->focusWidget(), EditForm->btnClose);
        EditForm->btnClose->click();
    });
    MainForm->EditMode = 4;
    EditForm->ShowModal();
}

TEST_F(NvWizardTest, TheMainWindowOpensAClearedEditorAfterTheWizard) {
    struct Case {
        const char* label;
        void (*open)();
    };
    const Case cases[] = {
        {"button",
         [] {
             MainForm->btnEdit->click();
         }},
        {"menu",
         [] {
             MainForm->mnuEdit->trigger();
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        script.On(EditForm, [&] {
            fakes.messages.QueueAnswers({Answer::No});
            EditForm->btnClose->click();
        });
        MainForm->EditMode = 2;
        EditForm->ShowModal();

        script.On(EditForm, [&] {
            EXPECT_EQ(EditForm->lblSource->text(),
                      "Please Load Parameters from Drive, NV Memory or File");
            EXPECT_EQ(Value("PWMPlus"), 0);
            EXPECT_FALSE(EditForm->Modified);
            EditForm->btnClose->click();
        });
        c.open();
        EXPECT_EQ(MainForm->EditMode, 0);
    }
    EXPECT_EQ(script.Runs(), 4);
}

} // namespace
} // namespace nvtest
