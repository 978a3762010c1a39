// Verified reads and writes of single parameters in the drive's NV memory, the model check
// there, and the erase of the cells above the parameters.
#include "zktools/model/data_process.h"
#include "zktools/model/link_lock.h"
#include "zktools/model/transfer_place.h"

#include "zkcomm/zkcomm.h"

#include <mutex>

using zkmodel_detail::ByteOut;
using zkmodel_detail::DecodeByte;
using zkmodel_detail::EncodeByte;
using zkmodel_detail::LinkAddress;
using zkmodel_detail::Locate;
using zkmodel_detail::Place;

namespace {

// Cells 0 to 14 hold the parameters; 255 is left alone.
constexpr int32_t FirstErasedCell = 15;
constexpr int32_t LastErasedCell = 254;

// The helpers below make link calls and expect the caller to hold LinkLock.

// One NV word, which must name the register it mirrors.
StatCode ReadWord(int32_t address, int32_t reg, int32_t& data) {
    uint32_t field = 0;
    int32_t byte = 0;
    const StatCode code = GetVarFromEEPROM(LinkAddress(address), &field, &byte);
    if (code != LinkOk) {
        return code;
    }
    if (static_cast<int64_t>(field) != reg) {
        return NVAddressMismatch;
    }
    data = byte;
    return LinkOk;
}

// One reading: the word of the high register first, then for a two-register value the one
// below.
StatCode ReadOnce(const Place& p, int32_t& value) {
    int32_t high = 0;
    StatCode code = ReadWord(p.nvAddr, p.logicAddr, high);
    if (code != LinkOk) {
        return code;
    }
    if (!p.TwoRegisters()) {
        value = DecodeByte(p, high);
        return LinkOk;
    }
    int32_t low = 0;
    code = ReadWord(p.nvAddr - 1, p.logicAddr - 1, low);
    if (code != LinkOk) {
        return code;
    }
    value = DataProcess::CombineBytes(low, high, p.width);
    return LinkOk;
}

StatCode PutWord(int32_t address, int32_t reg, int32_t byte) {
    return PutVarToEEPROM(LinkAddress(address), LinkAddress(reg), ByteOut(byte));
}

// Each word is written with the register it mirrors; the library reads every word back
// itself, so a failed put ends the attempt.
StatCode WriteOnce(const Place& p, int32_t value, int32_t& readBack) {
    StatCode code = LinkOk;
    if (p.TwoRegisters()) {
        code = PutWord(p.nvAddr - 1, p.logicAddr - 1, DataProcess::LowByte(value, p.width));
        if (code == LinkOk) {
            code = PutWord(p.nvAddr, p.logicAddr, DataProcess::HighByte(value, p.width));
        }
    } else {
        // The current word's register field is not checked here: the put rewrites it.
        uint32_t field = 0;
        int32_t current = 0;
        code = GetVarFromEEPROM(LinkAddress(p.nvAddr), &field, &current);
        if (code == LinkOk) {
            code = PutWord(p.nvAddr, p.logicAddr, EncodeByte(p, value, current));
        }
    }
    if (code != LinkOk) {
        return code;
    }
    return ReadOnce(p, readBack);
}

} // namespace

StatCode DataProcess::ReadVarFromNV(std::string_view name, int32_t& value) {
    const auto place = Locate(name);
    if (!place) {
        return UnknownParameter;
    }
    std::lock_guard<std::mutex> lock(LinkLock());
    int32_t first = 0;
    StatCode code = ReadOnce(*place, first);
    if (code != LinkOk) {
        return code;
    }
    int32_t second = 0;
    code = ReadOnce(*place, second);
    if (code != LinkOk) {
        return code;
    }
    value = second;
    return first == second ? LinkOk : VerifyFailed;
}

StatCode DataProcess::WriteVarToNV(std::string_view name, int32_t value) {
    const auto place = Locate(name);
    if (!place) {
        return UnknownParameter;
    }
    std::lock_guard<std::mutex> lock(LinkLock());
    for (int attempt = 0; attempt < 2; ++attempt) {
        int32_t readBack = 0;
        const StatCode code = WriteOnce(*place, value, readBack);
        if (code != LinkOk) {
            return code;
        }
        if (readBack == value) {
            return LinkOk;
        }
    }
    return VerifyFailed;
}

int32_t DataProcess::CheckModelInNV(int32_t expected) {
    int32_t model = 0;
    const StatCode code = ReadVarFromNV("Model", model);
    if (code != LinkOk) {
        return code;
    }
    return model == expected ? ModelMatches : ModelDiffers;
}

StatCode DataProcess::EraseNV() {
    for (int32_t address = FirstErasedCell; address <= LastErasedCell; ++address) {
        StatCode code = LinkFailed;
        {
            std::lock_guard<std::mutex> lock(LinkLock());
            code = NVEraseUnit(static_cast<uint32_t>(address));
            if (code == LinkNotReady) {
                code = NVEraseUnit(static_cast<uint32_t>(address));
            }
        }
        if (code != LinkOk) {
            return code;
        }
    }
    return LinkOk;
}
