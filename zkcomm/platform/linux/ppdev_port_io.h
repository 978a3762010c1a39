// Real parallel ports through the kernel's ppdev driver: /dev/parportN is
// opened and claimed when the port is selected, the data register is written
// with PPWDATA and the status register read with PPRSTATUS; the claim is
// released and the device closed when the port I/O is destroyed.
#ifndef ZKCOMM_PLATFORM_LINUX_PPDEV_PORT_IO_H
#define ZKCOMM_PLATFORM_LINUX_PPDEV_PORT_IO_H

#include "zkcomm/platform/port_io_provider.h"

#include <functional>
#include <string>

namespace zkcomm::linux_platform {

class PpdevPortIo : public PortIo {
public:
    // fd: an open, claimed ppdev device for the port at base.
    PpdevPortIo(int fd, uint16_t base) : fd_(fd), base_(base) {}
    ~PpdevPortIo() override;
    PpdevPortIo(const PpdevPortIo&) = delete;
    PpdevPortIo& operator=(const PpdevPortIo&) = delete;

    bool Out(uint16_t port, uint8_t value) override;
    bool In(uint16_t port, uint8_t& value) override;

private:
    int fd_;
    uint16_t base_;
};

// One line for the user on why a device could not be used; err is an errno.
std::string DescribeDeviceFailure(const std::string& device, const char* step, int err);

class PpdevPortProvider : public PortIoProvider {
public:
    using Reporter = std::function<void(const std::string& line)>;

    // procRoot holds sys/dev/parport, devRoot the parportN device nodes. The
    // reporter gets one line per port that exists but cannot be used; by
    // default it goes to standard error.
    explicit PpdevPortProvider(std::string procRoot = "/proc", std::string devRoot = "/dev",
                               Reporter reporter = {});

    std::unique_ptr<PortIo> Open(uint16_t base) override;

private:
    void Report(const std::string& line) const;

    std::string procRoot_;
    std::string devRoot_;
    Reporter reporter_;
};

} // namespace zkcomm::linux_platform

#endif
