// The Linux back ends over a fake /proc and /dev in a temporary folder: the
// hardware description built from the kernel's parport table, and ppdev
// ports that exist but cannot be used.
#include "link_fixture.h"
#include "zkcomm/platform/linux/linux_system.h"
#include "zkcomm/platform/linux/ppdev_port_io.h"
#include "zkcomm/platform/linux/proc_parport.h"
#include "zkcomm/platform/linux/proc_registry_tree.h"
#include "zkcomm/port_discovery.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace zkcomm::test {
namespace {

namespace fs = std::filesystem;
using linux_platform::ParseBaseAddr;

TEST(ParseBaseAddr, TakesTheFirstDecimalNumber) {
    struct Case {
        const char* text;
        std::optional<uint16_t> base;
    };
    const Case cases[] = {
        {"888\t1912\n", 888},       {"632 1656", 632},
        {"  956\n", 956},           {"0\n", 0},
        {"65535\n", 65535},         {"65536\n", std::nullopt},
        {"", std::nullopt},         {"\n", std::nullopt},
        {"0x378\n", std::nullopt},  {"-1\n", std::nullopt},
        {"888,1912", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseBaseAddr(c.text), c.base) << '"' << c.text << '"';
    }
}

class FakeSystem : public ::testing::Test {
protected:
    void SetUp() override {
        root = fs::temp_directory_path() /
               ("zkcomm-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root);
        fs::create_directories(root / "dev");
        fs::create_directories(root / "proc");
        testing::RestoreDefaults();
    }
    void TearDown() override {
        testing::RestoreDefaults();
        fs::remove_all(root);
    }
    void AddParport(int index, const std::string& text) {
        const fs::path dir = root / "proc/sys/dev/parport" / ("parport" + std::to_string(index));
        fs::create_directories(dir);
        std::ofstream(dir / "base-addr") << text;
    }
    int32_t Base(RegistryTree& tree, int32_t n) {
        return GetPortBase(n, DiscoveryPlatform{tree, version, bios});
    }

    fs::path root;
    linux_platform::LinuxVersionQuery version;
    linux_platform::NoBiosAreaReader bios;
};

TEST_F(FakeSystem, LinuxCountsAsTheNtFamilyWithoutBiosArea) {
    EXPECT_EQ(version.GetVersion() & Win9xFamilyBit, 0u);
    uint8_t data[8] = {};
    EXPECT_FALSE(bios.Read(0x408, data));
}

TEST_F(FakeSystem, ParportsZeroToTwoAreLpt1ToLpt3) {
    AddParport(0, "888\t1912\n");
    AddParport(1, "632\t1656\n");
    AddParport(3, "956\t-1\n");
    linux_platform::ProcRegistryTree tree((root / "proc").string());
    EXPECT_EQ(Base(tree, 1), 0x378);
    EXPECT_EQ(Base(tree, 2), 0x278);
    EXPECT_EQ(Base(tree, 3), PortNotFound) << "parport3 is no LPT port";
    std::string path;
    EXPECT_EQ(FindParallelControllerKey(tree, &path), 0);
    EXPECT_EQ(path, "HARDWARE\\DESCRIPTION\\System\\MultifunctionAdapter\\0\\ParallelController");
}

TEST_F(FakeSystem, TableIsReadAgainAtEverySearch) {
    linux_platform::ProcRegistryTree tree((root / "proc").string());
    EXPECT_EQ(Base(tree, 3), PortNotFound);
    AddParport(2, "956 1980\n");
    EXPECT_EQ(Base(tree, 3), 0x3BC);
    AddParport(2, "garbage\n");
    EXPECT_EQ(Base(tree, 3), PortNotFound);
}

TEST_F(FakeSystem, NoParportTableMeansNoPorts) {
    linux_platform::ProcRegistryTree tree((root / "nothing").string());
    for (int32_t n = 1; n <= 3; ++n) {
        EXPECT_EQ(Base(tree, n), PortNotFound);
    }
}

TEST(DescribeDeviceFailure, TellsWhatToDo) {
    const std::string denied =
        linux_platform::DescribeDeviceFailure("/dev/parport0", "open", EACCES);
    EXPECT_NE(denied.find("/dev/parport0"), std::string::npos);
    EXPECT_NE(denied.find("Permission denied"), std::string::npos);
    EXPECT_NE(denied.find("group lp"), std::string::npos);
    EXPECT_NE(linux_platform::DescribeDeviceFailure("/dev/parport1", "claim", EBUSY)
                  .find("another program"),
              std::string::npos);
    EXPECT_NE(linux_platform::DescribeDeviceFailure("/dev/parport1", "open", ENOENT).find("ppdev"),
              std::string::npos);
    for (const int err : {EACCES, EBUSY, ENOENT, EIO}) {
        EXPECT_EQ(linux_platform::DescribeDeviceFailure("/dev/x", "open", err).find('\n'),
                  std::string::npos);
    }
}

class Ppdev : public FakeSystem {
protected:
    linux_platform::PpdevPortProvider Provider() {
        return linux_platform::PpdevPortProvider(
            (root / "proc").string(), (root / "dev").string(),
            [this](const std::string& line) { lines.push_back(line); });
    }
    std::vector<std::string> lines;
};

TEST_F(Ppdev, UnknownBaseIsNoPortAndNotReported) {
    AddParport(0, "888 1912");
    auto provider = Provider();
    EXPECT_EQ(provider.Open(0x278), nullptr);
    EXPECT_TRUE(lines.empty());
}

TEST_F(Ppdev, MissingDeviceIsReportedOnce) {
    AddParport(1, "632 1656");
    auto provider = Provider();
    EXPECT_EQ(provider.Open(0x278), nullptr);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find((root / "dev/parport1").string()), std::string::npos) << lines[0];
    EXPECT_NE(lines[0].find("open"), std::string::npos) << lines[0];
}

TEST_F(Ppdev, DeviceThatCannotBeClaimedIsReportedOnce) {
    AddParport(0, "888 1912");
    std::ofstream(root / "dev/parport0") << "not a port";
    auto provider = Provider();
    EXPECT_EQ(provider.Open(0x378), nullptr);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find("claim"), std::string::npos) << lines[0];
    EXPECT_NE(lines[0].find((root / "dev/parport0").string()), std::string::npos) << lines[0];
}

TEST_F(Ppdev, PortThatCannotBeUsedIsNotAvailableAndChangesNothing) {
    AddParport(0, "888 1912");
    AddParport(1, "632 1656");
    std::ofstream(root / "dev/parport1") << "not a port";
    linux_platform::ProcRegistryTree tree((root / "proc").string());
    auto ppdev = Provider();
    testing::InstallRegistryTree(&tree);
    testing::InstallVersionQuery(&version);
    testing::InstallBiosAreaReader(&bios);
    testing::InstallPortProvider(&ppdev);

    EXPECT_EQ(UseParallelPort(2), LinkInvalid);
    EXPECT_EQ(lines.size(), 1u);
    EXPECT_TRUE(testing::Link().LinkDisabled());

    // With a port of the test's selected first, the failed one leaves it in place.
    RecordingPortIo port;
    testing::FakeMachine machine(port);
    testing::InstallPortProvider(&machine);
    ASSERT_EQ(UseParallelPort(1), LinkOk);
    testing::InstallPortProvider(&ppdev);
    EXPECT_EQ(UseParallelPort(2), LinkInvalid);
    EXPECT_EQ(lines.size(), 2u);
    EXPECT_FALSE(testing::Link().LinkDisabled());
    EXPECT_EQ(testing::Link().BasePort(), 0x378);
    port.ScriptStatus(StatusBits(Marked(0)));
    EXPECT_EQ(EnableDrive(), 1);
    EXPECT_EQ(port.WriteCount(), 52u);
}

} // namespace
} // namespace zkcomm::test
