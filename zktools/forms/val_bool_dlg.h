// "Variable Change" for a two-state parameter: two radio buttons captioned with the
// labels of keys 1 (upper) and 0 (lower).
#ifndef ZKTOOLS_FORMS_VAL_BOOL_DLG_H
#define ZKTOOLS_FORMS_VAL_BOOL_DLG_H

#include "zktools/forms/val_dlg_base.h"

class QRadioButton;

class TValBooldlg : public TValueDialog {
    Q_OBJECT
public:
    TValBooldlg();

    QRadioButton* rdiHigh;
    QRadioButton* rdiLow;

protected:
    void FormActivate() override;
    void btnOKClick() override;

private:
    // Checking either button takes the focus to OK.
    void rdiHighClick();
    void rdiLowClick();
};

#endif
