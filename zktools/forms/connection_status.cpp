#include "zktools/forms/connection_status.h"

#include "zktools/model/data_process.h"
#include "zktools/model/symbol_table.h"

TConnectionStatus::TConnectionStatus(bool /*createSuspended*/)
    : AllVars(SymTable.GetAllVars()), MonitoredVars(SymTable.GetMonitoredVars()) {
    qRegisterMetaType<DriveStatusSnapshot>("DriveStatusSnapshot");
}

TConnectionStatus::~TConnectionStatus() {
    if (Launched) {
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

uint64_t TConnectionStatus::RequestFullRead() {
    return FullReadsRequested.fetch_add(1) + 1;
}

bool TConnectionStatus::FullReadDone(uint64_t request) const {
    return FullReadsAnswered.load() >= request;
}

void TConnectionStatus::Resume() {
    if (!Launched) {
        Launch();
    }
}

void TConnectionStatus::Launch() {
    Launched = true;
    start();
    if (!isRunning() && !isFinished()) {
        // No thread could be made: there is no body to wait for.
        std::lock_guard<std::mutex> lock(DoneMutex);
        BodyDone = true;
    }
}

void TConnectionStatus::StopAndWait() {
    {
        // Under the pause's mutex, so a body about to sleep cannot miss the wake-up.
        std::lock_guard<std::mutex> lock(PauseMutex);
        Stopping.store(true);
    }
    PauseWake.notify_all();
    if (!Launched) {
        Launch();
    }
    {
        std::unique_lock<std::mutex> lock(DoneMutex);
        DoneWake.wait(lock, [this] { return BodyDone; });
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
    Wakes.fetch_add(1);
    if (!Polling.load()) {
        return outcome;
    }
    outcome.Polled = true;
    Passes.fetch_add(1);
    CommStatus = DataProcess::ReadDriveStatus(Model, DriveEnabled, FaultCode);
    const DriveStatusSnapshot snapshot{CommStatus, Model, DriveEnabled, FaultCode};
    outcome.Snapshot = snapshot;
    HandOverStatus(snapshot);
    if (CommStatus != LinkOk) {
        StatusFailures.fetch_add(1);
        FullReadPending = true;
        return outcome;
    }
    // A failing list read is not reported: the rows then show what the table holds.
    // Taken before the read, so that a request made during it gets a read of its own.
    const uint64_t requested = FullReadsRequested.load();
    if (FullReadPending || requested != FullReadsAnswered.load()) {
        outcome.ListResult = DataProcess::ReadListFromDrive(AllVars);
        FullReadPending = false;
        FullReadsAnswered.store(requested);
        outcome.FullRead = true;
        FullReads.fetch_add(1);
    } else {
        outcome.ListResult = DataProcess::ReadListFromDrive(MonitoredVars);
    }
    if (!BatchSucceeded(*outcome.ListResult)) {
        ListFailures.fetch_add(1);
    }
    outcome.Refreshed = true;
    HandOverRefresh();
    return outcome;
}

TConnectionStatus::PassTally TConnectionStatus::Tally() const {
    return {Wakes.load(), Passes.load(), StatusFailures.load(), FullReads.load(),
            ListFailures.load()};
}

void TConnectionStatus::SetPause(std::chrono::milliseconds pause) {
    PauseLength = pause;
}

void TConnectionStatus::Pause() {
    const auto until = std::chrono::steady_clock::now() + PauseLength;
    std::unique_lock<std::mutex> lock(PauseMutex);
    PauseWake.wait_until(lock, until, [this] { return Stopping.load(); });
}

void TConnectionStatus::run() {
    while (!Stopping.load()) {
        RunPass();
        Pause();
    }
    // Notified under the lock: the owner may destroy this object as soon as it sees the flag.
    std::lock_guard<std::mutex> lock(DoneMutex);
    BodyDone = true;
    DoneWake.notify_all();
}
