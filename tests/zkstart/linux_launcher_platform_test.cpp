// The Linux back end: no port driver, so it answers the family that starts the
// tool directly; a start runs the program that the command line names, from the
// launcher's folder, with the command line's other words as arguments.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "tests/zkstart/case_name.h"
#include "tests/zkstart/launcher_fixture.h"
#include "zkstart/platform/linux_launcher_platform.h"
#include "zkstart/platform/tool_process.h"

namespace zk::start::test {
namespace {

// A starter that records what it was asked to start and answers with `pid`.
struct RecordingStarter {
    std::vector<ToolProcess> started;
    std::optional<std::int64_t> pid = 4242;

    ProcessStarter Starter() {
        return [this](const QString& program, const QStringList& arguments) {
            started.push_back({program, arguments});
            return pid;
        };
    }
};

std::vector<char> Buffer(const std::string& text, std::size_t size = 80) {
    std::vector<char> buffer(size, '\0');
    std::memcpy(buffer.data(), text.data(), std::min(text.size(), size));
    return buffer;
}

TEST(LinuxLauncherPlatform, AnswersTheFamilyWithoutDriverAndHasNoDriverToReach) {
    LinuxLauncherPlatform linux(QStringLiteral("/opt/vt"));
    OsVersionInfo info{};
    info.size = sizeof(OsVersionInfo);
    ASSERT_TRUE(linux.QueryVersion(info));
    EXPECT_EQ(info.platformId, kPlatformWin9x);
    EXPECT_EQ(info.size, 148u);

    OsVersionInfo unsized{};
    EXPECT_FALSE(linux.QueryVersion(unsized));
    EXPECT_EQ(linux.LastError(), kErrorInvalidParameter);

    EXPECT_EQ(linux.OpenDevice({"\\\\.\\PortTalk", kGenericRead, 0, kOpenExisting, 0x80}),
              kInvalidHandle);
    EXPECT_EQ(linux.LastError(), kErrorFileNotFound);
    EXPECT_EQ(linux.OpenServiceManager(kServiceManagerAllAccess), kNoServiceHandle);
}

struct LineCase {
    const char* name;
    std::string commandLine;
    std::optional<ToolProcess> expected; // empty: refused, nothing started
};

void PrintTo(const LineCase& row, std::ostream* out) {
    *out << row.name;
}

const LineCase kLines[] = {
    {"Normal", "zktools.exe ", ToolProcess{"/opt/vt/zktools", {}}},
    {"Factory", "zktools.exe -factory ", ToolProcess{"/opt/vt/zktools", {"-factory"}}},
    {"CapitalExtension", "ZKTOOLS.EXE", ToolProcess{"/opt/vt/ZKTOOLS", {}}},
    {"NoExtension", "zktools", ToolProcess{"/opt/vt/zktools", {}}},
    {"AbsoluteWithTabs", "/usr/bin/tool\ta  b\t", ToolProcess{"/usr/bin/tool", {"a", "b"}}},
    {"RelativeUp", "../x.exe", ToolProcess{"/opt/x", {}}},
    {"Blank", "   ", std::nullopt},
    {"Empty", "", std::nullopt},
    {"OnlyExtension", ".exe -factory", std::nullopt},
};

class LinuxProcessStart : public ::testing::TestWithParam<LineCase> {};

TEST_P(LinuxProcessStart, CommandLineBecomesProgramAndArguments) {
    const LineCase& c = GetParam();
    RecordingStarter starter;
    LinuxLauncherPlatform linux(QStringLiteral("/opt/vt"), starter.Starter());
    std::vector<char> line = Buffer(c.commandLine);
    ProcessStart start;
    start.commandLine = line;
    ProcessInformation info;

    const bool started = linux.StartProcess(start, info);

    ASSERT_EQ(started, c.expected.has_value());
    if (!started) {
        EXPECT_TRUE(starter.started.empty());
        EXPECT_EQ(linux.LastError(), kErrorFileNotFound);
        return;
    }
    ASSERT_EQ(starter.started.size(), 1u);
    EXPECT_EQ(starter.started.front(), *c.expected);
    EXPECT_EQ(info.processId, 4242u);
    EXPECT_NE(info.process, info.thread);
    // Each handle closes once.
    EXPECT_TRUE(linux.CloseHandle(info.process));
    EXPECT_TRUE(linux.CloseHandle(info.thread));
    EXPECT_FALSE(linux.CloseHandle(info.process));
    EXPECT_EQ(linux.LastError(), kErrorInvalidHandle);
}

INSTANTIATE_TEST_SUITE_P(Lines, LinuxProcessStart, ::testing::ValuesIn(kLines), CaseName());

TEST(LinuxLauncherPlatform, RefusesMalformedStartsWithoutStarting) {
    RecordingStarter starter;
    LinuxLauncherPlatform linux(QStringLiteral("/opt/vt"), starter.Starter());
    ProcessInformation info;

    std::vector<char> unterminated(12, 'z');
    ProcessStart start;
    start.commandLine = unterminated;
    EXPECT_FALSE(linux.StartProcess(start, info));
    EXPECT_EQ(linux.LastError(), kErrorInvalidParameter);

    std::vector<char> line = Buffer("zktools.exe ");
    start.commandLine = line;
    start.applicationName = "zktools.exe";
    EXPECT_FALSE(linux.StartProcess(start, info));
    EXPECT_EQ(linux.LastError(), kErrorInvalidParameter);

    start.commandLine = {};
    start.applicationName = nullptr;
    EXPECT_FALSE(linux.StartProcess(start, info));
    EXPECT_TRUE(starter.started.empty());
}

TEST(LinuxLauncherPlatform, FailedStartTellsMissingFromNotExecutable) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile plain(dir.filePath("zktools"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    ASSERT_TRUE(plain.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner));

    RecordingStarter starter;
    starter.pid = std::nullopt;
    std::vector<char> line = Buffer("zktools.exe ");
    ProcessStart start;
    start.commandLine = line;
    ProcessInformation info;

    LinuxLauncherPlatform besidePlainFile(dir.path(), starter.Starter());
    EXPECT_FALSE(besidePlainFile.StartProcess(start, info));
    EXPECT_EQ(besidePlainFile.LastError(), kErrorAccessDenied);

    LinuxLauncherPlatform besideNothing(dir.filePath("empty"), starter.Starter());
    EXPECT_FALSE(besideNothing.StartProcess(start, info));
    EXPECT_EQ(besideNothing.LastError(), kErrorFileNotFound);
}

TEST(LinuxLauncherPlatform, DetachedStartGivesTheNewProcessIdOrNothing) {
    // Started and never waited for, as the launcher does with the tool.
    const std::optional<std::int64_t> pid = StartDetached(QStringLiteral("/bin/true"), {});
    ASSERT_TRUE(pid);
    EXPECT_GT(*pid, 0);
    EXPECT_FALSE(StartDetached(QStringLiteral("/nonexistent/zktools"), {}));
}

// The whole launcher over the Linux back end.
class LinuxLauncher : public ::testing::Test {
protected:
    zk::platform::testing::PlatformFakes fakes;
    RecordingStarter starter;
};

TEST_F(LinuxLauncher, StartsTheToolBesideItselfWithTheSwitchAndNoDriverTalk) {
    LinuxLauncherPlatform linux(QStringLiteral("/opt/vt/bin"), starter.Starter());
    TstMainForm form(linux, {"-FACTORY"});
    form.show();
    QCoreApplication::sendPostedEvents();
    ASSERT_TRUE(form.Timer1.Fire());

    ASSERT_EQ(starter.started.size(), 1u);
    EXPECT_EQ(starter.started.front(), (ToolProcess{"/opt/vt/bin/zktools", {"-factory"}}));
    EXPECT_EQ(fakes.messages.Texts(), QStringList{});
    EXPECT_FALSE(form.isVisible());
}

TEST_F(LinuxLauncher, ToolThatCannotStartIsReported) {
    starter.pid = std::nullopt;
    LinuxLauncherPlatform linux(QStringLiteral("/opt/vt/bin"), starter.Starter());
    TstMainForm form(linux, {});
    form.show();
    QCoreApplication::sendPostedEvents();
    ASSERT_TRUE(form.Timer1.Fire());

    ASSERT_EQ(starter.started.size(), 1u);
    EXPECT_EQ(starter.started.front(), (ToolProcess{"/opt/vt/bin/zktools", {}}));
    EXPECT_EQ(fakes.messages.Texts(), QStringList{"Error in CreateProcess."});
    EXPECT_FALSE(form.isVisible());
}

} // namespace
} // namespace zk::start::test
