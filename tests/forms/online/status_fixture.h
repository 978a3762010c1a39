// A fresh simulated drive on LPT1 and a table at its defaults for each test; both are put
// back when the test ends. Frames are counted by the drive.
#ifndef TESTS_FORMS_ONLINE_STATUS_FIXTURE_H
#define TESTS_FORMS_ONLINE_STATUS_FIXTURE_H

#include "zktools/model/symbol_table.h"

#include "zkcomm/sim/simulated_drive.h"
#include "zkcomm/testing.h"

#include <QTest>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <string_view>

namespace online_test {

using namespace std::chrono_literals;

// Generous: the conditions waited for arrive within a pass or two.
inline constexpr int WaitMs = 30000;

class SimulatedDriveTest : public ::testing::Test {
protected:
    SimulatedDriveTest() { SymTable.ResetToDefaults(); }
    ~SimulatedDriveTest() override { SymTable.ResetToDefaults(); }
    void SetUp() override { ASSERT_TRUE(sim_.Selected()); }

    zkcomm::sim::SimulatedDrive& Drive() { return sim_.Drive(); }
    uint64_t Frames() { return Drive().GetCounters().logic.frames; }
    static int32_t TableValue(std::string_view name) {
        int32_t value = 0;
        EXPECT_TRUE(SymTable.GetValue(name, value)) << name;
        return value;
    }

private:
    zkcomm::testing::ScopedSimulator sim_;
};

// Frames of one verified read of every parameter, plus the two of the status read.
inline uint64_t FullPassFrames() {
    uint64_t frames = 2;
    for (const VarTable& record : SymTable.GetAllVars()) {
        frames += 2u * static_cast<uint64_t>(record.Bytes);
    }
    return frames;
}

// The status read and one verified read of HVF, a two-register value.
inline constexpr uint64_t MonitoredPassFrames = 2 + 4;

} // namespace online_test

#endif
