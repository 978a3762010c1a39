// Reads the BIOS data area of the 95/98/Me family (the table of LPT base
// addresses at linear address 0x408).
#ifndef ZKCOMM_PLATFORM_BIOS_AREA_READER_H
#define ZKCOMM_PLATFORM_BIOS_AREA_READER_H

#include <cstdint>
#include <span>

namespace zkcomm {

class BiosAreaReader {
public:
    virtual ~BiosAreaReader() = default;
    // Copies data.size() bytes from address into data. False when the memory
    // reader is not available on this system or the read fails.
    virtual bool Read(uint32_t address, std::span<uint8_t> data) = 0;
};

} // namespace zkcomm

#endif
