// The launcher's platform on Linux. There is no port driver: the tool reaches
// the LPT port through the ppdev device's permissions (group lp). So the version
// query answers the 95/98/Me family, whose path starts the tool directly;
// device, requests and service manager fail as absent. Starting a process runs
// the program the command line names beside the launcher, detached.
#ifndef ZKSTART_PLATFORM_LINUX_LAUNCHER_PLATFORM_H
#define ZKSTART_PLATFORM_LINUX_LAUNCHER_PLATFORM_H

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <optional>
#include <set>

#include "zkstart/platform/launcher_platform.h"

namespace zk::start {

// Starts `program` with `arguments` without waiting; its process id, or empty.
using ProcessStarter = std::function<std::optional<std::int64_t>(const QString& program,
                                                                 const QStringList& arguments)>;

// Detached start in the current directory with the current environment.
std::optional<std::int64_t> StartDetached(const QString& program, const QStringList& arguments);

class LinuxLauncherPlatform : public LauncherPlatform {
public:
    // `launcherDir` is where the programs that command lines name are found.
    explicit LinuxLauncherPlatform(QString launcherDir, ProcessStarter starter = StartDetached);

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
    bool Fail(std::uint32_t error);
    Handle NewHandle();

    QString launcherDir_;
    ProcessStarter starter_;
    std::uint32_t lastError_ = 0;
    // Stand-ins for the new process's handles: Linux hands out none, but the
    // caller closes them.
    std::set<std::uintptr_t> openHandles_;
    std::uintptr_t nextHandle_ = 1;
};

} // namespace zk::start

#endif
