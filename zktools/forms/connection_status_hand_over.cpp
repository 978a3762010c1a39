// How the status thread's results reach the GUI thread: a posted notification per hand-over,
// the snapshots themselves in one box per receiver under the hand-over lock.
#include "zktools/forms/connection_status.h"

#include <QPointer>

#include <utility>

void TConnectionStatus::ConnectHandOvers(QObject* receiver,
                                         std::function<void(const DriveStatusSnapshot&)> onStatus,
                                         std::function<void()> onRefresh) {
    auto box = std::make_shared<HandOverBox>();
    {
        std::lock_guard<std::mutex> lock(HandOverMutex);
        Boxes.push_back(box);
    }
    connect(receiver, &QObject::destroyed, this, [this, box] {
        std::lock_guard<std::mutex> lock(HandOverMutex);
        std::erase(Boxes, box);
    });

    // Checked on the receiver's thread: once this object is gone, so is the box's writer.
    const QPointer<TConnectionStatus> self(this);
    connect(
        this, &TConnectionStatus::StatusHandedOver, receiver,
        [self, box, onStatus = std::move(onStatus)] {
            if (!self) {
                return;
            }
            DriveStatusSnapshot snapshot;
            {
                std::lock_guard<std::mutex> lock(self->HandOverMutex);
                if (box->Snapshots.empty()) {
                    return;
                }
                snapshot = box->Snapshots.front();
                box->Snapshots.pop_front();
            }
            if (onStatus) {
                onStatus(snapshot);
            }
        },
        Qt::QueuedConnection);
    connect(
        this, &TConnectionStatus::RefreshRequested, receiver,
        [self, onRefresh = std::move(onRefresh)] {
            if (!self) {
                return;
            }
            // Taken once, so that this runs after the posting as far as anyone can see.
            { std::lock_guard<std::mutex> lock(self->HandOverMutex); }
            if (onRefresh) {
                onRefresh();
            }
        },
        Qt::QueuedConnection);
}

void TConnectionStatus::HandOverStatus(const DriveStatusSnapshot& snapshot) {
    if (Stopping.load()) {
        return;
    }
    std::lock_guard<std::mutex> lock(HandOverMutex);
    for (const auto& box : Boxes) {
        box->Snapshots.push_back(snapshot);
    }
    emit StatusHandedOver();
    emit StatusRead(snapshot);
}

void TConnectionStatus::HandOverRefresh() {
    if (Stopping.load()) {
        return;
    }
    std::lock_guard<std::mutex> lock(HandOverMutex);
    emit RefreshRequested();
}
