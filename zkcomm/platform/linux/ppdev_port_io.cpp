#include "zkcomm/platform/linux/ppdev_port_io.h"

#include "zkcomm/platform/linux/bounded_claim.h"
#include "zkcomm/platform/linux/proc_parport.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <linux/ppdev.h>
#include <sys/ioctl.h>

namespace zkcomm::linux_platform {

namespace {

// The kernel's table has no fixed size; more than this many ports is unheard of.
constexpr int MaxParports = 16;

int IoctlRetrying(PpdevSystem& system, int fd, unsigned long request, void* arg) {
    int result = 0;
    do {
        result = system.Ioctl(fd, request, arg);
    } while (result == -1 && errno == EINTR);
    return result;
}

} // namespace

PpdevPortIo::~PpdevPortIo() {
    IoctlRetrying(system_, fd_, PPRELEASE, nullptr);
    system_.Close(fd_);
}

bool PpdevPortIo::Out(uint16_t port, uint8_t value) {
    if (port != base_) {
        return false;
    }
    unsigned char byte = value;
    return IoctlRetrying(system_, fd_, PPWDATA, &byte) == 0;
}

bool PpdevPortIo::In(uint16_t port, uint8_t& value) {
    if (port != static_cast<uint16_t>(base_ + 1)) {
        return false;
    }
    unsigned char byte = 0;
    if (IoctlRetrying(system_, fd_, PPRSTATUS, &byte) != 0) {
        return false;
    }
    value = byte;
    return true;
}

std::string DescribeDeviceFailure(const std::string& device, const char* step, int err) {
    std::string line = "zkcomm: cannot ";
    line += step;
    line += " ";
    line += device;
    line += ": ";
    line += std::strerror(err);
    if (err == EACCES || err == EPERM) {
        line += " (add the user to the group lp and log in again)";
    } else if (err == ENOENT || err == ENXIO || err == ENODEV) {
        line += " (is the ppdev module loaded?)";
    } else if (err == EBUSY) {
        line += " (another program holds the port)";
    }
    return line;
}

PpdevPortProvider::PpdevPortProvider(std::string procRoot, std::string devRoot, Reporter reporter,
                                     PpdevSystem* system)
    : procRoot_(std::move(procRoot)), devRoot_(std::move(devRoot)), reporter_(std::move(reporter)),
      system_(system != nullptr ? *system : RealPpdevSystem()) {}

void PpdevPortProvider::Report(const std::string& line) const {
    if (reporter_) {
        reporter_(line);
        return;
    }
    std::fprintf(stderr, "%s\n", line.c_str());
}

std::unique_ptr<PortIo> PpdevPortProvider::Open(uint16_t base) {
    int index = -1;
    for (int i = 0; i < MaxParports && index < 0; ++i) {
        if (ReadParportBase(procRoot_, i) == base) {
            index = i;
        }
    }
    if (index < 0) {
        return nullptr; // no such port: not ours to explain
    }
    const std::string device = devRoot_ + "/parport" + std::to_string(index);
    const int fd = system_.Open(device.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) {
        Report(DescribeDeviceFailure(device, "open", errno));
        return nullptr;
    }
    // EBUSY: still held by another program when the wait ran out.
    const int err = ClaimWithin(system_, fd, ClaimLimit);
    if (err != 0) {
        system_.Close(fd);
        Report(DescribeDeviceFailure(device, "claim", err));
        return nullptr;
    }
    return std::make_unique<PpdevPortIo>(system_, fd, base);
}

} // namespace zkcomm::linux_platform
