// A port access that fails in the middle of an access (a device that went
// away, an ioctl that failed): the access stops touching the port, still
// tries to drop the lines, ends as LinkFailed, and the next call works.
#include "case_name.h"
#include "link_fixture.h"

#include <functional>

namespace zkcomm::test {
namespace {

struct Operation {
    const char* name;
    std::function<int32_t()> call;
    std::function<std::vector<uint8_t>()> statuses; // what a working drive answers
    int32_t ok;
    int32_t failed;
};

std::vector<uint8_t> Frames(int count) {
    std::vector<uint8_t> all;
    for (int i = 0; i < count; ++i) {
        const auto bits = StatusBits(Marked(0x0012));
        all.insert(all.end(), bits.begin(), bits.end());
    }
    return all;
}

int32_t outValue = -7;
int32_t outStatus = -7;

const Operation Operations[] = {
    {"ReadRegister", [] { return GetVarFromFPGA(3, &outValue, &outStatus); },
     [] { return Frames(1); }, LinkOk, LinkFailed},
    {"ReadTwoBytes", [] { return GetVarFromFPGA(0x8003, &outValue, &outStatus); },
     [] { return Frames(2); }, LinkOk, LinkFailed},
    {"WriteRegister", [] { return PutVarToFPGA(3, 1); }, [] { return Frames(1); }, LinkOk,
     LinkFailed},
    {"WriteTwoBytes", [] { return PutVarToFPGA(0x8003, 0x101); }, [] { return Frames(2); }, LinkOk,
     LinkFailed},
    {"DisableDrive", [] { return DisableDrive(); }, [] { return Frames(1); }, 1, 0},
    {"EnableDrive", [] { return EnableDrive(); }, [] { return Frames(1); }, 1, 0},
    {"ReadNv",
     [] {
         uint32_t reg = 0;
         return GetVarFromEEPROM(3, &reg, &outValue);
     },
     [] { return StatusBits(0x1C05); }, LinkOk, LinkFailed},
    {"WriteNv", [] { return PutVarToEEPROM(3, 3, 5); },
     [] {
         return Concat({{0x00, 0x00, 0x20}, StatusBits(0x1C05)});
     },
     LinkOk, LinkFailed},
    {"EraseNvWord", [] { return NVEraseUnit(3); },
     [] {
         return Concat({{0x00, 0x20}, StatusBits(0xFFFF)});
     },
     LinkOk, LinkFailed},
    {"EraseNv", [] { return NVErase(); },
     [] {
         std::vector<uint8_t> s{0x00, 0x20};
         s.resize(2 + 256 * 16, 0x20);
         return s;
     },
     LinkOk, LinkFailed},
};

class PortFailure : public LinkFixture, public ::testing::WithParamInterface<Operation> {};

TEST_P(PortFailure, AnyFailedCallEndsTheAccessAsFailed) {
    const Operation& op = GetParam();
    port.ScriptStatus(op.statuses());
    ASSERT_EQ(op.call(), op.ok);
    const size_t calls = port.Events().size();

    std::vector<size_t> failing = {1, 2, 3, 4, calls / 3, calls / 2, calls - 2, calls - 1, calls};
    for (const size_t n : failing) {
        port.Clear();
        port.ScriptStatus(op.statuses());
        port.FailCalls(n, 1);
        EXPECT_EQ(op.call(), op.failed) << op.name << " failing call " << n;
        const auto& events = port.Events();
        ASSERT_GE(events.size(), n);
        EXPECT_FALSE(events[n - 1].ok);
        const PortEvent release{PortEvent::Kind::Out, 0x378, 0x00, true};
        if (events[n - 1].kind == PortEvent::Kind::Out && events[n - 1].value == 0x00) {
            // The release itself failed: that was the last try.
            EXPECT_EQ(events.size(), n) << op.name << " failing call " << n;
        } else {
            // Nothing more after the failure but the attempt to drop the lines.
            ASSERT_EQ(events.size(), n + 1) << op.name << " failing call " << n;
            EXPECT_EQ(events.back(), release);
        }
        EXPECT_EQ(testing::Link().DataShadow(), 0);
        EXPECT_FALSE(testing::Link().LinkDisabled()) << "the port stays selected";

        port.Clear();
        port.FailCalls(0, 0);
        port.ScriptStatus(op.statuses());
        EXPECT_EQ(op.call(), op.ok) << op.name << " after failing call " << n;
    }
}

INSTANTIATE_TEST_SUITE_P(Exports, PortFailure, ::testing::ValuesIn(Operations), CaseName{});

TEST_F(LinkFixture, FailedFirstFrameWritesNoOutArgument) {
    port.FailCalls(10, 1);
    int32_t v = -1;
    int32_t s = -1;
    EXPECT_EQ(GetVarFromFPGA(3, &v, &s), LinkFailed);
    EXPECT_EQ(v, -1);
    EXPECT_EQ(s, -1);
}

TEST_F(LinkFixture, DeadPortFailsEveryAccessAfterOneTry) {
    port.FailCalls(1);
    int32_t v = -1;
    int32_t s = -1;
    EXPECT_EQ(GetVarFromFPGA(3, &v, &s), LinkFailed);
    EXPECT_EQ(PutVarToEEPROM(3, 3, 5), LinkFailed);
    EXPECT_EQ(NVErase(), LinkFailed);
    // Each access: its first write, then the release attempt.
    EXPECT_EQ(port.Events().size(), 6u);
}

// A port I/O that throws must not take the caller down.
class ThrowingPort : public PortIo {
public:
    bool Out(uint16_t, uint8_t) override {
        if (++outs == 5) {
            throw std::runtime_error("gone");
        }
        return true;
    }
    bool In(uint16_t, uint8_t& v) override {
        v = 0;
        return true;
    }
    int outs = 0;
};

TEST(ExportGuard, ExceptionsStopAtTheBoundary) {
    testing::RestoreDefaults();
    ThrowingPort thrower;
    testing::FakeMachine machine(thrower);
    machine.Install();
    ASSERT_EQ(UseParallelPort(1), LinkOk);
    int32_t v = -1;
    int32_t s = -1;
    EXPECT_EQ(GetVarFromFPGA(3, &v, &s), LinkFailed);
    EXPECT_EQ(testing::Link().DataShadow(), 0);
    EXPECT_EQ(thrower.outs, 6) << "the lines are dropped after the throw";
    testing::RestoreDefaults();
}

} // namespace
} // namespace zkcomm::test
