// A port that another program holds, over the test's ppdev driver: the claim
// waits a fraction of a second for it, gives up after about one, and neither
// the claiming thread's signal mask nor anybody else's signals spoil that.
#include "case_name.h"
#include "fake_ppdev.h"
#include "zkcomm/platform/linux/bounded_claim.h"
#include "zkcomm/platform/linux/ppdev_port_io.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <future>
#include <pthread.h>
#include <thread>

namespace zkcomm::test {
namespace {

using namespace std::chrono_literals;
using linux_platform::ClaimLimit;

// Far beyond the limit: a claim still waiting then would wait for ever.
constexpr auto Watchdog = 10s;
// A brief holder keeps the port this long once the claim sleeps: long enough that a claim
// giving up at once is seen, short against the limit, so a loaded machine still lets the
// claim through.
constexpr auto HoldFor = 100ms;

enum class Holder {
    None,    // the port is free
    Briefly, // let go HoldFor after the claim went to sleep
    ForGood, // never let go
};

struct HeldCase {
    const char* name;
    Holder holder;
    bool blockAllSignals;          // the claiming thread blocks every signal
    bool hostSignal;               // a signal of the host's own arrives while the claim sleeps
    std::chrono::milliseconds lag; // the first claim reaches its sleep this late
    bool taken;
};
void PrintTo(const HeldCase& c, std::ostream* os) {
    *os << c.name;
}

const HeldCase HeldCases[] = {
    {"Free", Holder::None, false, false, 0ms, true},
    {"HeldBriefly", Holder::Briefly, false, false, 0ms, true},
    {"HeldBrieflyWithASignalOfTheHosts", Holder::Briefly, false, true, 0ms, true},
    {"HeldForGood", Holder::ForGood, false, false, 0ms, false},
    {"HeldForGoodWithEverySignalBlocked", Holder::ForGood, true, false, 0ms, false},
    {"HeldForGoodWithASignalOfTheHosts", Holder::ForGood, false, true, 0ms, false},
    // The first tick comes before the ioctl sleeps, so it interrupts nothing.
    {"HeldForGoodAndTheFirstTickIsLost", Holder::ForGood, false, false, ClaimLimit + 200ms, false},
};

void OnHostSignal(int) {}

class HeldPort : public ::testing::TestWithParam<HeldCase> {
protected:
    void SetUp() override {
        struct sigaction action {};
        action.sa_handler = OnHostSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART; // the kernel's claim is not restarted even so
        ASSERT_EQ(::sigaction(SIGUSR1, &action, &savedUsr1_), 0);
        ports_.Add(0, 0x378);
    }
    void TearDown() override { ::sigaction(SIGUSR1, &savedUsr1_, nullptr); }

    FakeParports ports_{std::string("held-") + GetParam().name};
    FakePpdev ppdev_;
    std::vector<std::string> lines_;
    struct sigaction savedUsr1_ {};
};

bool SameMask(const sigset_t& a, const sigset_t& b) {
    for (int s = 1; s <= SIGRTMAX; ++s) {
        if (sigismember(&a, s) != sigismember(&b, s)) {
            return false;
        }
    }
    return true;
}

TEST_P(HeldPort, IsTakenOrGivenUpOnWithinAboutASecond) {
    const HeldCase& c = GetParam();
    linux_platform::PpdevPortProvider provider(
        ports_.Proc(), ports_.Dev(), [this](const std::string& line) { lines_.push_back(line); },
        &ppdev_);
    if (c.holder != Holder::None) {
        ppdev_.Hold();
    }
    ppdev_.DelayNextSleep(c.lag);

    bool taken = false;
    bool maskKept = false;
    std::chrono::steady_clock::duration took{};
    std::promise<void> done;
    std::future<void> returned = done.get_future();
    std::atomic<bool> claimReturned{false};
    std::thread claimer([&] {
        if (c.blockAllSignals) {
            sigset_t all;
            sigfillset(&all);
            ::pthread_sigmask(SIG_BLOCK, &all, nullptr);
        }
        sigset_t before;
        ::pthread_sigmask(SIG_BLOCK, nullptr, &before);
        const auto start = std::chrono::steady_clock::now();
        std::unique_ptr<PortIo> io = provider.Open(0x378);
        took = std::chrono::steady_clock::now() - start;
        sigset_t after;
        ::pthread_sigmask(SIG_BLOCK, nullptr, &after);
        maskKept = SameMask(before, after);
        taken = io != nullptr;
        io.reset();
        claimReturned = true;
        done.set_value();
    });
    std::thread other([&] {
        if (c.holder == Holder::None || !ppdev_.WaitForSleeps(1, Watchdog)) {
            return;
        }
        if (c.hostSignal) {
            // A signal that lands just before the claim is inside its sleep interrupts
            // nothing, as with the kernel's; it comes again until the claim was woken and
            // went back to sleep, or has returned.
            do {
                ::pthread_kill(claimer.native_handle(), SIGUSR1);
            } while (!ppdev_.WaitForSleeps(2, 10ms) && !claimReturned);
        }
        if (c.holder == Holder::Briefly) {
            std::this_thread::sleep_for(HoldFor);
            ppdev_.LetGo();
        }
    });

    const bool finished = returned.wait_for(Watchdog) == std::future_status::ready;
    EXPECT_TRUE(finished) << "the claim was still waiting after " << Watchdog.count() << " s";
    ppdev_.LetGo(); // frees a claim that never gave up, so the test can end
    claimer.join();
    other.join();
    if (!finished) {
        return;
    }

    EXPECT_EQ(taken, c.taken);
    EXPECT_TRUE(maskKept) << "the claiming thread's signal mask changed";
    EXPECT_EQ(ppdev_.OpenDevices(), 0u);
    if (c.holder != Holder::None) {
        EXPECT_GE(ppdev_.ClaimSleeps(), 1u) << "the claim never waited";
    }
    if (c.taken) {
        EXPECT_TRUE(lines_.empty()) << lines_.front();
        return;
    }
    EXPECT_GE(took, ClaimLimit) << "gave up before the limit";
    ASSERT_EQ(lines_.size(), 1u);
    EXPECT_NE(lines_[0].find("cannot claim " + ports_.Dev() + "/parport0"), std::string::npos)
        << lines_[0];
    EXPECT_NE(lines_[0].find("another program holds the port"), std::string::npos) << lines_[0];
}

INSTANTIATE_TEST_SUITE_P(Rows, HeldPort, ::testing::ValuesIn(HeldCases), CaseName());

} // namespace
} // namespace zkcomm::test
