// Two threads hammer single operations and list transfers over the simulated drive at once.
// Every port access is tagged with the operation its thread is running; no operation's
// accesses may be split by another's, and no list parameter's frames may be either.
#include "zktools/model/data_process.h"
#include "zktools/model/link_lock.h"
#include "zktools/model/symbol_table.h"

#include "zkcomm/sim/simulated_drive.h"
#include "zkcomm/testing.h"
#include "zkcomm/zkcomm.h"

#include <gtest/gtest.h>

#include <pthread.h>
#include <sched.h>

#include <algorithm>
#include <condition_variable>
#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

// The operation this thread is in; 0 between operations.
thread_local int64_t CurrentOp = 0;

// A stretch of consecutive port accesses made by one operation.
struct AccessRun {
    int64_t op;
    size_t frames;
    size_t erases = 0; // NV ERASE instructions
};

class AccessLog {
public:
    void Access(bool frameEnded, bool eraseDecoded = false) {
        std::lock_guard<std::mutex> lock(mutex_);
        if (runs_.empty() || runs_.back().op != CurrentOp) {
            runs_.push_back({CurrentOp, 0});
        }
        if (frameEnded) {
            ++runs_.back().frames;
        }
        if (eraseDecoded) {
            ++runs_.back().erases;
        }
    }
    std::vector<AccessRun> Runs() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return runs_;
    }

private:
    mutable std::mutex mutex_;
    std::vector<AccessRun> runs_;
};

// What one operation expects of its accesses: a single operation one run; a list transfer
// its parameters' frames, each parameter inside one run.
struct OpShape {
    bool single = true;
    std::vector<size_t> chunks;
    std::string what;
};

// Frames of one parameter: a read is two readings, a write (without a retry) a read, the puts
// and one reading back.
std::vector<size_t> ReadChunks(const VarTableList& list) {
    std::vector<size_t> chunks;
    for (const VarTable& r : list) {
        chunks.push_back(r.Bytes == 2 ? 4 : 2);
    }
    return chunks;
}
std::vector<size_t> WriteChunks(const VarTableList& list) {
    std::vector<size_t> chunks;
    for (const VarTable& r : list) {
        chunks.push_back(r.Bytes == 2 ? 5 : 3);
    }
    return chunks;
}

VarTableList Pick(std::initializer_list<const char*> names) {
    VarTableList list;
    for (const char* name : names) {
        list.push_back(*SymTable.Find(name));
    }
    return list;
}

// Runs one thread's operations, tags their accesses and keeps what went wrong.
class Worker {
public:
    explicit Worker(int64_t id) : base_(id << 32) {}

    template <typename F> void Single(const std::string& what, int32_t expected, F op) {
        Begin({true, {}, what});
        const int32_t got = op();
        End();
        Expect(what, got, expected);
    }
    template <typename F>
    void List(const std::string& what, std::vector<size_t> chunks, int32_t expected, F op) {
        Begin({false, std::move(chunks), what});
        const int32_t got = op();
        End();
        Expect(what, got, expected);
    }
    void Expect(const std::string& what, int32_t got, int32_t expected) {
        if (got != expected) {
            failures.push_back(what + " gave " + std::to_string(got) + ", not " +
                               std::to_string(expected));
        }
    }
    const std::map<int64_t, OpShape>& Shapes() const { return shapes_; }

    std::vector<std::string> failures;

private:
    void Begin(OpShape shape) {
        CurrentOp = base_ + ++count_;
        shapes_[CurrentOp] = std::move(shape);
    }
    static void End() { CurrentOp = 0; }

    int64_t base_;
    int64_t count_ = 0;
    std::map<int64_t, OpShape> shapes_;
};

constexpr int Iterations = 150;

class TransferThreads : public ::testing::Test {
protected:
    void SetUp() override {
        SymTable.ResetToDefaults();
        ASSERT_TRUE(simulator_.Selected());
        // HVF keeps moving with every other frame: a reading split by another thread's
        // frames would disagree.
        Drive().SetHvfAutoAdvance(true);
        Drive().SetPortObserver([this](const zkcomm::sim::PortAccess&) {
            log_.Access(frameEnded_);
            frameEnded_ = false;
        });
        // Runs just before the port observer of the access that ended the frame.
        Drive().SetFrameObserver([this](const zkcomm::sim::LogicFrame&) { frameEnded_ = true; });
    }
    void TearDown() override { SymTable.ResetToDefaults(); }

    zkcomm::sim::SimulatedDrive& Drive() { return simulator_.Drive(); }

    zkcomm::testing::ScopedSimulator simulator_;
    AccessLog log_;
    // Only touched by observers, which the drive runs one at a time under its lock.
    bool frameEnded_ = false;
};

// Owns IVMode (register 1 bit 6) and Command (registers 9 and 10); reads the NV set and the
// version text as the windows do.
void GuiSide(Worker& w) {
    const VarTableList nvSet = SymTable.GetUserNVVars();
    for (int i = 0; i < Iterations; ++i) {
        const int32_t ivMode = i & 1;
        const int32_t command = (i * 331) % 24453 - 12000;
        int32_t value = 0;
        int32_t status = 0;
        w.Single("write IVMode", LinkOk,
                 [&] { return DataProcess::WriteVarToDrive("IVMode", ivMode, status); });
        w.Single("read IVMode", LinkOk,
                 [&] { return DataProcess::ReadVarFromDrive("IVMode", value, status); });
        w.Expect("IVMode", value, ivMode);
        w.Single("write Command", LinkOk,
                 [&] { return DataProcess::WriteVarToDrive("Command", command, status); });
        w.Single("read Command", LinkOk,
                 [&] { return DataProcess::ReadVarFromDrive("Command", value, status); });
        w.Expect("Command", value, command);
        if (i % 10 == 0) {
            w.List("read NV set", ReadChunks(nvSet), 1021,
                   [&] { return DataProcess::ReadListFromDrive(nvSet); });
        }
        if (i % 25 == 0) {
            w.Single("version", 'Z', [] {
                char text[80] = {};
                std::lock_guard<std::mutex> lock(LinkLock());
                return static_cast<int32_t>(CommZkDLLVersion(text)[0]);
            });
        }
    }
}

// Owns EncOut and DirSrc (register 1), CommOff (registers 14 and 15) and PWMPlus in NV;
// polls like the status thread and rewrites register 3 from the table.
void StatusSide(Worker& w) {
    const VarTableList all = SymTable.GetAllVars();
    const VarTableList monitored = SymTable.GetMonitoredVars();
    const VarTableList register3 = Pick({"DM1Map", "PoleCount"});
    for (int i = 0; i < Iterations; ++i) {
        const int32_t encOut = i & 3;
        const int32_t dirSrc = (i >> 1) & 1;
        const int32_t commOff = (i * 97) % 4095 - 2047;
        const int32_t pwmPlus = i % 150 - 75;
        int32_t value = 0;
        int32_t status = 0;
        int32_t model = 0;
        bool enabled = false;
        int32_t fault = 0;
        w.Single("status", LinkOk,
                 [&] { return DataProcess::ReadDriveStatus(model, enabled, fault); });
        w.Expect("model", model, 50);
        w.List("poll HVF", ReadChunks(monitored), 1002,
               [&] { return DataProcess::ReadListFromDrive(monitored); });
        w.Single("write EncOut", LinkOk,
                 [&] { return DataProcess::WriteVarToDrive("EncOut", encOut, status); });
        w.Single("write DirSrc", LinkOk,
                 [&] { return DataProcess::WriteVarToDrive("DirSrc", dirSrc, status); });
        w.Single("read EncOut", LinkOk,
                 [&] { return DataProcess::ReadVarFromDrive("EncOut", value, status); });
        w.Expect("EncOut", value, encOut);
        w.Single("write CommOff", LinkOk,
                 [&] { return DataProcess::WriteVarToDrive("CommOff", commOff, status); });
        w.Single("read CommOff", LinkOk,
                 [&] { return DataProcess::ReadVarFromDrive("CommOff", value, status); });
        w.Expect("CommOff", value, commOff);
        if (i % 5 == 0) {
            w.Single("NV write PWMPlus", LinkOk,
                     [&] { return DataProcess::WriteVarToNV("PWMPlus", pwmPlus); });
            w.Single("NV read PWMPlus", LinkOk,
                     [&] { return DataProcess::ReadVarFromNV("PWMPlus", value); });
            w.Expect("NV PWMPlus", value, pwmPlus);
            w.List("write register 3", WriteChunks(register3), 1003,
                   [&] { return DataProcess::WriteListToDrive(register3); });
        }
        if (i % 30 == 0) {
            w.List("read all", ReadChunks(all), 1026,
                   [&] { return DataProcess::ReadListFromDrive(all); });
        }
    }
}

// Each run of a list transfer holds whole parameters.
std::string CheckList(const OpShape& shape, const std::vector<size_t>& runs) {
    size_t chunk = 0;
    for (const size_t frames : runs) {
        size_t taken = 0;
        while (taken < frames && chunk < shape.chunks.size()) {
            taken += shape.chunks[chunk++];
        }
        if (taken != frames) {
            return shape.what + ": a parameter's frames were split";
        }
    }
    return chunk == shape.chunks.size() ? "" : shape.what + ": frames missing";
}

TEST_F(TransferThreads, OperationsNeverInterleave) {
    Worker gui(1);
    Worker poller(2);
    std::thread a([&] { GuiSide(gui); });
    std::thread b([&] { StatusSide(poller); });
    a.join();
    b.join();
    Drive().SetPortObserver(nullptr);
    Drive().SetFrameObserver(nullptr);

    for (const Worker* w : {&gui, &poller}) {
        EXPECT_TRUE(w->failures.empty())
            << w->failures.size()
            << " failures, first: " << (w->failures.empty() ? "" : w->failures.front());
    }
    EXPECT_EQ(Drive().GetCounters().logic.brokenFrames, 0u);

    std::map<int64_t, std::vector<size_t>> runsOf;
    for (const AccessRun& run : log_.Runs()) {
        runsOf[run.op].push_back(run.frames);
    }
    EXPECT_EQ(runsOf.count(0), 0u) << "port accesses outside any operation";
    size_t checked = 0;
    for (const Worker* w : {&gui, &poller}) {
        for (const auto& [op, shape] : w->Shapes()) {
            const auto found = runsOf.find(op);
            const std::vector<size_t> runs =
                found != runsOf.end() ? found->second : std::vector<size_t>{};
            if (shape.single) {
                EXPECT_LE(runs.size(), 1u) << shape.what << " was interleaved";
            } else {
                const std::string problem = CheckList(shape, runs);
                EXPECT_EQ(problem, "");
            }
            ++checked;
        }
    }
    EXPECT_GT(checked, 2u * Iterations);

    // Register 1 holds both threads' last fields and the untouched ones as at power-on.
    const int last = Iterations - 1;
    const uint8_t reg1 = Drive().GetRegister(1);
    EXPECT_EQ((reg1 >> 6) & 1, last & 1) << "IVMode";
    EXPECT_EQ(reg1 & 3, last & 3) << "EncOut";
    EXPECT_EQ((reg1 >> 7) & 1, (last >> 1) & 1) << "DirSrc";
    EXPECT_EQ(reg1 & 0x3C, 0x10) << "CmdSrc, IrCompSrc, PWMTimeOut";
}

// Puts the calling thread on one CPU. The yielding one gets the idle policy there, so a thread
// woken on that CPU runs at once: a transfer waiting for the link lock takes it the moment it
// is let go, before the yielding thread can take it back.
void ShareCpu(int cpu, bool yielding) {
    cpu_set_t set;
    CPU_ZERO(&set);
    CPU_SET(cpu, &set);
    ::pthread_setaffinity_np(::pthread_self(), sizeof set, &set);
    if (yielding) {
        sched_param param{};
        ::pthread_setschedparam(::pthread_self(), SCHED_IDLE, &param);
    }
}

TEST_F(TransferThreads, EraseHoldsTheLockOverEachCellWithItsRepeat) {
    using zkcomm::sim::NvCycleFault;
    constexpr int FirstCell = 15;
    constexpr int LastCell = 254;
    constexpr uint64_t Cells = LastCell - FirstCell + 1;

    // Every cell's first ERASE does not get ready, so every cell is erased twice; at each first
    // ERASE the other thread is sent to read "Model" and waits for the link lock.
    std::mutex mutex;
    std::condition_variable wake;
    uint64_t sent = 0;
    bool erased = false;
    uint64_t erasesSeen = 0; // only touched by the observer, under the drive's lock
    Drive().ResetCounters();
    Drive().SetNvCycleFault(NvCycleFault::NeverReady, FirstCell, 1);
    Drive().SetPortObserver([&](const zkcomm::sim::PortAccess&) {
        const uint64_t erases = Drive().GetCounters().nv.erase;
        const bool decoded = erases != erasesSeen;
        erasesSeen = erases;
        log_.Access(frameEnded_, decoded);
        frameEnded_ = false;
        if (!decoded) {
            return;
        }
        if (erases % 2 == 1) {
            {
                std::lock_guard<std::mutex> lock(mutex);
                ++sent;
            }
            wake.notify_one();
        } else if (FirstCell + erases / 2 <= LastCell) {
            Drive().SetNvCycleFault(NvCycleFault::NeverReady,
                                    FirstCell + static_cast<int>(erases / 2), 1);
        }
    });

    Worker eraser(1);
    Worker reader(2);
    const int cpu = std::max(::sched_getcpu(), 0);
    std::thread other([&] {
        ShareCpu(cpu, false);
        uint64_t done = 0;
        for (;;) {
            {
                std::unique_lock<std::mutex> lock(mutex);
                wake.wait(lock, [&] { return sent > done || erased; });
                if (sent == done) {
                    return;
                }
                ++done;
            }
            int32_t model = 0;
            int32_t status = 0;
            reader.Single("read Model", LinkOk,
                          [&] { return DataProcess::ReadVarFromDrive("Model", model, status); });
        }
    });
    std::thread erase([&] {
        ShareCpu(cpu, true);
        eraser.Single("erase", LinkOk, [] { return DataProcess::EraseNV(); });
        {
            std::lock_guard<std::mutex> lock(mutex);
            erased = true;
        }
        wake.notify_one();
    });
    erase.join();
    other.join();
    Drive().SetPortObserver(nullptr);
    Drive().SetFrameObserver(nullptr);

    for (const Worker* w : {&eraser, &reader}) {
        EXPECT_TRUE(w->failures.empty())
            << w->failures.size()
            << " failures, first: " << (w->failures.empty() ? "" : w->failures.front());
    }
    EXPECT_EQ(Drive().GetCounters().nv.erase, 2 * Cells);
    EXPECT_EQ(Drive().GetCounters().logic.brokenFrames, 0u);

    std::map<int64_t, std::vector<AccessRun>> runsOf;
    for (const AccessRun& run : log_.Runs()) {
        runsOf[run.op].push_back(run);
    }
    EXPECT_EQ(runsOf.count(0), 0u) << "port accesses outside any operation";
    for (const auto& [op, shape] : reader.Shapes()) {
        EXPECT_EQ(runsOf[op].size(), 1u) << shape.what << " was interleaved";
    }
    // The reads come between cells, never between a cell's ERASE and its repeat.
    const std::vector<AccessRun>& eraseRuns = runsOf[eraser.Shapes().begin()->first];
    EXPECT_GT(eraseRuns.size(), 1u) << "no read came between two cells: the check proves nothing";
    // A run may end only after a cell's second ERASE.
    size_t split = 0;
    uint64_t erasesSoFar = 0;
    for (const AccessRun& run : eraseRuns) {
        erasesSoFar += run.erases;
        split += erasesSoFar % 2;
    }
    EXPECT_EQ(split, 0u) << "reads came between a cell's ERASE and its repeat";
}

} // namespace
