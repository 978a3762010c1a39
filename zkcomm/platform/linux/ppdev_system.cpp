#include "zkcomm/platform/linux/ppdev_system.h"

#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace zkcomm::linux_platform {

namespace {

class KernelPpdev : public PpdevSystem {
public:
    int Open(const char* path, int flags) override { return ::open(path, flags); }
    int Ioctl(int fd, unsigned long request, void* arg) override {
        return ::ioctl(fd, request, arg);
    }
    int Close(int fd) override { return ::close(fd); }
};

} // namespace

PpdevSystem& RealPpdevSystem() {
    static KernelPpdev system;
    return system;
}

} // namespace zkcomm::linux_platform
