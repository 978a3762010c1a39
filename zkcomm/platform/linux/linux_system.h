// The version query and BIOS area reader of Linux: it counts as the NT
// family, so ports are found in the hardware description, and it has no
// BIOS data area to read.
#ifndef ZKCOMM_PLATFORM_LINUX_LINUX_SYSTEM_H
#define ZKCOMM_PLATFORM_LINUX_LINUX_SYSTEM_H

#include "zkcomm/platform/bios_area_reader.h"
#include "zkcomm/platform/version_query.h"

namespace zkcomm::linux_platform {

class LinuxVersionQuery : public VersionQuery {
public:
    // Version 6.0 with the family bit clear.
    uint32_t GetVersion() override { return 0x00000006u; }
};

class NoBiosAreaReader : public BiosAreaReader {
public:
    bool Read(uint32_t, std::span<uint8_t>) override { return false; }
};

} // namespace zkcomm::linux_platform

#endif
