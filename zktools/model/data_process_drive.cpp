// Verified reads and writes of single parameters in the drive logic's registers, and the
// status and model checks built on them.
#include "zktools/model/data_process.h"
#include "zktools/model/link_lock.h"
#include "zktools/model/transfer_place.h"

#include "zkcomm/zkcomm.h"

#include <mutex>

using zkmodel_detail::ByteOut;
using zkmodel_detail::DecodeByte;
using zkmodel_detail::EncodeByte;
using zkmodel_detail::Locate;
using zkmodel_detail::Place;
using zkmodel_detail::RegisterId;

namespace {

constexpr int32_t FaultCodeBits = 0x0F;
constexpr int32_t EnabledBit = 0x10;

// The helpers below make link calls and expect the caller to hold LinkLock.

StatCode ReadRegister(int32_t reg, int32_t& byte, int32_t& status) {
    int32_t value = 0;
    int32_t replyStatus = 0;
    const StatCode code = GetVarFromFPGA(RegisterId(reg), &value, &replyStatus);
    if (code == LinkOk) {
        byte = value;
        status = replyStatus;
    }
    return code;
}

// One reading: the high register first, then for a two-register value the one below.
StatCode ReadOnce(const Place& p, int32_t& value, int32_t& status) {
    int32_t high = 0;
    StatCode code = ReadRegister(p.logicAddr, high, status);
    if (code != LinkOk) {
        return code;
    }
    if (!p.TwoRegisters()) {
        value = DecodeByte(p, high);
        return LinkOk;
    }
    int32_t low = 0;
    code = ReadRegister(p.logicAddr - 1, low, status);
    if (code != LinkOk) {
        return code;
    }
    value = DataProcess::CombineBytes(low, high, p.width);
    return LinkOk;
}

StatCode ReadTwice(const Place& p, int32_t& value, int32_t& status) {
    int32_t first = 0;
    StatCode code = ReadOnce(p, first, status);
    if (code != LinkOk) {
        return code;
    }
    int32_t second = 0;
    code = ReadOnce(p, second, status);
    if (code != LinkOk) {
        return code;
    }
    value = second;
    return first == second ? LinkOk : VerifyFailed;
}

// Read-modify-write of the register, then one reading back. The put results are not looked
// at: the read-back decides.
StatCode WriteOnce(const Place& p, int32_t value, int32_t& status, int32_t& readBack) {
    int32_t current = 0;
    const StatCode code = ReadRegister(p.logicAddr, current, status);
    if (code != LinkOk) {
        return code;
    }
    if (p.TwoRegisters()) {
        PutVarToFPGA(RegisterId(p.logicAddr - 1), ByteOut(DataProcess::LowByte(value, p.width)));
        PutVarToFPGA(RegisterId(p.logicAddr), ByteOut(DataProcess::HighByte(value, p.width)));
    } else {
        PutVarToFPGA(RegisterId(p.logicAddr), ByteOut(EncodeByte(p, value, current)));
    }
    return ReadOnce(p, readBack, status);
}

} // namespace

StatCode DataProcess::ReadVarFromDrive(std::string_view name, int32_t& value, int32_t& status) {
    const auto place = Locate(name);
    if (!place) {
        return UnknownParameter;
    }
    std::lock_guard<std::mutex> lock(LinkLock());
    return ReadTwice(*place, value, status);
}

StatCode DataProcess::WriteVarToDrive(std::string_view name, int32_t value, int32_t& status) {
    const auto place = Locate(name);
    if (!place) {
        return UnknownParameter;
    }
    std::lock_guard<std::mutex> lock(LinkLock());
    for (int attempt = 0; attempt < 2; ++attempt) {
        int32_t readBack = 0;
        const StatCode code = WriteOnce(*place, value, status, readBack);
        if (code != LinkOk) {
            return code;
        }
        if (readBack == value) {
            return LinkOk;
        }
    }
    return VerifyFailed;
}

StatCode DataProcess::ReadDriveStatus(int32_t& model, bool& enabled, int32_t& faultCode) {
    int32_t status = 0;
    const StatCode code = ReadVarFromDrive("Model", model, status);
    if (code == LinkOk) {
        faultCode = status & FaultCodeBits;
        enabled = (status & EnabledBit) != 0;
    }
    return code;
}

int32_t DataProcess::CheckModelOnDrive(int32_t expected) {
    int32_t model = 0;
    int32_t status = 0;
    const StatCode code = ReadVarFromDrive("Model", model, status);
    if (code != LinkOk) {
        return code;
    }
    return model == expected ? ModelMatches : ModelDiffers;
}
