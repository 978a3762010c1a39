#include "zktools/forms/connection_status.h"

#include "zktools/model/data_process.h"
#include "zktools/model/symbol_table.h"

TConnectionStatus::TConnectionStatus(bool /*createSuspended*/)
    : AllVars(SymTable.GetAllVars()), MonitoredVars(SymTable.GetMonitoredVars()) {
    qRegisterMetaType<DriveStatusSnapshot>("DriveStatusSnapshot");
}

TConnectionStatus::~TConnectionStatus() {
    if (isRunning()) {
        StopAndWait();
    }
}

void TConnectionStatus::EnablePolling() {
    Polling.store(true);
}

void TConnectionStatus::DisablePolling() {
    Polling.store(false);
}

bool TConnectionStatus::PollingEnabled() const {
    return Polling.load();
}

void TConnectionStatus::Resume() {
    if (Launched) {
        return;
    }
    Launched = true;
    start();
}

void TConnectionStatus::StopAndWait() {
    {
        // Under the pause's mutex, so a body about to sleep cannot miss the wake-up.
        std::lock_guard<std::mutex> lock(PauseMutex);
        Stopping.store(true);
    }
    PauseWake.notify_all();
    if (!Launched) {
        Launched = true;
        start();
    }
    wait();
}

bool TConnectionStatus::Started() const {
    return Launched;
}

bool TConnectionStatus::StopRequested() const {
    return Stopping.load();
}

TConnectionStatus::PassOutcome TConnectionStatus::RunPass() {
    PassOutcome outcome;
    if (!Polling.load()) {
        return outcome;
    }
    outcome.Polled = true;
    CommStatus = DataProcess::ReadDriveStatus(Model, DriveEnabled, FaultCode);
    const DriveStatusSnapshot snapshot{CommStatus, Model, DriveEnabled, FaultCode};
    outcome.Snapshot = snapshot;
    if (!Stopping.load()) {
        emit StatusRead(snapshot);
    }
    if (CommStatus != LinkOk) {
        FullReadPending = true;
        return outcome;
    }
    // A failing list read is not reported: the rows then show what the table holds.
    if (FullReadPending) {
        DataProcess::ReadListFromDrive(AllVars);
        FullReadPending = false;
        outcome.FullRead = true;
    } else {
        DataProcess::ReadListFromDrive(MonitoredVars);
    }
    outcome.Refreshed = true;
    if (!Stopping.load()) {
        emit RefreshRequested();
    }
    return outcome;
}

void TConnectionStatus::Pause() {
    const auto until = std::chrono::steady_clock::now() + PassPause;
    std::unique_lock<std::mutex> lock(PauseMutex);
    PauseWake.wait_until(lock, until, [this] { return Stopping.load(); });
}

void TConnectionStatus::run() {
    while (!Stopping.load()) {
        RunPass();
        Pause();
    }
}
