// The one link object: the output lines of the LPT data register, the data-in
// line of its status register, logic frames and Microwire instructions.
#ifndef ZKCOMM_DRIVE_LINK_H
#define ZKCOMM_DRIVE_LINK_H

#include "zkcomm/platform/port_io.h"

#include <cstdint>

namespace zkcomm {

// Output lines (bits of the data register).
inline constexpr uint8_t SelectLine = 0x01;
inline constexpr uint8_t ClockLine = 0x02;
inline constexpr uint8_t DataOutLine = 0x04;
inline constexpr uint8_t LinkEnableLine = 0x08;
// Input line (bit of the status register).
inline constexpr uint8_t DataInLine = 0x20;

inline constexpr uint32_t DriveDisableRegister = 7;
inline constexpr uint16_t ReplyMarkerMask = 0xE000;
inline constexpr uint16_t ReplyMarker = 0xA000;

// Low 8 bits of the address-less Microwire instructions; sent OR 0x400.
inline constexpr uint8_t ShortInstructionTable[4] = {0xC0, 0x40, 0x00, 0x80};
inline constexpr int ShortEwen = 0;
inline constexpr int ShortWral = 1;
inline constexpr int ShortEwds = 2;
inline constexpr int ShortEral = 3;

// Status reads of a ready wait after the first one.
inline constexpr int ReadyPollLimit = 5000;

constexpr uint16_t RegisterCommand(uint32_t reg, bool write, uint8_t data) {
    return static_cast<uint16_t>(((reg & 0x1F) << 11) | (write ? 0x400u : 0u) | data);
}
constexpr bool ReplyHasMarker(uint16_t reply) {
    return (reply & ReplyMarkerMask) == ReplyMarker;
}
constexpr uint16_t EepromEntry(uint32_t reg, uint32_t data) {
    return RegisterCommand(reg, true, static_cast<uint8_t>(data & 0xFF));
}

// None of the operations tests LinkDisabled (the exports do). A failed port
// access marks the current access as failed: from then on no port is touched
// until ReleaseLink, which still tries to drop the lines, and AccessFailed()
// tells the caller to give up.
class DriveLink {
public:
    DriveLink() = default;
    explicit DriveLink(PortIo* io) : io_(io) {}
    DriveLink(const DriveLink&) = delete;
    DriveLink& operator=(const DriveLink&) = delete;

    // State.
    bool LinkDisabled() const { return linkDisabled_; }
    void SetLinkDisabled(bool disabled) { linkDisabled_ = disabled; }
    uint16_t BasePort() const { return basePort_; }
    uint16_t DataPort() const { return dataPort_; }
    uint16_t StatusPort() const { return statusPort_; }
    uint8_t DataShadow() const { return dataShadow_; }
    void SelectBase(uint16_t base);
    PortIo* Io() const { return io_; }
    void SetIo(PortIo* io) { io_ = io; }
    bool AccessFailed() const { return failed_; }
    // Back to the state at load: link off, no port, lines low in the shadow.
    void ResetToLoadState();

    // Line operations.
    void AcquireLink();
    void ReleaseLink();
    void SelectLow() { ClearLine(SelectLine); }
    void SelectHigh() { SetLine(SelectLine); }
    void ChipSelect() { SetLine(SelectLine); }
    void ChipDeselect() { ClearLine(SelectLine); }
    void ClockPulse();
    void BeginAccess() { AcquireLink(); }
    void BeginRegisterAccess();
    static void ShortPause();

    // Frames and instructions.
    uint16_t TransferWord(uint16_t command);
    void ShiftOutInstruction(uint16_t instruction);
    uint16_t EepromRead(uint8_t address);
    bool SendWriteInstruction(uint16_t opcode, uint8_t address, uint16_t data);
    bool EepromWrite(uint8_t address, uint16_t data);
    bool EepromWriteAll(uint16_t data);
    bool EepromErase(uint8_t address);
    bool EepromEraseAll();
    void SendShortInstruction(int index);
    void EepromWriteEnable() { SendShortInstruction(ShortEwen); }
    void EepromWriteDisable() { SendShortInstruction(ShortEwds); }
    bool WaitReady();
    bool WaitReadyAndClear();

private:
    void Write();
    bool ReadDataIn();
    void SetLine(uint8_t mask) {
        dataShadow_ = static_cast<uint8_t>(dataShadow_ | mask);
        Write();
    }
    void ClearLine(uint8_t mask) {
        dataShadow_ = static_cast<uint8_t>(dataShadow_ & ~mask);
        Write();
    }
    void PutDataOut(bool bit) {
        if (bit) {
            SetLine(DataOutLine);
        } else {
            ClearLine(DataOutLine);
        }
    }
    bool PollUntilReady();
    void ShiftOutBits(uint32_t bits, int count);

    PortIo* io_ = nullptr;
    bool linkDisabled_ = true;
    bool failed_ = false;
    uint16_t basePort_ = 0;
    uint16_t dataPort_ = 0;
    uint16_t statusPort_ = 0;
    uint8_t dataShadow_ = 0;
};

} // namespace zkcomm

#endif
