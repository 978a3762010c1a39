// Logic register frames: read and write one register, enable and disable the drive.
#include "zkcomm/export_guard.h"
#include "zkcomm/zkcomm.h"

namespace zkcomm {

namespace {

constexpr uint32_t RegisterMask = 0x7FFF;

bool ValidRegister(uint32_t reg) {
    return reg >= 1 && reg <= 31;
}

// One frame in its own register access; false when the port failed.
bool RegisterFrame(DriveLink& link, uint16_t command, uint16_t& reply) {
    link.BeginRegisterAccess();
    reply = link.TransferWord(command);
    link.ReleaseLink();
    return !link.AccessFailed();
}

int32_t ReadRegister(uint32_t varId, int32_t* value, int32_t* status) {
    DriveLink& link = Session().Link();
    if (link.LinkDisabled()) {
        return LinkFailed;
    }
    const uint32_t reg = varId & RegisterMask;
    if (!ValidRegister(reg) || value == nullptr || status == nullptr) {
        return LinkInvalid;
    }
    uint16_t reply = 0;
    if (!RegisterFrame(link, RegisterCommand(reg, false, 0), reply) || !ReplyHasMarker(reply)) {
        return LinkFailed;
    }
    *status = reply >> 8;
    if ((varId & ZKCOMM_TWO_BYTE_FLAG) == 0) {
        *value = reply & 0xFF;
        return LinkOk;
    }
    // Register 1 pairs with register 0, which the frame format can address.
    uint16_t high = 0;
    if (!RegisterFrame(link, RegisterCommand(reg - 1, false, 0), high) || !ReplyHasMarker(high)) {
        return LinkFailed;
    }
    if ((high >> 8) != (reply >> 8)) {
        return LinkInvalid;
    }
    *value = ((high & 0xFF) << 8) | (reply & 0xFF);
    return LinkOk;
}

int32_t WriteRegister(uint32_t varId, uint32_t value) {
    DriveLink& link = Session().Link();
    if (link.LinkDisabled()) {
        return LinkFailed;
    }
    const uint32_t reg = varId & RegisterMask;
    if (!ValidRegister(reg)) {
        return LinkInvalid;
    }
    uint16_t reply = 0;
    const auto low = static_cast<uint8_t>(value & 0xFF);
    if (!RegisterFrame(link, RegisterCommand(reg, true, low), reply) || !ReplyHasMarker(reply)) {
        return LinkFailed;
    }
    if ((varId & ZKCOMM_TWO_BYTE_FLAG) == 0) {
        return LinkOk;
    }
    const auto high = static_cast<uint8_t>((value >> 8) & 0xFF);
    if (!RegisterFrame(link, RegisterCommand(reg - 1, true, high), reply) ||
        !ReplyHasMarker(reply)) {
        return LinkFailed;
    }
    return LinkOk;
}

int32_t DriveEnableFrame(uint8_t disable) {
    DriveLink& link = Session().Link();
    if (link.LinkDisabled()) {
        return 0;
    }
    link.BeginAccess();
    const uint16_t reply = link.TransferWord(RegisterCommand(DriveDisableRegister, true, disable));
    link.ReleaseLink();
    return (!link.AccessFailed() && ReplyHasMarker(reply)) ? 1 : 0;
}

} // namespace

} // namespace zkcomm

extern "C" {

ZKCOMM_API int32_t ZKCOMM_CALL GetVarFromFPGA(uint32_t varId, int32_t* value, int32_t* status) {
    return zkcomm::Guarded<int32_t>(LinkFailed,
                                    [&] { return zkcomm::ReadRegister(varId, value, status); });
}

ZKCOMM_API int32_t ZKCOMM_CALL PutVarToFPGA(uint32_t varId, uint32_t value) {
    return zkcomm::Guarded<int32_t>(LinkFailed,
                                    [&] { return zkcomm::WriteRegister(varId, value); });
}

ZKCOMM_API int32_t ZKCOMM_CALL DisableDrive(void) {
    return zkcomm::Guarded<int32_t>(0, [] { return zkcomm::DriveEnableFrame(1); });
}

ZKCOMM_API int32_t ZKCOMM_CALL EnableDrive(void) {
    return zkcomm::Guarded<int32_t>(0, [] { return zkcomm::DriveEnableFrame(0); });
}

} // extern "C"
