// Expected port traffic written out the way the wire tables read: data
// register bytes in order, with Read marking one status register read.
#ifndef TESTS_ZKCOMM_PORT_TRACE_H
#define TESTS_ZKCOMM_PORT_TRACE_H

#include "zkcomm/platform/recording_port_io.h"

#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <string>
#include <vector>

namespace zkcomm::test {

inline constexpr int Read = -1;
using Trace = std::vector<int>;

// What a recorder saw, as a trace.
inline Trace TraceOf(const RecordingPortIo& port) {
    Trace trace;
    for (const PortEvent& e : port.Events()) {
        trace.push_back(e.kind == PortEvent::Kind::Out ? e.value : Read);
    }
    return trace;
}

inline std::string Show(const Trace& trace) {
    std::string text;
    char cell[8];
    for (int item : trace) {
        if (item == Read) {
            text += "R ";
        } else {
            std::snprintf(cell, sizeof cell, "%02X ", item);
            text += cell;
        }
    }
    return text;
}

class TraceBuilder {
public:
    TraceBuilder& W(int byte) {
        trace_.push_back(byte);
        return *this;
    }
    TraceBuilder& R(int count = 1) {
        trace_.insert(trace_.end(), static_cast<size_t>(count), Read);
        return *this;
    }
    // Each bit, most significant first: low + 4b, low + 2 + 4b, low + 4b
    // (data, clock high, clock low), then a read when withRead.
    TraceBuilder& Bits(uint32_t bits, int count, int low, bool withRead = false) {
        for (int bit = count - 1; bit >= 0; --bit) {
            const int b = static_cast<int>((bits >> bit) & 1u);
            W(low + 4 * b).W(low + 2 + 4 * b).W(low + 4 * b);
            if (withRead) {
                R();
            }
        }
        return *this;
    }
    // A logic frame from SelectLow to SelectHigh.
    TraceBuilder& Frame(uint16_t command) {
        W(0x08).Bits(command, 16, 0x08, true);
        return W(0x09 + 4 * (command & 1));
    }
    // ChipSelect, an address-less or erase instruction, ChipDeselect; the
    // data line enters with level `in`.
    TraceBuilder& Instruction(uint16_t instruction, int in = 0) {
        W(0x09 + 4 * in).Bits(instruction, 11, 0x09);
        return W(0x08 + 4 * (instruction & 1));
    }
    // READ of address from ChipSelect to ChipDeselect (69 writes, 16 reads).
    TraceBuilder& ReadWord(uint8_t address, int in = 0) {
        const int a0 = address & 1;
        W(0x09 + 4 * in).Bits(0x600u | address, 11, 0x09);
        for (int i = 0; i < 16; ++i) {
            W(0x0B + 4 * a0).W(0x09 + 4 * a0).R();
        }
        return W(0x0B + 4 * a0).W(0x09 + 4 * a0).W(0x08 + 4 * a0);
    }
    // WRITE from ChipSelect to ChipDeselect.
    TraceBuilder& WriteWord(uint8_t address, uint16_t word, int in = 0) {
        W(0x09 + 4 * in).Bits(0x500u | address, 11, 0x09).Bits(word, 16, 0x09);
        return W(0x08 + 4 * (word & 1));
    }
    // The ready wait with `reads` status reads; the data line holds `in`.
    TraceBuilder& Wait(int reads, int in) { return W(0x09 + 4 * in).R(reads).W(0x08 + 4 * in); }

    Trace Done() const { return trace_; }

private:
    Trace trace_;
};

// Status bytes that put the bits of word on data-in, most significant first.
inline std::vector<uint8_t> StatusBits(uint16_t word) {
    std::vector<uint8_t> statuses;
    for (int bit = 15; bit >= 0; --bit) {
        statuses.push_back(((word >> bit) & 1u) != 0 ? 0x20 : 0x00);
    }
    return statuses;
}

inline std::vector<uint8_t> Concat(std::initializer_list<std::vector<uint8_t>> parts) {
    std::vector<uint8_t> all;
    for (const auto& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

inline size_t Writes(const Trace& trace) {
    size_t n = 0;
    for (int item : trace) {
        n += item != Read ? 1 : 0;
    }
    return n;
}

} // namespace zkcomm::test

#endif
