// "Variable Change" for a numeric parameter: the value in engineering units, typed
// with "." as the decimal separator, checked against the range of the opener's mode.
#ifndef ZKTOOLS_FORMS_VAL_EDIT_DLG_H
#define ZKTOOLS_FORMS_VAL_EDIT_DLG_H

#include "zktools/forms/val_dlg_base.h"

class QLineEdit;

class TValEditdlg : public TValueDialog {
    Q_OBJECT
public:
    TValEditdlg();

    QLineEdit* edtValue;
    QLabel* lblUnit;
    QLabel* lblRange;

protected:
    void FormActivate() override;
    void btnOKClick() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Enter in the edit: OK when OK may be pressed, else nothing.
    void edtValueKeyPress();
};

#endif
