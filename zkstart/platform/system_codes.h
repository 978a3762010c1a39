// The system's numbers that the launcher passes or tests: access rights, service
// settings and the error codes it tells apart.
#ifndef ZKSTART_PLATFORM_SYSTEM_CODES_H
#define ZKSTART_PLATFORM_SYSTEM_CODES_H

#include <cstdint>

namespace zk::start {

// Platform ids of the version record.
inline constexpr std::uint32_t kPlatformWin9x = 1; // the 95/98/Me family
inline constexpr std::uint32_t kPlatformNt = 2;    // the NT family

// Opening a device.
inline constexpr std::uint32_t kGenericRead = 0x80000000;
inline constexpr std::uint32_t kShareNone = 0;
inline constexpr std::uint32_t kOpenExisting = 3;
inline constexpr std::uint32_t kFileAttributeNormal = 0x80;

// Service manager and services.
inline constexpr std::uint32_t kServiceManagerAllAccess = 0xF003F;
inline constexpr std::uint32_t kServiceAllAccess = 0xF01FF;
inline constexpr std::uint32_t kServiceKernelDriver = 1;
inline constexpr std::uint32_t kServiceDemandStart = 3;
inline constexpr std::uint32_t kServiceErrorNormal = 1;

// System error codes.
inline constexpr std::uint32_t kErrorFileNotFound = 2;
inline constexpr std::uint32_t kErrorAccessDenied = 5;
inline constexpr std::uint32_t kErrorInvalidHandle = 6;
inline constexpr std::uint32_t kErrorGenFailure = 31;
inline constexpr std::uint32_t kErrorInvalidParameter = 87;
inline constexpr std::uint32_t kErrorCallNotImplemented = 120;
inline constexpr std::uint32_t kErrorInvalidName = 123;
inline constexpr std::uint32_t kErrorServiceAlreadyRunning = 1056;
inline constexpr std::uint32_t kErrorServiceDoesNotExist = 1060;
inline constexpr std::uint32_t kErrorServiceExists = 1073;

} // namespace zk::start

#endif
