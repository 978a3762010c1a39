#include "zkcomm/sim/shared_drive.h"

namespace zkcomm::sim {

SimulatedDrive& SharedDrive() {
    // Never destroyed, so a late port access during exit still finds it.
    static SimulatedDrive* const drive = new SimulatedDrive(0x378);
    return *drive;
}

void ResetSharedDrive() {
    SharedDrive().Reset();
}

} // namespace zkcomm::sim
