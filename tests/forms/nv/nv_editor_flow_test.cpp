// The everyday round: load the set from the drive, change one parameter of each kind
// through its dialog, write the set into NV memory, clear, load it back from NV, save
// it to a file, clear, open the file; in normal and in factory mode.
#include "tests/forms/nv/nv_fixture.h"

#include <QComboBox>
#include <QFileInfo>
#include <QRadioButton>

namespace nvtest {
namespace {

QStringList Shown(const TEditForm& editor) {
    QStringList cells;
    for (int row = 1; row < editor.RowCount(); ++row)
        cells << editor.Cell(0, row) + " | " + editor.Cell(1, row);
    return cells;
}

class NvEditorFlowTest : public NvFixture, public ::testing::WithParamInterface<bool> {};

TEST_P(NvEditorFlowTest, ChangesSurviveNVMemoryAndTheParameterFile) {
    const bool factory = GetParam();
    SetFactoryMode(factory);
    const int parameters = factory ? 21 : 20;

    RunEditor([&](TEditForm& editor) {
        editor.btnFromDrive->click();
        ASSERT_EQ(editor.RowCount(), parameters + 1) << "the heading row and one per parameter";
        EXPECT_EQ(editor.StringGrid1->rowCount(), parameters);
        EXPECT_EQ(editor.lblSource->text(), "NV Parameters From Drive");
        EXPECT_EQ(RowOf(editor, "IdCmd") != 0, factory);
        EXPECT_TRUE(editor.btnToNV->isEnabled());
        EXPECT_FALSE(editor.Modified);

        // The factory drive is in current mode.
        script.On(ValEditdlg, [] {
            ValEditdlg->edtValue->setText("5");
            ValEditdlg->btnOK->click();
        });
        DoubleClickValue(editor, "PWMPlus");
        EXPECT_EQ(Value("PWMPlus"), 35);
        EXPECT_EQ(ValueCell(editor, "PWMPlus"), "4.96 Irms");

        script.On(ValBooldlg, [] {
            ValBooldlg->rdiHigh->click();
            ValBooldlg->btnOK->click();
        });
        DoubleClickValue(editor, "FltDiag");
        EXPECT_EQ(Value("FltDiag"), 1);
        EXPECT_EQ(ValueCell(editor, "FltDiag"), "Diagnostic blink code");

        script.On(ValCmbdlg, [] {
            QComboBox& combo = *ValCmbdlg->cmbValue;
            const int pick = combo.findText("105.808");
            ASSERT_GE(pick, 0);
            combo.setCurrentIndex(pick);
            emit combo.activated(pick);
            ValCmbdlg->btnOK->click();
        });
        DoubleClickValue(editor, "Kip");
        EXPECT_EQ(Value("Kip"), 4);
        EXPECT_EQ(ValueCell(editor, "Kip"), "105.808 V/A(Nom)");
        EXPECT_TRUE(editor.Modified);

        editor.btnToNV->click();
        EXPECT_EQ(editor.btnToNV->text(), "Done");
        const QStringList edited = Shown(editor);

        fakes.messages.QueueAnswers({Answer::No});
        editor.btnClean->click();
        EXPECT_EQ(Value("Kip"), 11) << "cleared back to the defaults";
        EXPECT_EQ(editor.Cell(0, 1), "");

        editor.btnFromNV->click();
        EXPECT_EQ(editor.lblSource->text(), "NV Parameters From NV Memory");
        EXPECT_EQ(Shown(editor), edited);
        EXPECT_EQ(Value("PWMPlus"), 35);

        fakes.files.QueueChoice(FilePath("changed"));
        editor.btnSave->click();
        EXPECT_FALSE(editor.btnSave->isEnabled());
        EXPECT_TRUE(QFileInfo::exists(FilePath("changed.ZKC")));

        editor.btnClean->click();
        EXPECT_EQ(Value("PWMPlus"), 0);

        fakes.files.QueueChoice(FilePath("changed.ZKC"));
        editor.btnOpen->click();
        EXPECT_EQ(editor.lblSource->text(), "NV Parameter From File:");
        EXPECT_TRUE(editor.lblFilename->isVisibleTo(&editor));
        EXPECT_EQ(editor.lblFilename->text(), FilePath("changed.ZKC"));
        EXPECT_EQ(editor.RowCount(), parameters + 1);
        EXPECT_EQ(Shown(editor), edited);
        EXPECT_TRUE(editor.btnToDrive->isEnabled());
        EXPECT_TRUE(editor.btnSave->isEnabled());
    });
    EXPECT_EQ(Told(), QStringList());
    EXPECT_EQ(Asked(), QStringList{"Do you want to save the changes?"});
    EXPECT_EQ(script.Runs(), 4);
}

INSTANTIATE_TEST_SUITE_P(Modes, NvEditorFlowTest, ::testing::Bool(),
                         [](const auto& mode) { return mode.param ? "Factory" : "Normal"; });

} // namespace
} // namespace nvtest
