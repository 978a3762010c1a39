// "Variable Change" for an enumeration: a drop-down list of the parameter's labels
// (the user picks one and cannot type).
#ifndef ZKTOOLS_FORMS_VAL_CMB_DLG_H
#define ZKTOOLS_FORMS_VAL_CMB_DLG_H

#include "zktools/forms/val_dlg_base.h"

class QComboBox;

class TValCmbdlg : public TValueDialog {
    Q_OBJECT
public:
    TValCmbdlg();

    QComboBox* cmbValue;
    QLabel* lblUnit;

protected:
    void FormActivate() override;
    void btnOKClick() override;

private:
    // The user picked an entry: focus to OK when it may be pressed.
    void cmbValueChange();
};

#endif
