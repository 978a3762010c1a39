// The drive's NV memory: a 256 x 16-bit Microwire serial EEPROM. It listens
// only while its chip select (the Select line) is high.
#ifndef ZKCOMM_SIM_MICROWIRE_MEMORY_H
#define ZKCOMM_SIM_MICROWIRE_MEMORY_H

#include <array>
#include <cstddef>
#include <cstdint>

#include "zkcomm/sim/factory_set.h"
#include "zkcomm/sim/sim_types.h"

namespace zkcomm::sim {

class MicrowireMemory {
public:
    static constexpr int kDefaultBusyReads = 10;

    // Contents from image; write-disabled, idle. Faults are left alone.
    void PowerOn(const NvImage& image);
    // Contents kept; write-disabled, idle.
    void PowerCycle();

    // Line events.
    void ChipSelect();
    void ChipDeselect();
    void Clock(bool dataIn);
    // The level the memory drives on data-in for one status read. A read that
    // shows busy counts down the programming cycle.
    bool ReadDataOut();

    const NvImage& Words() const { return words_; }
    uint16_t Word(int address) const { return words_[static_cast<std::size_t>(address)]; }
    void SetWord(int address, uint16_t word) {
        words_[static_cast<std::size_t>(address)] = word;
        ++changes_;
    }
    // Counts every change of the contents (power-on, programming cycle, SetWord).
    uint64_t Changes() const { return changes_; }
    bool WriteEnabled() const { return writeEnabled_; }
    void SetWriteEnabled(bool on) { writeEnabled_ = on; }
    bool Busy() const { return cycle_.active; }

    void SetCycleFault(NvCycleFault fault, int address, int cycles);
    void SetBusyReads(int reads) { busyReads_ = reads; }
    void SetReadCorruption(int address, uint16_t xorMask) {
        readXor_[static_cast<std::size_t>(address)] = xorMask;
    }
    void ClearFaults();

    const NvCounters& Counters() const { return counters_; }
    void ResetCounters() { counters_ = {}; }

private:
    enum class State {
        Deselected,
        Standby,     // selected, waiting for a start bit; shows busy or ready
        Instruction, // start bit seen, collecting opcode and address
        Data,        // collecting 16 data bits of WRITE or WRAL
        Reading,     // shifting data out
        Complete,    // waiting for the chip select to drop
    };
    enum class Op { None, Write, Erase, EraseAll, WriteAll, WriteEnable, WriteDisable };

    void Decode();
    void Finish();
    void StartCycle();
    NvCycleFault TakeCycleFault();
    void Apply();
    void Idle();

    NvImage words_{};
    uint64_t changes_ = 0;
    bool writeEnabled_ = false;

    State state_ = State::Deselected;
    int bits_ = 0;
    uint16_t shift_ = 0;
    Op op_ = Op::None;
    int address_ = 0;
    uint16_t data_ = 0;
    int readAddress_ = 0;
    int readBit_ = 0;
    bool readLevel_ = false;

    struct Cycle {
        bool active = false;
        bool endless = false;
        bool polled = false; // selected since the cycle began
        int remaining = 0;
    };
    Cycle cycle_;

    int busyReads_ = kDefaultBusyReads;
    NvCycleFault fault_ = NvCycleFault::None;
    int faultAddress_ = kAnyNvAddress;
    int faultCycles_ = 0;
    std::array<uint16_t, kNvWords> readXor_{};

    NvCounters counters_;
};

} // namespace zkcomm::sim

#endif
