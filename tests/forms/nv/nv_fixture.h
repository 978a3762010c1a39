// The program's windows over the simulated drive, with every platform seam recorded:
// a fresh drive, table and window set per test, and the helpers a test uses to work
// the NV editor as a user would.
#ifndef TESTS_FORMS_NV_NV_FIXTURE_H
#define TESTS_FORMS_NV_NV_FIXTURE_H

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <ostream>
#include <string>

#include "tests/forms/nv/modal_script.h"
#include "tests/platform/platform_fakes.h"
#include "zkcomm/sim/simulated_drive.h"
#include "zkcomm/testing.h"
#include "zktools/forms/edit_form.h"
#include "zktools/forms/main_form.h"
#include "zktools/forms/val_bool_dlg.h"
#include "zktools/forms/val_cmb_dlg.h"
#include "zktools/forms/val_edit_dlg.h"
#include "zktools/forms/windows.h"
#include "zktools/model/file_process.h"
#include "zktools/model/symbol_table.h"

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace nvtest {

using zk::platform::Answer;
using zk::platform::MessageKind;

class NvFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(sim.Selected());
        ASSERT_TRUE(folder.isValid());
        SymTable.ResetToDefaults();
        CreateWindows();
        // The on-line editor's hand-over, played by the test.
        previousOnline_ = TValueDialog::RegisterOpener(TValueDialog::kFromOnlineEditor,
                                                       {&onlineSelName, &onlineIVMode});
        SetFactoryMode(false);
    }

    void TearDown() override {
        TValueDialog::RegisterOpener(TValueDialog::kFromOnlineEditor, previousOnline_);
        DestroyWindows();
        SymTable.ResetToDefaults();
        FileProc.SetFactoryMode(false);
    }

    static void SetFactoryMode(bool on) {
        MainForm->FactoryMode = on;
        FileProc.SetFactoryMode(on);
    }

    // Opens the editor as the main window does (EditMode 0 unless given), runs body in
    // its run, then presses Close, answering No when it asks to save.
    void RunEditor(const std::function<void(TEditForm&)>& body, int32_t editMode = 0) {
        script.On(EditForm, [&] {
            body(*EditForm);
            if (EditForm->Modified)
                fakes.messages.QueueAnswers({Answer::No});
            EditForm->btnClose->click();
        });
        MainForm->EditMode = editMode;
        EditForm->ShowModal();
    }

    // Row of the parameter in the grid, 0 when it has none.
    static int RowOf(const TEditForm& editor, const QString& name) {
        for (int row = 1; row < editor.RowCount(); ++row) {
            if (editor.Cell(0, row) == name)
                return row;
        }
        return 0;
    }
    static QString ValueCell(const TEditForm& editor, const QString& name) {
        const int row = RowOf(editor, name);
        EXPECT_NE(row, 0) << name.toStdString() << " is not in the grid";
        return row != 0 ? editor.Cell(1, row) : QString();
    }

    // A double-click with the mouse on a grid cell (row 1 is the first parameter).
    static void DoubleClick(TEditForm& editor, int row, int col) {
        QTableWidget& grid = *editor.StringGrid1;
        QTableWidgetItem* item = grid.item(row - 1, col);
        if (item == nullptr) {
            grid.setItem(row - 1, col, new QTableWidgetItem);
            item = grid.item(row - 1, col);
        }
        grid.scrollToItem(item);
        const QPoint at = grid.visualItemRect(item).center();
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, at);
    }
    static void DoubleClickValue(TEditForm& editor, const QString& name) {
        const int row = RowOf(editor, name);
        ASSERT_NE(row, 0) << name.toStdString() << " is not in the grid";
        DoubleClick(editor, row, 1);
    }

    static int32_t Value(const char* name) {
        int32_t value = 0;
        EXPECT_TRUE(SymTable.GetValue(name, value)) << name;
        return value;
    }

    // Texts the user had to acknowledge (plain boxes and shown exceptions), in order.
    QStringList Told() const { return TextsOf(false); }
    // The Yes/No questions asked, in order.
    QStringList Asked() const { return TextsOf(true); }

    QString FilePath(const QString& name) const { return folder.filePath(name); }

    QStringList TextsOf(bool questions) const {
        QStringList texts;
        for (const auto& message : fakes.messages.Messages()) {
            if ((message.kind == MessageKind::WarningYesNo) == questions)
                texts << message.text;
        }
        return texts;
    }

    // What the on-line editor hands to a value dialog it opens.
    std::string onlineSelName;
    int32_t onlineIVMode = 0;

    zk::platform::testing::PlatformFakes fakes;
    zkcomm::testing::ScopedSimulator sim;
    ModalScript script;
    QTemporaryDir folder;

private:
    ValueDialogOpener previousOnline_;
};

} // namespace nvtest

#endif
