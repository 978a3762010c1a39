// The drive is driven by one thread while others poke it: state stays
// consistent and the thread sanitizer has nothing to report.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "line_driver.h"
#include "zkcomm/sim/shared_drive.h"
#include "zkcomm/sim/simulated_drive.h"

namespace zkcomm::sim::test {
namespace {

TEST(SimulatedDriveThreads, FramesStayWholeWhileAnotherThreadPokesTheDrive) {
    SimulatedDrive drive;
    constexpr int kFrames = 300;
    std::atomic<bool> done{false};
    int badReplies = 0;
    int frames = 0;
    drive.SetFrameObserver([&](const LogicFrame&) { ++frames; });

    std::thread link([&] {
        LineDriver line(drive);
        for (int i = 0; i < kFrames; ++i) {
            const uint16_t reply = i % 3 == 0 ? line.WriteRegister(20, static_cast<uint8_t>(i))
                                              : line.ReadRegister(i % 31 + 1);
            if ((reply & 0xE000) != 0xA000) {
                ++badReplies;
            }
            if (i % 50 == 0) {
                line.NvWrite(40, static_cast<uint16_t>(i));
            }
        }
        done = true;
    });
    std::thread poker([&] {
        int n = 0;
        while (!done) {
            drive.SetFaultCode(n % 16);
            drive.SetEnabled(n % 2 == 0);
            drive.Tick();
            drive.SetNvWord(200, static_cast<uint16_t>(n));
            (void)drive.GetRegister(20);
            (void)drive.GetCounters();
            (void)drive.IsNvBusy();
            ++n;
        }
    });
    link.join();
    poker.join();

    EXPECT_EQ(badReplies, 0);
    EXPECT_EQ(frames, kFrames);
    EXPECT_EQ(drive.GetCounters().logic.frames, static_cast<uint64_t>(kFrames));
    EXPECT_EQ(drive.GetRegister(20), (kFrames - 3) & 0xFF);
    EXPECT_EQ(drive.GetNvWord(40), 250);
}

TEST(SimulatedDriveThreads, SharedDriveIsBuiltOnceWhenFirstUsedFromManyThreads) {
    std::vector<std::thread> threads;
    std::vector<SimulatedDrive*> seen(8, nullptr);
    for (size_t i = 0; i < seen.size(); ++i) {
        threads.emplace_back([&seen, i] { seen[i] = &SharedDrive(); });
    }
    for (auto& t : threads) {
        t.join();
    }
    for (SimulatedDrive* d : seen) {
        EXPECT_EQ(d, seen[0]);
    }
    ResetSharedDrive();
}

} // namespace
} // namespace zkcomm::sim::test
