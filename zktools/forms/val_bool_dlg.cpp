#include "zktools/forms/val_bool_dlg.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "zktools/forms/stat_label.h"
#include "zktools/model/symbol_table.h"
#include "zktools/platform/exception_guard.h"

using nvforms::Say;

namespace {
QString LabelOf(const std::string& list, int32_t key) {
    const auto label = SymbolTable::GetLabel(list, key);
    return label ? QString::fromUtf8(label->data(), static_cast<qsizetype>(label->size()))
                 : QString();
}
} // namespace

TValBooldlg::TValBooldlg() : TValueDialog(300, 170, QStringLiteral("ReadOnly Parameter")) {
    setObjectName(QStringLiteral("ValBooldlg"));

    rdiHigh = new QRadioButton(QStringLiteral("High"), this);
    rdiHigh->setObjectName(QStringLiteral("rdiHigh"));
    rdiHigh->setGeometry(90, 48, 180, 20);

    rdiLow = new QRadioButton(QStringLiteral("Low"), this);
    rdiLow->setObjectName(QStringLiteral("rdiLow"));
    rdiLow->setGeometry(90, 74, 180, 20);

    lblReadOnly->setVisible(false);

    connect(rdiHigh, &QRadioButton::clicked, this,
            zk::platform::Guarded([this] { rdiHighClick(); }));
    connect(rdiLow, &QRadioButton::clicked, this, zk::platform::Guarded([this] { rdiLowClick(); }));

    setTabOrder(rdiHigh, rdiLow);
    setTabOrder(rdiLow, btnOK);
    setTabOrder(btnOK, btnCancel);
}

void TValBooldlg::FormActivate() {
    if (!TakeHandOver()) {
        btnCancel->setFocus();
        return;
    }
    rdiHigh->setText(LabelOf(ParamName, 1));
    rdiLow->setText(LabelOf(ParamName, 0));

    int32_t min = 0;
    int32_t max = 0;
    int32_t value = 0;
    int32_t type = 0;
    if (!SymTable.GetVRange(ParamName, min, max, value, type)) {
        Say(QStringLiteral("Invalid Name"));
        btnCancel->setFocus();
        return;
    }
    // Enabled first: a disabled radio button cannot take the check.
    rdiHigh->setEnabled(true);
    rdiLow->setEnabled(true);
    (value == 1 ? rdiHigh : rdiLow)->setChecked(true);

    const bool readOnly = SymTable.IsReadOnly(ParamName);
    ShowReadOnly(readOnly);
    if (readOnly)
        (rdiHigh->isChecked() ? rdiLow : rdiHigh)->setEnabled(false);
    btnCancel->setFocus();
}

void TValBooldlg::btnOKClick() {
    if (Opener() == 0)
        return;
    StoreValue(rdiHigh->isChecked() ? 1 : 0);
}

void TValBooldlg::rdiHighClick() {
    btnOK->setFocus();
}

void TValBooldlg::rdiLowClick() {
    btnOK->setFocus();
}
