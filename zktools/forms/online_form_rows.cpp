// The on-line editor's rows: which parameter each shows, kept in the settings store between
// showings, the row choice and the value dialogs.
#include "zktools/forms/online_form.h"

#include "zktools/forms/connection_status.h"
#include "zktools/forms/main_form.h"
#include "zktools/forms/val_bool_dlg.h"
#include "zktools/forms/val_cmb_dlg.h"
#include "zktools/forms/val_edit_dlg.h"
#include "zktools/forms/windows.h"
#include "zktools/model/data_process.h"
#include "zktools/model/symbol_table.h"
#include "zktools/platform/platform.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStringList>
#include <QTableWidget>

using zk::platform::Platform;

namespace {

const QString kDelete = QStringLiteral("<Delete>");
// The combo's place beside row r: right of the two columns, 25 pixels a row.
constexpr int kComboLeft = 365;
constexpr int kRowPitch = 25;

QString RowValueName(int row) {
    return QStringLiteral("row%1").arg(row);
}

QString StatLabel(StatCode code) {
    const auto label = SymbolTable::GetLabel("Stat", code);
    return label ? QString::fromUtf8(label->data(), static_cast<qsizetype>(label->size()))
                 : QString();
}

} // namespace

void TOnlineForm::FormActivate() {
    ParamList = MainForm->FactoryMode ? SymTable.GetAllVars() : SymTable.GetUserVars();
    for (int row = 1; row <= RowCount; ++row) {
        ClearRow(row);
    }
    StringGrid1->setHorizontalHeaderLabels({QStringLiteral("Name"), QStringLiteral("Value")});

    QStringList names;
    for (const VarTable& record : ParamList) {
        names << QString::fromLatin1(record.Name);
    }
    {
        const QSignalBlocker quiet(cmbSelection);
        cmbSelection->clear();
        cmbSelection->addItems(names);
        cmbSelection->setEditText(kDelete);
    }
    cmbSelection->hide();

    LoadRows();

    AttachStatusThread(MainForm->StatusThread.get());
    // The NV editor resets and loads the table while this window is closed, so each showing
    // starts from a read of everything; the value column stays empty until then.
    if (MainForm->StatusThread) {
        FullReadRequest = MainForm->StatusThread->RequestFullRead();
    }
    MainForm->EnableStatusPolling();
    MainForm->ResumeStatusThread();
}

void TOnlineForm::FormDeactivate() {
    StoreRows();
    MainForm->DisableStatusPolling();
}

void TOnlineForm::LoadRows() {
    for (int row = 1; row <= RowCount; ++row) {
        // A value that is missing or cannot be read leaves its row empty; the rows after it
        // are still read, so that closing does not wipe them.
        const std::optional<QString> stored =
            Platform::Settings().ReadString(SettingsKey, RowValueName(row));
        if (!stored) {
            continue;
        }
        // Exactly as the table spells it: "ivmode" is no row of "IVMode".
        for (const VarTable& record : ParamList) {
            if (*stored == QLatin1String(record.Name)) {
                SetCell(0, row, *stored);
                break;
            }
        }
    }
}

void TOnlineForm::StoreRows() {
    for (int row = 1; row <= RowCount; ++row) {
        if (!Platform::Settings().WriteString(SettingsKey, RowValueName(row), Cell(0, row))) {
            return;
        }
    }
}

void TOnlineForm::SelectCell(int column, int row) {
    StringGrid1->setFocus();
    cmbSelection->hide();
    if (column == 0) {
        cmbSelection->move(StringGrid1->x() + kComboLeft, StringGrid1->y() + kRowPitch * row);
        IsValueColumn = 0;
    } else {
        IsValueColumn = 1;
    }
}

void TOnlineForm::StringGrid1DbleClick() {
    MainForm->DialogMode = 2;
    const int row = CurrentRow();
    SelName = row != 0 ? Cell(0, row).toStdString() : std::string();
    if (IsValueColumn == 1) {
        if (SelName.empty()) {
            return;
        }
        if (!SymTable.Exists(SelName)) {
            Platform::Messages().ShowMessage(QStringLiteral("Invalid Name"));
            return;
        }
        switch (SymTable.GetType(SelName)) {
        case 0:
            ValBooldlg->ShowModal();
            break;
        case 1:
            ValCmbdlg->ShowModal();
            break;
        default:
            ValEditdlg->ShowModal();
            break;
        }
        return;
    }
    cmbSelection->show();
    cmbSelection->raise();
    cmbSelection->setFocus();
    const QSignalBlocker quiet(cmbSelection);
    // "<Delete>" is no entry: none is current, so Down takes the first parameter.
    cmbSelection->setCurrentIndex(-1);
    cmbSelection->setEditText(kDelete);
    // Selected, so that typing replaces it.
    cmbSelection->lineEdit()->selectAll();
}

void TOnlineForm::cmbSelectionKeyPress(char key) {
    if (key == '\r') {
        cmbSelectionChange();
    }
}

void TOnlineForm::cmbSelectionChange() {
    const int row = CurrentRow();
    const QString text = cmbSelection->currentText();
    if (text == kDelete) {
        if (row != 0) {
            ClearRow(row);
        }
        HideSelection();
        return;
    }
    const std::string name = text.toStdString();
    if (!SymTable.Exists(name) || !(MainForm->FactoryMode || SymTable.IsUserVisible(name))) {
        return; // typing goes on until the text spells a parameter
    }
    int32_t value = 0;
    int32_t status = 0;
    const StatCode code = DataProcess::ReadVarFromDrive(name, value, status);
    if (code != LinkOk) {
        Platform::Messages().ShowMessage(StatLabel(code));
        return;
    }
    if (row != 0) {
        const std::string spelled = SymTable.GetName(name);
        SetCell(0, row, QString::fromStdString(spelled));
        // Shown only, not stored: the next refresh shows the table's value with its unit.
        QString shown = ValueText(spelled, value);
        if (SymTable.GetType(spelled) >= 2) {
            shown += UnitText(spelled);
        }
        SetCell(1, row, shown);
    }
    HideSelection();
}

void TOnlineForm::HideSelection() {
    const bool hadFocus = cmbSelection->hasFocus() || cmbSelection->lineEdit()->hasFocus();
    cmbSelection->hide();
    if (hadFocus) {
        StringGrid1->setFocus();
    }
}
