// A drive on the far end of an LPT cable, behind the port interface: it
// decodes every data-register write the way the drive's logic and its NV
// memory do, and answers status-register reads with the drive's data-in line.
// Tests reach its state directly and inject faults through the methods below.
//
// How the lines are read: with link enable (bit 3) low the drive sees every
// line low. Select (bit 0) low is a logic frame: each rising clock (bit 1)
// samples data-out (bit 2) and shifts the next reply bit onto data-in, so the
// first status read after the first clock gives reply bit 15; the frame acts
// when Select rises after exactly 16 clocks. Select high is the memory's chip
// select: clocks before a 1 (the start bit) are ignored, an instruction acts
// when the chip select drops after it was fully clocked in, and a selected,
// idle memory shows busy (low) or ready (high) on data-in. Nobody driving
// data-in reads high.
//
// Every method is thread-safe. Observers run on the thread making the port
// access, with the drive's lock held: they may call the drive's methods but
// must not wait for another thread that uses the drive.
#ifndef ZKCOMM_SIM_SIMULATED_DRIVE_H
#define ZKCOMM_SIM_SIMULATED_DRIVE_H

#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>

#include "zkcomm/platform/port_io.h"
#include "zkcomm/sim/drive_logic.h"
#include "zkcomm/sim/factory_set.h"
#include "zkcomm/sim/microwire_memory.h"
#include "zkcomm/sim/sim_types.h"

namespace zkcomm::sim {

class SimulatedDrive : public zkcomm::PortIo {
public:
    static constexpr uint8_t kDataInMask = 0x20;
    // Status bits besides data-in: a printer-like "online, no error".
    static constexpr uint8_t kStatusOtherBits = 0x18;
    static constexpr uint8_t kLogicVersion = DriveLogic::kLogicVersion;
    static constexpr int kPowerOnFaultCode = DriveLogic::kPowerOnFaultCode;
    static constexpr int kDefaultBusyReads = MicrowireMemory::kDefaultBusyReads;

    using FrameObserver = std::function<void(const LogicFrame&)>;
    using PortObserver = std::function<void(const PortAccess&)>;
    using NvKeeper = std::function<void(const NvImage&)>;

    // Power-on state (see Reset).
    explicit SimulatedDrive(uint16_t base = 0x378);

    // Out(base, v) drives the lines; In(base + 1, v) reads the status
    // register with data-in on bit 5. Any other port: false.
    bool Out(uint16_t port, uint8_t value) override;
    bool In(uint16_t port, uint8_t& value) override;
    uint16_t Base() const { return base_; }

    // --- Power ---
    // Factory NV set, registers loaded from it, drive disabled, fault code
    // kPowerOnFaultCode, HVF 0 and advancing automatically, NV memory
    // write-disabled; faults cleared, counters zeroed, observers removed. The NV
    // keeper stays and gets the factory set.
    void Reset();
    // Reset, but with these NV contents instead of the factory set (not passed to
    // the keeper: they are what it holds).
    void PowerOn(const NvImage& nv);
    // Switching the drive off and on: NV contents, faults, counters and
    // observers kept; registers reloaded from NV words 0 to 14.
    void PowerCycle();
    // The factory NV set (model 50, parameter defaults, words 15 to 255 erased).
    static NvImage FactoryNv();

    // --- Direct access (bypasses the lines, read-only registers and faults) ---
    // Registers 1 to 31; 28 and 29 are the HVF pair, 30 the logic version.
    uint8_t GetRegister(int reg) const;
    void SetRegister(int reg, uint8_t value);
    // NV words 0 to 255, as stored (read corruption not applied).
    uint16_t GetNvWord(int address) const;
    void SetNvWord(int address, uint16_t word);
    NvImage GetNvImage() const;
    // Enabled means bit 0 of register 7 is clear (writing 1 disables).
    bool IsEnabled() const;
    void SetEnabled(bool enabled);
    // 0 to 15, shown in reply bits 11..8.
    int GetFaultCode() const;
    void SetFaultCode(int code);
    // The memory's write-enable latch (EWEN sets it, EWDS clears it).
    bool IsNvWriteEnabled() const;
    void SetNvWriteEnabled(bool enabled);
    // A programming cycle is under way.
    bool IsNvBusy() const;

    // --- HVF (registers 28 and 29) ---
    // One sample per Tick, and, while auto-advance is on, one at every logic
    // frame addressed to any register other than 28 and 29: the two readings
    // of one HVF read agree, successive polls differ.
    int GetHvf() const;
    void SetHvf(int raw); // clamped to +-8191
    void Tick(int samples = 1);
    void SetHvfAutoAdvance(bool on);

    // --- Fault injection ---
    // Everything below back to normal (power state, NV and registers kept).
    void ClearFaults();
    // No drive / cable pulled now: writes reach nothing, data-in reads level.
    void DisconnectDrive(DataInLevel level);
    // The cable comes off after `accesses` more port accesses (0: before the next).
    void PullCableAfter(uint64_t accesses, DataInLevel level);
    // Cable back on; the drive sees all lines low until the next write.
    void ReconnectDrive();
    bool IsDriveConnected() const;
    // The port itself fails: after `accesses` more accesses Out and In return false.
    void FailPortAfter(uint64_t accesses);
    // The next `cycles` programming cycles (kEveryTime: all) on `address`
    // (kAnyNvAddress: any, ERAL and WRAL included) go wrong as `fault`.
    void SetNvCycleFault(NvCycleFault fault, int address = kAnyNvAddress, int cycles = kEveryTime);
    // Status reads that show busy in each programming cycle; 0: the cycle
    // ends at once, so the ready wait sees no busy.
    void SetNvBusyReads(int reads);
    // READ of `address` delivers the stored word XOR xorMask (0: correct).
    void SetNvReadCorruption(int address, uint16_t xorMask);
    // Reply bit `bit` (0 to 15) is inverted on the line in `frames` frames
    // (kEveryTime: every frame) after skipping `skipFrames` frames.
    void FlipReplyBit(int bit, int frames = 1, int skipFrames = 0);
    // Register writes over the link to `reg` are answered but not stored.
    void SetRegisterStuck(int reg, bool stuck);

    // --- Counters and observers ---
    SimCounters GetCounters() const;
    void ResetCounters();
    // Called after every complete logic frame; empty function removes it.
    void SetFrameObserver(FrameObserver observer);
    // Called after every accepted port access.
    void SetPortObserver(PortObserver observer);
    // Called with the NV contents each time they change (a programming cycle,
    // SetNvWord, Reset), as the drive's memory keeps them without power; empty
    // function removes it. Reset keeps it.
    void SetNvKeeper(NvKeeper keeper);

private:
    struct Lines {
        bool select = false;
        bool clock = false;
        bool data = false;
        bool enable = false;
    };
    static Lines Decode(uint8_t value);
    bool Admit();
    void ApplyLines(Lines now);
    bool SampleDataIn();
    void Disconnect(DataInLevel level);
    void Notify(const PortAccess& access);
    void PowerOnWith(const NvImage& nv);
    void KeepNv();

    const uint16_t base_;
    mutable std::recursive_mutex mutex_;

    DriveLogic logic_;
    MicrowireMemory memory_;
    Lines lines_;

    bool connected_ = true;
    DataInLevel stuckLevel_ = DataInLevel::High;
    std::optional<uint64_t> pullAfter_;
    DataInLevel pullLevel_ = DataInLevel::High;
    std::optional<uint64_t> failAfter_;
    bool portFailed_ = false;

    uint64_t portWrites_ = 0;
    uint64_t statusReads_ = 0;
    FrameObserver frameObserver_;
    PortObserver portObserver_;
    NvKeeper nvKeeper_;
    uint64_t keptChanges_ = 0;
    std::optional<LogicFrame> pendingFrame_;
};

} // namespace zkcomm::sim

#endif
