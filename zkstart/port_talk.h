// The port driver as the launcher uses it: its device, its three control
// requests with their input bytes, the LPT port ranges it grants, and the
// service the launcher installs for it.
#ifndef ZKSTART_PORT_TALK_H
#define ZKSTART_PORT_TALK_H

#include <array>
#include <cstdint>

#include "zkstart/platform/launcher_platform.h"

namespace zk::start {

inline constexpr std::uint32_t kPortTalkRestrictAll = 0x9C402400;
inline constexpr std::uint32_t kPortTalkSetMapByte = 0x9C402408;
inline constexpr std::uint32_t kPortTalkEnableMapForProcess = 0x9C40240C;

// Granted in this order; each base's permission-map byte covers its eight ports.
inline constexpr std::array<std::uint16_t, 3> kLptPortBases = {0x378, 0x278, 0x3BC};

// Read access, no sharing, open existing, normal attributes.
DeviceOpen PortTalkDeviceOpen();

// Byte offset of the base's map byte (base / 8, little-endian), then 0: every
// port of that byte allowed.
std::array<std::uint8_t, 3> PermissionMapByteRequest(std::uint16_t portBase);

// The process id, little-endian.
std::array<std::uint8_t, 4> ProcessIdRequest(std::uint32_t processId);

// Kernel driver started on demand; the image path stays unexpanded.
ServiceSettings PortTalkServiceSettings();

} // namespace zk::start

#endif
