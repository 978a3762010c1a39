#include "line_driver.h"

#include <stdexcept>

namespace zkcomm::sim::test {

namespace {
constexpr uint8_t kSelect = 0x01;
constexpr uint8_t kClock = 0x02;
constexpr uint8_t kData = 0x04;
} // namespace

void LineDriver::Write(uint8_t value) {
    if (!port_.Out(base_, value)) {
        throw std::runtime_error("port write refused");
    }
}

bool LineDriver::ReadDataIn() {
    uint8_t status = 0;
    if (!port_.In(static_cast<uint16_t>(base_ + 1), status)) {
        throw std::runtime_error("port read refused");
    }
    return (status & 0x20) != 0;
}

void LineDriver::SelectHigh() {
    Write(shadow_ |= kSelect);
}

void LineDriver::SelectLow() {
    Write(shadow_ &= static_cast<uint8_t>(~kSelect));
}

void LineDriver::SetData(bool bit) {
    shadow_ = static_cast<uint8_t>(bit ? (shadow_ | kData) : (shadow_ & ~kData));
    Write(shadow_);
}

void LineDriver::ClockPulse() {
    Write(shadow_ |= kClock);
    Write(shadow_ &= static_cast<uint8_t>(~kClock));
}

uint16_t LineDriver::TransferWord(uint16_t command, int bits) {
    SelectLow();
    uint16_t reply = 0;
    for (int i = 15; i > 15 - bits; --i) {
        SetData(((command >> i) & 1) != 0);
        ClockPulse();
        reply = static_cast<uint16_t>((reply << 1) | (ReadDataIn() ? 1 : 0));
    }
    SelectHigh();
    return reply;
}

uint16_t LineDriver::ReadRegister(int reg) {
    Acquire();
    SelectHigh();
    const uint16_t reply = TransferWord(static_cast<uint16_t>(reg << 11));
    Release();
    return reply;
}

uint16_t LineDriver::WriteRegister(int reg, uint8_t value) {
    Acquire();
    SelectHigh();
    const uint16_t reply = TransferWord(static_cast<uint16_t>((reg << 11) | 0x400 | value));
    Release();
    return reply;
}

uint16_t LineDriver::DriveFrame(bool enable) {
    Acquire();
    const uint16_t reply = TransferWord(enable ? 0x3C00 : 0x3C01);
    Release();
    return reply;
}

void LineDriver::ShiftOutInstruction(uint16_t instruction) {
    for (int i = 10; i >= 0; --i) {
        SetData(((instruction >> i) & 1) != 0);
        ClockPulse();
    }
}

uint16_t LineDriver::EepromRead(int address) {
    SelectHigh();
    ShiftOutInstruction(static_cast<uint16_t>(0x600 | address));
    uint16_t word = 0;
    for (int i = 0; i < 16; ++i) {
        ClockPulse();
        word = static_cast<uint16_t>((word << 1) | (ReadDataIn() ? 1 : 0));
    }
    ClockPulse();
    SelectLow();
    return word;
}

bool LineDriver::WaitReady() {
    SelectHigh();
    readyReads_ = 1;
    bool ready = false;
    if (!ReadDataIn()) {
        for (int i = 0; i < kReadyPolls && !ready; ++i) {
            ++readyReads_;
            ready = ReadDataIn();
        }
    }
    SelectLow();
    return ready;
}

void LineDriver::ShortInstruction(uint16_t instruction) {
    SelectHigh();
    ShiftOutInstruction(instruction);
    SelectLow();
}

uint16_t LineDriver::NvRead(int address) {
    Acquire();
    const uint16_t word = EepromRead(address);
    Release();
    return word;
}

bool LineDriver::Programming(bool writeEnable, uint16_t instruction, const uint16_t* data) {
    Acquire();
    if (writeEnable) {
        ShortInstruction(static_cast<uint16_t>(Short::Enable));
    }
    SelectHigh();
    ShiftOutInstruction(instruction);
    if (data != nullptr) {
        for (int i = 15; i >= 0; --i) {
            SetData(((*data >> i) & 1) != 0);
            ClockPulse();
        }
    }
    SelectLow();
    const bool ready = WaitReady();
    ShortInstruction(static_cast<uint16_t>(Short::Disable));
    Release();
    return ready;
}

bool LineDriver::NvWrite(int address, uint16_t word, bool writeEnable) {
    return Programming(writeEnable, static_cast<uint16_t>(0x500 | address), &word);
}

bool LineDriver::NvErase(int address, bool writeEnable) {
    return Programming(writeEnable, static_cast<uint16_t>(0x700 | address), nullptr);
}

bool LineDriver::NvEraseAll(bool writeEnable) {
    return Programming(writeEnable, static_cast<uint16_t>(Short::EraseAll), nullptr);
}

bool LineDriver::NvWriteAll(uint16_t word, bool writeEnable) {
    return Programming(writeEnable, 0x440, &word);
}

void LineDriver::NvWriteEnable() {
    Acquire();
    ShortInstruction(static_cast<uint16_t>(Short::Enable));
    Release();
}

void LineDriver::NvWriteDisable() {
    Acquire();
    ShortInstruction(static_cast<uint16_t>(Short::Disable));
    Release();
}

} // namespace zkcomm::sim::test
