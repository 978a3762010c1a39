#include "zktools/forms/windows.h"

#include <QCoreApplication>

#include "zktools/forms/about_box.h"
#include "zktools/forms/edit_form.h"
#include "zktools/forms/main_form.h"
#include "zktools/forms/online_form.h"
#include "zktools/forms/val_bool_dlg.h"
#include "zktools/forms/val_cmb_dlg.h"
#include "zktools/forms/val_edit_dlg.h"
#include "zktools/guided/control_dlg.h"
#include "zktools/guided/motordata_dlg.h"
#include "zktools/guided/pwmi_dlg.h"
#include "zktools/guided/pwmv_dlg.h"
#include "zktools/guided/trouble.h"

TMainForm* MainForm = nullptr;
TValEditdlg* ValEditdlg = nullptr;
TValBooldlg* ValBooldlg = nullptr;
TValCmbdlg* ValCmbdlg = nullptr;
TEditForm* EditForm = nullptr;
TOnlineForm* OnlineForm = nullptr;
TTroubleshooting* Troubleshooting = nullptr;
TAbout* About = nullptr;
TMotordataDlg* MotordataDlg = nullptr;
TControlDlg* ControlDlg = nullptr;
TPWMVDlg* PWMVDlg = nullptr;
TPWMIDlg* PWMIDlg = nullptr;

namespace {

template <class Window> void Destroy(Window*& window) {
    delete window;
    window = nullptr;
}

} // namespace

void CreateWindows(const QStringList& arguments) {
    // The first window created is the application's main window.
    MainForm = new TMainForm(arguments, QCoreApplication::applicationDirPath());
    ValEditdlg = new TValEditdlg();
    ValBooldlg = new TValBooldlg();
    ValCmbdlg = new TValCmbdlg();
    EditForm = new TEditForm();
    OnlineForm = new TOnlineForm();
    Troubleshooting = new TTroubleshooting();
    About = new TAbout();
    MotordataDlg = new TMotordataDlg();
    ControlDlg = new TControlDlg();
    PWMVDlg = new TPWMVDlg();
    PWMIDlg = new TPWMIDlg();
    // The NV editor applies the pages' results when the wizard opens it.
    EditForm->WizardSources = {MotordataDlg, ControlDlg, PWMVDlg, PWMIDlg};
}

void DestroyWindows() {
    if (EditForm != nullptr)
        EditForm->WizardSources = {};
    Destroy(PWMIDlg);
    Destroy(PWMVDlg);
    Destroy(ControlDlg);
    Destroy(MotordataDlg);
    Destroy(About);
    Destroy(Troubleshooting);
    Destroy(OnlineForm);
    Destroy(EditForm);
    Destroy(ValCmbdlg);
    Destroy(ValBooldlg);
    Destroy(ValEditdlg);
    Destroy(MainForm);
}
