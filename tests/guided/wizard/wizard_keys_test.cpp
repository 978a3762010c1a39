// Keys and help on every wizard page: Enter walks the input chain without pressing a
// button, the keys that reach an edit as characters start the partner's
// recalculation, and Help opens the wizard's help topic.
#include "tests/guided/wizard/wizard_fixture.h"

#include <QRadioButton>

#include <vector>

#include "tests/platform/key_presses.h"
#include "zktools/guided/wizard_radio_group.h"

namespace wizardtest {
namespace {

// The pages as the program creates them, for a table of cases.
struct TWizardPages {
    ModalForm* motordata;
    ModalForm* pwmv;
    ModalForm* pwmi;
};

class WizardKeysTest : public WizardFixture {
protected:
    static TWizardPages Pages() { return {MotordataDlg, PWMVDlg, PWMIDlg}; }

    void SetUp() override {
        WizardFixture::SetUp();
        MotorResults(30.0f, 56.6, false);
    }
};

TEST_F(WizardKeysTest, EnterMovesTheFocusAlongThePage) {
    struct Case {
        const char* label;
        ModalForm* page;
        QLineEdit* edit;
        QWidget* next;
    };
    const Case cases[] = {
        {"Ke", MotordataDlg, MotordataDlg->edtKe, MotordataDlg->edtL},
        {"L", MotordataDlg, MotordataDlg->edtL, MotordataDlg->edtIcs},
        {"Ics", MotordataDlg, MotordataDlg->edtIcs, MotordataDlg->edtR},
        {"R", MotordataDlg, MotordataDlg->edtR, MotordataDlg->btnNext},
        {"frequency", ControlDlg, ControlDlg->edtCmdF0, ControlDlg->btnNext},
        {"V1", PWMVDlg, PWMVDlg->edtV1, PWMVDlg->edtV2},
        {"V PWMMinus", PWMVDlg, PWMVDlg->edtPWMMinus, PWMVDlg->edtPWMPlus},
        {"V2", PWMVDlg, PWMVDlg->edtV2, PWMVDlg->btnNext},
        {"V PWMPlus", PWMVDlg, PWMVDlg->edtPWMPlus, PWMVDlg->btnNext},
        {"T1", PWMIDlg, PWMIDlg->edtT1, PWMIDlg->edtT2},
        {"I PWMMinus", PWMIDlg, PWMIDlg->edtPWMMinus, PWMIDlg->edtPWMPlus},
        {"T2", PWMIDlg, PWMIDlg->edtT2, PWMIDlg->btnNext},
        {"I PWMPlus", PWMIDlg, PWMIDlg->edtPWMPlus, PWMIDlg->btnNext},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        RunPage(c.page, [&] {
            ASSERT_TRUE(zk::platform::testing::Activate(*c.page));
            c.edit->setFocus();
            zk::platform::testing::Type("12");
            zk::platform::testing::Press(Qt::Key_Return);
            EXPECT_EQ(c.page->focusWidget(), c.next);
            EXPECT_EQ(c.edit->text(), "12") << "the keys reached the edit";
            // Back in the edit: keypad Enter moves on as well and presses no button.
            c.edit->setFocus();
            zk::platform::testing::Press(Qt::Key_Enter, Qt::KeypadModifier);
            EXPECT_EQ(c.page->focusWidget(), c.next);
            EXPECT_EQ(c.page->ModalResult(), 0) << "Enter pressed no button";
        });
    }
    EXPECT_EQ(Told(), QStringList()) << "no Next ran";
    EXPECT_EQ(script.Runs(), static_cast<int>(std::size(cases)));
}

TEST_F(WizardKeysTest, CharacterKeysArmTheRecalculation) {
    struct Case {
        const char* label;
        Qt::Key key;
        bool arms;
    };
    const Case cases[] = {
        {"digit", Qt::Key_5, true},
        {"minus", Qt::Key_Minus, true},
        {"Backspace", Qt::Key_Backspace, true},
        {"Enter", Qt::Key_Return, true},
        {"Delete", Qt::Key_Delete, false},
        {"arrow", Qt::Key_Left, false},
        {"Tab", Qt::Key_Tab, false},
    };
    const struct {
        ModalForm* page;
        QLineEdit* edit;
        zk::platform::OneShotTimer* timer;
        const int32_t* field;
        int32_t number;
    } edits[] = {
        {PWMVDlg, PWMVDlg->edtV1, &PWMVDlg->Timer1, &PWMVDlg->EditedField, 1},
        {PWMVDlg, PWMVDlg->edtPWMMinus, &PWMVDlg->Timer1, &PWMVDlg->EditedField, 2},
        {PWMVDlg, PWMVDlg->edtV2, &PWMVDlg->Timer1, &PWMVDlg->EditedField, 3},
        {PWMVDlg, PWMVDlg->edtPWMPlus, &PWMVDlg->Timer1, &PWMVDlg->EditedField, 4},
        {PWMIDlg, PWMIDlg->edtT1, &PWMIDlg->Timer1, &PWMIDlg->EditedField, 1},
        {PWMIDlg, PWMIDlg->edtPWMMinus, &PWMIDlg->Timer1, &PWMIDlg->EditedField, 2},
        {PWMIDlg, PWMIDlg->edtT2, &PWMIDlg->Timer1, &PWMIDlg->EditedField, 3},
        {PWMIDlg, PWMIDlg->edtPWMPlus, &PWMIDlg->Timer1, &PWMIDlg->EditedField, 4},
    };
    for (const auto& e : edits) {
        SCOPED_TRACE(e.page->objectName().toStdString() + " " + e.edit->objectName().toStdString());
        RunPage(e.page, [&] {
            for (const Case& c : cases) {
                SCOPED_TRACE(c.label);
                e.timer->Stop();
                PWMVDlg->EditedField = PWMIDlg->EditedField = 0;
                e.edit->setFocus();
                QTest::keyClick(e.edit, c.key);
                EXPECT_EQ(e.timer->IsArmed(), c.arms);
                EXPECT_EQ(*e.field, c.arms ? e.number : 0);
            }
            e.timer->Stop();
        });
    }
}

struct ControlKeyCase {
    const char* name;
    int source; // "Command Source" before the keys
    std::vector<zk::platform::testing::KeyStep> keys;
    int result; // the page's modal result after the keys; 0 while it waits
    int mode;   // "Control Mode" and "Command Source" afterwards
    int sourceAfter;
    bool frequencyShown;
    QStringList told;
};

void PrintTo(const ControlKeyCase& c, std::ostream* os) {
    *os << c.name;
}

class ControlPageKeys : public WizardKeysTest,
                        public ::testing::WithParamInterface<ControlKeyCase> {};

// The control page's radio groups answer the arrows as a click: the choice is made and the
// focus moves on as the click handlers move it; Tab stops once per group.
TEST_P(ControlPageKeys, ArrowsChooseAsAClickAndTabStopsOncePerGroup) {
    const ControlKeyCase& c = GetParam();
    TControlDlg& page = *ControlDlg;
    page.rdigMode->SetItemIndex(0);
    page.rdigSource->SetItemIndex(c.source);
    RunPage(ControlDlg, [&] {
        ASSERT_TRUE(zk::platform::testing::Activate(page));
        EXPECT_EQ(zk::platform::testing::FocusName(), "rdigModeItem0") << "at activation";
        zk::platform::testing::PressKeys(c.keys);
        EXPECT_EQ(page.ModalResult(), c.result);
        EXPECT_EQ(page.rdigMode->ItemIndex(), c.mode);
        EXPECT_EQ(page.rdigSource->ItemIndex(), c.sourceAfter);
        EXPECT_EQ(page.edtCmdF0->isVisible(), c.frequencyShown);
        EXPECT_EQ(page.lblCmdF0->isVisible(), c.frequencyShown);
    });
    EXPECT_EQ(Told(), c.told);
}

using zk::platform::testing::ShiftTab;
const QStringList kAskFrequency{"Please input PWM CMD frequency?"};

INSTANTIATE_TEST_SUITE_P(
    Keys, ControlPageKeys,
    ::testing::Values(
        // Enter then presses Next, which asks for the frequency and focuses its edit.
        ControlKeyCase{"DownChoosesTheModeAndMovesToNext",
                       0,
                       {{Qt::Key_Down, "btnNext"}, {Qt::Key_Return, "edtCmdF0"}},
                       0,
                       1,
                       0,
                       true,
                       kAskFrequency},
        ControlKeyCase{"UpChoosesTheModeAndMovesToNext",
                       0,
                       {{Qt::Key_Up, "btnNext"}, {Qt::Key_Space, "edtCmdF0"}},
                       0,
                       1,
                       0,
                       true,
                       kAskFrequency},
        ControlKeyCase{
            "CommandVariableHidesTheFrequencyAndMovesToNext",
            0,
            {{Qt::Key_Tab, "rdigSourceItem0"}, {Qt::Key_Down, "btnNext"}, {Qt::Key_Tab, "btnHelp"}},
            0,
            0,
            1,
            false,
            {}},
        // The keys after the arrow reach the frequency edit; its Enter moves on to Next.
        ControlKeyCase{"PwmCommandShowsTheFrequencyAndMovesIntoIt",
                       1,
                       {{Qt::Key_Tab, "rdigSourceItem1"},
                        {Qt::Key_Up, "edtCmdF0"},
                        {Qt::Key_Return, "btnNext"},
                        {Qt::Key_Return, "edtCmdF0"}},
                       0,
                       0,
                       0,
                       true,
                       kAskFrequency},
        ControlKeyCase{"TabOrderWithOneStopPerGroup",
                       0,
                       {{Qt::Key_Tab, "rdigSourceItem0"},
                        {Qt::Key_Tab, "cmbEncOut"},
                        {Qt::Key_Tab, "edtCmdF0"},
                        {Qt::Key_Tab, "btnBack"},
                        {Qt::Key_Tab, "btnNext"},
                        {Qt::Key_Tab, "btnHelp"},
                        {Qt::Key_Tab, "rdigModeItem0"},
                        ShiftTab("btnHelp"),
                        ShiftTab("btnNext"),
                        ShiftTab("btnBack"),
                        ShiftTab("edtCmdF0"),
                        ShiftTab("cmbEncOut"),
                        ShiftTab("rdigSourceItem0"),
                        ShiftTab("rdigModeItem0")},
                       0,
                       0,
                       0,
                       true,
                       {}},
        ControlKeyCase{"TabPassesOverTheHiddenFrequencyToTheCheckedSource",
                       1,
                       {{Qt::Key_Tab, "rdigSourceItem1"},
                        {Qt::Key_Tab, "cmbEncOut"},
                        {Qt::Key_Tab, "btnBack"}},
                       0,
                       0,
                       1,
                       false,
                       {}},
        ControlKeyCase{
            "EnterOnBackGoesBack",
            0,
            {ShiftTab("btnHelp"), ShiftTab("btnNext"), ShiftTab("btnBack"), {Qt::Key_Return}},
            kBack,
            0,
            0,
            true,
            {}},
        ControlKeyCase{
            "EscapeClosesThePageAsItsCloseBox", 0, {{Qt::Key_Escape}}, kClosed, 0, 0, true, {}}),
    [](const auto& param) { return std::string(param.param.name); });

struct PageKeyCase {
    const char* name;
    ModalForm* TWizardPages::*page;
    const char* focusAtActivation;
    std::vector<zk::platform::testing::KeyStep> keys;
    int result; // the page's modal result after the keys; 0 while it waits
    int helpCalls;
};

void PrintTo(const PageKeyCase& c, std::ostream* os) {
    *os << c.name;
}

class WizardPageKeys : public WizardKeysTest, public ::testing::WithParamInterface<PageKeyCase> {};

// The focus starts at the first stop of the page's tab order; Tab walks it; Enter presses the
// focused button (no page has a default button); Escape acts as the close box.
TEST_P(WizardPageKeys, TabWalksThePageAndEnterPressesTheFocusedButton) {
    const PageKeyCase& c = GetParam();
    ModalForm* page = Pages().*c.page;
    RunPage(page, [&] {
        ASSERT_TRUE(zk::platform::testing::Activate(*page));
        EXPECT_EQ(zk::platform::testing::FocusName(), c.focusAtActivation) << "at activation";
        zk::platform::testing::PressKeys(c.keys);
        EXPECT_EQ(page->ModalResult(), c.result);
    });
    EXPECT_EQ(static_cast<int>(fakes.help.Calls().size()), c.helpCalls);
    EXPECT_EQ(Told(), QStringList());
}

using zk::platform::testing::ShiftTab;

INSTANTIATE_TEST_SUITE_P(
    Keys, WizardPageKeys,
    ::testing::Values(
        PageKeyCase{"MotorDataTabOrder",
                    &TWizardPages::motordata,
                    "edtKe",
                    {{Qt::Key_Tab, "edtL"},
                     {Qt::Key_Tab, "edtIcs"},
                     {Qt::Key_Tab, "edtR"},
                     {Qt::Key_Tab, "cmbPoles"},
                     {Qt::Key_Tab, "cmbFBPoles"},
                     {Qt::Key_Tab, "btnCancel"},
                     {Qt::Key_Tab, "btnNext"},
                     {Qt::Key_Tab, "btnHelp"},
                     {Qt::Key_Tab, "edtKe"},
                     ShiftTab("btnHelp"),
                     {Qt::Key_Return, "btnHelp"}},
                    0,
                    1},
        PageKeyCase{
            "MotorDataEnterOnCancelEndsTheWizard",
            &TWizardPages::motordata,
            "edtKe",
            {ShiftTab("btnHelp"), ShiftTab("btnNext"), ShiftTab("btnCancel"), {Qt::Key_Return}},
            kClosed,
            0},
        PageKeyCase{
            "MotorDataEscape", &TWizardPages::motordata, "edtKe", {{Qt::Key_Escape}}, kClosed, 0},
        PageKeyCase{
            "VoltagePageEnterOnBackGoesBack",
            &TWizardPages::pwmv,
            "edtV1",
            {ShiftTab("btnHelp"), ShiftTab("btnNext"), ShiftTab("btnBack"), {Qt::Key_Return}},
            kBack,
            0},
        PageKeyCase{
            "VoltagePageEscape", &TWizardPages::pwmv, "edtV1", {{Qt::Key_Escape}}, kClosed, 0},
        PageKeyCase{
            "CurrentPageEnterOnBackGoesBack",
            &TWizardPages::pwmi,
            "edtT1",
            {ShiftTab("btnHelp"), ShiftTab("btnNext"), ShiftTab("btnBack"), {Qt::Key_Space}},
            kBack,
            0},
        PageKeyCase{
            "CurrentPageEscape", &TWizardPages::pwmi, "edtT1", {{Qt::Key_Escape}}, kClosed, 0}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(WizardKeysTest, HelpOpensContextFourOnEveryPage) {
    for (ModalForm* page :
         std::initializer_list<ModalForm*>{MotordataDlg, ControlDlg, PWMVDlg, PWMIDlg}) {
        SCOPED_TRACE(page->objectName().toStdString());
        fakes.help.Clear();
        RunPage(page, [&] {
            page->findChild<QPushButton*>("btnHelp")->click();
            EXPECT_TRUE(page->IsRunning());
        });
        ASSERT_EQ(fakes.help.Calls().size(), 1u);
        EXPECT_EQ(fakes.help.Calls()[0].request, zk::platform::HelpRequest::Context(4));
    }
}

} // namespace
} // namespace wizardtest
