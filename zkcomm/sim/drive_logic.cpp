#include "zkcomm/sim/drive_logic.h"

#include "zkcomm/sim/register_packing.h"

namespace zkcomm::sim {

namespace {

constexpr int kFrameBits = 16;
// The register number is complete after this many clocks; the register's
// byte has to be ready before reply bit 7 goes out.
constexpr int kAddressBits = 5;
constexpr uint16_t kMarker = 0xA000;
constexpr uint16_t kWriteFlag = 0x0400;

bool IsHvfRegister(int reg) {
    return reg == DriveLogic::kHvfLowRegister || reg == DriveLogic::kHvfHighRegister;
}

bool IsReadOnly(int reg) {
    return reg == 0 || IsHvfRegister(reg) || reg == DriveLogic::kLogicVersionRegister;
}

} // namespace

void DriveLogic::PowerOn(const NvImage& nv) {
    regs_.fill(0);
    for (int n = 0; n < kNvParameterWords; ++n) {
        regs_[static_cast<std::size_t>(n + 1)] =
            static_cast<uint8_t>(nv[static_cast<std::size_t>(n)] & 0xFF);
    }
    regs_[kLogicVersionRegister] = kLogicVersion;
    faultCode_ = kPowerOnFaultCode;
    velocity_.Reset();
    inFrame_ = false;
    bits_ = 0;
    shownBit_ = true;
}

void DriveLogic::BeginFrame() {
    inFrame_ = true;
    bits_ = 0;
    command_ = 0;
    reply_ = 0;
    flipMask_ = 0;
    shownBit_ = true;
}

void DriveLogic::Clock(bool dataOut) {
    if (!inFrame_) {
        return;
    }
    ++bits_;
    if (bits_ > kFrameBits) {
        shownBit_ = true; // shift register empty
        return;
    }
    command_ = static_cast<uint16_t>((command_ << 1) | (dataOut ? 1 : 0));
    if (bits_ == 1) {
        reply_ = StatusBits();
        if (flipSkip_ > 0) {
            --flipSkip_;
        } else if (flipFrames_ != 0) {
            flipMask_ = flipBit_;
            if (flipFrames_ > 0) {
                --flipFrames_;
            }
        }
    }
    if (bits_ == kAddressBits) {
        const int reg = command_ & 0x1F;
        if (autoAdvance_ && !IsHvfRegister(reg)) {
            velocity_.Advance(1);
        }
        reply_ = static_cast<uint16_t>(reply_ | (reg == 0 ? 0 : Register(reg)));
    }
    const uint16_t shown = reply_ ^ flipMask_;
    shownBit_ = ((shown >> (kFrameBits - bits_)) & 1) != 0;
}

std::optional<LogicFrame> DriveLogic::EndFrame(bool completed) {
    const bool began = inFrame_ && bits_ > 0;
    const bool valid = completed && bits_ == kFrameBits;
    inFrame_ = false;
    shownBit_ = true;
    if (!began) {
        return std::nullopt;
    }
    if (!valid) {
        ++counters_.brokenFrames;
        return std::nullopt;
    }
    Execute();
    return LogicFrame{command_, static_cast<uint16_t>(reply_ ^ flipMask_)};
}

void DriveLogic::Execute() {
    ++counters_.frames;
    if ((command_ & kWriteFlag) == 0) {
        ++counters_.reads;
        return;
    }
    ++counters_.writes;
    const int reg = command_ >> 11;
    if (!IsReadOnly(reg) && !stuck_[static_cast<std::size_t>(reg)]) {
        regs_[static_cast<std::size_t>(reg)] = static_cast<uint8_t>(command_ & 0xFF);
    }
}

uint16_t DriveLogic::StatusBits() const {
    return static_cast<uint16_t>(kMarker | (Enabled() ? 0x1000 : 0) | ((faultCode_ & 0x0F) << 8));
}

uint8_t DriveLogic::Register(int reg) const {
    if (reg == kHvfLowRegister) {
        return velocity_.LowByte();
    }
    if (reg == kHvfHighRegister) {
        return velocity_.HighByte();
    }
    return regs_[static_cast<std::size_t>(reg)];
}

void DriveLogic::SetRegister(int reg, uint8_t value) {
    const int width = VelocitySignal::kLowWidth;
    if (reg == kHvfLowRegister) {
        velocity_.Set(CombineParts(value, velocity_.HighByte(), width));
    } else if (reg == kHvfHighRegister) {
        velocity_.Set(CombineParts(velocity_.LowByte(), value, width));
    } else {
        regs_[static_cast<std::size_t>(reg)] = value;
    }
}

bool DriveLogic::Enabled() const {
    return (regs_[kDisableRegister] & 0x01) == 0;
}

void DriveLogic::SetEnabled(bool enabled) {
    auto& r = regs_[kDisableRegister];
    r = static_cast<uint8_t>(enabled ? (r & ~0x01) : (r | 0x01));
}

void DriveLogic::FlipReplyBit(int bit, int frames, int skipFrames) {
    flipBit_ = static_cast<uint16_t>(1u << bit);
    flipFrames_ = frames;
    flipSkip_ = skipFrames;
}

void DriveLogic::ClearFaults() {
    flipBit_ = 0;
    flipFrames_ = 0;
    flipSkip_ = 0;
    stuck_.reset();
}

} // namespace zkcomm::sim
