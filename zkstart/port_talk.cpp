#include "zkstart/port_talk.h"

#include "zkstart/platform/system_codes.h"

namespace zk::start {

DeviceOpen PortTalkDeviceOpen() {
    return {"\\\\.\\PortTalk", kGenericRead, kShareNone, kOpenExisting, kFileAttributeNormal};
}

std::array<std::uint8_t, 3> PermissionMapByteRequest(std::uint16_t portBase) {
    const std::uint16_t offset = portBase / 8;
    return {static_cast<std::uint8_t>(offset & 0xFF), static_cast<std::uint8_t>(offset >> 8), 0x00};
}

std::array<std::uint8_t, 4> ProcessIdRequest(std::uint32_t processId) {
    return {static_cast<std::uint8_t>(processId), static_cast<std::uint8_t>(processId >> 8),
            static_cast<std::uint8_t>(processId >> 16), static_cast<std::uint8_t>(processId >> 24)};
}

ServiceSettings PortTalkServiceSettings() {
    ServiceSettings settings;
    settings.serviceName = "PortTalk";
    settings.displayName = "PortTalk";
    settings.desiredAccess = kServiceAllAccess;
    settings.serviceType = kServiceKernelDriver;
    settings.startType = kServiceDemandStart;
    settings.errorControl = kServiceErrorNormal;
    settings.binaryPath = "%SystemRoot%\\system32\\drivers\\PortTalk.sys";
    return settings;
}

} // namespace zk::start
