// The tool's one worker thread: while polling is on it reads the drive's status and values
// about once a second and hands the results to the GUI thread. It never touches a window:
// receivers connect to its two signals, emitted on the worker and so queued to them.
#ifndef ZKTOOLS_FORMS_CONNECTION_STATUS_H
#define ZKTOOLS_FORMS_CONNECTION_STATUS_H

#include "zktools/forms/drive_status_snapshot.h"
#include "zktools/model/var_table.h"

#include <QThread>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>

class TConnectionStatus : public QThread {
    Q_OBJECT

public:
    // The body runs only after Resume (or StopAndWait); the flag exists for the owner's
    // sake and is always taken as true.
    explicit TConnectionStatus(bool createSuspended);
    // Stops and waits when the owner has not: destroying a running QThread aborts.
    ~TConnectionStatus() override;

    TConnectionStatus(const TConnectionStatus&) = delete;
    TConnectionStatus& operator=(const TConnectionStatus&) = delete;

    // Take effect at the next pass; a pass under way completes with its hand-overs.
    void EnablePolling();
    void DisablePolling();
    bool PollingEnabled() const;

    // Starts the body the first time; later calls have no effect.
    void Resume();
    // Requests the stop, starts a never-started thread so that its body sees the request,
    // and waits for the body to return. Hand-overs are posted, never waited for, and are
    // dropped once the stop is requested, so the wait cannot block on the GUI thread.
    void StopAndWait();
    bool Started() const;
    bool StopRequested() const;

    // What one pass did and handed over.
    struct PassOutcome {
        bool Polled = false;                         // polling was on
        std::optional<DriveStatusSnapshot> Snapshot; // the status read, when polled
        bool FullRead = false;                       // all parameters were read
        bool Refreshed = false;                      // a refresh request followed
    };
    // One pass of the body on the calling thread, without the pause. For tests and for the
    // body itself; never call it from outside while the thread runs.
    PassOutcome RunPass();

    static constexpr std::chrono::milliseconds PassPause{1000};

signals:
    // After each status read.
    void StatusRead(DriveStatusSnapshot snapshot);
    // After each good poll: the table holds fresh values.
    void RefreshRequested();

protected:
    void run() override;

private:
    // Sleeps PassPause unless a stop is requested first.
    void Pause();

    std::atomic<bool> Polling{false};
    std::atomic<bool> Stopping{false};
    bool Launched = false; // GUI thread only

    std::mutex PauseMutex;
    std::condition_variable PauseWake;

    // The worker's own, once the constructor has returned.
    bool FullReadPending = true;
    StatCode CommStatus = LinkFailed;
    int32_t Model = 0;
    int32_t FaultCode = 0;
    bool DriveEnabled = true;
    VarTableList AllVars;
    VarTableList MonitoredVars;
};

#endif
