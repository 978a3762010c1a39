#include "zkcomm/sim/simulated_drive.h"

#include <stdexcept>
#include <string>
#include <utility>

namespace zkcomm::sim {

namespace {

using Lock = std::lock_guard<std::recursive_mutex>;

void CheckRange(const char* what, int value, int low, int high) {
    if (value < low || value > high) {
        throw std::out_of_range(std::string("SimulatedDrive: ") + what + " " +
                                std::to_string(value) + " outside " + std::to_string(low) + ".." +
                                std::to_string(high));
    }
}

void CheckCount(const char* what, int value) {
    if (value < 0 && value != kEveryTime) {
        throw std::invalid_argument(std::string("SimulatedDrive: ") + what + " " +
                                    std::to_string(value) + " is negative");
    }
}

constexpr int kLastRegister = DriveLogic::kRegisters - 1;
constexpr int kLastNvAddress = kNvWords - 1;

} // namespace

SimulatedDrive::SimulatedDrive(uint16_t base) : base_(base) {
    Reset();
}

SimulatedDrive::Lines SimulatedDrive::Decode(uint8_t value) {
    // Without link enable the drive's line receivers are off: it sees all low.
    if ((value & 0x08) == 0) {
        return {};
    }
    return {(value & 0x01) != 0, (value & 0x02) != 0, (value & 0x04) != 0, true};
}

bool SimulatedDrive::Out(uint16_t port, uint8_t value) {
    Lock lock(mutex_);
    if (port != base_ || !Admit()) {
        return false;
    }
    ++portWrites_;
    if (connected_) {
        ApplyLines(Decode(value));
    }
    KeepNv();
    Notify({true, port, value});
    return true;
}

bool SimulatedDrive::In(uint16_t port, uint8_t& value) {
    Lock lock(mutex_);
    if (port != base_ + 1 || !Admit()) {
        return false;
    }
    ++statusReads_;
    const bool high = connected_ ? SampleDataIn() : stuckLevel_ == DataInLevel::High;
    value = static_cast<uint8_t>(kStatusOtherBits | (high ? kDataInMask : 0));
    Notify({false, port, value});
    return true;
}

// Counts the access against the pending port and cable faults.
bool SimulatedDrive::Admit() {
    if (failAfter_) {
        if (*failAfter_ == 0) {
            portFailed_ = true;
            failAfter_.reset();
        } else {
            --*failAfter_;
        }
    }
    if (portFailed_) {
        return false;
    }
    if (pullAfter_) {
        if (*pullAfter_ == 0) {
            Disconnect(pullLevel_);
            pullAfter_.reset();
        } else {
            --*pullAfter_;
        }
    }
    return true;
}

// Select low with link enable is the logic's frame; select high is the
// memory's chip select. Ends are handled before starts, clock edges last.
void SimulatedDrive::ApplyLines(Lines now) {
    const Lines was = lines_;
    const bool logicWas = was.enable && !was.select;
    const bool logicNow = now.enable && !now.select;
    const bool chipWas = was.enable && was.select;
    const bool chipNow = now.enable && now.select;
    lines_ = now;

    if (logicWas && !logicNow) {
        if (auto frame = logic_.EndFrame(now.enable)) {
            pendingFrame_ = frame;
        }
    }
    if (chipWas && !chipNow) {
        memory_.ChipDeselect();
    }
    if (!logicWas && logicNow) {
        logic_.BeginFrame();
    }
    if (!chipWas && chipNow) {
        memory_.ChipSelect();
    }
    if (!was.clock && now.clock) {
        if (logicNow) {
            logic_.Clock(now.data);
        } else if (chipNow) {
            memory_.Clock(now.data);
        }
    }
}

bool SimulatedDrive::SampleDataIn() {
    if (!lines_.enable) {
        return true; // nobody drives the line: pulled up
    }
    return lines_.select ? memory_.ReadDataOut() : logic_.DataIn();
}

void SimulatedDrive::Disconnect(DataInLevel level) {
    ApplyLines({}); // the drive sees every line drop
    connected_ = false;
    stuckLevel_ = level;
}

void SimulatedDrive::Notify(const PortAccess& access) {
    if (pendingFrame_) {
        const LogicFrame frame = *pendingFrame_;
        pendingFrame_.reset();
        if (FrameObserver observer = frameObserver_) {
            observer(frame);
        }
    }
    if (PortObserver observer = portObserver_) {
        observer(access);
    }
}

void SimulatedDrive::Reset() {
    Lock lock(mutex_);
    PowerOnWith(FactoryNvImage());
    KeepNv();
}

void SimulatedDrive::PowerOn(const NvImage& nv) {
    Lock lock(mutex_);
    PowerOnWith(nv);
    keptChanges_ = memory_.Changes();
}

void SimulatedDrive::PowerOnWith(const NvImage& nv) {
    lines_ = {};
    memory_.PowerOn(nv);
    logic_.PowerOn(memory_.Words());
    logic_.SetAutoAdvance(true);
    ClearFaults();
    ResetCounters();
    frameObserver_ = nullptr;
    portObserver_ = nullptr;
    pendingFrame_.reset();
}

void SimulatedDrive::PowerCycle() {
    Lock lock(mutex_);
    lines_ = {};
    memory_.PowerCycle();
    logic_.PowerOn(memory_.Words());
    pendingFrame_.reset();
}

NvImage SimulatedDrive::FactoryNv() {
    return FactoryNvImage();
}

uint8_t SimulatedDrive::GetRegister(int reg) const {
    CheckRange("register", reg, 1, kLastRegister);
    Lock lock(mutex_);
    return logic_.Register(reg);
}

void SimulatedDrive::SetRegister(int reg, uint8_t value) {
    CheckRange("register", reg, 1, kLastRegister);
    Lock lock(mutex_);
    logic_.SetRegister(reg, value);
}

uint16_t SimulatedDrive::GetNvWord(int address) const {
    CheckRange("NV address", address, 0, kLastNvAddress);
    Lock lock(mutex_);
    return memory_.Word(address);
}

void SimulatedDrive::SetNvWord(int address, uint16_t word) {
    CheckRange("NV address", address, 0, kLastNvAddress);
    Lock lock(mutex_);
    memory_.SetWord(address, word);
    KeepNv();
}

NvImage SimulatedDrive::GetNvImage() const {
    Lock lock(mutex_);
    return memory_.Words();
}

bool SimulatedDrive::IsEnabled() const {
    Lock lock(mutex_);
    return logic_.Enabled();
}

void SimulatedDrive::SetEnabled(bool enabled) {
    Lock lock(mutex_);
    logic_.SetEnabled(enabled);
}

int SimulatedDrive::GetFaultCode() const {
    Lock lock(mutex_);
    return logic_.FaultCode();
}

void SimulatedDrive::SetFaultCode(int code) {
    CheckRange("fault code", code, 0, 15);
    Lock lock(mutex_);
    logic_.SetFaultCode(code);
}

bool SimulatedDrive::IsNvWriteEnabled() const {
    Lock lock(mutex_);
    return memory_.WriteEnabled();
}

void SimulatedDrive::SetNvWriteEnabled(bool enabled) {
    Lock lock(mutex_);
    memory_.SetWriteEnabled(enabled);
}

bool SimulatedDrive::IsNvBusy() const {
    Lock lock(mutex_);
    return memory_.Busy();
}

int SimulatedDrive::GetHvf() const {
    Lock lock(mutex_);
    return logic_.Velocity().Value();
}

void SimulatedDrive::SetHvf(int raw) {
    Lock lock(mutex_);
    logic_.Velocity().Set(raw);
}

void SimulatedDrive::Tick(int samples) {
    CheckRange("tick samples", samples, 0, 1 << 20);
    Lock lock(mutex_);
    logic_.Velocity().Advance(samples);
}

void SimulatedDrive::SetHvfAutoAdvance(bool on) {
    Lock lock(mutex_);
    logic_.SetAutoAdvance(on);
}

void SimulatedDrive::ClearFaults() {
    Lock lock(mutex_);
    connected_ = true;
    stuckLevel_ = DataInLevel::High;
    pullAfter_.reset();
    failAfter_.reset();
    portFailed_ = false;
    logic_.ClearFaults();
    memory_.ClearFaults();
}

void SimulatedDrive::DisconnectDrive(DataInLevel level) {
    Lock lock(mutex_);
    pullAfter_.reset();
    Disconnect(level);
}

void SimulatedDrive::PullCableAfter(uint64_t accesses, DataInLevel level) {
    Lock lock(mutex_);
    pullAfter_ = accesses;
    pullLevel_ = level;
}

void SimulatedDrive::ReconnectDrive() {
    Lock lock(mutex_);
    pullAfter_.reset();
    connected_ = true;
}

bool SimulatedDrive::IsDriveConnected() const {
    Lock lock(mutex_);
    return connected_;
}

void SimulatedDrive::FailPortAfter(uint64_t accesses) {
    Lock lock(mutex_);
    failAfter_ = accesses;
}

void SimulatedDrive::SetNvCycleFault(NvCycleFault fault, int address, int cycles) {
    if (address != kAnyNvAddress) {
        CheckRange("NV address", address, 0, kLastNvAddress);
    }
    CheckCount("fault cycles", cycles);
    Lock lock(mutex_);
    memory_.SetCycleFault(fault, address, cycles);
}

void SimulatedDrive::SetNvBusyReads(int reads) {
    CheckRange("busy reads", reads, 0, 1 << 20);
    Lock lock(mutex_);
    memory_.SetBusyReads(reads);
}

void SimulatedDrive::SetNvReadCorruption(int address, uint16_t xorMask) {
    CheckRange("NV address", address, 0, kLastNvAddress);
    Lock lock(mutex_);
    memory_.SetReadCorruption(address, xorMask);
}

void SimulatedDrive::FlipReplyBit(int bit, int frames, int skipFrames) {
    CheckRange("reply bit", bit, 0, 15);
    CheckCount("frames", frames);
    CheckRange("skipped frames", skipFrames, 0, 1 << 30);
    Lock lock(mutex_);
    logic_.FlipReplyBit(bit, frames, skipFrames);
}

void SimulatedDrive::SetRegisterStuck(int reg, bool stuck) {
    CheckRange("register", reg, 1, kLastRegister);
    Lock lock(mutex_);
    logic_.SetStuck(reg, stuck);
}

SimCounters SimulatedDrive::GetCounters() const {
    Lock lock(mutex_);
    SimCounters c;
    c.portWrites = portWrites_;
    c.statusReads = statusReads_;
    c.logic = logic_.Counters();
    c.nv = memory_.Counters();
    return c;
}

void SimulatedDrive::ResetCounters() {
    Lock lock(mutex_);
    portWrites_ = 0;
    statusReads_ = 0;
    logic_.ResetCounters();
    memory_.ResetCounters();
}

void SimulatedDrive::SetFrameObserver(FrameObserver observer) {
    Lock lock(mutex_);
    frameObserver_ = std::move(observer);
}

void SimulatedDrive::SetPortObserver(PortObserver observer) {
    Lock lock(mutex_);
    portObserver_ = std::move(observer);
}

void SimulatedDrive::SetNvKeeper(NvKeeper keeper) {
    Lock lock(mutex_);
    nvKeeper_ = std::move(keeper);
    keptChanges_ = memory_.Changes();
}

void SimulatedDrive::KeepNv() {
    if (memory_.Changes() == keptChanges_) {
        return;
    }
    keptChanges_ = memory_.Changes();
    if (nvKeeper_) {
        nvKeeper_(memory_.Words());
    }
}

} // namespace zkcomm::sim
