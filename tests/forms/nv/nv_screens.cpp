// Pictures of the NV editor with a set loaded from the simulated drive and of each
// value dialog, for people to look at: nv_screens <folder>. Run under a real display
// (xvfb-run with QT_QPA_PLATFORM=xcb) to see the fonts a user gets.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

#include <cstdio>

#include "zkcomm/testing.h"
#include "zkcomm/zkcomm.h"
#include "zktools/forms/edit_form.h"
#include "zktools/forms/main_form.h"
#include "zktools/forms/val_bool_dlg.h"
#include "zktools/forms/val_cmb_dlg.h"
#include "zktools/forms/val_edit_dlg.h"
#include "zktools/forms/windows.h"
#include "zktools/model/symbol_table.h"
#include "zktools/platform/file_dialog_script.h"
#include "zktools/platform/modal_hooks.h"
#include "zktools/platform/modal_result.h"
#include "zktools/platform/platform.h"

namespace {

QString folder;
bool failed = false;

void Save(QWidget& window, const char* name) {
    for (int i = 0; i < 10; ++i)
        QApplication::processEvents();
    const QString path = QDir(folder).filePath(QString::fromLatin1(name));
    if (!window.grab().save(path)) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
        failed = true;
    }
}

void OpenValue(TEditForm& editor, const QString& name) {
    for (int row = 0; row < editor.StringGrid1->rowCount(); ++row) {
        const QTableWidgetItem* item = editor.StringGrid1->item(row, 0);
        if (item != nullptr && item->text() == name) {
            editor.StringGrid1->setCurrentCell(row, 1);
            emit editor.StringGrid1->cellDoubleClicked(row, 1);
            return;
        }
    }
}

void Act(zk::platform::ModalForm& form) {
    if (&form == EditForm) {
        EditForm->btnFromDrive->click();
        EditForm->StringGrid1->setCurrentCell(3, 1);
        Save(*EditForm, "nv_editor.png");
        OpenValue(*EditForm, "Command");
        OpenValue(*EditForm, "IVMode");
        OpenValue(*EditForm, "Kip");
        OpenValue(*EditForm, "Model");
        // The same set through a parameter file, with its name shown.
        const QString file = QDir(folder).filePath("shot.ZKC");
        zk::platform::FileDialogScript files;
        zk::platform::ScopedService<zk::platform::FileDialogScript> useFiles(files);
        files.QueueChoice(file);
        EditForm->Modified = false;
        EditForm->btnSave->click();
        files.QueueChoice(file);
        EditForm->btnOpen->click();
        EditForm->StringGrid1->scrollToBottom();
        Save(*EditForm, "nv_editor_file.png");
        QFile::remove(file);
        EditForm->btnClose->click();
    } else if (&form == ValEditdlg) {
        Save(form, ValEditdlg->btnOK->isEnabled() ? "value_edit.png" : "value_edit_readonly.png");
        ValEditdlg->btnCancel->click();
    } else if (&form == ValBooldlg) {
        Save(form, "value_bool.png");
        ValBooldlg->btnCancel->click();
    } else if (&form == ValCmbdlg) {
        static int shown = 0;
        Save(form, ++shown == 1 ? "value_cmb.png" : "value_cmb_readonly.png");
        ValCmbdlg->btnCancel->click();
    } else {
        form.SetModalResult(zk::platform::kModalCancel);
    }
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: nv_screens <folder>\n");
        return 2;
    }
    folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);

    zkcomm::testing::UseSimulatedPlatform();
    UseParallelPort(1);
    CreateWindows();
    zk::platform::SetModalStartHook(Act);
    MainForm->EditMode = 0;
    EditForm->ShowModal();
    // A read-only one.
    MainForm->DialogMode = 1;
    EditForm->SelName = "HVF";
    ValEditdlg->ShowModal();
    zk::platform::SetModalStartHook({});
    DestroyWindows();
    zkcomm::testing::RestoreDefaults();
    return failed ? 1 : 0;
}
