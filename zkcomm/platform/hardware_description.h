// Builds the hardware-description entries that the port search reads: one
// key per parallel port below MultifunctionAdapter\0\ParallelController, with
// its "Configuration Data" in the full resource descriptor layout.
#ifndef ZKCOMM_PLATFORM_HARDWARE_DESCRIPTION_H
#define ZKCOMM_PLATFORM_HARDWARE_DESCRIPTION_H

#include "zkcomm/platform/in_memory_registry_tree.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace zkcomm {

inline constexpr std::string_view HardwareDescriptionRoot = "HARDWARE\\DESCRIPTION\\System";
inline constexpr std::string_view ConfigurationDataValue = "Configuration Data";

// A full resource descriptor with one I/O port range: interface type, bus
// number, list version and revision, count 1, then the port descriptor (type,
// share disposition, flags, 64-bit start, 32-bit length). The start's low
// word sits at bytes 20 and 21.
std::vector<uint8_t> PortResourceDescriptor(uint16_t base, uint32_t length = 8);

// Adds ...\ParallelController\<index> (index = LPT number - 1) with its base.
void AddParallelPort(InMemoryRegistryTree& tree, int index, uint16_t base);

} // namespace zkcomm

#endif
