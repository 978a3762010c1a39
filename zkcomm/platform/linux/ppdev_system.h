// The system calls the ppdev back end makes on a device: open, ioctl, close.
// The real ones by default; tests put a driver of their own in their place.
#ifndef ZKCOMM_PLATFORM_LINUX_PPDEV_SYSTEM_H
#define ZKCOMM_PLATFORM_LINUX_PPDEV_SYSTEM_H

namespace zkcomm::linux_platform {

class PpdevSystem {
public:
    virtual ~PpdevSystem() = default;
    // As open(2), ioctl(2) and close(2): -1 with errno set on failure.
    virtual int Open(const char* path, int flags) = 0;
    virtual int Ioctl(int fd, unsigned long request, void* arg) = 0;
    virtual int Close(int fd) = 0;
};

// The kernel's calls; one object for the process.
PpdevSystem& RealPpdevSystem();

} // namespace zkcomm::linux_platform

#endif
