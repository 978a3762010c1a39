#include "zkstart/platform/scripted_launcher_platform.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace zk::start {

namespace {

std::string Hex(std::uint32_t value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "%0*X", digits, static_cast<unsigned>(value));
    return text;
}

std::string Bytes(std::span<const std::uint8_t> bytes) {
    std::string text = "[";
    for (std::size_t i = 0; i < bytes.size(); ++i)
        text += (i == 0 ? "" : " ") + Hex(bytes[i], 2);
    return text + "]";
}

} // namespace

void ScriptedLauncherPlatform::Script(LauncherCall call,
                                      std::initializer_list<std::uint32_t> errors) {
    script_[call].insert(script_[call].end(), errors.begin(), errors.end());
}

std::vector<std::string> ScriptedLauncherPlatform::OpenHandles() const {
    std::vector<std::string> names;
    for (const auto& [value, object] : open_)
        names.push_back(object.name);
    return names;
}

std::uint32_t ScriptedLauncherPlatform::Outcome(LauncherCall call) {
    std::deque<std::uint32_t>& errors = script_[call];
    std::uint32_t error = 0;
    if (!errors.empty()) {
        error = errors.front();
        errors.pop_front();
    }
    if (error != 0)
        lastError_ = error;
    return error;
}

std::uintptr_t ScriptedLauncherPlatform::Issue(Kind kind) {
    static const char* const names[] = {"device", "process", "thread", "manager", "service"};
    const std::uintptr_t value = nextHandle_++;
    open_[value] = {kind, names[static_cast<int>(kind)] + ("#" + std::to_string(++issued_[kind]))};
    return value;
}

std::optional<std::string> ScriptedLauncherPlatform::Check(std::uintptr_t value,
                                                           std::initializer_list<Kind> kinds,
                                                           const std::string& call) {
    const auto found = open_.find(value);
    if (found != open_.end() &&
        std::find(kinds.begin(), kinds.end(), found->second.kind) != kinds.end())
        return found->second.name;
    const std::string what =
        found == open_.end() ? "a handle not open (" + Hex(value, 0) + ")" : found->second.name;
    misuses_.push_back(call + " with " + what);
    log_.push_back(call + " <" + what + "> -> error " + std::to_string(kErrorInvalidHandle));
    lastError_ = kErrorInvalidHandle;
    return std::nullopt;
}

std::string ScriptedLauncherPlatform::Result(std::uint32_t error, const std::string& success) {
    return error == 0 ? success : "error " + std::to_string(error);
}

bool ScriptedLauncherPlatform::QueryVersion(OsVersionInfo& info) {
    versionQueries.push_back(info);
    const std::uint32_t error = Outcome(LauncherCall::QueryVersion);
    log_.push_back("QueryVersion -> " + Result(error));
    if (error != 0)
        return false;
    info.majorVersion = platformId == kPlatformNt ? 5 : 4;
    info.platformId = platformId;
    return true;
}

Handle ScriptedLauncherPlatform::OpenDevice(const DeviceOpen& open) {
    deviceOpens.push_back(open);
    const std::uint32_t error = Outcome(LauncherCall::OpenDevice);
    if (error != 0) {
        log_.push_back("OpenDevice " + open.name + " -> " + Result(error));
        return kInvalidHandle;
    }
    const std::uintptr_t value = Issue(Kind::Device);
    log_.push_back("OpenDevice " + open.name + " -> " + open_[value].name);
    return Handle{value};
}

bool ScriptedLauncherPlatform::SendDeviceRequest(Handle device, std::uint32_t code,
                                                 std::span<const std::uint8_t> input) {
    const std::string call = "SendDeviceRequest";
    const auto name = Check(static_cast<std::uintptr_t>(device), {Kind::Device}, call);
    if (!name)
        return false;
    deviceRequests.push_back({*name, code, {input.begin(), input.end()}});
    const std::uint32_t error = Outcome(LauncherCall::SendDeviceRequest);
    log_.push_back(call + " " + *name + " " + Hex(code, 8) + " " + Bytes(input) + " -> " +
                   Result(error));
    return error == 0;
}

bool ScriptedLauncherPlatform::CloseHandle(Handle handle) {
    const std::uintptr_t value = static_cast<std::uintptr_t>(handle);
    const auto name = Check(value, {Kind::Device, Kind::Process, Kind::Thread}, "CloseHandle");
    if (!name)
        return false;
    open_.erase(value);
    log_.push_back("CloseHandle " + *name + " -> ok");
    return true;
}

bool ScriptedLauncherPlatform::StartProcess(const ProcessStart& start, ProcessInformation& info) {
    RecordedProcessStart record;
    record.hasApplicationName = start.applicationName != nullptr;
    record.commandLine.assign(start.commandLine.begin(), start.commandLine.end());
    record.hasProcessAttributes = start.processAttributes != nullptr;
    record.hasThreadAttributes = start.threadAttributes != nullptr;
    record.inheritHandles = start.inheritHandles;
    record.creationFlags = start.creationFlags;
    record.hasEnvironment = start.environment != nullptr;
    record.hasCurrentDirectory = start.currentDirectory != nullptr;
    if (start.startupInfo != nullptr)
        record.startupInfo = *start.startupInfo;
    processStarts.push_back(record);

    const std::span<char> line = start.commandLine;
    const bool terminated = !line.empty() && std::memchr(line.data(), '\0', line.size()) != nullptr;
    const std::string text = terminated ? std::string(line.data()) : "<not terminated>";
    std::uint32_t error = Outcome(LauncherCall::StartProcess);
    if (error == 0 && !terminated)
        lastError_ = error = kErrorInvalidParameter;
    if (error != 0) {
        log_.push_back("StartProcess \"" + text + "\" -> " + Result(error));
        return false;
    }
    const std::uintptr_t process = Issue(Kind::Process);
    const std::uintptr_t thread = Issue(Kind::Thread);
    info = {Handle{process}, Handle{thread}, processId, processId + 1};
    log_.push_back("StartProcess \"" + text + "\" -> " + open_[process].name + " " +
                   open_[thread].name);
    return true;
}

ServiceHandle ScriptedLauncherPlatform::OpenServiceManager(std::uint32_t access) {
    const std::uint32_t error = Outcome(LauncherCall::OpenServiceManager);
    const std::string call = "OpenServiceManager " + Hex(access, 0) + " -> ";
    if (error != 0) {
        log_.push_back(call + Result(error));
        return kNoServiceHandle;
    }
    const std::uintptr_t value = Issue(Kind::Manager);
    log_.push_back(call + open_[value].name);
    return ServiceHandle{value};
}

ServiceHandle ScriptedLauncherPlatform::OpenNamedService(ServiceHandle manager,
                                                         const std::string& name,
                                                         std::uint32_t access) {
    const auto owner =
        Check(static_cast<std::uintptr_t>(manager), {Kind::Manager}, "OpenNamedService");
    if (!owner)
        return kNoServiceHandle;
    const std::uint32_t error = Outcome(LauncherCall::OpenNamedService);
    const std::string call =
        "OpenNamedService " + *owner + " " + name + " " + Hex(access, 0) + " -> ";
    if (error != 0) {
        log_.push_back(call + Result(error));
        return kNoServiceHandle;
    }
    const std::uintptr_t value = Issue(Kind::Service);
    log_.push_back(call + open_[value].name);
    return ServiceHandle{value};
}

ServiceHandle ScriptedLauncherPlatform::CreateDriverService(ServiceHandle manager,
                                                            const ServiceSettings& settings) {
    const auto owner =
        Check(static_cast<std::uintptr_t>(manager), {Kind::Manager}, "CreateDriverService");
    if (!owner)
        return kNoServiceHandle;
    serviceCreations.push_back(settings);
    const std::uint32_t error = Outcome(LauncherCall::CreateDriverService);
    const std::string call = "CreateDriverService " + *owner + " " + settings.serviceName + " -> ";
    if (error != 0) {
        log_.push_back(call + Result(error));
        return kNoServiceHandle;
    }
    const std::uintptr_t value = Issue(Kind::Service);
    log_.push_back(call + open_[value].name);
    return ServiceHandle{value};
}

bool ScriptedLauncherPlatform::StartNamedService(ServiceHandle service) {
    const auto name =
        Check(static_cast<std::uintptr_t>(service), {Kind::Service}, "StartNamedService");
    if (!name)
        return false;
    const std::uint32_t error = Outcome(LauncherCall::StartNamedService);
    log_.push_back("StartNamedService " + *name + " -> " + Result(error));
    return error == 0;
}

bool ScriptedLauncherPlatform::CloseServiceHandle(ServiceHandle handle) {
    const std::uintptr_t value = static_cast<std::uintptr_t>(handle);
    const auto name = Check(value, {Kind::Manager, Kind::Service}, "CloseServiceHandle");
    if (!name)
        return false;
    open_.erase(value);
    log_.push_back("CloseServiceHandle " + *name + " -> ok");
    return true;
}

} // namespace zk::start
