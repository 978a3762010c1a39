// The launcher's one pass, scenario by scenario, over the scripted platform: the
// whole ordered trace of system calls (with the bytes of every device request)
// and messages, the tool's command line, and that the window closes with every
// handle closed.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "tests/zkstart/case_name.h"
#include "tests/zkstart/launcher_fixture.h"

namespace zk::start::test {
namespace {

struct Scripted {
    LauncherCall call;
    std::vector<std::uint32_t> errors; // 0 lets that call succeed
};

struct Scenario {
    const char* name;
    QStringList arguments;
    std::uint32_t platformId;
    std::vector<Scripted> script;
    Trace trace;
};

void PrintTo(const Scenario& scenario, std::ostream* out) {
    *out << scenario.name;
}

// --- Pieces of the traces ---

const std::string kVersion = "QueryVersion -> ok";
const std::string kDeviceFails = "OpenDevice \\\\.\\PortTalk -> error 2";
const std::string kDeviceOpens = "OpenDevice \\\\.\\PortTalk -> device#1";
const std::string kRestrictAll = "SendDeviceRequest device#1 9C402400 [] -> ok";
const std::string kGrant378 = "SendDeviceRequest device#1 9C402408 [6F 00 00] -> ok";
const std::string kGrant278 = "SendDeviceRequest device#1 9C402408 [4F 00 00] -> ok";
const std::string kGrant3BC = "SendDeviceRequest device#1 9C402408 [77 00 00] -> ok";
const std::string kStartNormal = "StartProcess \"zktools.exe \" -> process#1 thread#1";
const std::string kStartFactory = "StartProcess \"zktools.exe -factory \" -> process#1 thread#1";
const std::string kStartFails = "StartProcess \"zktools.exe \" -> error 2";
// The scripted process id 0x0A0B0C0D, little-endian.
const std::string kEnableForTool = "SendDeviceRequest device#1 9C40240C [0D 0C 0B 0A] -> ok";
const Trace kCloseTool = {"CloseHandle process#1 -> ok", "CloseHandle thread#1 -> ok"};
const std::string kCloseDevice = "CloseHandle device#1 -> ok";
const std::string kNoAccess =
    "message: Couldn't access PortTalk Driver, Please ensure driver is loaded.";

const std::string kManager = "OpenServiceManager F003F -> manager#1";
const std::string kOpenService = "OpenNamedService manager#1 PortTalk F01FF -> service#1";
const std::string kCloseManager = "CloseServiceHandle manager#1 -> ok";

// Everything after the device opened, all of it succeeding.
Trace NtWork(const std::string& start = kStartNormal) {
    return Trace{kRestrictAll, kGrant378, kGrant278, kGrant3BC, start, kEnableForTool} +
           kCloseTool + Trace{kCloseDevice};
}

// A driver whose service is installed but stopped: started, then the device opens.
const Trace kStartsService = {kManager, kOpenService, "StartNamedService service#1 -> ok",
                              "CloseServiceHandle service#1 -> ok", kCloseManager};

// The service does not exist: installed once, then opened a second time.
const Trace kInstallsService = {kManager,
                                "OpenNamedService manager#1 PortTalk F01FF -> error 1060",
                                "OpenServiceManager F003F -> manager#2",
                                "CreateDriverService manager#2 PortTalk -> service#1",
                                "CloseServiceHandle service#1 -> ok",
                                "CloseServiceHandle manager#2 -> ok",
                                "OpenNamedService manager#1 PortTalk F01FF -> service#2",
                                "StartNamedService service#2 -> ok",
                                "CloseServiceHandle service#2 -> ok",
                                kCloseManager};

// A service that cannot be opened with `error`, the device still not there.
Trace ServiceRefused(std::uint32_t error, const std::string& message = {}) {
    Trace trace = {kVersion, kDeviceFails, kManager,
                   "OpenNamedService manager#1 PortTalk F01FF -> error " + std::to_string(error)};
    if (!message.empty())
        trace.push_back("message: " + message);
    return trace + Trace{kCloseManager, kDeviceFails, kNoAccess};
}

// An installation that fails with `error`, the second service open with `reopen`.
Trace InstallFails(std::uint32_t error, std::uint32_t reopen, const Trace& afterReopen) {
    Trace trace = {kVersion,
                   kDeviceFails,
                   kManager,
                   "OpenNamedService manager#1 PortTalk F01FF -> error 1060",
                   "OpenServiceManager F003F -> manager#2",
                   "CreateDriverService manager#2 PortTalk -> error " + std::to_string(error)};
    if (error != kErrorServiceExists)
        trace.push_back("message: Couldn't install the PortTalk driver service, error " +
                        std::to_string(error) + ".");
    trace.push_back("CloseServiceHandle manager#2 -> ok");
    trace.push_back("OpenNamedService manager#1 PortTalk F01FF -> " +
                    (reopen == 0 ? std::string("service#1") : "error " + std::to_string(reopen)));
    return trace + afterReopen;
}

const std::string kUnsupported = "message: The Driver: Unsupported windows platform.";
const std::string kNoRightsText = "You do not have rights to the PortTalk service database";
const std::string kNoRights = "message: " + kNoRightsText;
const std::string kInvalidNameText = "The specified service name is invalid.";
const std::string kInvalidName = "message: " + kInvalidNameText;

const std::vector<Scenario> kScenarios = {
    // --- The direct path: no driver, no requests ---
    {"Win9xStartsTheToolDirectly",
     {},
     kPlatformWin9x,
     {},
     Trace{kVersion, kStartNormal} + kCloseTool},
    {"Win9xFactorySwitchInCapitals",
     {"-FACTORY"},
     kPlatformWin9x,
     {},
     Trace{kVersion, kStartFactory} + kCloseTool},
    {"Win9xToolCannotStart",
     {},
     kPlatformWin9x,
     {{LauncherCall::StartProcess, {2}}},
     {kVersion, kStartFails, "message: Error in CreateProcess."}},
    {"UnknownPlatformIsReportedThenStartsDirectly",
     {},
     3,
     {},
     Trace{kVersion, kUnsupported, kStartNormal} + kCloseTool},
    {"FailedVersionQueryIsReportedThenStartsDirectly",
     {},
     kPlatformNt,
     {{LauncherCall::QueryVersion, {87}}},
     Trace{"QueryVersion -> error 87", kUnsupported, kStartNormal} + kCloseTool},

    // --- NT family, driver running: no service manager at all ---
    {"NtDriverRunning", {}, kPlatformNt, {}, Trace{kVersion, kDeviceOpens} + NtWork()},
    {"NtDriverRunningFactoryLower",
     {"-factory"},
     kPlatformNt,
     {},
     Trace{kVersion, kDeviceOpens} + NtWork(kStartFactory)},
    {"NtDriverRunningFactoryMixedCase",
     {"-FacTory"},
     kPlatformNt,
     {},
     Trace{kVersion, kDeviceOpens} + NtWork(kStartFactory)},
    {"NtFactoryWithASecondArgumentIsNormal",
     {"-factory", "x"},
     kPlatformNt,
     {},
     Trace{kVersion, kDeviceOpens} + NtWork()},
    {"NtFactoryAfterAnotherArgumentIsNormal",
     {"x", "-FACTORY"},
     kPlatformNt,
     {},
     Trace{kVersion, kDeviceOpens} + NtWork()},

    // --- NT family, the driver's service started or installed first ---
    {"NtServiceStoppedIsStarted",
     {},
     kPlatformNt,
     {{LauncherCall::OpenDevice, {2}}},
     Trace{kVersion, kDeviceFails} + kStartsService + Trace{kDeviceOpens} + NtWork()},
    {"NtServiceMissingIsInstalledAndStarted",
     {},
     kPlatformNt,
     {{LauncherCall::OpenDevice, {2}}, {LauncherCall::OpenNamedService, {1060}}},
     Trace{kVersion, kDeviceFails} + kInstallsService + Trace{kDeviceOpens} + NtWork()},
    {"NtServiceAlreadyRunningIsReportedThenGoesOn",
     {},
     kPlatformNt,
     {{LauncherCall::OpenDevice, {2}}, {LauncherCall::StartNamedService, {1056}}},
     Trace{kVersion, kDeviceFails, kManager, kOpenService,
           "StartNamedService service#1 -> error 1056",
           "message: The PortTalk driver is already running.", "CloseServiceHandle service#1 -> ok",
           kCloseManager, kDeviceOpens} +
         NtWork()},
    {"NtServiceStartFailsThenDeviceStillAbsent",
     {},
     kPlatformNt,
     {{LauncherCall::OpenDevice, {2, 2}}, {LauncherCall::StartNamedService, {1058}}},
     {kVersion, kDeviceFails, kManager, kOpenService, "StartNamedService service#1 -> error 1058",
      "message: Unknown error while starting PortTalk driver service.",
      "CloseServiceHandle service#1 -> ok", kCloseManager, kDeviceFails, kNoAccess}},

    // --- NT family, the driver cannot be reached: the tool is not started ---
    {"NtNoAdministratorRights",
     {},
     kPlatformNt,
     {{LauncherCall::OpenDevice, {2, 2}}, {LauncherCall::OpenServiceManager, {5}}},
     {kVersion, kDeviceFails, "OpenServiceManager F003F -> error 5",
      "message: You do not have rights to access the Service Control Manager and\n"
      "The PortTalk driver is not installed or started. Please ask \n"
      "your administrator to install the driver on your behalf.\n",
      kDeviceFails, kNoAccess}},
    {"NtServiceManagerOtherFailureIsSilent",
     {},
     kPlatformNt,
     {{LauncherCall::OpenDevice, {2, 2}}, {LauncherCall::OpenServiceManager, {1115}}},
     {kVersion, kDeviceFails, "OpenServiceManager F003F -> error 1115", kDeviceFails, kNoAccess}},
    {"NtServiceOpenDenied",
     {},
     kPlatformNt,
     {{LauncherCall::OpenDevice, {2, 2}}, {LauncherCall::OpenNamedService, {5}}},
     ServiceRefused(5, kNoRightsText)},
    {"NtServiceNameInvalid",
     {},
     kPlatformNt,
     {{LauncherCall::OpenDevice, {2, 2}}, {LauncherCall::OpenNamedService, {123}}},
     ServiceRefused(123, kInvalidNameText)},
    {"NtServiceOpenOtherFailureIsSilent",
     {},
     kPlatformNt,
     {{LauncherCall::OpenDevice, {2, 2}}, {LauncherCall::OpenNamedService, {1072}}},
     ServiceRefused(1072)},
    {"NtServiceCannotBeInstalledOneAttemptOneMessage",
     {},
     kPlatformNt,
     {{LauncherCall::OpenDevice, {2, 2}},
      {LauncherCall::OpenNamedService, {1060, 1060}},
      {LauncherCall::CreateDriverService, {5}}},
     InstallFails(5, 1060, {kCloseManager, kDeviceFails, kNoAccess})},
    {"NtServiceExistsOnCreationIsNoError",
     {},
     kPlatformNt,
     {{LauncherCall::OpenDevice, {2}},
      {LauncherCall::OpenNamedService, {1060}},
      {LauncherCall::CreateDriverService, {kErrorServiceExists}}},
     InstallFails(kErrorServiceExists, 0,
                  {"StartNamedService service#1 -> ok", "CloseServiceHandle service#1 -> ok",
                   kCloseManager, kDeviceOpens}) +
         NtWork()},
    {"NtSecondServiceOpenDenied",
     {},
     kPlatformNt,
     {{LauncherCall::OpenDevice, {2, 2}},
      {LauncherCall::OpenNamedService, {1060, 5}},
      {LauncherCall::CreateDriverService, {1073}}},
     InstallFails(1073, 5, {kNoRights, kCloseManager, kDeviceFails, kNoAccess})},
    {"NtSecondServiceOpenInvalidName",
     {},
     kPlatformNt,
     {{LauncherCall::OpenDevice, {2, 2}},
      {LauncherCall::OpenNamedService, {1060, 123}},
      {LauncherCall::CreateDriverService, {1073}}},
     InstallFails(1073, 123, {kInvalidName, kCloseManager, kDeviceFails, kNoAccess})},
    {"NtRestrictAllFails",
     {},
     kPlatformNt,
     {{LauncherCall::SendDeviceRequest, {1}}},
     {kVersion, kDeviceOpens, "SendDeviceRequest device#1 9C402400 [] -> error 1",
      "message: Couldn't reset the port access of the PortTalk Driver, error 1.", kCloseDevice}},

    // --- NT family, failed grants and tool start ---
    {"NtGrantFor278FailsOthersFollow",
     {},
     kPlatformNt,
     {{LauncherCall::SendDeviceRequest, {0, 0, 31}}},
     Trace{kVersion, kDeviceOpens, kRestrictAll, kGrant378,
           "SendDeviceRequest device#1 9C402408 [4F 00 00] -> error 31",
           "message: Error 31granting access to LPT Port", kGrant3BC, kStartNormal,
           kEnableForTool} +
         kCloseTool + Trace{kCloseDevice}},
    {"NtEveryGrantFailsToolStillStarts",
     {},
     kPlatformNt,
     {{LauncherCall::SendDeviceRequest, {0, 5, 6, 87}}},
     Trace{kVersion, kDeviceOpens, kRestrictAll,
           "SendDeviceRequest device#1 9C402408 [6F 00 00] -> error 5",
           "message: Error 5granting access to LPT Port",
           "SendDeviceRequest device#1 9C402408 [4F 00 00] -> error 6",
           "message: Error 6granting access to LPT Port",
           "SendDeviceRequest device#1 9C402408 [77 00 00] -> error 87",
           "message: Error 87granting access to LPT Port", kStartNormal, kEnableForTool} +
         kCloseTool + Trace{kCloseDevice}},
    {"NtToolCannotStartNoProcessIdRequest",
     {},
     kPlatformNt,
     {{LauncherCall::StartProcess, {2}}},
     {kVersion, kDeviceOpens, kRestrictAll, kGrant378, kGrant278, kGrant3BC, kStartFails,
      "message: Error in CreateProcess.", kCloseDevice}},
    {"NtProcessIdRequestFails",
     {},
     kPlatformNt,
     {{LauncherCall::SendDeviceRequest, {0, 0, 0, 0, 1167}}},
     Trace{kVersion, kDeviceOpens, kRestrictAll, kGrant378, kGrant278, kGrant3BC, kStartNormal,
           "SendDeviceRequest device#1 9C40240C [0D 0C 0B 0A] -> error 1167",
           "message: Error Occured talking to Device Driver.1167"} +
         kCloseTool + Trace{kCloseDevice}},
};

class LauncherPass : public LauncherFixture, public ::testing::WithParamInterface<Scenario> {};

TEST_P(LauncherPass, RequestsMessagesAndToolStartInOrder) {
    const Scenario& scenario = GetParam();
    platform.platformId = scenario.platformId;
    for (const Scripted& scripted : scenario.script)
        for (const std::uint32_t error : scripted.errors)
            platform.Script(scripted.call, {error});

    TstMainForm& shown = Show(scenario.arguments);
    // Nothing happens before the timer's interval has passed.
    EXPECT_EQ(platform.Log(), Trace{});
    ASSERT_TRUE(shown.Timer1.Fire());
    QCoreApplication::sendPostedEvents();

    EXPECT_EQ(platform.Log(), scenario.trace);
    // Done on every path: the window is gone and the work does not come back.
    EXPECT_FALSE(shown.isVisible());
    EXPECT_FALSE(shown.Timer1.IsArmed());
}

INSTANTIATE_TEST_SUITE_P(Scenarios, LauncherPass, ::testing::ValuesIn(kScenarios), CaseName());

} // namespace
} // namespace zk::start::test
