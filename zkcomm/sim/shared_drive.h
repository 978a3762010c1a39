// The one simulated drive of the process, used by the link library when the
// environment asks for the simulator.
#ifndef ZKCOMM_SIM_SHARED_DRIVE_H
#define ZKCOMM_SIM_SHARED_DRIVE_H

#include "zkcomm/sim/simulated_drive.h"

namespace zkcomm::sim {

// Built on first use (thread-safe), at base 0x378; lives until the process ends.
SimulatedDrive& SharedDrive();
// Back to the power-on state with every fault cleared (SimulatedDrive::Reset).
void ResetSharedDrive();

} // namespace zkcomm::sim

#endif
