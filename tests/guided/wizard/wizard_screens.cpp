// Pictures of the four wizard pages with sample entries, for people to look at:
// wizard_screens <folder>. Run under a real display (xvfb-run with
// QT_QPA_PLATFORM=xcb) to see the fonts a user gets.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <cstdio>

#include "zkcomm/testing.h"
#include "zkcomm/zkcomm.h"
#include "zktools/forms/edit_form.h"
#include "zktools/forms/main_form.h"
#include "zktools/forms/windows.h"
#include "zktools/guided/control_dlg.h"
#include "zktools/guided/motordata_dlg.h"
#include "zktools/guided/pwmi_dlg.h"
#include "zktools/guided/pwmv_dlg.h"
#include "zktools/guided/wizard_radio_group.h"
#include "zktools/platform/message_recorder.h"
#include "zktools/platform/modal_hooks.h"
#include "zktools/platform/modal_result.h"
#include "zktools/platform/platform.h"

namespace {

QString folder;
bool failed = false;
int stage = 0;

void Save(QWidget& window, const char* name) {
    for (int i = 0; i < 10; ++i)
        QApplication::processEvents();
    const QString path = QDir(folder).filePath(QString::fromLatin1(name));
    if (!window.grab().save(path)) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
        failed = true;
    }
}

void Act(zk::platform::ModalForm& form) {
    if (&form == MotordataDlg) {
        MotordataDlg->edtKe->setText("30");
        MotordataDlg->edtL->setText("10");
        MotordataDlg->edtIcs->setText("2");
        MotordataDlg->edtR->setText("1.5");
        Save(*MotordataDlg, "motordata.png");
        MotordataDlg->btnNext->click();
    } else if (&form == ControlDlg) {
        ++stage;
        if (stage == 1) {
            ControlDlg->edtCmdF0->setText("15540");
            Save(*ControlDlg, "control.png");
            ControlDlg->btnNext->click(); // the voltage page, which goes Back
            ControlDlg->rdigSource->Item(1)->click();
            Save(*ControlDlg, "control_command_variable.png");
            ControlDlg->rdigSource->Item(0)->click();
            ControlDlg->rdigMode->Item(1)->click();
            ControlDlg->btnNext->click(); // the current page, which closes the wizard
        }
    } else if (&form == PWMVDlg) {
        PWMVDlg->edtPWMPlus->setText("290");
        PWMVDlg->edtV2->setText("9666.666");
        PWMVDlg->edtPWMMinus->setText("-145");
        PWMVDlg->edtV1->setText("-4833.333");
        Save(*PWMVDlg, "pwmv.png");
        PWMVDlg->btnBack->click();
    } else if (&form == PWMIDlg) {
        PWMIDlg->edtPWMPlus->setText("10.6");
        PWMIDlg->edtT2->setText("46.569");
        PWMIDlg->cmbUnit1->setCurrentIndex(1);
        PWMIDlg->edtPWMMinus->setText("-5");
        PWMIDlg->edtT1->setText("-2.48");
        Save(*PWMIDlg, "pwmi.png");
        PWMIDlg->close();
    } else {
        form.SetModalResult(zk::platform::kModalCancel);
    }
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: wizard_screens <folder>\n");
        return 2;
    }
    folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    zkcomm::testing::ScopedSimulator sim;
    zk::platform::MessageRecorder messages;
    zk::platform::ScopedService<zk::platform::MessageRecorder> useMessages(messages);
    CreateWindows();
    zk::platform::SetModalStartHook(Act);
    MainForm->btnConfigurationWizards->click();
    zk::platform::SetModalStartHook({});
    DestroyWindows();
    for (const QString& text : messages.Texts())
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    return failed ? 1 : 0;
}
