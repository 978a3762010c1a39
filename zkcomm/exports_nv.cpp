// NV memory words: read, write with read-back, erase one word, erase all.
#include "zkcomm/export_guard.h"
#include "zkcomm/zkcomm.h"

namespace zkcomm {

namespace {

constexpr uint32_t LastAddress = 255;
constexpr uint32_t LastRegister = 31;
constexpr uint16_t ErasedWord = 0xFFFF;

int32_t ReadWord(uint32_t address, uint32_t* reg, int32_t* data) {
    DriveLink& link = Session().Link();
    if (link.LinkDisabled()) {
        return LinkFailed;
    }
    if (address > LastAddress || reg == nullptr || data == nullptr) {
        return LinkInvalid;
    }
    link.BeginAccess();
    const uint16_t word = link.EepromRead(static_cast<uint8_t>(address));
    link.ReleaseLink();
    if (link.AccessFailed()) {
        return LinkFailed;
    }
    *reg = word >> 11;
    *data = word & 0xFF;
    return LinkOk;
}

// EWDS and the end of the access after a programming cycle that did not report ready.
int32_t GiveUpNotReady(DriveLink& link) {
    link.EepromWriteDisable();
    link.ReleaseLink();
    return link.AccessFailed() ? LinkFailed : LinkNotReady;
}

int32_t WriteWord(uint32_t address, uint32_t reg, uint32_t data) {
    DriveLink& link = Session().Link();
    if (link.LinkDisabled()) {
        return LinkFailed;
    }
    if (address > LastAddress || reg > LastRegister) {
        return LinkInvalid;
    }
    const uint16_t word = EepromEntry(reg, data);
    const auto at = static_cast<uint8_t>(address);
    link.BeginAccess();
    link.EepromWriteEnable();
    if (!link.EepromWrite(at, word)) {
        return GiveUpNotReady(link);
    }
    link.EepromWriteDisable();
    const uint16_t readback = link.EepromRead(at);
    link.ReleaseLink();
    if (link.AccessFailed()) {
        return LinkFailed;
    }
    return readback == word ? LinkOk : LinkFailed;
}

int32_t EraseAll() {
    DriveLink& link = Session().Link();
    if (link.LinkDisabled()) {
        return LinkFailed;
    }
    link.BeginAccess();
    link.EepromWriteEnable();
    if (!link.EepromEraseAll()) {
        return GiveUpNotReady(link);
    }
    link.EepromWriteDisable();
    for (uint32_t address = 0; address <= LastAddress; ++address) {
        const uint16_t word = link.EepromRead(static_cast<uint8_t>(address));
        if (link.AccessFailed()) {
            break;
        }
        if (word != ErasedWord) {
            link.ReleaseLink();
            return link.AccessFailed() ? LinkFailed : LinkNotReady;
        }
    }
    link.ReleaseLink();
    return link.AccessFailed() ? LinkFailed : LinkOk;
}

int32_t EraseWord(uint32_t address) {
    DriveLink& link = Session().Link();
    if (link.LinkDisabled()) {
        return LinkFailed;
    }
    if (address > LastAddress) {
        return LinkInvalid;
    }
    const auto at = static_cast<uint8_t>(address);
    link.BeginAccess();
    link.EepromWriteEnable();
    if (!link.EepromErase(at)) {
        return GiveUpNotReady(link);
    }
    link.EepromWriteDisable();
    const uint16_t word = link.EepromRead(at);
    link.ReleaseLink();
    if (link.AccessFailed()) {
        return LinkFailed;
    }
    return word == ErasedWord ? LinkOk : LinkNotReady;
}

} // namespace

} // namespace zkcomm

extern "C" {

ZKCOMM_API int32_t ZKCOMM_CALL GetVarFromEEPROM(uint32_t address, uint32_t* reg, int32_t* data) {
    return zkcomm::Guarded<int32_t>(LinkFailed,
                                    [&] { return zkcomm::ReadWord(address, reg, data); });
}

ZKCOMM_API int32_t ZKCOMM_CALL PutVarToEEPROM(uint32_t address, uint32_t reg, uint32_t data) {
    return zkcomm::Guarded<int32_t>(LinkFailed,
                                    [&] { return zkcomm::WriteWord(address, reg, data); });
}

ZKCOMM_API int32_t ZKCOMM_CALL NVErase(void) {
    return zkcomm::Guarded<int32_t>(LinkFailed, [] { return zkcomm::EraseAll(); });
}

ZKCOMM_API int32_t ZKCOMM_CALL NVEraseUnit(uint32_t address) {
    return zkcomm::Guarded<int32_t>(LinkFailed, [&] { return zkcomm::EraseWord(address); });
}

} // extern "C"
