// What the status thread hands to the on-line editor: the drive's status and fresh values.
#include "zktools/forms/online_form.h"

#include "zktools/model/data_process.h"
#include "zktools/model/symbol_table.h"
#include "zktools/platform/platform.h"

#include <QLabel>
#include <QTableWidget>

#include <optional>
#include <string_view>

namespace {

QString Text(std::optional<std::string_view> text) {
    return text ? QString::fromUtf8(text->data(), static_cast<qsizetype>(text->size())) : QString();
}

} // namespace

QString TOnlineForm::ValueText(const std::string& name, int32_t raw) const {
    const int32_t type = SymTable.GetType(name);
    if (type >= 2) {
        return QString::fromStdString(DataProcess::FormatValue(type, IVMode, raw));
    }
    return Text(SymbolTable::GetLabel(name, raw));
}

QString TOnlineForm::UnitText(const std::string& name) const {
    return QString::fromStdString(IVMode == 1 ? SymTable.GetVUnit(name) : SymTable.GetIUnit(name));
}

void TOnlineForm::RefreshValues() {
    int32_t mode = 0;
    if (SymTable.GetValue("IVMode", mode)) {
        IVMode = mode;
    } else {
        zk::platform::Platform::Messages().ShowMessage(QStringLiteral("System Error"));
    }
    for (int row = 1; row <= RowCount; ++row) {
        const std::string name = Cell(0, row).toStdString();
        int32_t value = 0;
        if (name.empty() || !SymTable.GetValue(name, value)) {
            continue;
        }
        SetCell(1, row, ValueText(name, value) + UnitText(name));
    }
}

void TOnlineForm::ShowDriveStatus(DriveStatusSnapshot snapshot) {
    if (snapshot.CommStatus == LinkOk) {
        Panel1->hide();
        StatusPanels[0]->setText(Text(SymbolTable::GetLabel("Model", snapshot.Model)));
        StatusPanels[1]->setText(snapshot.DriveEnabled ? QStringLiteral("Enabled")
                                                       : QStringLiteral("Disabled"));
        StatusPanels[2]->setText(Text(SymbolTable::GetLabel("FaultCode", snapshot.FaultCode)));
        return;
    }
    Panel1->show();
    StatusPanels[0]->setText(Text(SymbolTable::GetLabel("Stat", snapshot.CommStatus)));
    StatusPanels[1]->clear();
    StatusPanels[2]->clear();
}
