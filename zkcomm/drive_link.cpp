#include "zkcomm/drive_link.h"

namespace zkcomm {

void DriveLink::SelectBase(uint16_t base) {
    basePort_ = base;
    dataPort_ = base;
    statusPort_ = static_cast<uint16_t>(base + 1);
}

void DriveLink::ResetToLoadState() {
    io_ = nullptr;
    linkDisabled_ = true;
    failed_ = false;
    basePort_ = 0;
    dataPort_ = 0;
    statusPort_ = 0;
    dataShadow_ = 0;
}

void DriveLink::Write() {
    if (failed_) {
        return;
    }
    if (io_ == nullptr || !io_->Out(dataPort_, dataShadow_)) {
        failed_ = true;
    }
}

bool DriveLink::ReadDataIn() {
    if (failed_) {
        return false;
    }
    uint8_t status = 0;
    if (io_ == nullptr || !io_->In(statusPort_, status)) {
        failed_ = true;
        return false;
    }
    return (status & DataInLine) != 0;
}

void DriveLink::AcquireLink() {
    failed_ = false;
    dataShadow_ = LinkEnableLine;
    Write();
}

void DriveLink::ReleaseLink() {
    // Dropping the lines is worth a try even after a failed access.
    const bool failedBefore = failed_;
    failed_ = false;
    dataShadow_ = 0;
    Write();
    failed_ = failed_ || failedBefore;
}

void DriveLink::ClockPulse() {
    SetLine(ClockLine);
    ClearLine(ClockLine);
}

void DriveLink::BeginRegisterAccess() {
    AcquireLink();
    SelectHigh();
}

void DriveLink::ShortPause() {
    // Eleven tests of a counter from 10 down; volatile keeps the loop in the code.
    volatile int counter = 10;
    for (;;) {
        const int tested = counter;
        counter = tested - 1;
        if (tested == 0) {
            break;
        }
    }
}

uint16_t DriveLink::TransferWord(uint16_t command) {
    SelectLow();
    uint16_t reply = 0;
    for (int bit = 15; bit >= 0; --bit) {
        PutDataOut(((command >> bit) & 1u) != 0);
        ClockPulse();
        reply = static_cast<uint16_t>((reply << 1) | (ReadDataIn() ? 1u : 0u));
    }
    SelectHigh();
    return reply;
}

void DriveLink::ShiftOutBits(uint32_t bits, int count) {
    for (int bit = count - 1; bit >= 0; --bit) {
        PutDataOut(((bits >> bit) & 1u) != 0);
        ClockPulse();
    }
}

void DriveLink::ShiftOutInstruction(uint16_t instruction) {
    ShiftOutBits(instruction, 11);
}

uint16_t DriveLink::EepromRead(uint8_t address) {
    ChipSelect();
    ShiftOutInstruction(static_cast<uint16_t>(0x600u | address));
    uint16_t word = 0;
    for (int i = 0; i < 16; ++i) {
        ClockPulse();
        word = static_cast<uint16_t>((word << 1) | (ReadDataIn() ? 1u : 0u));
    }
    ClockPulse(); // the 28th clock, not followed by a read
    ChipDeselect();
    return word;
}

bool DriveLink::SendWriteInstruction(uint16_t opcode, uint8_t address, uint16_t data) {
    ChipSelect();
    ShiftOutInstruction(static_cast<uint16_t>(opcode | address));
    ShiftOutBits(data, 16);
    ChipDeselect();
    ShortPause();
    return WaitReady();
}

bool DriveLink::EepromWrite(uint8_t address, uint16_t data) {
    return SendWriteInstruction(0x500, address, data);
}

bool DriveLink::EepromWriteAll(uint16_t data) {
    return SendWriteInstruction(0x400, ShortInstructionTable[ShortWral], data);
}

bool DriveLink::EepromErase(uint8_t address) {
    ChipSelect();
    ShiftOutInstruction(static_cast<uint16_t>(0x700u | address));
    ChipDeselect();
    ShortPause();
    return WaitReady();
}

bool DriveLink::EepromEraseAll() {
    SendShortInstruction(ShortEral);
    ShortPause();
    return WaitReady();
}

void DriveLink::SendShortInstruction(int index) {
    ChipSelect();
    ShiftOutInstruction(static_cast<uint16_t>(0x400u | ShortInstructionTable[index & 3]));
    ChipDeselect();
}

bool DriveLink::PollUntilReady() {
    // The first read must show busy; a memory that is ready at once never
    // started a programming cycle.
    if (ReadDataIn() || failed_) {
        return false;
    }
    for (int i = 0; i < ReadyPollLimit; ++i) {
        if (ReadDataIn()) {
            return true;
        }
        if (failed_) {
            return false;
        }
    }
    return false;
}

bool DriveLink::WaitReady() {
    ChipSelect();
    const bool ready = PollUntilReady();
    ChipDeselect();
    return ready;
}

bool DriveLink::WaitReadyAndClear() {
    ChipSelect();
    const bool ready = PollUntilReady();
    if (ready) {
        SetLine(DataOutLine);
        ClockPulse();
        ClearLine(DataOutLine);
    }
    ChipDeselect();
    return ready;
}

} // namespace zkcomm
