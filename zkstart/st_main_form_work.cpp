// The launcher's work: the platform check, the port grants and the tool's start.
#include "zkstart/st_main_form.h"

#include <QString>

#include "zkstart/platform/system_codes.h"
#include "zkstart/port_talk.h"
#include "zkstart/tool_command_line.h"
#include "zktools/platform/platform.h"

using namespace zk::start;

namespace {

void Show(const QString& text) {
    zk::platform::Platform::Messages().ShowMessage(text);
}

} // namespace

int32_t TstMainForm::QueryWindowsPlatform() {
    OsVersionInfo info{};
    info.size = sizeof(OsVersionInfo);
    // A failed query counts as platform 0, whatever it left in the record.
    const std::uint32_t id = platform_.QueryVersion(info) ? info.platformId : 0;
    if (id == kPlatformWin9x || id == kPlatformNt) {
        PlatformId = static_cast<int32_t>(id);
    } else {
        Show(QStringLiteral("The Driver: Unsupported windows platform."));
        PlatformId = -1;
    }
    return PlatformId;
}

bool TstMainForm::IsWindowsNT() {
    if (PlatformId == -1)
        QueryWindowsPlatform();
    return PlatformId == static_cast<int32_t>(kPlatformNt);
}

bool TstMainForm::StartTool(ProcessInformation& info) {
    CommandLineBuffer commandLine = ToolCommandLine(FactoryMode);
    StartupInfo startup{};
    startup.size = sizeof(StartupInfo);
    ProcessStart start;
    start.commandLine = commandLine;
    start.startupInfo = &startup;
    if (!platform_.StartProcess(start, info)) {
        Show(QStringLiteral("Error in CreateProcess."));
        return false;
    }
    return true;
}

void TstMainForm::CloseProcessHandles(const ProcessInformation& info) {
    // The launcher never waits for the tool.
    platform_.CloseHandle(info.process);
    platform_.CloseHandle(info.thread);
}

void TstMainForm::Timer1Timer() {
    Timer1.Stop();

    if (!IsWindowsNT()) {
        ProcessInformation info;
        if (StartTool(info))
            CloseProcessHandles(info);
        CloseWindow();
        return;
    }

    Handle device = platform_.OpenDevice(PortTalkDeviceOpen());
    if (device == kInvalidHandle) {
        StartPortTalkDriver();
        device = platform_.OpenDevice(PortTalkDeviceOpen());
        if (device == kInvalidHandle) {
            Show(
                QStringLiteral("Couldn't access PortTalk Driver, Please ensure driver is loaded."));
            CloseWindow();
            return;
        }
    }

    if (!platform_.SendDeviceRequest(device, kPortTalkRestrictAll, {})) {
        const std::uint32_t error = platform_.LastError();
        Show(QStringLiteral("Couldn't reset the port access of the PortTalk Driver, error %1.")
                 .arg(error));
        platform_.CloseHandle(device);
        CloseWindow();
        return;
    }

    for (const std::uint16_t base : kLptPortBases) {
        const auto request = PermissionMapByteRequest(base);
        if (!platform_.SendDeviceRequest(device, kPortTalkSetMapByte, request)) {
            const std::uint32_t error = platform_.LastError();
            Show(QStringLiteral("Error ") + QString::number(error) +
                 QStringLiteral("granting access to LPT Port"));
        }
    }

    ProcessInformation info;
    if (StartTool(info)) {
        const auto request = ProcessIdRequest(info.processId);
        if (!platform_.SendDeviceRequest(device, kPortTalkEnableMapForProcess, request)) {
            const std::uint32_t error = platform_.LastError();
            Show(QStringLiteral("Error Occured talking to Device Driver.") +
                 QString::number(error));
        }
        CloseProcessHandles(info);
    }

    platform_.CloseHandle(device);
    CloseWindow();
}
