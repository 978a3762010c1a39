// Bit fields and two-register values as the drive lays them out.
#ifndef ZKCOMM_SIM_REGISTER_PACKING_H
#define ZKCOMM_SIM_REGISTER_PACKING_H

#include <cstdint>

namespace zkcomm::sim {

// value placed in bits msb down to msb - width + 1.
constexpr uint8_t Field(int value, int msb, int width) {
    return static_cast<uint8_t>((value & ((1 << width) - 1)) << (msb - width + 1));
}

// A two-register value of width + 8 bits: the upper 8 bits fill the high
// register, the low `width` bits stand left-aligned in the register below.
constexpr uint8_t HighPart(int value, int width) {
    return static_cast<uint8_t>((value >> width) & 0xFF);
}
constexpr uint8_t LowPart(int value, int width) {
    return static_cast<uint8_t>((value << (8 - width)) & 0xFF);
}
constexpr int CombineParts(uint8_t low, uint8_t high, int width) {
    return static_cast<int8_t>(high) * (1 << width) + (low >> (8 - width));
}

// An NV word: the register command that writes byte into register reg.
constexpr uint16_t NvEntry(int reg, uint8_t byte) {
    return static_cast<uint16_t>((reg << 11) | 0x400 | byte);
}

} // namespace zkcomm::sim

#endif
