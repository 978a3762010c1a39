// What the launcher hands the system beyond the trace: the device open's flags,
// the service it installs, the version record it passes, and every argument of
// the tool's start, buffers byte for byte.
#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

#include "tests/zkstart/case_name.h"
#include "tests/zkstart/launcher_fixture.h"

namespace zk::start::test {
namespace {

class SystemArguments : public LauncherFixture {};

TEST_F(SystemArguments, VersionRecordIsSizedAndOtherwiseZero) {
    platform.platformId = kPlatformWin9x;
    Run();

    ASSERT_EQ(platform.versionQueries.size(), 1u);
    const OsVersionInfo& passed = platform.versionQueries.front();
    EXPECT_EQ(passed.size, 148u);
    EXPECT_EQ(passed.majorVersion | passed.minorVersion | passed.buildNumber | passed.platformId,
              0u);
    EXPECT_TRUE(std::all_of(passed.servicePack.begin(), passed.servicePack.end(),
                            [](char c) { return c == 0; }));
}

TEST_F(SystemArguments, DeviceIsOpenedForReadingUnsharedExistingBothTimes) {
    platform.Script(LauncherCall::OpenDevice, {2});
    Run();

    ASSERT_EQ(platform.deviceOpens.size(), 2u);
    for (const DeviceOpen& open : platform.deviceOpens) {
        EXPECT_EQ(open.name, "\\\\.\\PortTalk");
        EXPECT_EQ(open.access, 0x80000000u);
        EXPECT_EQ(open.shareMode, 0u);
        EXPECT_EQ(open.disposition, 3u);
        EXPECT_EQ(open.attributes, 0x80u);
    }
}

TEST_F(SystemArguments, ServiceIsInstalledAsADemandStartedKernelDriver) {
    platform.Script(LauncherCall::OpenDevice, {2});
    platform.Script(LauncherCall::OpenNamedService, {kErrorServiceDoesNotExist});
    Run();

    ASSERT_EQ(platform.serviceCreations.size(), 1u);
    const ServiceSettings& created = platform.serviceCreations.front();
    EXPECT_EQ(created.serviceName, "PortTalk");
    EXPECT_EQ(created.displayName, "PortTalk");
    EXPECT_EQ(created.desiredAccess, 0xF01FFu);
    EXPECT_EQ(created.serviceType, 1u);
    EXPECT_EQ(created.startType, 3u);
    EXPECT_EQ(created.errorControl, 1u);
    // Unexpanded: the service manager expands it itself.
    EXPECT_EQ(created.binaryPath, "%SystemRoot%\\system32\\drivers\\PortTalk.sys");
    EXPECT_FALSE(created.loadOrderGroup);
    EXPECT_FALSE(created.wantsTagId);
    EXPECT_FALSE(created.dependencies);
    EXPECT_FALSE(created.account);
    EXPECT_FALSE(created.password);
}

struct ToolStartCase {
    const char* name;
    std::uint32_t platformId;
    QStringList arguments;
    std::string_view commandLine;
};

void PrintTo(const ToolStartCase& row, std::ostream* out) {
    *out << row.name;
}

const ToolStartCase kToolStarts[] = {
    {"Win9xNormal", kPlatformWin9x, {}, "zktools.exe "},
    {"Win9xFactory", kPlatformWin9x, {"-Factory"}, "zktools.exe -factory "},
    {"NtNormal", kPlatformNt, {"-factory", "-factory"}, "zktools.exe "},
    {"NtFactory", kPlatformNt, {"-FACTORY"}, "zktools.exe -factory "},
};

class ToolStart : public LauncherFixture, public ::testing::WithParamInterface<ToolStartCase> {};

TEST_P(ToolStart, PlainStartWithTheCommandLineInItsBuffer) {
    const ToolStartCase& c = GetParam();
    platform.platformId = c.platformId;
    Run(c.arguments);

    ASSERT_EQ(platform.processStarts.size(), 1u);
    const RecordedProcessStart& start = platform.processStarts.front();
    EXPECT_FALSE(start.hasApplicationName);
    EXPECT_FALSE(start.hasProcessAttributes);
    EXPECT_FALSE(start.hasThreadAttributes);
    EXPECT_FALSE(start.inheritHandles);
    EXPECT_EQ(start.creationFlags, 0u);
    EXPECT_FALSE(start.hasEnvironment);
    EXPECT_FALSE(start.hasCurrentDirectory);
    ASSERT_TRUE(start.startupInfo);
    EXPECT_EQ(start.startupInfo->size, 68u);
    EXPECT_TRUE(std::all_of(start.startupInfo->rest.begin(), start.startupInfo->rest.end(),
                            [](std::uint8_t byte) { return byte == 0; }));

    // 80 bytes: the text, then zeros to the end.
    std::vector<char> expected(80, '\0');
    std::copy(c.commandLine.begin(), c.commandLine.end(), expected.begin());
    EXPECT_EQ(start.commandLine, expected);
}

INSTANTIATE_TEST_SUITE_P(Lines, ToolStart, ::testing::ValuesIn(kToolStarts), CaseName());

TEST_F(SystemArguments, ProcessIdGoesToTheDriverLittleEndian) {
    platform.processId = 0x00012345;
    Run();

    ASSERT_EQ(platform.deviceRequests.size(), 5u);
    const RecordedDeviceRequest& last = platform.deviceRequests.back();
    EXPECT_EQ(last.code, 0x9C40240Cu);
    EXPECT_EQ(last.input, (std::vector<std::uint8_t>{0x45, 0x23, 0x01, 0x00}));
}

} // namespace
} // namespace zk::start::test
