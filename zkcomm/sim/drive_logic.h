// The drive's control logic as seen over the link: 31 eight-bit registers
// reached by 16-bit full-duplex frames clocked while Select is low.
#ifndef ZKCOMM_SIM_DRIVE_LOGIC_H
#define ZKCOMM_SIM_DRIVE_LOGIC_H

#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "zkcomm/sim/factory_set.h"
#include "zkcomm/sim/sim_types.h"
#include "zkcomm/sim/velocity_signal.h"

namespace zkcomm::sim {

class DriveLogic {
public:
    static constexpr int kRegisters = 32; // 0 does not exist, 1 to 31 do
    static constexpr int kDisableRegister = 7;
    static constexpr int kHvfLowRegister = 28;
    static constexpr int kHvfHighRegister = 29;
    static constexpr int kLogicVersionRegister = 30;
    static constexpr uint8_t kLogicVersion = 1;
    static constexpr int kPowerOnFaultCode = 8;

    // Registers 1 to 15 from the low bytes of NV words 0 to 14, the rest at
    // their power-on values; faults are left alone.
    void PowerOn(const NvImage& nv);

    // Line events, in the order the drive sees them.
    void BeginFrame();
    void Clock(bool dataOut);
    // completed: Select rose with the link still enabled; anything else
    // abandons the frame. Returns the frame when it was a valid one.
    std::optional<LogicFrame> EndFrame(bool completed);
    bool DataIn() const { return shownBit_; }

    uint8_t Register(int reg) const;
    void SetRegister(int reg, uint8_t value); // bypasses read-only and stuck
    bool Enabled() const;
    void SetEnabled(bool enabled);
    int FaultCode() const { return faultCode_; }
    void SetFaultCode(int code) { faultCode_ = code; }

    VelocitySignal& Velocity() { return velocity_; }
    const VelocitySignal& Velocity() const { return velocity_; }
    void SetAutoAdvance(bool on) { autoAdvance_ = on; }

    void FlipReplyBit(int bit, int frames, int skipFrames);
    void SetStuck(int reg, bool stuck) { stuck_[static_cast<std::size_t>(reg)] = stuck; }
    void ClearFaults();

    const LogicCounters& Counters() const { return counters_; }
    void ResetCounters() { counters_ = {}; }

private:
    uint16_t StatusBits() const;
    void Execute();

    std::array<uint8_t, kRegisters> regs_{};
    int faultCode_ = kPowerOnFaultCode;
    VelocitySignal velocity_;
    bool autoAdvance_ = true;

    // The frame under way.
    bool inFrame_ = false;
    int bits_ = 0;
    uint16_t command_ = 0;
    uint16_t reply_ = 0;
    uint16_t flipMask_ = 0;
    bool shownBit_ = true;

    // Faults.
    uint16_t flipBit_ = 0;
    int flipFrames_ = 0;
    int flipSkip_ = 0;
    std::bitset<kRegisters> stuck_;

    LogicCounters counters_;
};

} // namespace zkcomm::sim

#endif
