// Not a test: opens the on-line editor over the simulated drive as the program does and
// saves pictures of it polling, with the row choice open, with a value dialog above it, and
// with the cable pulled, for people to look at.
//   online_shots <folder>
// Run it under a real display (xvfb-run, QT_QPA_PLATFORM=xcb) with ZKCOMM_SIMULATOR=1 and
// a scratch ZKTOOLS_SETTINGS_FILE.
#include "zktools/forms/main_form.h"
#include "zktools/forms/online_form.h"
#include "zktools/forms/val_edit_dlg.h"
#include "zktools/forms/windows.h"
#include "zktools/platform/application_title.h"
#include "zktools/platform/exception_guard.h"
#include "zktools/platform/gui_application.h"
#include "zktools/platform/modal_hooks.h"
#include "zktools/platform/platform.h"

#include "zkcomm/sim/shared_drive.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTest>

#include <cstdio>

namespace {

void WaitExposed(QWidget& widget) {
    if (!QTest::qWaitForWindowExposed(&widget)) {
        std::printf("\"%s\" was not exposed\n", qPrintable(widget.windowTitle()));
    }
}

void Save(QWidget& widget, const QString& path) {
    QTest::qWait(200);
    const bool saved = widget.grab().save(path);
    std::printf("%s \"%s\" %dx%d -> %s\n", saved ? "saved" : "FAILED",
                qPrintable(widget.windowTitle()), widget.width(), widget.height(),
                qPrintable(path));
}

// The whole screen, so that a dialog shows above the editor.
void SaveScreen(QWidget& widget, const QString& path) {
    QTest::qWait(200);
    const bool saved = widget.screen()->grabWindow(0).save(path);
    std::printf("%s screen -> %s\n", saved ? "saved" : "FAILED", qPrintable(path));
}

} // namespace

int main(int argc, char** argv) {
    zk::platform::GuiApplication application(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    zk::platform::SetApplicationTitle(QStringLiteral("VantorTools"));
    int result = 1;
    zk::platform::Guard([&] {
        const char* rows[TOnlineForm::RowCount] = {"HVF",      "Command", "PWMPlus", "PWMMinus",
                                                   "ILmtPlus", "IVMode",  "Kip",     "PoleCount",
                                                   "CmdF0",    "",        "Model",   "LogicVer"};
        for (int row = 1; row <= TOnlineForm::RowCount; ++row) {
            zk::platform::Platform::Settings().WriteString(TOnlineForm::SettingsKey,
                                                           QStringLiteral("row%1").arg(row),
                                                           QString::fromLatin1(rows[row - 1]));
        }
        CreateWindows();
        MainForm->show();
        WaitExposed(*MainForm);

        zk::platform::SetModalStartHook([&](zk::platform::ModalForm& form) {
            if (&form == ValEditdlg) {
                SaveScreen(form, folder + "/online-value-dialog.png");
                form.SetModalResult(zk::platform::kModalCancel);
                return;
            }
            if (&form != OnlineForm) {
                return;
            }
            WaitExposed(form);
            // Enabled only now: the main window warns about an enabled drive when it starts.
            zkcomm::sim::SharedDrive().SetEnabled(true);
            zkcomm::sim::SharedDrive().SetFaultCode(3);
            QTest::qWait(3500); // a few polls
            Save(form, folder + "/online-editor.png");

            // The row choice on the empty row 10.
            QTableWidget* grid = OnlineForm->StringGrid1;
            const QRect cell = grid->visualRect(grid->model()->index(9, 0));
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
            QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
            // Typed where the keys arrive: the combo, which has the focus.
            QTest::keyClicks(QApplication::focusWidget(), "PW");
            Save(form, folder + "/online-row-choice.png");
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);

            // A value dialog above the editor, for "Command".
            const QRect value = grid->visualRect(grid->model()->index(1, 1));
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, value.center());
            QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, value.center());

            zkcomm::sim::SharedDrive().DisconnectDrive(zkcomm::sim::DataInLevel::High);
            QTest::qWait(2500);
            Save(form, folder + "/online-no-communication.png");
            zkcomm::sim::SharedDrive().ReconnectDrive();
            form.SetModalResult(zk::platform::kModalOk);
        });
        MainForm->btnOnline->click();
        zk::platform::SetModalStartHook({});
        MainForm->mnuExit->trigger();
        result = 0;
    });
    zk::platform::Guard([] { DestroyWindows(); });
    return result;
}
