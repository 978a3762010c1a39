// Where a parameter lives and how one register byte decodes, shared by the drive and NV
// transfers. Nothing here touches the link or its lock.
#ifndef ZKTOOLS_MODEL_TRANSFER_PLACE_H
#define ZKTOOLS_MODEL_TRANSFER_PLACE_H

#include "zktools/model/data_process.h"
#include "zktools/model/symbol_table.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace zkmodel_detail {

inline constexpr int32_t SignedByteType = 15;

struct Place {
    int32_t logicAddr = 0;
    int32_t nvAddr = -1;
    int32_t bytes = 1;
    int32_t msbBit = 7;
    int32_t width = 8;
    int32_t type = 0;

    bool TwoRegisters() const noexcept { return bytes == 2; }
};

inline std::optional<Place> Locate(std::string_view name) {
    Place p;
    if (!SymTable.GetAddress(name, p.logicAddr, p.nvAddr, p.bytes, p.msbBit, p.width, p.type)) {
        return std::nullopt;
    }
    return p;
}

// Addresses go to the link unchecked: anything outside its ranges (an NVAddr of -1 among
// them) comes back as LinkInvalid. A register number never carries the two-byte flag.
inline uint32_t LinkAddress(int32_t address) noexcept {
    return address < 0 ? UINT32_MAX : static_cast<uint32_t>(address);
}
inline uint32_t RegisterId(int32_t reg) noexcept {
    return reg < 0 || reg > 0x7FFF ? 0 : static_cast<uint32_t>(reg);
}

// The field of one register byte; a signed byte above 127 is negative.
inline int32_t DecodeByte(const Place& p, int32_t byte) {
    const int32_t v = DataProcess::ExtractBits(byte & 0xFF, p.msbBit, p.width);
    return p.type == SignedByteType && v > 127 ? v - 256 : v;
}

// The register byte with the parameter's field replaced by value.
inline int32_t EncodeByte(const Place& p, int32_t value, int32_t current) {
    const int32_t v = p.type == SignedByteType && value < 0 ? value + 256 : value;
    return DataProcess::InsertBits(v, current & 0xFF, p.msbBit, p.width) & 0xFF;
}

// Only the low 8 bits of a byte reach the drive.
inline uint32_t ByteOut(int32_t byte) noexcept {
    return static_cast<uint32_t>(byte) & 0xFFu;
}

} // namespace zkmodel_detail

#endif
