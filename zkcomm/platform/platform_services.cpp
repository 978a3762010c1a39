#include "zkcomm/platform/platform_services.h"

#include "zkcomm/platform/linux/linux_system.h"
#include "zkcomm/platform/linux/ppdev_port_io.h"
#include "zkcomm/platform/linux/proc_registry_tree.h"

#include <cstdlib>
#include <cstring>

namespace zkcomm {

bool SimulatorRequested() {
    const char* value = std::getenv("ZKCOMM_SIMULATOR");
    return value != nullptr && std::strcmp(value, "1") == 0;
}

PlatformServices LinuxPlatform() {
    static linux_platform::PpdevPortProvider ports;
    static linux_platform::ProcRegistryTree registry;
    static linux_platform::LinuxVersionQuery version;
    static linux_platform::NoBiosAreaReader bios;
    return PlatformServices{&ports, &registry, &version, &bios};
}

PlatformServices DefaultPlatform() {
    return SimulatorRequested() ? SimulatorPlatform() : LinuxPlatform();
}

} // namespace zkcomm
