// The exports on a fake machine whose ports all lead to one recorder that
// answers status reads from a script.
#ifndef TESTS_ZKCOMM_LINK_FIXTURE_H
#define TESTS_ZKCOMM_LINK_FIXTURE_H

#include "port_trace.h"
#include "zkcomm/testing.h"
#include "zkcomm/zkcomm.h"

#include <gtest/gtest.h>

namespace zkcomm::test {

inline constexpr uint16_t Marked(uint16_t low13) {
    return static_cast<uint16_t>(0xA000 | (low13 & 0x1FFF));
}

class LinkFixture : public ::testing::Test {
protected:
    void SetUp() override {
        testing::RestoreDefaults();
        machine.Install();
        ASSERT_EQ(UseParallelPort(1), LinkOk);
        port.Clear();
    }
    void TearDown() override { testing::RestoreDefaults(); }

    // Replies of successive logic frames.
    void ScriptReplies(std::initializer_list<uint16_t> replies) {
        std::vector<uint8_t> statuses;
        for (uint16_t r : replies) {
            const auto bits = StatusBits(r);
            statuses.insert(statuses.end(), bits.begin(), bits.end());
        }
        port.ScriptStatus(statuses);
    }

    RecordingPortIo port;
    testing::FakeMachine machine{port};
};

} // namespace zkcomm::test

#endif
