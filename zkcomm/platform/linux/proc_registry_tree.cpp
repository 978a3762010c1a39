#include "zkcomm/platform/linux/proc_registry_tree.h"

#include "zkcomm/platform/hardware_description.h"
#include "zkcomm/platform/linux/proc_parport.h"

namespace zkcomm::linux_platform {

void ProcRegistryTree::Rebuild() {
    snapshot_.Clear();
    snapshot_.AddKey(HardwareDescriptionRoot);
    for (int index = 0; index < 3; ++index) {
        if (const auto base = ReadParportBase(procRoot_, index)) {
            AddParallelPort(snapshot_, index, *base);
        }
    }
}

bool ProcRegistryTree::OpenKey(std::string_view path, Key& key) {
    // Handles stay valid while any key is open, so refresh only between searches.
    if (snapshot_.OpenKeyCount() == 0) {
        Rebuild();
    }
    return snapshot_.OpenKey(path, key);
}

} // namespace zkcomm::linux_platform
