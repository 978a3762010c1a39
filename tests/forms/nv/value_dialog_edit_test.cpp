// The numeric value dialog: what it shows for a parameter in either IV mode, which
// typed texts it takes, refuses or does not read, and its keys.
#include "tests/forms/nv/value_dialog_fixture.h"
#include "tests/platform/key_presses.h"

#include <QLocale>

#include <clocale>
#include <string>

namespace nvtest {
namespace {

class ValueEditDialogTest : public ValueDialogFixture {};

TEST_F(ValueEditDialogTest, ShowsValueUnitAndRangeInTheOpenersMode) {
    struct Case {
        const char* name;
        int32_t opener;
        int32_t ivMode;
        int32_t raw;
        const char* value;
        const char* unit;
        const char* range;
        bool readOnly;
    };
    const Case cases[] = {
        {"Command", kFromOnline, kCurrent, 0, "0.00", " Irms", "Range: -10.60 to 10.60 Irms",
         false},
        {"Command", kFromNVEditor, kVoltage, 1000, "11.86", " Vrms",
         "Range: -290.00 to 290.00 Vrms", false},
        {"PWMPlus", kFromNVEditor, kVoltage, 60, "182", " Vrms", "Range: -291 to 291 Vrms", false},
        {"PWMPlus", kFromOnline, kCurrent, 60, "8.50", " Irms", "Range: -10.63 to 10.63 Irms",
         false},
        {"HVF", kFromOnline, kVoltage, 100, "447", " RPM", "Range: -36614 to 36614 RPM", true},
        {"LogicVer", kFromNVEditor, kCurrent, 3, "3", " Version", "Range: 0 to 15 Version", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + (c.ivMode == kVoltage ? " voltage" : " current"));
        SymTable.SetValue(c.name, c.raw);
        Open(ValEditdlg, c.opener, c.name, c.ivMode, [&] {
            TValEditdlg& dialog = *ValEditdlg;
            EXPECT_EQ(dialog.windowTitle(), "Variable Change");
            EXPECT_EQ(dialog.lblName->text(), c.name);
            EXPECT_EQ(dialog.ParamName, c.name);
            EXPECT_EQ(dialog.IVMode, c.ivMode);
            EXPECT_EQ(dialog.edtValue->text(), c.value);
            EXPECT_EQ(dialog.lblUnit->text(), c.unit);
            EXPECT_EQ(dialog.lblRange->text(), c.range);
            EXPECT_EQ(dialog.btnOK->isEnabled(), !c.readOnly);
            EXPECT_EQ(dialog.lblReadOnly->isVisible(), c.readOnly);
            EXPECT_EQ(dialog.edtValue->isReadOnly(), c.readOnly);
            EXPECT_EQ(dialog.focusWidget(), dialog.btnCancel);
            dialog.btnCancel->click();
        });
        EXPECT_EQ(Value(c.name), c.raw) << "Cancel stores nothing";
    }
    EXPECT_EQ(Told(), QStringList());
}

TEST_F(ValueEditDialogTest, TakesOnlyANumberInsideTheModesRange) {
    struct Case {
        const char* typed;
        const char* name;
        int32_t ivMode;
        bool closes;
        int32_t raw; // stored; the old value 7 when nothing was
        const char* message;
    };
    const Case cases[] = {
        {"12", "PWMPlus", kCurrent, true, 7, "The value is out of range!"},
        {"12", "PWMPlus", kVoltage, true, 4, nullptr},
        {"-291", "PWMPlus", kVoltage, true, -96, nullptr},
        {" 2.5 ", "Command", kVoltage, true, 211, nullptr},
        {"1e9", "Command", kVoltage, true, 7, "The value is out of range!"},
        {"-1e39", "Command", kVoltage, true, 7, "The value is out of range!"},
        {"", "Command", kVoltage, false, 7, "'' is not a valid floating point value"},
        {"abc", "Command", kVoltage, false, 7, "'abc' is not a valid floating point value"},
        {"1,5", "Command", kVoltage, false, 7, "'1,5' is not a valid floating point value"},
        {"inf", "Command", kVoltage, false, 7, "'inf' is not a valid floating point value"},
        {"nan", "Command", kVoltage, false, 7, "'nan' is not a valid floating point value"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("typed '") + c.typed + "' for " + c.name);
        fakes.messages.Clear();
        SymTable.SetValue(c.name, 7);
        bool closed = false;
        Open(ValEditdlg, kFromNVEditor, c.name, c.ivMode,
             [&] { closed = TypeAndAccept(QString::fromUtf8(c.typed)); });
        EXPECT_EQ(closed, c.closes);
        EXPECT_EQ(Value(c.name), c.raw);
        EXPECT_EQ(Told(), c.message ? QStringList{c.message} : QStringList());
        EXPECT_EQ(EditForm->Modified, c.message == nullptr);
        EditForm->Modified = false;
    }
}

TEST_F(ValueEditDialogTest, ReadsAPointWhateverTheLocale) {
    const std::string previousC = std::setlocale(LC_ALL, nullptr);
    const QLocale previousQt;
    const bool haveCLocale = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

    SymTable.SetValue("Command", 1000);
    Open(ValEditdlg, kFromNVEditor, "Command", kVoltage, [&] {
        EXPECT_EQ(ValEditdlg->edtValue->text(), "11.86") << "shown with a point";
        EXPECT_TRUE(TypeAndAccept("2.5"));
    });
    const int32_t stored = Value("Command");
    bool commaClosed = true;
    Open(ValEditdlg, kFromNVEditor, "Command", kVoltage,
         [&] { commaClosed = TypeAndAccept("2,5"); });

    std::setlocale(LC_ALL, previousC.c_str());
    QLocale::setDefault(previousQt);
    EXPECT_EQ(stored, 211);
    EXPECT_FALSE(commaClosed) << "a comma is no decimal separator here";
    if (!haveCLocale)
        GTEST_SKIP() << "de_DE.UTF-8 is not installed; only Qt's locale was changed";
}

TEST_F(ValueEditDialogTest, EnterAcceptsOnlyWhileOKMayBePressed) {
    SymTable.SetValue("Command", 0);
    Open(ValEditdlg, kFromNVEditor, "Command", kVoltage, [] {
        ASSERT_TRUE(zk::platform::testing::Activate(*ValEditdlg));
        ValEditdlg->edtValue->setFocus();
        ValEditdlg->edtValue->setText("1.50");
        zk::platform::testing::Press(Qt::Key_Return);
        EXPECT_NE(ValEditdlg->ModalResult(), zk::platform::kModalNone);
    });
    EXPECT_EQ(Value("Command"), 126);

    SymTable.SetValue("HVF", 5);
    Open(ValEditdlg, kFromOnline, "HVF", kVoltage, [] {
        ASSERT_TRUE(zk::platform::testing::Activate(*ValEditdlg));
        ValEditdlg->edtValue->setFocus();
        zk::platform::testing::Press(Qt::Key_Return);
        zk::platform::testing::Press(Qt::Key_Enter, Qt::KeypadModifier);
        EXPECT_EQ(ValEditdlg->ModalResult(), zk::platform::kModalNone) << "Enter does nothing";
        EXPECT_EQ(zk::platform::testing::FocusName(), "edtValue");
        zk::platform::testing::Press(Qt::Key_Escape);
    });
    EXPECT_EQ(Value("HVF"), 5);
    EXPECT_EQ(Told(), QStringList());
}

TEST_F(ValueEditDialogTest, WithoutAnOpenerItSaysSoAndLooksNothingUp) {
    for (TValueDialog* dialog :
         {static_cast<TValueDialog*>(ValEditdlg), static_cast<TValueDialog*>(ValBooldlg),
          static_cast<TValueDialog*>(ValCmbdlg)}) {
        SCOPED_TRACE(dialog->objectName().toStdString());
        fakes.messages.Clear();
        EditForm->SelName = "PWMPlus";
        Open(dialog, 0, "PWMPlus", kVoltage, [&] {
            EXPECT_EQ(Told(), QStringList{"System Error!"});
            EXPECT_EQ(dialog->ParamName, "");
            EXPECT_EQ(dialog->lblName->text(), "");
            EXPECT_FALSE(dialog->btnOK->isEnabled());
            dialog->btnOK->click();
            dialog->btnCancel->click();
        });
        EXPECT_EQ(Told(), QStringList{"System Error!"});
        EXPECT_FALSE(EditForm->Modified);
    }
}

} // namespace
} // namespace nvtest
