#include "zkstart/platform/linux_launcher_platform.h"

#include <QFileInfo>
#include <QProcess>

#include <cstring>
#include <utility>

#include "zkstart/platform/system_codes.h"
#include "zkstart/platform/tool_process.h"

namespace zk::start {

std::optional<std::int64_t> StartDetached(const QString& program, const QStringList& arguments) {
    qint64 pid = 0;
    if (!QProcess::startDetached(program, arguments, QString(), &pid))
        return std::nullopt;
    return pid;
}

LinuxLauncherPlatform::LinuxLauncherPlatform(QString launcherDir, ProcessStarter starter)
    : launcherDir_(std::move(launcherDir)), starter_(std::move(starter)) {}

bool LinuxLauncherPlatform::Fail(std::uint32_t error) {
    lastError_ = error;
    return false;
}

Handle LinuxLauncherPlatform::NewHandle() {
    const std::uintptr_t value = nextHandle_++;
    openHandles_.insert(value);
    return Handle{value};
}

bool LinuxLauncherPlatform::QueryVersion(OsVersionInfo& info) {
    if (info.size != sizeof(OsVersionInfo))
        return Fail(kErrorInvalidParameter);
    // Port access needs no driver here: take the family whose path starts the
    // tool straight away. The version numbers mean nothing on Linux.
    info = OsVersionInfo{};
    info.size = sizeof(OsVersionInfo);
    info.platformId = kPlatformWin9x;
    return true;
}

Handle LinuxLauncherPlatform::OpenDevice(const DeviceOpen&) {
    Fail(kErrorFileNotFound);
    return kInvalidHandle;
}

bool LinuxLauncherPlatform::SendDeviceRequest(Handle, std::uint32_t,
                                              std::span<const std::uint8_t>) {
    return Fail(kErrorInvalidHandle);
}

bool LinuxLauncherPlatform::CloseHandle(Handle handle) {
    if (openHandles_.erase(static_cast<std::uintptr_t>(handle)) == 0)
        return Fail(kErrorInvalidHandle);
    return true;
}

bool LinuxLauncherPlatform::StartProcess(const ProcessStart& start, ProcessInformation& info) {
    const std::span<char> line = start.commandLine;
    const void* end = line.empty() ? nullptr : std::memchr(line.data(), '\0', line.size());
    if (start.applicationName != nullptr || end == nullptr)
        return Fail(kErrorInvalidParameter);
    const auto tool = ToolProcessFor(QString::fromLocal8Bit(line.data()), launcherDir_);
    if (!tool)
        return Fail(kErrorFileNotFound);
    const std::optional<std::int64_t> pid = starter_(tool->program, tool->arguments);
    if (!pid) {
        const QFileInfo file(tool->program);
        return Fail(!file.exists()         ? kErrorFileNotFound
                    : !file.isExecutable() ? kErrorAccessDenied
                                           : kErrorGenFailure);
    }
    info.process = NewHandle();
    info.thread = NewHandle();
    info.processId = static_cast<std::uint32_t>(*pid);
    // A process's first thread carries the process's id on Linux.
    info.threadId = info.processId;
    return true;
}

ServiceHandle LinuxLauncherPlatform::OpenServiceManager(std::uint32_t) {
    Fail(kErrorCallNotImplemented);
    return kNoServiceHandle;
}

ServiceHandle LinuxLauncherPlatform::OpenNamedService(ServiceHandle, const std::string&,
                                                      std::uint32_t) {
    Fail(kErrorInvalidHandle);
    return kNoServiceHandle;
}

ServiceHandle LinuxLauncherPlatform::CreateDriverService(ServiceHandle, const ServiceSettings&) {
    Fail(kErrorInvalidHandle);
    return kNoServiceHandle;
}

bool LinuxLauncherPlatform::StartNamedService(ServiceHandle) {
    return Fail(kErrorInvalidHandle);
}

bool LinuxLauncherPlatform::CloseServiceHandle(ServiceHandle) {
    return Fail(kErrorInvalidHandle);
}

} // namespace zk::start
