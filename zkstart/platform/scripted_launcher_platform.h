// The launcher's platform for tests: keeps one log line per call with its
// arguments, the input bytes of device requests and the result, fails the calls a
// test scripts with the error codes it scripts, and hands out named handles
// ("device#1", "manager#2", "service#1", "process#1", "thread#1") whose use after
// closing, with the wrong kind, or left open at the end a test can see.
#ifndef ZKSTART_PLATFORM_SCRIPTED_LAUNCHER_PLATFORM_H
#define ZKSTART_PLATFORM_SCRIPTED_LAUNCHER_PLATFORM_H

#include <cstdint>
#include <deque>
#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "zkstart/platform/launcher_platform.h"
#include "zkstart/platform/system_codes.h"

namespace zk::start {

enum class LauncherCall {
    QueryVersion,
    OpenDevice,
    SendDeviceRequest,
    CloseHandle,
    StartProcess,
    OpenServiceManager,
    OpenNamedService,
    CreateDriverService,
    StartNamedService,
    CloseServiceHandle,
};

struct RecordedDeviceRequest {
    std::string device;
    std::uint32_t code = 0;
    std::vector<std::uint8_t> input;
};

// A process start with its buffers copied as they were at the call.
struct RecordedProcessStart {
    bool hasApplicationName = false;
    std::vector<char> commandLine; // the whole buffer
    bool hasProcessAttributes = false;
    bool hasThreadAttributes = false;
    bool inheritHandles = false;
    std::uint32_t creationFlags = 0;
    bool hasEnvironment = false;
    bool hasCurrentDirectory = false;
    std::optional<StartupInfo> startupInfo;
};

class ScriptedLauncherPlatform : public LauncherPlatform {
public:
    // --- The script ---
    std::uint32_t platformId = kPlatformNt; // what a successful version query reports
    std::uint32_t processId = 0x0A0B0C0D;   // of the process a start creates
    // The next calls of `call` fail in turn with these codes; a 0 lets that call
    // succeed. Calls beyond the script succeed.
    void Script(LauncherCall call, std::initializer_list<std::uint32_t> errors);

    // --- What happened ---
    const std::vector<std::string>& Log() const { return log_; }
    // Adds a line of the test's own (a message shown, say) in its place in time.
    void Note(std::string line) { log_.push_back(std::move(line)); }
    std::vector<OsVersionInfo> versionQueries;
    std::vector<DeviceOpen> deviceOpens;
    std::vector<RecordedDeviceRequest> deviceRequests;
    std::vector<RecordedProcessStart> processStarts;
    std::vector<ServiceSettings> serviceCreations;
    // Calls made with a handle that was never handed out, was closed, or is of
    // another kind; each such call fails with kErrorInvalidHandle.
    const std::vector<std::string>& Misuses() const { return misuses_; }
    // Names of the handles not closed yet.
    std::vector<std::string> OpenHandles() const;

    // --- LauncherPlatform ---
    bool QueryVersion(OsVersionInfo& info) override;
    Handle OpenDevice(const DeviceOpen& open) override;
    bool SendDeviceRequest(Handle device, std::uint32_t code,
                           std::span<const std::uint8_t> input) override;
    bool CloseHandle(Handle handle) override;
    bool StartProcess(const ProcessStart& start, ProcessInformation& info) override;
    ServiceHandle OpenServiceManager(std::uint32_t access) override;
    ServiceHandle OpenNamedService(ServiceHandle manager, const std::string& name,
                                   std::uint32_t access) override;
    ServiceHandle CreateDriverService(ServiceHandle manager,
                                      const ServiceSettings& settings) override;
    bool StartNamedService(ServiceHandle service) override;
    bool CloseServiceHandle(ServiceHandle handle) override;
    std::uint32_t LastError() const override { return lastError_; }

private:
    enum class Kind { Device, Process, Thread, Manager, Service };
    struct OpenObject {
        Kind kind;
        std::string name;
    };

    // The scripted error of this call, 0 for success; sets the last error.
    std::uint32_t Outcome(LauncherCall call);
    std::uintptr_t Issue(Kind kind);
    // The handle's name if it is open and of one of `kinds`, else records a misuse.
    std::optional<std::string> Check(std::uintptr_t value, std::initializer_list<Kind> kinds,
                                     const std::string& call);
    static std::string Result(std::uint32_t error, const std::string& success = "ok");

    std::map<LauncherCall, std::deque<std::uint32_t>> script_;
    std::vector<std::string> log_;
    std::vector<std::string> misuses_;
    std::map<std::uintptr_t, OpenObject> open_;
    std::map<Kind, int> issued_;
    std::uintptr_t nextHandle_ = 0x100;
    std::uint32_t lastError_ = 0;
};

} // namespace zk::start

#endif
