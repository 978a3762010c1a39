// The two-state and the enumeration dialogs: their captions and preselection from the
// parameter's labels, the read-only rules, and what OK stores.
#include "tests/forms/nv/value_dialog_fixture.h"

#include <string>

namespace nvtest {
namespace {

class ValueChoiceDialogTest : public ValueDialogFixture {};

TEST_F(ValueChoiceDialogTest, TwoStateButtonsCarryTheLabelsAndTheCurrentValue) {
    struct Case {
        const char* name;
        int32_t raw;
        const char* high;
        const char* low;
    };
    const Case cases[] = {
        {"IVMode", 1, "Voltage", "Current"},
        {"IVMode", 0, "Voltage", "Current"},
        {"CmdSrc", 1, "Command Variable", "PWM CMD"},
        {"FltDiag", 0, "Diagnostic blink code", "Off"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " = " + std::to_string(c.raw));
        SymTable.SetValue(c.name, c.raw);
        Open(ValBooldlg, kFromNVEditor, c.name, kVoltage, [&] {
            TValBooldlg& dialog = *ValBooldlg;
            EXPECT_EQ(dialog.lblName->text(), c.name);
            EXPECT_EQ(dialog.rdiHigh->text(), c.high);
            EXPECT_EQ(dialog.rdiLow->text(), c.low);
            EXPECT_EQ(dialog.rdiHigh->isChecked(), c.raw == 1);
            EXPECT_EQ(dialog.rdiLow->isChecked(), c.raw != 1);
            EXPECT_TRUE(dialog.rdiHigh->isEnabled() && dialog.rdiLow->isEnabled());
            EXPECT_TRUE(dialog.btnOK->isEnabled());
            EXPECT_FALSE(dialog.lblReadOnly->isVisible());
            EXPECT_EQ(dialog.focusWidget(), dialog.btnCancel);

            // The other state, as the user checks it.
            QRadioButton* other = c.raw == 1 ? dialog.rdiLow : dialog.rdiHigh;
            QTest::mouseClick(other, Qt::LeftButton, {}, QPoint(6, other->height() / 2));
            EXPECT_TRUE(other->isChecked());
            EXPECT_EQ(dialog.focusWidget(), dialog.btnOK) << "checking moves on to OK";
            QTest::keyClick(dialog.btnOK, Qt::Key_Return);
        });
        EXPECT_EQ(Value(c.name), c.raw == 1 ? 0 : 1);
    }
    EXPECT_TRUE(EditForm->Modified);
    EXPECT_EQ(Told(), QStringList());
}

TEST_F(ValueChoiceDialogTest, EnumerationPreselectsTheEntryOfTheCurrentKey) {
    struct Case {
        const char* name;
        int32_t raw;
        int index; // -1: nothing selected
        const char* unit;
        int32_t storedByOK;
    };
    const Case cases[] = {
        // The Kip list is ordered by gain, so key 11 is the eighth entry.
        {"Kip", 11, 7, " V/A(Nom)", 11},
        {"PoleCount", 6, 6, " Poles", 6},
        {"ILmtPlus", 2, 2, " %", 2},
        // Key 1 has no label: nothing selected, and OK stores "Off".
        {"AutoDis", 1, -1, "", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SymTable.SetValue(c.name, c.raw);
        Open(ValCmbdlg, kFromNVEditor, c.name, kVoltage, [&] {
            TValCmbdlg& dialog = *ValCmbdlg;
            EXPECT_FALSE(dialog.cmbValue->isEditable());
            EXPECT_EQ(dialog.cmbValue->currentIndex(), c.index);
            if (c.index == 7) {
                EXPECT_EQ(dialog.cmbValue->currentText(), "79.356");
            }
            EXPECT_EQ(dialog.lblUnit->text(), c.unit);
            EXPECT_EQ(dialog.focusWidget(), dialog.btnCancel);
            dialog.btnOK->click();
        });
        EXPECT_EQ(Value(c.name), c.storedByOK);
    }
}

TEST_F(ValueChoiceDialogTest, PickingAnEntryMovesOnToOK) {
    SymTable.SetValue("DM1Map", 3);
    Open(ValCmbdlg, kFromNVEditor, "DM1Map", kVoltage, [] {
        TValCmbdlg& dialog = *ValCmbdlg;
        ASSERT_EQ(dialog.cmbValue->count(), 8);
        EXPECT_EQ(dialog.cmbValue->itemText(1), "HVF 1144 RPM/V");
        dialog.cmbValue->setFocus();
        // A pick from the keyboard, as from the drop-down list.
        QTest::keyClick(dialog.cmbValue, Qt::Key_Down);
        EXPECT_EQ(dialog.cmbValue->currentIndex(), 4);
        EXPECT_EQ(dialog.focusWidget(), dialog.btnOK);
        dialog.btnOK->click();
    });
    EXPECT_EQ(Value("DM1Map"), 4);
}

TEST_F(ValueChoiceDialogTest, ModelChangesOnlyInTheFactorysNVEditor) {
    struct Case {
        const char* label;
        bool factory;
        int32_t opener;
        bool editable;
    };
    const Case cases[] = {
        {"NV editor", false, kFromNVEditor, false},
        {"factory NV editor", true, kFromNVEditor, true},
        {"on-line editor", false, kFromOnline, false},
        {"factory on-line editor", true, kFromOnline, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        SetFactoryMode(c.factory);
        Open(ValCmbdlg, c.opener, "Model", kVoltage, [&] {
            TValCmbdlg& dialog = *ValCmbdlg;
            EXPECT_EQ(dialog.btnOK->isEnabled(), c.editable);
            EXPECT_EQ(dialog.lblReadOnly->isVisible(), !c.editable);
            EXPECT_EQ(dialog.lblReadOnly->text(), "Readonly Parameter");
            EXPECT_TRUE(dialog.cmbValue->isEnabled()) << "the list stays open to look at";
            EXPECT_EQ(dialog.lblUnit->text(), "");
            dialog.btnCancel->click();
        });
    }
}

} // namespace
} // namespace nvtest
