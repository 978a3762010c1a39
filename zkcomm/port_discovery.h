// Finding the base address of LPT1 to LPT3: from the hardware description on
// the NT family, from the BIOS data area's table on the 95/98/Me family.
#ifndef ZKCOMM_PORT_DISCOVERY_H
#define ZKCOMM_PORT_DISCOVERY_H

#include "zkcomm/platform/bios_area_reader.h"
#include "zkcomm/platform/registry_tree.h"
#include "zkcomm/platform/version_query.h"

#include <cstdint>
#include <string>

namespace zkcomm {

inline constexpr int32_t PortNotFound = -1;
inline constexpr const char* ParallelControllerName = "ParallelController";

struct DiscoveryPlatform {
    RegistryTree& registry;
    VersionQuery& version;
    BiosAreaReader& bios;
};

// Base address of LPT n (1 to 3), or PortNotFound.
int32_t GetPortBase(int32_t n, const DiscoveryPlatform& platform);
int32_t GetPortBaseFromRegistry(RegistryTree& registry, int32_t n);
// 0 with the key's path in *path, or PortNotFound (path then empty).
int32_t FindParallelControllerKey(RegistryTree& registry, std::string* path);
int32_t GetPortBaseFromBiosArea(BiosAreaReader& bios, int32_t n);

} // namespace zkcomm

#endif
