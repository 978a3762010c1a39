// The one simulated drive of the process, used by the link library when the
// environment asks for the simulator.
#ifndef ZKCOMM_SIM_SHARED_DRIVE_H
#define ZKCOMM_SIM_SHARED_DRIVE_H

#include "zkcomm/sim/simulated_drive.h"

namespace zkcomm::sim {

// Built on first use (thread-safe), at base 0x378; lives until the process ends.
// Its NV memory is kept in the file NvFilePath() names: read once here, written
// at each change.
SimulatedDrive& SharedDrive();
// Back to the power-on state with every fault cleared (SimulatedDrive::Reset);
// the factory NV set then goes to the file too.
void ResetSharedDrive();

} // namespace zkcomm::sim

#endif
