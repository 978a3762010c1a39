// Byte access to one LPT port's registers. The link writes only the data
// register (base + 0) and reads only the status register (base + 1).
#ifndef ZKCOMM_PLATFORM_PORT_IO_H
#define ZKCOMM_PLATFORM_PORT_IO_H

#include <cstdint>

namespace zkcomm {

class PortIo {
public:
    virtual ~PortIo() = default;
    // false: the write did not reach the port (the access then fails).
    virtual bool Out(uint16_t port, uint8_t value) = 0;
    // false: the read did not reach the port; value is then unspecified.
    virtual bool In(uint16_t port, uint8_t& value) = 0;
};

} // namespace zkcomm

#endif
