#include "zkcomm/sim/microwire_memory.h"

namespace zkcomm::sim {

namespace {

constexpr int kInstructionBits = 10; // after the start bit: 2 opcode, 8 address
constexpr int kDataBits = 16;
constexpr uint16_t kErased = 0xFFFF;

} // namespace

void MicrowireMemory::PowerOn(const NvImage& image) {
    words_ = image;
    ++changes_;
    PowerCycle();
}

void MicrowireMemory::PowerCycle() {
    writeEnabled_ = false;
    cycle_ = {};
    Idle();
    state_ = State::Deselected;
}

void MicrowireMemory::Idle() {
    bits_ = 0;
    shift_ = 0;
    op_ = Op::None;
    data_ = 0;
}

void MicrowireMemory::ChipSelect() {
    state_ = State::Standby;
    Idle();
    if (cycle_.active) {
        cycle_.polled = true;
    }
}

void MicrowireMemory::ChipDeselect() {
    if (cycle_.active && cycle_.endless && cycle_.polled) {
        cycle_ = {}; // the stuck cycle is abandoned once a poll gave up on it
    }
    if (state_ == State::Complete) {
        Finish();
    }
    state_ = State::Deselected;
    Idle();
}

void MicrowireMemory::Clock(bool dataIn) {
    switch (state_) {
    case State::Deselected:
    case State::Complete:
        return;
    case State::Standby:
        if (dataIn) { // leading zeros before the start bit are ignored
            state_ = State::Instruction;
            bits_ = 0;
            shift_ = 0;
        }
        return;
    case State::Instruction:
        shift_ = static_cast<uint16_t>((shift_ << 1) | (dataIn ? 1 : 0));
        if (++bits_ == kInstructionBits) {
            Decode();
        }
        return;
    case State::Data:
        data_ = static_cast<uint16_t>((data_ << 1) | (dataIn ? 1 : 0));
        if (++bits_ == kDataBits) {
            state_ = State::Complete;
        }
        return;
    case State::Reading: {
        // Sequential: past bit 0 the next word follows.
        const auto addr = static_cast<std::size_t>(readAddress_);
        const uint16_t word = words_[addr] ^ readXor_[addr];
        readLevel_ = ((word >> (15 - readBit_)) & 1) != 0;
        if (++readBit_ == kDataBits) {
            readBit_ = 0;
            readAddress_ = (readAddress_ + 1) % kNvWords;
        }
        return;
    }
    }
}

void MicrowireMemory::Decode() {
    const int opcode = (shift_ >> 8) & 0x3;
    address_ = shift_ & 0xFF;
    bits_ = 0;
    switch (opcode) {
    case 0b10:
        ++counters_.read;
        state_ = State::Reading;
        readAddress_ = address_;
        readBit_ = 0;
        readLevel_ = false; // the dummy bit before D15
        return;
    case 0b01:
        ++counters_.write;
        op_ = Op::Write;
        state_ = State::Data;
        return;
    case 0b11:
        ++counters_.erase;
        op_ = Op::Erase;
        state_ = State::Complete;
        return;
    default:
        break;
    }
    switch (address_ >> 6) {
    case 0b11:
        ++counters_.writeEnable;
        op_ = Op::WriteEnable;
        state_ = State::Complete;
        return;
    case 0b00:
        ++counters_.writeDisable;
        op_ = Op::WriteDisable;
        state_ = State::Complete;
        return;
    case 0b10:
        ++counters_.eraseAll;
        op_ = Op::EraseAll;
        state_ = State::Complete;
        return;
    default:
        ++counters_.writeAll;
        op_ = Op::WriteAll;
        state_ = State::Data;
        return;
    }
}

// An instruction acts when the chip select drops after it was fully clocked in.
void MicrowireMemory::Finish() {
    switch (op_) {
    case Op::WriteEnable:
        writeEnabled_ = true;
        return;
    case Op::WriteDisable:
        writeEnabled_ = false;
        return;
    case Op::Write:
    case Op::Erase:
    case Op::EraseAll:
    case Op::WriteAll:
        StartCycle();
        return;
    case Op::None:
        return;
    }
}

void MicrowireMemory::StartCycle() {
    if (!writeEnabled_) {
        ++counters_.refused;
        return;
    }
    ++counters_.cycles;
    switch (TakeCycleFault()) {
    case NvCycleFault::NeverBusy:
        return;
    case NvCycleFault::NeverReady:
        cycle_ = {true, true, false, 0};
        return;
    case NvCycleFault::None:
        break;
    }
    Apply();
    if (busyReads_ > 0) {
        cycle_ = {true, false, false, busyReads_};
    }
}

NvCycleFault MicrowireMemory::TakeCycleFault() {
    if (fault_ == NvCycleFault::None || faultCycles_ == 0) {
        return NvCycleFault::None;
    }
    const bool addressed = op_ == Op::Write || op_ == Op::Erase;
    if (faultAddress_ != kAnyNvAddress && (!addressed || faultAddress_ != address_)) {
        return NvCycleFault::None;
    }
    const NvCycleFault fault = fault_;
    if (faultCycles_ > 0 && --faultCycles_ == 0) {
        fault_ = NvCycleFault::None;
    }
    return fault;
}

void MicrowireMemory::Apply() {
    ++changes_;
    switch (op_) {
    case Op::Write:
        words_[static_cast<std::size_t>(address_)] = data_;
        return;
    case Op::Erase:
        words_[static_cast<std::size_t>(address_)] = kErased;
        return;
    case Op::EraseAll:
        words_.fill(kErased);
        return;
    case Op::WriteAll:
        words_.fill(data_);
        return;
    default:
        return;
    }
}

bool MicrowireMemory::ReadDataOut() {
    switch (state_) {
    case State::Standby:
        if (!cycle_.active) {
            return true; // ready
        }
        ++counters_.busyReads;
        if (!cycle_.endless && --cycle_.remaining == 0) {
            cycle_ = {};
        }
        return false;
    case State::Reading:
        return readLevel_;
    default:
        return true; // output floats, pulled up
    }
}

void MicrowireMemory::SetCycleFault(NvCycleFault fault, int address, int cycles) {
    fault_ = fault;
    faultAddress_ = address;
    faultCycles_ = cycles;
}

void MicrowireMemory::ClearFaults() {
    fault_ = NvCycleFault::None;
    faultAddress_ = kAnyNvAddress;
    faultCycles_ = 0;
    busyReads_ = kDefaultBusyReads;
    readXor_.fill(0);
}

} // namespace zkcomm::sim
