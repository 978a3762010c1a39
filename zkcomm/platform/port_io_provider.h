// Hands out the port I/O for an LPT base address when a port is selected.
#ifndef ZKCOMM_PLATFORM_PORT_IO_PROVIDER_H
#define ZKCOMM_PLATFORM_PORT_IO_PROVIDER_H

#include "zkcomm/platform/port_io.h"

#include <cstdint>
#include <memory>

namespace zkcomm {

class PortIoProvider {
public:
    virtual ~PortIoProvider() = default;
    // The port I/O for the LPT port at base, ready for use (claimed) until it is
    // destroyed; nullptr when that port cannot be used. The provider reports
    // why itself where a user would otherwise never learn it.
    virtual std::unique_ptr<PortIo> Open(uint16_t base) = 0;
};

// Passes every access on to a port I/O that lives elsewhere.
class ForwardingPortIo : public PortIo {
public:
    explicit ForwardingPortIo(PortIo& target) : target_(&target) {}
    bool Out(uint16_t port, uint8_t value) override { return target_->Out(port, value); }
    bool In(uint16_t port, uint8_t& value) override { return target_->In(port, value); }

private:
    PortIo* target_;
};

} // namespace zkcomm

#endif
