#include "zktools/forms/val_dlg_base.h"

#include <QLabel>
#include <QPushButton>

#include <utility>

#include "zktools/forms/edit_form.h"
#include "zktools/forms/main_form.h"
#include "zktools/forms/nv_window_style.h"
#include "zktools/forms/stat_label.h"
#include "zktools/forms/windows.h"
#include "zktools/model/data_process.h"
#include "zktools/model/symbol_table.h"
#include "zktools/platform/exception_guard.h"
#include "zktools/platform/modal_result.h"

using nvforms::Say;
using nvforms::StatLabel;

namespace {
ValueDialogOpener& OpenerSlot(int32_t dialogMode) {
    static ValueDialogOpener openers[2];
    return openers[dialogMode == TValueDialog::kFromNVEditor ? 0 : 1];
}
} // namespace

ValueDialogOpener TValueDialog::RegisterOpener(int32_t dialogMode, ValueDialogOpener opener) {
    if (dialogMode != kFromNVEditor && dialogMode != kFromOnlineEditor)
        return {};
    return std::exchange(OpenerSlot(dialogMode), opener);
}

TValueDialog::TValueDialog(int clientWidth, int clientHeight, const QString& readOnlyText) {
    nvforms::FixedDialogFrame(*this, clientWidth, clientHeight);
    setWindowTitle(QStringLiteral("Variable Change"));

    lblName = new QLabel(QStringLiteral("Parameter Name"), this);
    lblName->setObjectName(QStringLiteral("lblName"));
    lblName->setFont(nvforms::BoldVerdana(16));
    lblName->setAlignment(Qt::AlignCenter);
    lblName->setGeometry(8, 12, clientWidth - 16, 24);

    lblReadOnly = new QLabel(readOnlyText, this);
    lblReadOnly->setObjectName(QStringLiteral("lblReadOnly"));
    lblReadOnly->setAlignment(Qt::AlignCenter);
    lblReadOnly->setGeometry(8, clientHeight - 64, clientWidth - 16, 16);

    const int buttonTop = clientHeight - 40;
    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setFont(nvforms::BoldVerdana(13));
    btnOK->setGeometry(clientWidth / 2 - 100, buttonTop, 90, 25);

    btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setFont(nvforms::BoldVerdana(13));
    btnCancel->setGeometry(clientWidth / 2 + 10, buttonTop, 90, 25);

    connect(btnOK, &QPushButton::clicked, this, zk::platform::Guarded([this] { btnOKClick(); }));
    connect(btnCancel, &QPushButton::clicked, this,
            zk::platform::Guarded([this] { btnCancelClick(); }));
    SetCancelButton(btnCancel);
    nvforms::CenterOnScreen(*this);
}

bool TValueDialog::TakeHandOver() {
    const int32_t mode = MainForm != nullptr ? MainForm->DialogMode : 0;
    opener_ = 0;
    if (mode == kFromNVEditor || mode == kFromOnlineEditor) {
        const ValueDialogOpener& opener = OpenerSlot(mode);
        if (opener.SelName != nullptr && opener.IVMode != nullptr) {
            ParamName = *opener.SelName;
            IVMode = *opener.IVMode;
            opener_ = mode;
        }
    }
    if (opener_ == 0) {
        // No editor handed a parameter over: nothing may be looked up or stored.
        ParamName.clear();
        lblName->setText(QString());
        btnOK->setEnabled(false);
        lblReadOnly->setVisible(false);
        Say(QStringLiteral("System Error!"));
        return false;
    }
    lblName->setText(QString::fromStdString(ParamName));
    return true;
}

void TValueDialog::ShowReadOnly(bool readOnly) {
    btnOK->setEnabled(!readOnly);
    lblReadOnly->setVisible(readOnly);
}

void TValueDialog::StoreValue(int32_t raw) {
    if (!SymTable.SetValue(ParamName, raw)) {
        Say(QStringLiteral("Invalid Name"));
        CloseUnchanged();
        return;
    }
    if (opener_ == kFromOnlineEditor) {
        int32_t status = 0;
        const StatCode written = DataProcess::WriteVarToDrive(ParamName, raw, status);
        if (written != LinkOk)
            Say(StatLabel(written));
        // The table ends up holding what the drive holds, whatever the write did.
        int32_t value = 0;
        const StatCode read = DataProcess::ReadVarFromDrive(ParamName, value, status);
        if (read == LinkOk)
            SymTable.SetValue(ParamName, value);
        else
            Say(StatLabel(read));
    } else if (opener_ == kFromNVEditor && EditForm != nullptr) {
        EditForm->RefreshGrid();
        EditForm->Modified = true;
    }
    SetModalResult(zk::platform::kModalOk);
}

void TValueDialog::CloseUnchanged() {
    SetModalResult(zk::platform::kModalCancel);
}

void TValueDialog::btnCancelClick() {
    SetModalResult(zk::platform::kModalCancel);
}
