// The configuration wizard's voltage PWM page, "PWM CMD Scaling Voltage/Velocity":
// the output voltages at the PWM command's two extreme duty cycles, each typed as a
// voltage or as the motor speed it gives with Ke, kept in step one second after
// typing begins, and the two current limits capped by the motor's peak current.
// Next converts the voltages to raw values and runs the NV editor.
#ifndef ZKTOOLS_GUIDED_PWMV_DLG_H
#define ZKTOOLS_GUIDED_PWMV_DLG_H

#include <cstdint>

#include "zktools/forms/wizard_settings.h"
#include "zktools/platform/modal_form.h"
#include "zktools/platform/one_shot_timer.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace wizard {
class EditKeys;
}

// The results (PWMPlus, PWMMinus, ILmtPlus, ILmtMinus) are the PwmResults part.
class TPWMVDlg : public zk::platform::ModalForm, public PwmResults {
    Q_OBJECT
public:
    TPWMVDlg();

    // Logic high, 100 % duty cycle.
    QLineEdit* edtV1;
    QLabel* lblRange1V;
    QLineEdit* edtPWMMinus;
    QLabel* lblRange1;
    // Logic low, 0 % duty cycle.
    QLineEdit* edtV2;
    QLabel* lblRange2V;
    QLineEdit* edtPWMPlus;
    QLabel* lblRange2;
    QComboBox* cmbILmtPlus;
    QComboBox* cmbILmtMinus;
    QPushButton* btnBack;
    QPushButton* btnNext;
    QPushButton* btnHelp;
    // The partner edit's recalculation, one second after the first key since the last one.
    zk::platform::OneShotTimer Timer1;

    // Which edit saw the last key: 1 edtV1, 2 edtPWMMinus, 3 edtV2, 4 edtPWMPlus.
    int32_t EditedField = 0;
    // Until the first activation has set both limits to their maximum.
    bool FirstActivation = true;

protected:
    void FormActivate() override;

private:
    void FormCreate();
    void KeyPressed(int32_t field);
    void Timer1Timer();
    void cmbILmtPlusChange();
    void cmbILmtMinusChange();
    void btnNextClick();
    void btnHelpClick();
    // False (with the reason shown) when the voltage in `edit` does not make a raw value.
    bool ConvertLevel(const char* name, QLineEdit* edit, int32_t& raw);

    wizard::EditKeys* keys_;
};

#endif
