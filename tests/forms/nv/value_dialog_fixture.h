// Opening a value dialog as either editor does: the main window's DialogMode and the
// opener's SelName and IVMode set, then the dialog shown modally with an action in it.
#ifndef TESTS_FORMS_NV_VALUE_DIALOG_FIXTURE_H
#define TESTS_FORMS_NV_VALUE_DIALOG_FIXTURE_H

#include "tests/forms/nv/nv_fixture.h"

#include <QComboBox>
#include <QRadioButton>

#include <functional>

namespace nvtest {

inline constexpr int32_t kFromNVEditor = TValueDialog::kFromNVEditor;
inline constexpr int32_t kFromOnline = TValueDialog::kFromOnlineEditor;
inline constexpr int32_t kVoltage = 1;
inline constexpr int32_t kCurrent = 0;

class ValueDialogFixture : public NvFixture {
protected:
    // Runs action inside the dialog's run; the action must end the run.
    void Open(TValueDialog* dialog, int32_t opener, const char* name, int32_t ivMode,
              const std::function<void()>& action) {
        MainForm->DialogMode = opener;
        if (opener == kFromNVEditor) {
            EditForm->SelName = name;
            EditForm->IVMode = ivMode;
        } else if (opener == kFromOnline) {
            onlineSelName = name;
            onlineIVMode = ivMode;
        }
        script.On(dialog, action);
        dialog->ShowModal();
    }

    // Types text into the edit dialog and presses OK; true when the dialog closed.
    static bool TypeAndAccept(const QString& text) {
        ValEditdlg->edtValue->setText(text);
        ValEditdlg->btnOK->click();
        // Inside the run a close shows as a modal result already set.
        const bool closed = ValEditdlg->ModalResult() != zk::platform::kModalNone;
        if (!closed)
            ValEditdlg->btnCancel->click();
        return closed;
    }
};

} // namespace nvtest

#endif
