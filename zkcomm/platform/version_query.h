// The operating system's version word. Bit 31 clear: NT family (the hardware
// description is searched); set: 95/98/Me family (the BIOS data area is read).
#ifndef ZKCOMM_PLATFORM_VERSION_QUERY_H
#define ZKCOMM_PLATFORM_VERSION_QUERY_H

#include <cstdint>

namespace zkcomm {

inline constexpr uint32_t Win9xFamilyBit = 0x80000000u;

class VersionQuery {
public:
    virtual ~VersionQuery() = default;
    virtual uint32_t GetVersion() = 0;
};

} // namespace zkcomm

#endif
