// Whole accesses of the exports, byte for byte on the data register and read
// for read on the status register.
#include "case_name.h"
#include "link_fixture.h"

#include <functional>

namespace zkcomm::test {
namespace {

class WireSequence : public LinkFixture {};

TEST_F(WireSequence, ReadOfRegister5MatchesTheWrittenOutExample) {
    ScriptReplies({Marked(0x0042)});
    int32_t value = -1;
    int32_t status = -1;
    ASSERT_EQ(GetVarFromFPGA(5, &value, &status), LinkOk);

    TraceBuilder expected;
    expected.W(0x08).W(0x09).W(0x08);
    expected.W(0x08).W(0x0A).W(0x08).R();
    expected.W(0x08).W(0x0A).W(0x08).R();
    expected.W(0x0C).W(0x0E).W(0x0C).R();
    expected.W(0x08).W(0x0A).W(0x08).R();
    expected.W(0x0C).W(0x0E).W(0x0C).R();
    for (int i = 0; i < 11; ++i) {
        expected.W(0x08).W(0x0A).W(0x08).R();
    }
    expected.W(0x09).W(0x00);
    const Trace trace = TraceOf(port);
    EXPECT_EQ(trace, expected.Done()) << Show(trace);
    EXPECT_EQ(port.WriteCount(), 53u);
    EXPECT_EQ(port.ReadCount(), 16u);
    for (const PortEvent& e : port.Events()) {
        EXPECT_EQ(e.port, e.kind == PortEvent::Kind::Out ? 0x378 : 0x379);
    }
}

struct FrameCase {
    const char* name;
    std::function<int32_t()> call;
    uint16_t command;
    bool registerAccess; // BeginRegisterAccess raises the select line first
    size_t writes;
};

class LogicFrames : public WireSequence, public ::testing::WithParamInterface<FrameCase> {};

TEST_P(LogicFrames, WriteTheFrameBetweenAcquireAndRelease) {
    const FrameCase& c = GetParam();
    ScriptReplies({Marked(0x0000)});
    ASSERT_EQ(c.call(), 1);

    TraceBuilder expected;
    expected.W(0x08);
    if (c.registerAccess) {
        expected.W(0x09);
    }
    expected.Frame(c.command).W(0x00);
    const Trace trace = TraceOf(port);
    EXPECT_EQ(trace, expected.Done()) << Show(trace);
    EXPECT_EQ(port.WriteCount(), c.writes);
    EXPECT_EQ(port.ReadCount(), 16u);
    if (!c.registerAccess) {
        EXPECT_EQ(trace[0], 0x08);
        EXPECT_EQ(trace[1], 0x08) << "no select pulse before a drive enable frame";
    }
}

int32_t ReadReg(uint32_t varId) {
    int32_t value = 0;
    int32_t status = 0;
    return GetVarFromFPGA(varId, &value, &status);
}

INSTANTIATE_TEST_SUITE_P(
    Exports, LogicFrames,
    ::testing::Values(
        FrameCase{"ReadRegister5", [] { return ReadReg(5); }, 0x2800, true, 53},
        FrameCase{"ReadRegister31", [] { return ReadReg(31); }, 0xF800, true, 53},
        FrameCase{"HighBitsOfVarIdIgnored", [] { return ReadReg(0x10005); }, 0x2800, true, 53},
        FrameCase{"WriteRegister3", [] { return PutVarToFPGA(3, 0x1A5); }, 0x1CA5, true, 53},
        FrameCase{"WriteEndingInOne", [] { return PutVarToFPGA(30, 0x01); }, 0xF401, true, 53},
        FrameCase{"DisableDrive", [] { return DisableDrive(); }, 0x3C01, false, 52},
        FrameCase{"EnableDrive", [] { return EnableDrive(); }, 0x3C00, false, 52}),
    CaseName{});

TEST_F(WireSequence, NvReadEndsWithTheExtraClockAndNoRead) {
    for (const uint8_t address : {uint8_t{0x00}, uint8_t{0x55}, uint8_t{0xFF}}) {
        port.Clear();
        port.ScriptStatus(StatusBits(0x2C07));
        uint32_t reg = 0;
        int32_t data = 0;
        ASSERT_EQ(GetVarFromEEPROM(address, &reg, &data), LinkOk);
        EXPECT_EQ(reg, 5u);
        EXPECT_EQ(data, 0x07);

        const Trace trace = TraceOf(port);
        EXPECT_EQ(trace, TraceBuilder().W(0x08).ReadWord(address).W(0x00).Done()) << Show(trace);
        EXPECT_EQ(port.WriteCount(), 71u);
        EXPECT_EQ(port.ReadCount(), 16u);
        const int a0 = address & 1;
        const Trace tail(trace.end() - 5, trace.end());
        EXPECT_EQ(tail, (Trace{Read, 0x0B + 4 * a0, 0x09 + 4 * a0, 0x08 + 4 * a0, 0x00}));
    }
}

struct NvWriteCase {
    uint8_t address;
    uint16_t word; // the entry (reg << 11) | 0x400 | data
    int busyReads; // status reads showing busy before ready
};

class NvWrite : public WireSequence, public ::testing::WithParamInterface<NvWriteCase> {};

TEST_P(NvWrite, EnablesWritesWaitsDisablesAndReadsBack) {
    const NvWriteCase& c = GetParam();
    std::vector<uint8_t> wait(static_cast<size_t>(c.busyReads), 0x00);
    wait.push_back(0x20);
    port.ScriptStatus(Concat({wait, StatusBits(c.word)}));
    ASSERT_EQ(PutVarToEEPROM(c.address, c.word >> 11, c.word & 0xFF), LinkOk);

    const int w0 = c.word & 1;
    const Trace expected = TraceBuilder()
                               .W(0x08)
                               .Instruction(0x4C0)
                               .WriteWord(c.address, c.word)
                               .Wait(c.busyReads + 1, w0)
                               .Instruction(0x400, w0)
                               .ReadWord(c.address)
                               .W(0x00)
                               .Done();
    const Trace trace = TraceOf(port);
    EXPECT_EQ(trace, expected) << Show(trace);
    EXPECT_EQ(port.WriteCount(), 226u);
    EXPECT_EQ(port.ReadCount(), static_cast<size_t>(c.busyReads + 1 + 16));
}

INSTANTIATE_TEST_SUITE_P(Exports, NvWrite,
                         ::testing::Values(NvWriteCase{0x00, 0x0412, 1},
                                           NvWriteCase{0x81, 0xFC01, 1},
                                           NvWriteCase{0x2A, 0x3C37, 40},
                                           NvWriteCase{0xFF, 0x04FF, 5000}));

TEST_F(WireSequence, NvWordEraseWaitsAndReadsTheWordBack) {
    const uint8_t address = 0x13;
    port.ScriptStatus(Concat({{0x00, 0x00, 0x20}, StatusBits(0xFFFF)}));
    ASSERT_EQ(NVEraseUnit(address), LinkOk);

    const Trace expected = TraceBuilder()
                               .W(0x08)
                               .Instruction(0x4C0)
                               .Instruction(0x700 | address)
                               .Wait(3, 1)
                               .Instruction(0x400, 1)
                               .ReadWord(address)
                               .W(0x00)
                               .Done();
    const Trace trace = TraceOf(port);
    EXPECT_EQ(trace, expected) << Show(trace);
    EXPECT_EQ(port.WriteCount(), 178u);
}

TEST_F(WireSequence, WholeEraseReadsEveryWordFromZeroUp) {
    std::vector<uint8_t> statuses{0x00, 0x20};
    for (int i = 0; i < 256; ++i) {
        const auto bits = StatusBits(0xFFFF);
        statuses.insert(statuses.end(), bits.begin(), bits.end());
    }
    port.ScriptStatus(statuses);
    ASSERT_EQ(NVErase(), LinkOk);

    TraceBuilder expected;
    expected.W(0x08).Instruction(0x4C0).Instruction(0x480).Wait(2, 0).Instruction(0x400);
    for (int address = 0; address < 256; ++address) {
        expected.ReadWord(static_cast<uint8_t>(address), address == 0 ? 0 : (address - 1) & 1);
    }
    expected.W(0x00);
    EXPECT_EQ(TraceOf(port), expected.Done());
    EXPECT_EQ(port.WriteCount(), 1u + 35 + 35 + 2 + 35 + 256 * 69 + 1);
}

// The ready wait fails when the memory shows ready at once (never busy) or
// never shows it; the access then goes on with EWDS and ends, no read-back.
struct FailedWaitCase {
    const char* name;
    std::function<int32_t()> call;
    std::function<void(TraceBuilder&)> programming; // after EWEN, up to the wait
    uint8_t status;                                 // what data-in shows throughout
    int waitReads;
    int dataLine; // level of the data line during the wait
};

class FailedReadyWait : public WireSequence,
                        public ::testing::WithParamInterface<FailedWaitCase> {};

TEST_P(FailedReadyWait, IsNotReadyAfterEwdsWithoutReadBack) {
    const FailedWaitCase& c = GetParam();
    port.SetStatus(c.status);
    EXPECT_EQ(c.call(), LinkNotReady);

    TraceBuilder expected;
    expected.W(0x08).Instruction(0x4C0);
    c.programming(expected);
    expected.Wait(c.waitReads, c.dataLine).Instruction(0x400, c.dataLine).W(0x00);
    const Trace trace = TraceOf(port);
    EXPECT_EQ(trace, expected.Done()) << Show(trace);
    EXPECT_EQ(port.ReadCount(), static_cast<size_t>(c.waitReads));
    EXPECT_EQ(testing::Link().DataShadow(), 0);
}

const auto WriteOf = [](TraceBuilder& t) {
    t.WriteWord(0x10, 0x1C05);
};
const auto EraseOf = [](TraceBuilder& t) {
    t.Instruction(0x700 | 0x11);
};
const auto EraseAllOf = [](TraceBuilder& t) {
    t.Instruction(0x480);
};

INSTANTIATE_TEST_SUITE_P(
    Exports, FailedReadyWait,
    ::testing::Values(
        FailedWaitCase{"WriteNeverBusy", [] { return PutVarToEEPROM(0x10, 3, 5); }, WriteOf, 0x20,
                       1, 1},
        FailedWaitCase{"WriteNeverReady", [] { return PutVarToEEPROM(0x10, 3, 5); }, WriteOf, 0xDF,
                       5001, 1},
        FailedWaitCase{"EraseNeverBusy", [] { return NVEraseUnit(0x11); }, EraseOf, 0xFF, 1, 1},
        FailedWaitCase{"EraseNeverReady", [] { return NVEraseUnit(0x11); }, EraseOf, 0x00, 5001, 1},
        FailedWaitCase{"EraseAllNeverBusy", [] { return NVErase(); }, EraseAllOf, 0x20, 1, 0},
        FailedWaitCase{"EraseAllNeverReady", [] { return NVErase(); }, EraseAllOf, 0x00, 5001, 0}),
    CaseName{});

} // namespace
} // namespace zkcomm::test
