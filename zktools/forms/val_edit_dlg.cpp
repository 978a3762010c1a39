#include "zktools/forms/val_edit_dlg.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "zktools/forms/stat_label.h"
#include "zktools/model/data_process.h"
#include "zktools/model/symbol_table.h"
#include "zktools/platform/exception_guard.h"

using nvforms::Say;

namespace {
QString Text(const std::string& text) {
    return QString::fromStdString(text);
}
} // namespace

TValEditdlg::TValEditdlg() : TValueDialog(330, 180, QStringLiteral("Readonly Parameter")) {
    setObjectName(QStringLiteral("ValEditdlg"));

    edtValue = new QLineEdit(this);
    edtValue->setObjectName(QStringLiteral("edtValue"));
    edtValue->setGeometry(56, 52, 150, 21);
    edtValue->installEventFilter(this);

    lblUnit = new QLabel(this);
    lblUnit->setObjectName(QStringLiteral("lblUnit"));
    lblUnit->setGeometry(210, 55, 100, 16);

    lblRange = new QLabel(QStringLiteral("Range:"), this);
    lblRange->setObjectName(QStringLiteral("lblRange"));
    lblRange->setGeometry(56, 84, 260, 16);

    lblReadOnly->setVisible(false);

    setTabOrder(edtValue, btnOK);
    setTabOrder(btnOK, btnCancel);
}

void TValEditdlg::FormActivate() {
    if (!TakeHandOver()) {
        edtValue->clear();
        btnCancel->setFocus();
        return;
    }
    edtValue->clear();

    const bool voltage = IVMode == 1;
    const std::optional<DataProcess::Limits> limits = DataProcess::LimitsOf(ParamName, IVMode);
    if (!limits) {
        Say(QStringLiteral("Invalid Name"));
        btnCancel->setFocus();
        return;
    }

    const std::string unit = voltage ? SymTable.GetVUnit(ParamName) : SymTable.GetIUnit(ParamName);
    edtValue->setText(Text(DataProcess::FormatValue(limits->Type, IVMode, limits->Value)));
    lblUnit->setText(Text(unit));
    lblRange->setText(QStringLiteral("Range: ") +
                      Text(DataProcess::RangeText(*limits, IVMode, unit)));

    const bool readOnly = SymTable.IsReadOnly(ParamName);
    ShowReadOnly(readOnly);
    edtValue->setReadOnly(readOnly);
    btnCancel->setFocus();
}

void TValEditdlg::btnOKClick() {
    if (Opener() == 0)
        return;
    // Throws the conversion error for a text that is not a number; the dialog stays open.
    const double number = DataProcess::ParseNumber(edtValue->text().toStdString());
    int32_t raw = 0;
    switch (DataProcess::ParseAndCheck(ParamName, IVMode, DataProcess::ToSingle(number), raw)) {
    case 1:
        StoreValue(raw);
        return;
    case 2:
        Say(QStringLiteral("Invalid Name"));
        break;
    default:
        Say(QStringLiteral("The value is out of range!"));
        break;
    }
    CloseUnchanged();
}

void TValEditdlg::edtValueKeyPress() {
    if (!btnOK->isEnabled())
        return;
    btnOK->setFocus();
    btnOKClick();
}

bool TValEditdlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edtValue && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            // Taken here, so that no button answers the Enter as well.
            zk::platform::Guard([this] { edtValueKeyPress(); });
            return true;
        }
    }
    return TValueDialog::eventFilter(watched, event);
}
