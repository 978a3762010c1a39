// The start of the main window when another program holds the machine's only
// parallel port: the probe and the remembered port each give up on it, the
// menu shows it unusable and the window appears.
#include <QAction>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

#include "tests/forms/main/main_form_fixture.h"
#include "tests/zkcomm/fake_ppdev.h"
#include "zkcomm/platform/linux/linux_system.h"
#include "zkcomm/platform/linux/ppdev_port_io.h"
#include "zkcomm/platform/linux/proc_registry_tree.h"

namespace zk::forms::test {
namespace {

using namespace std::chrono_literals;

struct HeldCase {
    const char* name;
    std::optional<int> stored;
    QStringList messages;
    int portNo;
    size_t lines; // one per claim given up
};

void PrintTo(const HeldCase& c, std::ostream* out) {
    *out << c.name;
}

const HeldCase kHeldCases[] = {
    {"NothingStored", std::nullopt, {}, 0, 1},
    {"Lpt1Stored", 1, {"PLT1 is not available"}, 1, 2},
};

class HeldPortAtStart : public MainFormFixture, public ::testing::WithParamInterface<HeldCase> {
protected:
    HeldPortAtStart() {
        ports.Add(0, 0x378);
        ppdev.Hold();
        zkcomm::testing::InstallRegistryTree(&tree);
        zkcomm::testing::InstallVersionQuery(&version);
        zkcomm::testing::InstallPortProvider(&provider);
    }
    ~HeldPortAtStart() override { zkcomm::testing::RestoreDefaults(); }

    zkcomm::test::FakeParports ports{std::string("start-") + GetParam().name};
    zkcomm::test::FakePpdev ppdev;
    zkcomm::linux_platform::ProcRegistryTree tree{ports.Proc()};
    zkcomm::linux_platform::LinuxVersionQuery version;
    std::vector<std::string> lines;
    zkcomm::linux_platform::PpdevPortProvider provider{
        ports.Proc(), ports.Dev(), [this](const std::string& line) { lines.push_back(line); },
        &ppdev};
};

TEST_P(HeldPortAtStart, GivesUpOnThePortAndShowsTheWindow) {
    const HeldCase& c = GetParam();
    if (c.stored)
        StorePort(*c.stored);

    // Lets go of the port if the start still waits long after every claim
    // should have given up, so that a hang fails instead of stopping the run.
    std::mutex mutex;
    std::condition_variable started;
    bool done = false;
    std::atomic<bool> rescued{false};
    std::thread watchdog([&] {
        std::unique_lock<std::mutex> lock(mutex);
        if (!started.wait_for(lock, 20s, [&] { return done; })) {
            rescued = true;
            ppdev.LetGo();
        }
    });
    TMainForm& main = Start();
    {
        std::lock_guard<std::mutex> lock(mutex);
        done = true;
    }
    started.notify_all();
    watchdog.join();
    ASSERT_FALSE(rescued) << "the start waited on the held port";

    main.show();
    EXPECT_TRUE(main.isVisible());
    EXPECT_FALSE(main.mnuPLT1->isEnabled());
    EXPECT_EQ(CheckedPort(), 0);
    EXPECT_EQ(main.PortNo, c.portNo);
    EXPECT_EQ(fakes.messages.Texts(), c.messages);
    EXPECT_FALSE(LinkTalks());
    ASSERT_EQ(lines.size(), c.lines);
    for (const std::string& line : lines)
        EXPECT_NE(line.find("another program holds the port"), std::string::npos) << line;
    EXPECT_EQ(ppdev.OpenDevices(), 0u);
    EXPECT_EQ(Finish(), c.portNo);
}

INSTANTIATE_TEST_SUITE_P(Stored, HeldPortAtStart, ::testing::ValuesIn(kHeldCases), CaseName());

} // namespace
} // namespace zk::forms::test
