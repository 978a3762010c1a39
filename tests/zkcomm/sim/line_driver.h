// Test-only driver of the link lines: clocks logic frames and Microwire
// instructions onto a port exactly the way the link does, byte by byte.
#ifndef TESTS_ZKCOMM_SIM_LINE_DRIVER_H
#define TESTS_ZKCOMM_SIM_LINE_DRIVER_H

#include <cstdint>

#include "zkcomm/platform/port_io.h"

namespace zkcomm::sim::test {

class LineDriver {
public:
    static constexpr int kReadyPolls = 5000;

    explicit LineDriver(PortIo& port, uint16_t base = 0x378) : port_(port), base_(base) {}

    // Whole accesses, each ending with all lines low.
    uint16_t ReadRegister(int reg);                 // 08 09, frame, 00
    uint16_t WriteRegister(int reg, uint8_t value); // 08 09, frame, 00
    uint16_t DriveFrame(bool enable);               // 08, frame 0x3C00/0x3C01, 00
    uint16_t NvRead(int address);
    // EWEN (when asked), WRITE with the ready wait, EWDS.
    bool NvWrite(int address, uint16_t word, bool writeEnable = true);
    bool NvErase(int address, bool writeEnable = true);
    bool NvEraseAll(bool writeEnable = true);
    bool NvWriteAll(uint16_t word, bool writeEnable = true);
    void NvWriteEnable();  // EWEN alone
    void NvWriteDisable(); // EWDS alone

    // Status reads made by the last ready wait.
    int LastReadyReads() const { return readyReads_; }

    // Line operations, for sequences the whole accesses do not cover.
    void Write(uint8_t value);
    bool ReadDataIn();
    void Acquire() { Write(shadow_ = 0x08); }
    void Release() { Write(shadow_ = 0x00); }
    void SelectHigh();
    void SelectLow();
    void SetData(bool bit);
    void ClockPulse();
    uint16_t TransferWord(uint16_t command, int bits = 16);
    void ShiftOutInstruction(uint16_t instruction);
    uint16_t EepromRead(int address);
    bool WaitReady();

private:
    enum class Short : uint16_t { Enable = 0x4C0, Disable = 0x400, EraseAll = 0x480 };
    void ShortInstruction(uint16_t instruction);
    bool Programming(bool writeEnable, uint16_t instruction, const uint16_t* data);

    PortIo& port_;
    uint16_t base_;
    uint8_t shadow_ = 0;
    int readyReads_ = 0;
};

} // namespace zkcomm::sim::test

#endif
