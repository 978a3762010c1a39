// The configuration wizard's current PWM page, "PWM CMD Scaling Current/Torque": the
// current commands at the PWM command's two extreme duty cycles, each typed as a
// current or as the motor torque it gives through the torque constant from Ke (in
// lb-in or N.m), kept in step one second after typing begins. Both current limits
// follow the motor's peak current. Next converts the currents to raw values and
// runs the NV editor.
#ifndef ZKTOOLS_GUIDED_PWMI_DLG_H
#define ZKTOOLS_GUIDED_PWMI_DLG_H

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
class TPWMIDlg : public zk::platform::ModalForm, public PwmResults {
    Q_OBJECT
public:
    TPWMIDlg();

    // Logic high, 100 % duty cycle.
    QLineEdit* edtT1;
    QComboBox* cmbUnit1; // "lb-in", "nt-m"
    QLabel* lblRange1T;
    QLineEdit* edtPWMMinus;
    QLabel* lblRange1;
    // Logic low, 0 % duty cycle.
    QLineEdit* edtT2;
    QComboBox* cmbUnit2;
    QLabel* lblRange2T;
    QLineEdit* edtPWMPlus;
    QLabel* lblRange2;
    QPushButton* btnBack;
    QPushButton* btnNext;
    QPushButton* btnHelp;
    // The partner edit's recalculation, one second after the first key since the last one.
    zk::platform::OneShotTimer Timer1;

    // Which edit saw the last key: 1 edtT1, 2 edtPWMMinus, 3 edtT2, 4 edtPWMPlus.
    int32_t EditedField = 0;
    // Torque constant, N.m per A rms, taken from Ke at every activation.
    double Kt = 0.0;

protected:
    void FormActivate() override;

private:
    void FormCreate();
    void KeyPressed(int32_t field);
    void Timer1Timer();
    void cmbUnit1Change();
    void cmbUnit2Change();
    void UpdateRanges();
    void btnNextClick();
    void btnHelpClick();
    // Torque in the unit chosen in `unit` for `amps`, and the way back.
    double Torque(const QComboBox* unit, double amps) const;
    double Amps(const QComboBox* unit, double torque) const;
    // Converts the torque in `edit` into the unit now chosen in `unit`.
    void ConvertTorque(QLineEdit* edit, const QComboBox* unit);
    bool ConvertLevel(const char* name, QLineEdit* edit, int32_t& raw);

    wizard::EditKeys* keys_;
};

#endif
