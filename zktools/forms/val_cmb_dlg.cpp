#include "zktools/forms/val_cmb_dlg.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include <vector>

#include "zktools/forms/main_form.h"
#include "zktools/forms/stat_label.h"
#include "zktools/forms/windows.h"
#include "zktools/model/symbol_table.h"
#include "zktools/platform/exception_guard.h"

using nvforms::Say;

namespace {
// Position of the entry with that key in the parameter's list, or -1.
int IndexOfKey(const std::string& list, int32_t key) {
    const ValueLabelList* labels = SymbolTable::FindLabelList(list);
    if (labels == nullptr)
        return -1;
    int index = 0;
    for (const ValueLabel* entry = labels->Labels; entry->Label != nullptr; ++entry, ++index) {
        if (entry->Key == key)
            return index;
    }
    return -1;
}
} // namespace

TValCmbdlg::TValCmbdlg() : TValueDialog(330, 170, QStringLiteral("Readonly Parameter")) {
    setObjectName(QStringLiteral("ValCmbdlg"));

    cmbValue = new QComboBox(this);
    cmbValue->setObjectName(QStringLiteral("cmbValue"));
    cmbValue->setEditable(false);
    cmbValue->setGeometry(56, 52, 170, 22);

    lblUnit = new QLabel(this);
    lblUnit->setObjectName(QStringLiteral("lblUnit"));
    lblUnit->setGeometry(232, 55, 90, 16);

    // Only a pick by the user counts, not the filling or the preselection.
    connect(cmbValue, &QComboBox::activated, this,
            zk::platform::Guarded([this] { cmbValueChange(); }));

    setTabOrder(cmbValue, btnOK);
    setTabOrder(btnOK, btnCancel);
}

void TValCmbdlg::FormActivate() {
    if (!TakeHandOver()) {
        cmbValue->clear();
        btnCancel->setFocus();
        return;
    }
    cmbValue->clear();

    int32_t min = 0;
    int32_t max = 0;
    int32_t value = 0;
    int32_t type = 0;
    if (!SymTable.GetVRange(ParamName, min, max, value, type)) {
        Say(QStringLiteral("Invalid Name"));
        btnCancel->setFocus();
        return;
    }

    std::vector<std::string> labels;
    SymbolTable::FillLabels(ParamName, labels);
    for (const std::string& label : labels)
        cmbValue->addItem(QString::fromStdString(label));
    cmbValue->setCurrentIndex(IndexOfKey(ParamName, value));

    // Only the factory's NV editor may change what is read-only for users ("Model").
    const bool factoryNV =
        Opener() == kFromNVEditor && MainForm != nullptr && MainForm->FactoryMode;
    ShowReadOnly(factoryNV ? SymTable.IsReadOnlyFactory(ParamName)
                           : SymTable.IsReadOnly(ParamName));

    const std::string unit = SymTable.GetVUnit(ParamName);
    lblUnit->setText(QString::fromStdString(unit));
    btnCancel->setFocus();
}

void TValCmbdlg::btnOKClick() {
    if (Opener() == 0)
        return;
    // With nothing selected the text is empty, which gives key 0.
    StoreValue(SymbolTable::GetKeyByLabel(ParamName, cmbValue->currentText().toStdString()));
}

void TValCmbdlg::cmbValueChange() {
    if (btnOK->isEnabled())
        btnOK->setFocus();
}
