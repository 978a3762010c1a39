// A port I/O for tests: logs every write and read and answers reads from a
// script, from a fixed status byte, or from another port I/O it passes
// everything on to. It can also make a run of calls fail, as a device that
// went away would.
#ifndef ZKCOMM_PLATFORM_RECORDING_PORT_IO_H
#define ZKCOMM_PLATFORM_RECORDING_PORT_IO_H

#include "zkcomm/platform/port_io.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <limits>
#include <vector>

namespace zkcomm {

struct PortEvent {
    enum class Kind : uint8_t { Out, In };
    Kind kind;
    uint16_t port;
    uint8_t value; // written, or answered (0 when the call failed)
    bool ok;
    bool operator==(const PortEvent&) const = default;
};

class RecordingPortIo : public PortIo {
public:
    // Reads answer the fixed status (0 unless set).
    RecordingPortIo() = default;
    // Every call goes on to target; the log keeps what it did and answered.
    explicit RecordingPortIo(PortIo* target) : target_(target) {}

    bool Out(uint16_t port, uint8_t value) override;
    bool In(uint16_t port, uint8_t& value) override;

    void SetTarget(PortIo* target) { target_ = target; }
    PortIo* Target() const { return target_; }
    // The status byte of reads once the script is used up (without a target).
    void SetStatus(uint8_t status) { status_ = status; }
    // Status bytes for the next reads, in order (without a target).
    void ScriptStatus(std::vector<uint8_t> statuses);
    // Calls number first, first + 1, ... (counted from 1 over writes and reads
    // together since the last Clear) fail, count of them.
    void FailCalls(size_t first, size_t count = std::numeric_limits<size_t>::max());

    const std::vector<PortEvent>& Events() const { return events_; }
    // The bytes written, in order.
    std::vector<uint8_t> Writes() const;
    size_t WriteCount() const { return writes_; }
    size_t ReadCount() const { return reads_; }
    // Forgets the log and the call count; keeps target, status, script and failures.
    void Clear();

private:
    bool NextCallFails();

    PortIo* target_ = nullptr;
    uint8_t status_ = 0;
    std::deque<uint8_t> script_;
    size_t failFirst_ = 0;
    size_t failCount_ = 0;
    size_t calls_ = 0;
    size_t writes_ = 0;
    size_t reads_ = 0;
    std::vector<PortEvent> events_;
};

} // namespace zkcomm

#endif
