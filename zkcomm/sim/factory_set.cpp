#include "zkcomm/sim/factory_set.h"

#include "zkcomm/sim/register_packing.h"

namespace zkcomm::sim {

namespace {

constexpr uint16_t kErasedWord = 0xFFFF;

// Register bytes 1 to 15 (index 0 unused) built field by field from the
// parameter defaults.
constexpr std::array<uint8_t, kNvParameterWords + 1> FactoryRegisters() {
    std::array<uint8_t, kNvParameterWords + 1> r{};
    // DirSrc 0, IVMode 0, CmdSrc 0, IrCompSrc 1, PWMTimeOut 0, EncOut 1
    r[1] = Field(0, 7, 1) | Field(0, 6, 1) | Field(0, 5, 1) | Field(1, 4, 1) | Field(0, 3, 2) |
           Field(1, 1, 2);
    // Kii 1, CmdF0 4, Kip 11
    r[2] = Field(1, 7, 1) | Field(4, 6, 3) | Field(11, 3, 4);
    // PoleCount 6, DM1Map 3
    r[3] = Field(6, 7, 5) | Field(3, 2, 3);
    r[4] = 0; // IrComp
    r[5] = 0; // PWMMinus
    r[6] = 0; // PWMPlus
    // Register 7 bit 0 set: the drive comes up disabled.
    r[7] = Field(1, 0, 1);
    r[8] = Field(50, 5, 6); // Model
    r[9] = LowPart(0, 8);   // Command
    r[10] = HighPart(0, 8);
    r[11] = LowPart(0, 4); // IdCmd
    r[12] = HighPart(0, 4);
    // FltDiag 0, AutoDis 0, ILmtPlus 3, ILmtMinus 3
    r[13] = Field(0, 6, 1) | Field(0, 5, 2) | Field(3, 3, 2) | Field(3, 1, 2);
    r[14] = LowPart(0, 4); // CommOff
    r[15] = HighPart(0, 4);
    return r;
}

} // namespace

NvImage FactoryNvImage() {
    constexpr auto regs = FactoryRegisters();
    NvImage image{};
    image.fill(kErasedWord);
    for (int n = 0; n < kNvParameterWords; ++n) {
        image[n] = NvEntry(n + 1, regs[n + 1]);
    }
    return image;
}

} // namespace zkcomm::sim
