// The tool's one worker thread: while polling is on it reads the drive's status and values
// about once a second and hands the results to the GUI thread. It never touches a window:
// the GUI thread takes the hand-overs through ConnectHandOvers (or its signals).
#ifndef ZKTOOLS_FORMS_CONNECTION_STATUS_H
#define ZKTOOLS_FORMS_CONNECTION_STATUS_H

#include "zktools/forms/drive_status_snapshot.h"
#include "zktools/model/var_table.h"

#include <QThread>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

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
    // Makes the next good poll read every parameter even when the drive stayed connected,
    // as the table may have been changed meanwhile by others than the drive. Returns the
    // request's number for FullReadDone. Any thread.
    uint64_t RequestFullRead();
    // A full read begun after request `request` has ended: the table holds what the drive
    // held then. Any thread.
    bool FullReadDone(uint64_t request) const;

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
        std::optional<BatchResult> ListResult;       // of the list read, when there was one
        bool Refreshed = false;                      // a refresh request followed
    };
    // Totals over every pass so far, for watching a running thread.
    struct PassTally {
        uint64_t Wakes = 0;          // passes begun, polled or not
        uint64_t Passes = 0;         // polled passes
        uint64_t StatusFailures = 0; // status reads other than LinkOk
        uint64_t FullReads = 0;
        uint64_t ListFailures = 0; // list reads that stopped part-way
    };
    PassTally Tally() const;
    // One pass of the body on the calling thread, without the pause. For tests and for the
    // body itself; never call it from outside while the thread runs.
    PassOutcome RunPass();

    // Has `receiver`'s thread run onStatus with each snapshot, by value and in order, and
    // onRefresh after each good poll (either may be empty), until the receiver or this object
    // goes; hand-overs still queued then are dropped. GUI thread only.
    void ConnectHandOvers(QObject* receiver,
                          std::function<void(const DriveStatusSnapshot&)> onStatus,
                          std::function<void()> onRefresh);

    static constexpr std::chrono::milliseconds PassPause{1000};
    // Another pause between passes; call before Resume. For tests.
    void SetPause(std::chrono::milliseconds pause);

signals:
    // The notifications behind ConnectHandOvers, posted by the worker. They carry nothing:
    // each receiver's snapshots wait in its own box under the hand-over lock, which orders
    // the worker's posting before the receiver's reading in a way ThreadSanitizer can see
    // (Qt's own queue is invisible to it).
    void StatusHandedOver();
    void RefreshRequested();
    // The same snapshot as a signal, for observers that need no more than Qt's queue.
    void StatusRead(DriveStatusSnapshot snapshot);

protected:
    void run() override;

private:
    void Launch();
    // Sleeps the pause unless a stop is requested first.
    void Pause();
    // Nothing once a stop is requested.
    void HandOverStatus(const DriveStatusSnapshot& snapshot);
    void HandOverRefresh();

    std::atomic<bool> Polling{false};
    std::atomic<bool> Stopping{false};
    bool Launched = false; // GUI thread only

    std::chrono::milliseconds PauseLength = PassPause;
    std::mutex PauseMutex;
    std::condition_variable PauseWake;

    struct HandOverBox {
        std::deque<DriveStatusSnapshot> Snapshots;
    };
    std::mutex HandOverMutex;
    std::vector<std::shared_ptr<HandOverBox>> Boxes; // under HandOverMutex
    // Set as the body's last act, so the owner's wait is seen to follow everything it did.
    std::mutex DoneMutex;
    std::condition_variable DoneWake;
    bool BodyDone = false;

    // The worker's own, once the constructor has returned.
    bool FullReadPending = true;
    StatCode CommStatus = LinkFailed;
    int32_t Model = 0;
    int32_t FaultCode = 0;
    bool DriveEnabled = true;
    VarTableList AllVars;
    VarTableList MonitoredVars;

    // Requests made and the last one a full read has answered.
    std::atomic<uint64_t> FullReadsRequested{0};
    std::atomic<uint64_t> FullReadsAnswered{0};

    std::atomic<uint64_t> Wakes{0};
    std::atomic<uint64_t> Passes{0};
    std::atomic<uint64_t> StatusFailures{0};
    std::atomic<uint64_t> FullReads{0};
    std::atomic<uint64_t> ListFailures{0};
};

#endif
