// The main window's handlers that open the other windows, the status thread it
// owns, and the end of the program.
#include "zktools/forms/main_form.h"

#include <QCloseEvent>

#include "zktools/forms/about_box.h"
#include "zktools/forms/connection_status.h"
#include "zktools/forms/edit_form.h"
#include "zktools/forms/online_form.h"
#include "zktools/forms/windows.h"
#include "zktools/guided/motordata_dlg.h"
#include "zktools/guided/trouble.h"
#include "zktools/platform/exception_guard.h"

void TMainForm::btnEditClick() {
    EditMode = 0;
    if (EditForm != nullptr)
        EditForm->ShowModal();
}

void TMainForm::btnOnlineClick() {
    if (OnlineForm != nullptr)
        OnlineForm->ShowModal();
}

void TMainForm::btnConfigurationWizardsClick() {
    // The pages tell by the NV editor's result whether it ran in this wizard.
    if (EditForm != nullptr)
        EditForm->SetModalResult(zk::platform::kModalNone);
    if (MotordataDlg != nullptr)
        MotordataDlg->ShowModal();
}

void TMainForm::btnDiagnosticsClick() {
    if (Troubleshooting != nullptr)
        Troubleshooting->ShowModal();
}

void TMainForm::mnuAboutClick() {
    if (About != nullptr)
        About->ShowModal();
}

void TMainForm::EnableStatusPolling() {
    if (StatusThread)
        StatusThread->EnablePolling();
}

void TMainForm::DisableStatusPolling() {
    if (StatusThread)
        StatusThread->DisablePolling();
}

void TMainForm::ResumeStatusThread() {
    if (StatusThread)
        StatusThread->Resume();
}

void TMainForm::StopStatusThread() {
    if (!StatusThread)
        return;
    // Starts a thread that never ran, so that its body sees the stop and returns.
    StatusThread->StopAndWait();
    StatusThread.reset();
}

void TMainForm::mnuExitClick() {
    StopStatusThread();
    close();
}

void TMainForm::closeEvent(QCloseEvent* event) {
    // The close box and the system menu end the program as Exit does: a thread
    // still running when its object goes would abort the process.
    zk::platform::Guard([this] { StopStatusThread(); });
    event->accept();
}
