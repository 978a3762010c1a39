// The three "Variable Change" dialogs under the keyboard: the focus starts on Cancel, Tab and
// Shift+Tab walk the controls in their order with one stop for the radio pair, an arrow in
// the pair or the list chooses and moves on to OK, Enter presses the focused button or, in
// the edit, accepts while OK may be pressed, and Escape cancels.
#include "tests/forms/nv/value_dialog_fixture.h"
#include "tests/platform/key_presses.h"

#include <string>
#include <vector>

namespace nvtest {
namespace {

using zk::platform::testing::KeyStep;
using zk::platform::testing::ShiftTab;

enum class Kind { Edit, TwoState, List };

struct ValueKeyCase {
    const char* name;
    Kind kind;
    const char* parameter;
    int32_t raw; // the parameter's value before
    std::vector<KeyStep> keys;
    int32_t stored; // and afterwards
    bool accepted;  // OK ran: the NV editor is marked modified
};

void PrintTo(const ValueKeyCase& c, std::ostream* os) {
    *os << c.name;
}

TValueDialog* DialogOf(Kind kind) {
    switch (kind) {
    case Kind::Edit:
        return ValEditdlg;
    case Kind::TwoState:
        return ValBooldlg;
    case Kind::List:
        break;
    }
    return ValCmbdlg;
}

class ValueDialogKeys : public ValueDialogFixture,
                        public ::testing::WithParamInterface<ValueKeyCase> {};

// Every case's keys end the dialog.
TEST_P(ValueDialogKeys, KeysChooseMoveTheFocusAndEndTheDialog) {
    const ValueKeyCase& c = GetParam();
    TValueDialog* dialog = DialogOf(c.kind);
    SymTable.SetValue(c.parameter, c.raw);
    Open(dialog, kFromNVEditor, c.parameter, kVoltage, [&] {
        ASSERT_TRUE(zk::platform::testing::Activate(*dialog));
        EXPECT_EQ(zk::platform::testing::FocusName(), "btnCancel") << "at activation";
        zk::platform::testing::PressKeys(c.keys);
        if (dialog->ModalResult() == zk::platform::kModalNone) {
            ADD_FAILURE() << "the keys left the dialog open";
            dialog->btnCancel->click();
        }
    });
    EXPECT_EQ(Value(c.parameter), c.stored);
    EXPECT_EQ(EditForm->Modified, c.accepted);
    EXPECT_EQ(Told(), QStringList());
}

// "IVMode": 1 checks the upper button. "DM1Map": keys equal the list's indexes.
// "Command" 1.50 V is raw 126. "HVF" is read-only.
INSTANTIATE_TEST_SUITE_P(
    Keys, ValueDialogKeys,
    ::testing::Values(
        ValueKeyCase{
            "EnterAtOnceCancels", Kind::TwoState, "IVMode", 1, {{Qt::Key_Return}}, 1, false},
        ValueKeyCase{"EscapeCancels", Kind::Edit, "Command", 0, {{Qt::Key_Escape}}, 0, false},
        ValueKeyCase{"TabLandsOnTheCheckedLowerButton",
                     Kind::TwoState,
                     "IVMode",
                     0,
                     {{Qt::Key_Tab, "rdiLow"}, {Qt::Key_Up, "btnOK"}, {Qt::Key_Return}},
                     1,
                     true},
        ValueKeyCase{"DownFromTheUpperButtonChecksTheLower",
                     Kind::TwoState,
                     "IVMode",
                     1,
                     {{Qt::Key_Tab, "rdiHigh"}, {Qt::Key_Down, "btnOK"}, {Qt::Key_Return}},
                     0,
                     true},
        ValueKeyCase{"DownFromTheLowerButtonWrapsToTheUpper",
                     Kind::TwoState,
                     "IVMode",
                     0,
                     {{Qt::Key_Tab, "rdiLow"}, {Qt::Key_Down, "btnOK"}, {Qt::Key_Space}},
                     1,
                     true},
        ValueKeyCase{"EscapeAfterTheArrowStoresNothing",
                     Kind::TwoState,
                     "IVMode",
                     1,
                     {{Qt::Key_Tab, "rdiHigh"}, {Qt::Key_Down, "btnOK"}, {Qt::Key_Escape}},
                     1,
                     false},
        ValueKeyCase{"OneTabStopForThePair",
                     Kind::TwoState,
                     "IVMode",
                     1,
                     {{Qt::Key_Tab, "rdiHigh"},
                      {Qt::Key_Tab, "btnOK"},
                      {Qt::Key_Tab, "btnCancel"},
                      ShiftTab("btnOK"),
                      ShiftTab("rdiHigh"),
                      ShiftTab("btnCancel"),
                      {Qt::Key_Return}},
                     1,
                     false},
        ValueKeyCase{"EnterOnARadioButtonPressesNothing",
                     Kind::TwoState,
                     "IVMode",
                     0,
                     {{Qt::Key_Tab, "rdiLow"}, {Qt::Key_Return, "rdiLow"}, {Qt::Key_Escape}},
                     0,
                     false},
        ValueKeyCase{"ShiftTabToOKStoresTheValueUnchanged",
                     Kind::TwoState,
                     "IVMode",
                     0,
                     {ShiftTab("btnOK"), {Qt::Key_Return}},
                     0,
                     true},
        // Tab selects the edit's text, so typing replaces it.
        ValueKeyCase{"TabToTheEditTypeAndEnterAccepts",
                     Kind::Edit,
                     "Command",
                     0,
                     {{Qt::Key_Tab, "edtValue"},
                      {Qt::Key_1},
                      {Qt::Key_Period},
                      {Qt::Key_5},
                      {Qt::Key_Enter, nullptr, Qt::KeypadModifier}},
                     126,
                     true},
        ValueKeyCase{"EditTabOrder",
                     Kind::Edit,
                     "Command",
                     0,
                     {{Qt::Key_Tab, "edtValue"},
                      {Qt::Key_Tab, "btnOK"},
                      {Qt::Key_Tab, "btnCancel"},
                      ShiftTab("btnOK"),
                      ShiftTab("edtValue"),
                      ShiftTab("btnCancel"),
                      {Qt::Key_Space}},
                     0,
                     false},
        ValueKeyCase{"EnterInAReadOnlyEditDoesNothing",
                     Kind::Edit,
                     "HVF",
                     5,
                     {{Qt::Key_Tab, "edtValue"}, {Qt::Key_Return, "edtValue"}, {Qt::Key_Escape}},
                     5,
                     false},
        ValueKeyCase{"ReadOnlyTabPassesOverTheDisabledOK",
                     Kind::Edit,
                     "HVF",
                     5,
                     {ShiftTab("edtValue"), ShiftTab("btnCancel"), {Qt::Key_Return}},
                     5,
                     false},
        ValueKeyCase{"DownInTheListPicksTheNextEntryAndMovesToOK",
                     Kind::List,
                     "DM1Map",
                     3,
                     {{Qt::Key_Tab, "cmbValue"}, {Qt::Key_Down, "btnOK"}, {Qt::Key_Return}},
                     4,
                     true},
        ValueKeyCase{
            "UpInTheListPicksTheEntryBefore",
            Kind::List,
            "DM1Map",
            3,
            {ShiftTab("btnOK"), ShiftTab("cmbValue"), {Qt::Key_Up, "btnOK"}, {Qt::Key_Return}},
            2,
            true},
        ValueKeyCase{"EscapeAfterAPickStoresNothing",
                     Kind::List,
                     "DM1Map",
                     3,
                     {{Qt::Key_Tab, "cmbValue"}, {Qt::Key_Down, "btnOK"}, {Qt::Key_Escape}},
                     3,
                     false}),
    [](const auto& param) { return std::string(param.param.name); });

} // namespace
} // namespace nvtest
