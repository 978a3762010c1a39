// The configuration wizard's first page, "Motor Data": the motor's back-EMF
// constant, continuous current, inductance, resistance and pole counts, turned into
// the current-loop gain key, the pole-count key, the peak-current percentage and
// the mark that Ke changed. Next runs the control page; the page sends nothing to
// the drive. Its entries and results live as long as the program.
#ifndef ZKTOOLS_GUIDED_MOTORDATA_DLG_H
#define ZKTOOLS_GUIDED_MOTORDATA_DLG_H

#include <cstdint>

#include "zktools/forms/wizard_settings.h"
#include "zktools/platform/modal_form.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace wizard {
class EditKeys;
}

// The results (KipKey, PoleCountKey, Ke, PeakCurrentPct, KeChanged) are the
// MotorDataResults part; the PWM pages clear KeChanged.
class TMotordataDlg : public zk::platform::ModalForm, public MotorDataResults {
    Q_OBJECT
public:
    TMotordataDlg();

    QLineEdit* edtKe;
    QLineEdit* edtIcs;
    QLineEdit* edtL;
    QLineEdit* edtR;
    QComboBox* cmbPoles;
    QComboBox* cmbFBPoles;
    QPushButton* btnCancel;
    QPushButton* btnNext;
    QPushButton* btnHelp;

    // Written only by an accepted Next (the conversions store as they go).
    float Ics = 0.0f;    // A rms
    float L = 0.0f;      // mH line to line
    float R = 0.0f;      // ohms line to line; must be positive, enters no formula
    int32_t Poles = 0;   // motor pole count
    int32_t FBPoles = 0; // feedback pole count, 2 or 4
    float PrevKe = 0.0f; // Ke of the previous accepted Next

private:
    void FormCreate();
    void btnNextClick();
    void cmbFBPolesChange();
    void btnHelpClick();
    // Fills the pole list for the feedback pole count and selects "12".
    void FillPoles(bool twoFeedbackPoles);

    wizard::EditKeys* keys_;
};

#endif
