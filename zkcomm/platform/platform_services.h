// The platform seams the link library runs over, and how the defaults are
// chosen: the simulated machine when ZKCOMM_SIMULATOR is "1", else Linux.
#ifndef ZKCOMM_PLATFORM_PLATFORM_SERVICES_H
#define ZKCOMM_PLATFORM_PLATFORM_SERVICES_H

#include "zkcomm/platform/bios_area_reader.h"
#include "zkcomm/platform/port_io_provider.h"
#include "zkcomm/platform/registry_tree.h"
#include "zkcomm/platform/version_query.h"

namespace zkcomm {

struct PlatformServices {
    PortIoProvider* ports = nullptr;
    RegistryTree* registry = nullptr;
    VersionQuery* version = nullptr;
    BiosAreaReader* bios = nullptr;
};

bool SimulatorRequested();
// Real ports through ppdev, the description from /proc.
PlatformServices LinuxPlatform();
// Only LPT1, at 0x378, wired to the process-wide simulated drive.
PlatformServices SimulatorPlatform();
// Read at every call: SimulatorPlatform() or LinuxPlatform().
PlatformServices DefaultPlatform();

} // namespace zkcomm

#endif
