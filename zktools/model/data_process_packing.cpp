#include "zktools/model/data_process.h"

namespace {

bool FieldFits(int32_t msb, int32_t width) {
    return width >= 1 && width <= 31 && msb <= 31 && msb - width + 1 >= 0;
}

uint32_t LowBits(int32_t width) {
    return (uint32_t{1} << width) - 1;
}

} // namespace

int32_t DataProcess::ExtractBits(int32_t byte, int32_t msb, int32_t width) {
    if (!FieldFits(msb, width)) {
        return 0;
    }
    const int32_t lsb = msb - width + 1;
    return static_cast<int32_t>((static_cast<uint32_t>(byte) >> lsb) & LowBits(width));
}

int32_t DataProcess::InsertBits(int32_t value, int32_t byte, int32_t msb, int32_t width) {
    if (!FieldFits(msb, width)) {
        return byte;
    }
    const int32_t lsb = msb - width + 1;
    // The low bits of a negative value are its two's complement in the field's width.
    const uint32_t mask = LowBits(width) << lsb;
    const uint32_t field = (static_cast<uint32_t>(value) << lsb) & mask;
    return static_cast<int32_t>((static_cast<uint32_t>(byte) & ~mask) | field);
}

int32_t DataProcess::CombineBytes(int32_t low, int32_t high, int32_t width) {
    if (width < 0 || width > 8) {
        return 0;
    }
    int32_t value = ((high & 0xFF) << width) | ((low & 0xFF) >> (8 - width));
    if (value >= (1 << (width + 7))) {
        value -= 1 << (width + 8);
    }
    return value;
}

int32_t DataProcess::HighByte(int32_t value, int32_t width) {
    if (width < 0 || width > 8) {
        return 0;
    }
    // 64 bits: a value below the field's range must not overflow on the way.
    int64_t v = value;
    if (v < 0) {
        v += int64_t{1} << (width + 8);
    }
    return static_cast<int32_t>(v / (int64_t{1} << width));
}

int32_t DataProcess::LowByte(int32_t value, int32_t width) {
    if (width < 0 || width > 8) {
        return 0;
    }
    return static_cast<int32_t>((static_cast<uint32_t>(value) & LowBits(width)) << (8 - width));
}
