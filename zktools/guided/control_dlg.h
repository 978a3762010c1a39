// The configuration wizard's second page, "Control Mode and Command Source": the
// control mode, the command source, the position output resolution and the PWM
// command frequency, turned into the IV mode, the command source, and the keys of
// the command filter and of the encoder output. Next runs the NV editor directly
// (command variable) or the PWM scaling page of the chosen mode.
#ifndef ZKTOOLS_GUIDED_CONTROL_DLG_H
#define ZKTOOLS_GUIDED_CONTROL_DLG_H

#include "zktools/forms/wizard_settings.h"
#include "zktools/platform/modal_form.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TRadioGroup;

namespace wizard {
class EditKeys;
}

// The results (IVMode, CmdSrc, CmdF0Key, EncOutKey) are the ControlResults part.
class TControlDlg : public zk::platform::ModalForm, public ControlResults {
    Q_OBJECT
public:
    TControlDlg();

    TRadioGroup* rdigMode;   // "Voltage/Velocity", "Current/Torque"
    TRadioGroup* rdigSource; // "PWM CMD", "Command Variable"
    QComboBox* cmbEncOut;
    QLabel* lblCmdF0;
    QLineEdit* edtCmdF0;
    QPushButton* btnBack;
    QPushButton* btnNext;
    QPushButton* btnHelp;

protected:
    void FormActivate() override;

private:
    void FormCreate();
    void rdigSourceClick();
    void rdigModeClick();
    void btnNextClick();
    void btnHelpClick();
    bool PwmCommand() const;

    wizard::EditKeys* keys_;
};

#endif
