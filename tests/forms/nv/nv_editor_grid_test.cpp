// The grid: values in engineering units with their units in either IV mode, labels
// for the two-state and enumeration parameters, and which double-clicks open a dialog.
#include "tests/forms/nv/nv_fixture.h"

namespace nvtest {
namespace {

class NvEditorGridTest : public NvFixture {};

TEST_F(NvEditorGridTest, ShowsEngineeringUnitsOfTheTablesIVMode) {
    struct Case {
        const char* name;
        int32_t raw;
        const char* voltage;
        const char* current;
    };
    const Case cases[] = {
        {"Command", 1000, "11.86 Vrms", "0.55 Irms"},
        {"PWMPlus", 60, "182 Vrms", "8.50 Irms"},
        {"PWMMinus", -50, "-152 Vrms", "-7.09 Irms"},
        {"CommOff", -100, "-8 degree", "-8 degree"},
        {"IrComp", 200, "4.85 Ohms", "4.85 Ohms"},
        {"ILmtPlus", 3, "100 %", "100 %"},
        {"Kip", 11, "79.356 V/A(Nom)", "79.356 V/A(Nom)"},
        {"PoleCount", 6, "12 Poles", "12 Poles"},
        {"CmdF0", 4, "777.1 Hz", "777.1 Hz"},
        {"CmdSrc", 1, "Command Variable", "Command Variable"},
        // A value without a label shows empty (this one has no unit either).
        {"AutoDis", 1, "", ""},
    };
    for (const int ivMode : {1, 0}) {
        SCOPED_TRACE(ivMode == 1 ? "voltage mode" : "current mode");
        RunEditor([&](TEditForm& editor) {
            editor.btnFromDrive->click();
            for (const Case& c : cases)
                SymTable.SetValue(c.name, c.raw);
            SymTable.SetValue("IVMode", ivMode);

            editor.RefreshGrid();

            EXPECT_EQ(editor.IVMode, ivMode);
            EXPECT_EQ(ValueCell(editor, "IVMode"), ivMode == 1 ? "Voltage" : "Current");
            for (const Case& c : cases)
                EXPECT_EQ(ValueCell(editor, c.name), ivMode == 1 ? c.voltage : c.current) << c.name;
        });
    }
}

TEST_F(NvEditorGridTest, RowsFollowTheTableOrderOfTheNVSet) {
    RunEditor([&](TEditForm& editor) {
        editor.btnFromDrive->click();
        const char* expected[] = {"AutoDis",  "CmdF0",     "CmdSrc",    "Command", "CommOff",
                                  "DirSrc",   "DM1Map",    "EncOut",    "FltDiag", "ILmtMinus",
                                  "ILmtPlus", "IrComp",    "IrCompSrc", "IVMode",  "Kip",
                                  "Model",    "PoleCount", "PWMMinus",  "PWMPlus", "PWMTimeOut"};
        ASSERT_EQ(editor.RowCount(), 21);
        for (int row = 1; row <= 20; ++row)
            EXPECT_EQ(editor.Cell(0, row), expected[row - 1]) << "row " << row;
    });
}

TEST_F(NvEditorGridTest, OnlyAFilledValueCellOpensADialog) {
    RunEditor([&](TEditForm& editor) {
        editor.btnFromDrive->click();
        // The name column opens nothing.
        DoubleClick(editor, RowOf(editor, "PWMPlus"), 0);
        EXPECT_EQ(editor.IsValueColumn, 0);

        fakes.files.QueueChoice(FilePath("loaded"));
        editor.btnSave->click();
        ASSERT_FALSE(editor.btnSave->isEnabled());

        // A cancelled dialog changes nothing but enables saving again.
        script.On(ValEditdlg, [] { ValEditdlg->btnCancel->click(); });
        DoubleClickValue(editor, "PWMPlus");
        EXPECT_EQ(editor.IsValueColumn, 1);
        EXPECT_EQ(editor.SelName, "PWMPlus");
        EXPECT_EQ(MainForm->DialogMode, 1);
        EXPECT_TRUE(editor.btnSave->isEnabled());
        EXPECT_FALSE(editor.Modified);

        editor.btnClean->click();
        EXPECT_EQ(editor.RowCount(), 21) << "Clear Form keeps the rows";
        DoubleClick(editor, 3, 1);
        EXPECT_FALSE(editor.btnSave->isEnabled()) << "an emptied cell opens nothing";
    });
    EXPECT_EQ(script.Runs(), 2);
}

} // namespace
} // namespace nvtest
