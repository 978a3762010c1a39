#include "zkcomm/sim/shared_drive.h"

#include "zkcomm/sim/nv_file.h"
#include "zkcomm/sim/nv_file_keeper.h"

namespace zkcomm::sim {

SimulatedDrive& SharedDrive() {
    // Never destroyed, so a late port access during exit still finds it.
    static SimulatedDrive* const drive = [] {
        auto* made = new SimulatedDrive(0x378);
        KeepNvInFile(*made, NvFilePath());
        return made;
    }();
    return *drive;
}

void ResetSharedDrive() {
    SharedDrive().Reset();
}

} // namespace zkcomm::sim
