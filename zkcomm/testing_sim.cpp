// The hooks that need the simulated drive; built only with it.
#include "zkcomm/testing.h"
#include "zkcomm/zkcomm.h"

#include "zkcomm/sim/shared_drive.h"
#include "zkcomm/sim/simulated_drive.h"

namespace zkcomm::testing {

sim::SimulatedDrive& SimDrive() {
    return sim::SharedDrive();
}

ScopedSimulator::ScopedSimulator() {
    RestoreDefaults();
    sim::ResetSharedDrive();
    UseSimulatedPlatform();
    selected_ = UseParallelPort(1) == LinkOk;
}

ScopedSimulator::~ScopedSimulator() {
    RestoreDefaults();
    sim::ResetSharedDrive();
}

} // namespace zkcomm::testing
