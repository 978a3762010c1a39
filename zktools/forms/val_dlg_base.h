// What the three "Variable Change" dialogs share: the hand-over from the editor that
// opened them, the name label, the read-only label, OK and Cancel, and the storing of
// an accepted raw value (on line also into the drive, and read back from it).
#ifndef ZKTOOLS_FORMS_VAL_DLG_BASE_H
#define ZKTOOLS_FORMS_VAL_DLG_BASE_H

#include <cstdint>
#include <string>

#include "zktools/platform/modal_form.h"

class QLabel;
class QPushButton;

// What an editor hands to a value dialog before it opens one: the parameter it
// recorded (its SelName) and the IV mode of its grid. Each editor registers the two
// fields once, under its DialogMode; the dialogs read them at every activation.
struct ValueDialogOpener {
    const std::string* SelName = nullptr;
    const int32_t* IVMode = nullptr;
};

class TValueDialog : public zk::platform::ModalForm {
    Q_OBJECT
public:
    // Which editor opened the dialog (the main window's DialogMode).
    static constexpr int32_t kFromNVEditor = 1;
    static constexpr int32_t kFromOnlineEditor = 2;

    // Copies of the opener's SelName and IVMode, taken at each activation.
    std::string ParamName;
    int32_t IVMode = 0;

    QLabel* lblName;
    QLabel* lblReadOnly;
    QPushButton* btnOK;
    QPushButton* btnCancel;

    // The opener as taken at the last activation; 0 when there was none.
    int32_t Opener() const { return opener_; }

    // Registers (or, with an empty opener, removes) the hand-over of the editor that
    // opens the dialogs with this DialogMode; returns the one it replaces.
    static ValueDialogOpener RegisterOpener(int32_t dialogMode, ValueDialogOpener opener);

protected:
    TValueDialog(int clientWidth, int clientHeight, const QString& readOnlyText);

    // Activation steps every dialog starts with. False after "System Error!": the
    // dialog then has no parameter, and OK is disabled.
    bool TakeHandOver();
    // Shows or hides the read-only state of OK and the label.
    void ShowReadOnly(bool readOnly);

    // The accept action of the dialog; runs from OK (inside the exception guard).
    virtual void btnOKClick() = 0;
    // Stores an accepted raw value, on line sends it and reads it back, in the NV
    // editor redraws its grid and marks it modified; then closes the dialog.
    void StoreValue(int32_t raw);
    // Closes the dialog after a refused value: nothing stored, nothing sent.
    void CloseUnchanged();

private:
    void btnCancelClick();

    int32_t opener_ = 0;
};

#endif
