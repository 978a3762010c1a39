// The main window's port handling: the start-up probe, the remembered port, the
// port menu, the one-time drive check and the write-back at the end.
#include "zktools/forms/main_form.h"

#include <QAction>

#include <mutex>

#include "zkcomm/zkcomm.h"
#include "zktools/forms/connection_status.h"
#include "zktools/model/data_process.h"
#include "zktools/model/link_lock.h"
#include "zktools/platform/platform.h"

using zk::platform::Platform;

namespace {

const QString kCommKey = QStringLiteral("SOFTWARE\\Qorvel\\Tamberlyne\\Comm");
const QString kPortValue = QStringLiteral("PLTPort");

QString NotAvailable(int32_t port) {
    return QStringLiteral("PLT") + QString::number(port) + QStringLiteral(" is not available");
}

} // namespace

int32_t TMainForm::SelectPort(int32_t port) {
    std::lock_guard<std::mutex> lock(LinkLock());
    return UseParallelPort(port);
}

QAction* TMainForm::PortItem(int32_t port) const {
    switch (port) {
    case 1:
        return mnuPLT1;
    case 2:
        return mnuPLT2;
    case 3:
        return mnuPLT3;
    default:
        return mnuOffline;
    }
}

void TMainForm::CheckPortItem(int32_t port) {
    QAction* marked = PortItem(port);
    for (QAction* item : {mnuPLT1, mnuPLT2, mnuPLT3, mnuOffline})
        item->setChecked(item == marked);
}

void TMainForm::FormCreate() {
    if (FactoryMode)
        setWindowTitle(QStringLiteral("VantorTools --factory"));

    // Probed from the top down, so the lowest port found stays selected.
    PortNo = 0;
    for (int32_t port = 3; port >= 1; --port) {
        if (SelectPort(port) == LinkOk) {
            PortItem(port)->setEnabled(true);
            PortNo = port;
        }
    }

    if (const auto stored = Platform::Settings().ReadInteger(kCommKey, kPortValue))
        PortNo = *stored;

    if (SelectPort(PortNo) == LinkOk) {
        CheckPortItem(PortNo);
    } else {
        Platform::Messages().ShowMessage(NotAvailable(PortNo));
        // A failed selection leaves the link on the probed port; switch it off so
        // that the link agrees with "Off_line". PortNo keeps the number that
        // failed, so it is remembered for the next start.
        SelectPort(0);
        CheckPortItem(0);
    }

    StatusThread = std::make_unique<TConnectionStatus>(true);
}

void TMainForm::SelectPortFromMenu(int32_t port) {
    if (SelectPort(port) == LinkOk) {
        PortNo = port;
        CheckPortItem(port);
        return;
    }
    Platform::Messages().ShowMessage(NotAvailable(port));
    // As at start: the link goes off with the menu's "Off_line".
    SelectPort(0);
    PortNo = 0;
    CheckPortItem(0);
}

void TMainForm::mnuOfflineClick() {
    SelectPort(0);
    PortNo = 0;
    CheckPortItem(0);
}

void TMainForm::FormActivate() {
    if (activated_)
        return;
    activated_ = true;
    int32_t model = 0;
    bool enabled = false;
    int32_t faultCode = 0;
    if (DataProcess::ReadDriveStatus(model, enabled, faultCode) == LinkOk && enabled)
        Platform::Messages().ShowMessage(
            QStringLiteral("Drive is enabled, strongly recommend to disable the drive"));
}

void TMainForm::FormDestroy() {
    Platform::Settings().WriteInteger(kCommKey, kPortValue, PortNo);
}
