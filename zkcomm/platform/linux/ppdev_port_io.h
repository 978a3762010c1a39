// Real parallel ports through the kernel's ppdev driver: /dev/parportN is
// opened and claimed when the port is selected, the data register is written
// with PPWDATA and the status register read with PPRSTATUS; the claim is
// released and the device closed when the port I/O is destroyed. A port that
// another program holds is given up on after ClaimLimit.
#ifndef ZKCOMM_PLATFORM_LINUX_PPDEV_PORT_IO_H
#define ZKCOMM_PLATFORM_LINUX_PPDEV_PORT_IO_H

#include "zkcomm/platform/linux/ppdev_system.h"
#include "zkcomm/platform/port_io_provider.h"

#include <functional>
#include <string>

namespace zkcomm::linux_platform {

class PpdevPortIo : public PortIo {
public:
    // fd: an open, claimed ppdev device for the port at base.
    PpdevPortIo(PpdevSystem& system, int fd, uint16_t base)
        : system_(system), fd_(fd), base_(base) {}
    ~PpdevPortIo() override;
    PpdevPortIo(const PpdevPortIo&) = delete;
    PpdevPortIo& operator=(const PpdevPortIo&) = delete;

    bool Out(uint16_t port, uint8_t value) override;
    bool In(uint16_t port, uint8_t& value) override;

private:
    PpdevSystem& system_;
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
    // default it goes to standard error. system makes the device calls and
    // must outlive the provider and its ports; nullptr means the kernel's.
    explicit PpdevPortProvider(std::string procRoot = "/proc", std::string devRoot = "/dev",
                               Reporter reporter = {}, PpdevSystem* system = nullptr);

    std::unique_ptr<PortIo> Open(uint16_t base) override;

private:
    void Report(const std::string& line) const;

    std::string procRoot_;
    std::string devRoot_;
    Reporter reporter_;
    PpdevSystem& system_;
};

} // namespace zkcomm::linux_platform

#endif
