#include "zkcomm/platform/hardware_description.h"
#include "zkcomm/platform/linux/linux_system.h"
#include "zkcomm/platform/platform_services.h"

#if ZKCOMM_HAVE_SIMULATOR
#include "zkcomm/sim/shared_drive.h"
#include "zkcomm/sim/simulated_drive.h"
#else
#include <cstdio>
#endif

namespace zkcomm {

namespace {

constexpr uint16_t SimulatedLpt1 = 0x378;

class SimulatorPortProvider : public PortIoProvider {
public:
    std::unique_ptr<PortIo> Open(uint16_t base) override {
        if (base != SimulatedLpt1) {
            return nullptr;
        }
#if ZKCOMM_HAVE_SIMULATOR
        return std::make_unique<ForwardingPortIo>(sim::SharedDrive());
#else
        std::fprintf(stderr, "zkcomm: this build has no simulated drive\n");
        return nullptr;
#endif
    }
};

class SimulatedMachine : public InMemoryRegistryTree {
public:
    SimulatedMachine() { AddParallelPort(*this, 0, SimulatedLpt1); }
};

} // namespace

PlatformServices SimulatorPlatform() {
    static SimulatorPortProvider ports;
    static SimulatedMachine registry;
    static linux_platform::LinuxVersionQuery version;
    static linux_platform::NoBiosAreaReader bios;
    return PlatformServices{&ports, &registry, &version, &bios};
}

} // namespace zkcomm
