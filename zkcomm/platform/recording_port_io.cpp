#include "zkcomm/platform/recording_port_io.h"

namespace zkcomm {

bool RecordingPortIo::NextCallFails() {
    ++calls_;
    return failCount_ != 0 && calls_ >= failFirst_ && calls_ - failFirst_ < failCount_;
}

bool RecordingPortIo::Out(uint16_t port, uint8_t value) {
    ++writes_;
    bool ok = !NextCallFails();
    if (ok && target_ != nullptr) {
        ok = target_->Out(port, value);
    }
    events_.push_back(PortEvent{PortEvent::Kind::Out, port, value, ok});
    return ok;
}

bool RecordingPortIo::In(uint16_t port, uint8_t& value) {
    ++reads_;
    bool ok = !NextCallFails();
    uint8_t answer = 0;
    if (ok) {
        if (target_ != nullptr) {
            ok = target_->In(port, answer);
        } else if (!script_.empty()) {
            answer = script_.front();
            script_.pop_front();
        } else {
            answer = status_;
        }
    }
    if (!ok) {
        answer = 0;
    }
    value = answer;
    events_.push_back(PortEvent{PortEvent::Kind::In, port, answer, ok});
    return ok;
}

void RecordingPortIo::ScriptStatus(std::vector<uint8_t> statuses) {
    script_.assign(statuses.begin(), statuses.end());
}

void RecordingPortIo::FailCalls(size_t first, size_t count) {
    failFirst_ = first;
    failCount_ = count;
}

std::vector<uint8_t> RecordingPortIo::Writes() const {
    std::vector<uint8_t> bytes;
    bytes.reserve(writes_);
    for (const PortEvent& e : events_) {
        if (e.kind == PortEvent::Kind::Out) {
            bytes.push_back(e.value);
        }
    }
    return bytes;
}

void RecordingPortIo::Clear() {
    events_.clear();
    calls_ = 0;
    writes_ = 0;
    reads_ = 0;
}

} // namespace zkcomm
