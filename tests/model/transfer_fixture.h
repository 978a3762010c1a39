// Model transfers against the process's simulated drive: a fresh drive and table per test,
// every logic frame logged, and hooks that act between two frames or two NV reads.
#ifndef TESTS_MODEL_TRANSFER_FIXTURE_H
#define TESTS_MODEL_TRANSFER_FIXTURE_H

#include "zktools/model/data_process.h"
#include "zktools/model/link_lock.h"
#include "zktools/model/symbol_table.h"

#include "zkcomm/sim/register_packing.h"
#include "zkcomm/sim/simulated_drive.h"
#include "zkcomm/testing.h"
#include "zkcomm/zkcomm.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace transfer_test {

using zkcomm::sim::LogicFrame;
using zkcomm::sim::SimulatedDrive;

// A value out-argument starts as this; it must still hold it when nothing was to be written.
inline constexpr int32_t Untouched = 0x5EED;

// Logic frame commands as the drive sees them.
constexpr uint16_t Rd(int reg) {
    return static_cast<uint16_t>(reg << 11);
}
constexpr uint16_t Wr(int reg, int byte) {
    return static_cast<uint16_t>((reg << 11) | 0x400 | byte);
}
using zkcomm::sim::NvEntry;

// A drive whose every user NV parameter differs from its default; register bytes 1 to 15,
// the NV words hold the same. IdCmd 500 too.
inline constexpr uint8_t DriveBytes[16] = {
    0x00,
    0xEB,       // DirSrc 1, IVMode 1, CmdSrc 1, IrCompSrc 0, PWMTimeOut 2, EncOut 3
    0xA5,       // Kii 1, CmdF0 2, Kip 5
    0x45,       // PoleCount 8, DM1Map 5
    0xC8,       // IrComp 200
    0xCE,       // PWMMinus -50
    0x3C,       // PWMPlus 60
    0x01,       // disabled
    0x31,       // Model 49
    0xD4, 0xFE, // Command -300
    0x40, 0x1F, // IdCmd 500
    0x66,       // FltDiag 1, AutoDis 2, ILmtPlus 1, ILmtMinus 2
    0xC0, 0xF9, // CommOff -100
};

struct Setting {
    const char* name;
    int32_t value;
};
inline constexpr Setting DriveValues[] = {
    {"AutoDis", 2},    {"CmdF0", 2},    {"CmdSrc", 1},    {"Command", -300}, {"CommOff", -100},
    {"DirSrc", 1},     {"DM1Map", 5},   {"EncOut", 3},    {"FltDiag", 1},    {"IdCmd", 500},
    {"ILmtMinus", 2},  {"ILmtPlus", 1}, {"IrComp", 200},  {"IrCompSrc", 0},  {"IVMode", 1},
    {"Kip", 5},        {"Model", 49},   {"PoleCount", 8}, {"PWMMinus", -50}, {"PWMPlus", 60},
    {"PWMTimeOut", 2},
};

inline int32_t DriveValue(std::string_view name) {
    for (const Setting& s : DriveValues) {
        if (name == s.name) {
            return s.value;
        }
    }
    ADD_FAILURE() << "no drive value for " << name;
    return 0;
}

inline int32_t DefaultOf(std::string_view name) {
    return SymTable.Find(name)->Default;
}

// Public, so that the rows' arrange functions can reach the drive and the hooks.
class TransferTest : public ::testing::Test {
public:
    void SetUp() override {
        SymTable.ResetToDefaults();
        simulator_.emplace();
        ASSERT_TRUE(simulator_->Selected());
        // Stable HVF values unless a test moves them itself.
        Drive().SetHvfAutoAdvance(false);
        Drive().SetFrameObserver([this](const LogicFrame& frame) {
            frames.push_back(frame);
            if (afterFrame) {
                afterFrame(frames.size());
            }
        });
        Drive().SetPortObserver([this](const zkcomm::sim::PortAccess& access) {
            ++portAccesses;
            // A READ has ended when the chip select drops after it was decoded.
            const uint64_t reads = Drive().GetCounters().nv.read;
            if (reads != nvReadsEnded && access.write && (access.value & 0x01) == 0) {
                nvReadsEnded = reads;
                if (afterNvRead) {
                    afterNvRead(reads);
                }
            }
        });
        Drive().ResetCounters();
    }

    void TearDown() override {
        simulator_.reset();
        SymTable.ResetToDefaults();
    }

    SimulatedDrive& Drive() { return simulator_->Drive(); }

    static void LinkOff() {
        std::lock_guard<std::mutex> lock(LinkLock());
        ASSERT_EQ(UseParallelPort(0), LinkOk);
    }

    void LoadDriveSet() {
        for (int reg = 1; reg <= 15; ++reg) {
            Drive().SetRegister(reg, DriveBytes[reg]);
            Drive().SetNvWord(reg - 1, NvEntry(reg, DriveBytes[reg]));
        }
    }

    void ClearLog() {
        frames.clear();
        portAccesses = 0;
        Drive().ResetCounters();
        nvReadsEnded = 0;
    }

    std::vector<uint16_t> Commands() const {
        std::vector<uint16_t> commands;
        for (const LogicFrame& f : frames) {
            commands.push_back(f.command);
        }
        return commands;
    }

    std::vector<LogicFrame> frames;
    size_t portAccesses = 0;
    uint64_t nvReadsEnded = 0;
    // Run with the drive's lock held, between two accesses of the operation under test.
    std::function<void(size_t frame)> afterFrame;
    std::function<void(uint64_t read)> afterNvRead;

private:
    std::optional<zkcomm::testing::ScopedSimulator> simulator_;
};

using Arrange = std::function<void(TransferTest&)>;

// Parameterised rows are named after their label, printed by it too.
struct LabelName {
    template <typename Param>
    std::string operator()(const ::testing::TestParamInfo<Param>& info) const {
        std::string name;
        for (const char c : std::string_view(info.param.label)) {
            name += std::isalnum(static_cast<unsigned char>(c)) != 0 ? c : '_';
        }
        return name;
    }
};

template <typename Case>
class TransferCases : public TransferTest, public ::testing::WithParamInterface<Case> {};

// The link is off: nothing may reach the port.
inline bool LinkIsOff() {
    return zkcomm::testing::Link().LinkDisabled();
}

} // namespace transfer_test

#endif
