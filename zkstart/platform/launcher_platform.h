// Everything the launcher asks of the operating system: the version query, the
// port driver's device and its control requests, the service manager, starting
// a process and the last error code. One interface so a Windows back end, the
// Linux one and the tests' scripted one stand side by side.
// Method names differ from the system's own calls, whose names are macros there.
#ifndef ZKSTART_PLATFORM_LAUNCHER_PLATFORM_H
#define ZKSTART_PLATFORM_LAUNCHER_PLATFORM_H

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace zk::start {

// A kernel object (device, process, thread), closed with CloseHandle.
enum class Handle : std::uintptr_t {};
// What a failed device open returns.
inline constexpr Handle kInvalidHandle{~std::uintptr_t{0}};
inline constexpr Handle kNoHandle{0};

// A service manager or service, closed with CloseServiceHandle; 0 is none.
enum class ServiceHandle : std::uintptr_t {};
inline constexpr ServiceHandle kNoServiceHandle{0};

// The version record: the caller sets `size`, the query fills the rest.
struct OsVersionInfo {
    std::uint32_t size = 0;
    std::uint32_t majorVersion = 0;
    std::uint32_t minorVersion = 0;
    std::uint32_t buildNumber = 0;
    std::uint32_t platformId = 0;
    std::array<char, 128> servicePack{};
};
static_assert(sizeof(OsVersionInfo) == 148);

struct DeviceOpen {
    std::string name;
    std::uint32_t access = 0;
    std::uint32_t shareMode = 0;
    std::uint32_t disposition = 0;
    std::uint32_t attributes = 0;
};

// The start-up record of a new process: its size field and zeros.
struct StartupInfo {
    std::uint32_t size = 0;
    std::array<std::uint8_t, 64> rest{};
};
static_assert(sizeof(StartupInfo) == 68);

// Every argument of a process start. Null pointers mean: none, or the caller's own.
struct ProcessStart {
    const char* applicationName = nullptr; // none: the command line's first word
    std::span<char> commandLine;           // writable, NUL-terminated
    const void* processAttributes = nullptr;
    const void* threadAttributes = nullptr;
    bool inheritHandles = false;
    std::uint32_t creationFlags = 0;
    const void* environment = nullptr;      // the caller's environment
    const char* currentDirectory = nullptr; // the caller's current directory
    const StartupInfo* startupInfo = nullptr;
};

struct ProcessInformation {
    Handle process = kNoHandle;
    Handle thread = kNoHandle;
    std::uint32_t processId = 0;
    std::uint32_t threadId = 0;
};

// Every argument of a service creation; an empty optional is a null argument.
struct ServiceSettings {
    std::string serviceName;
    std::string displayName;
    std::uint32_t desiredAccess = 0;
    std::uint32_t serviceType = 0;
    std::uint32_t startType = 0;
    std::uint32_t errorControl = 0;
    std::string binaryPath;
    std::optional<std::string> loadOrderGroup;
    bool wantsTagId = false;
    std::optional<std::string> dependencies;
    std::optional<std::string> account;
    std::optional<std::string> password;
};

class LauncherPlatform {
public:
    virtual ~LauncherPlatform() = default;

    // Fills `info` (whose size field the caller set); false on failure.
    virtual bool QueryVersion(OsVersionInfo& info) = 0;

    // kInvalidHandle on failure.
    virtual Handle OpenDevice(const DeviceOpen& open) = 0;
    // One control request with `input` and no output buffer; true on success.
    virtual bool SendDeviceRequest(Handle device, std::uint32_t code,
                                   std::span<const std::uint8_t> input) = 0;
    virtual bool CloseHandle(Handle handle) = 0;

    // Starts a process and never waits for it; `info` is filled on success.
    virtual bool StartProcess(const ProcessStart& start, ProcessInformation& info) = 0;

    // The service manager of this machine, its active database.
    virtual ServiceHandle OpenServiceManager(std::uint32_t access) = 0;
    virtual ServiceHandle OpenNamedService(ServiceHandle manager, const std::string& name,
                                           std::uint32_t access) = 0;
    virtual ServiceHandle CreateDriverService(ServiceHandle manager,
                                              const ServiceSettings& settings) = 0;
    // Starts the service without arguments.
    virtual bool StartNamedService(ServiceHandle service) = 0;
    virtual bool CloseServiceHandle(ServiceHandle handle) = 0;

    // The system error code of the last failed call.
    virtual std::uint32_t LastError() const = 0;
};

} // namespace zk::start

#endif
