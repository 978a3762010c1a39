// Single-parameter transfers against the simulated drive: result codes and out-arguments,
// the frames on the wire, and the NV words left behind.
#include "transfer_fixture.h"

#include "zkcomm/sim/sim_types.h"

#include <string>

namespace transfer_test {
namespace {

using zkcomm::sim::DataInLevel;
using zkcomm::sim::NvCycleFault;

enum class Op { ReadDrive, WriteDrive, ReadNV, WriteNV };

const char* OpName(Op op) {
    switch (op) {
    case Op::ReadDrive:
        return "ReadVarFromDrive";
    case Op::WriteDrive:
        return "WriteVarToDrive";
    case Op::ReadNV:
        return "ReadVarFromNV";
    case Op::WriteNV:
        return "WriteVarToNV";
    }
    return "?";
}

// Runs op; reads leave their out-argument in value.
StatCode Perform(Op op, const char* name, int32_t input, int32_t& value) {
    int32_t status = 0;
    switch (op) {
    case Op::ReadDrive:
        return DataProcess::ReadVarFromDrive(name, value, status);
    case Op::WriteDrive:
        return DataProcess::WriteVarToDrive(name, input, status);
    case Op::ReadNV:
        return DataProcess::ReadVarFromNV(name, value);
    case Op::WriteNV:
        return DataProcess::WriteVarToNV(name, input);
    }
    return -1;
}

void Nothing(TransferTest&) {}

void LinkOff(TransferTest&) {
    TransferTest::LinkOff();
}

Arrange NoDrive(DataInLevel level) {
    return [level](TransferTest& t) {
        t.Drive().DisconnectDrive(level);
    };
}

Arrange Register(int reg, uint8_t byte) {
    return [reg, byte](TransferTest& t) {
        t.Drive().SetRegister(reg, byte);
    };
}

Arrange Word(int address, uint16_t word) {
    return [address, word](TransferTest& t) {
        t.Drive().SetNvWord(address, word);
    };
}

// Changes the drive once the given frame of the operation has completed.
Arrange AfterFrame(size_t frame, std::function<void(SimulatedDrive&)> change) {
    return [frame, change](TransferTest& t) {
        t.afterFrame = [&t, frame, change](size_t n) {
            if (n == frame) {
                change(t.Drive());
            }
        };
    };
}

Arrange AfterNvRead(uint64_t read, int address, uint16_t word) {
    return [read, address, word](TransferTest& t) {
        t.afterNvRead = [&t, read, address, word](uint64_t n) {
            if (n == read) {
                t.Drive().SetNvWord(address, word);
            }
        };
    };
}

Arrange FlipReplyBit(int bit, int frames, int skip) {
    return [=](TransferTest& t) {
        t.Drive().FlipReplyBit(bit, frames, skip);
    };
}

struct ResultCase {
    const char* label;
    Op op;
    const char* name;
    int32_t input; // writes only
    Arrange arrange;
    StatCode code;
    int32_t value; // the read's out-argument afterwards (Untouched for writes)
};
void PrintTo(const ResultCase& c, std::ostream* os) {
    *os << OpName(c.op) << " " << c.name << ": " << c.label;
}

using SingleResult = TransferCases<ResultCase>;

TEST_P(SingleResult, CodeAndOutArgument) {
    const ResultCase& c = GetParam();
    c.arrange(*this);
    ClearLog();
    int32_t value = Untouched;
    EXPECT_EQ(Perform(c.op, c.name, c.input, value), c.code);
    EXPECT_EQ(value, c.value);
    if (c.code == UnknownParameter || c.code == LinkInvalid || LinkIsOff()) {
        EXPECT_EQ(portAccesses, 0u) << "nothing may reach the port";
    }
}

const ResultCase ResultCases[] = {
    // Plain successes.
    {"model", Op::ReadDrive, "Model", 0, Nothing, LinkOk, 50},
    {"name in any case", Op::ReadDrive, "ivMODE", 0, Register(1, 0x40), LinkOk, 1},
    {"signed byte", Op::ReadDrive, "PWMMinus", 0, Register(5, 0xA0), LinkOk, -96},
    {"signed byte at its top", Op::ReadDrive, "PWMPlus", 0, Register(6, 0x7F), LinkOk, 127},
    {"signed byte at its bottom", Op::ReadDrive, "PWMPlus", 0, Register(6, 0x80), LinkOk, -128},
    {"two registers", Op::ReadDrive, "CommOff", 0,
     [](TransferTest& t) {
         t.Drive().SetRegister(15, 0x06);
         t.Drive().SetRegister(14, 0x40);
     },
     LinkOk, 100},
    {"NV model", Op::ReadNV, "Model", 0, Nothing, LinkOk, 50},
    {"NV signed byte at its top", Op::ReadNV, "PWMMinus", 0, Word(4, NvEntry(5, 0x7F)), LinkOk,
     127},
    {"NV signed byte at its bottom", Op::ReadNV, "PWMMinus", 0, Word(4, NvEntry(5, 0x80)), LinkOk,
     -128},
    {"NV two words", Op::ReadNV, "Command", 0,
     [](TransferTest& t) {
         t.Drive().SetNvWord(9, NvEntry(10, 0xFE));
         t.Drive().SetNvWord(8, NvEntry(9, 0xD4));
     },
     LinkOk, -300},
    {"write", Op::WriteDrive, "Kip", 5, Nothing, LinkOk, Untouched},
    {"NV write", Op::WriteNV, "CommOff", -2047, Nothing, LinkOk, Untouched},

    // Names the table does not know.
    {"unknown read", Op::ReadDrive, "NoSuchName", 0, Nothing, UnknownParameter, Untouched},
    {"unknown write", Op::WriteDrive, "Models", 1, Nothing, UnknownParameter, Untouched},
    {"unknown NV read", Op::ReadNV, "", 0, Nothing, UnknownParameter, Untouched},
    {"unknown NV write", Op::WriteNV, "FaultCode", 1, Nothing, UnknownParameter, Untouched},

    // Link switched off.
    {"off read", Op::ReadDrive, "Model", 0, LinkOff, LinkFailed, Untouched},
    {"off write", Op::WriteDrive, "Kip", 5, LinkOff, LinkFailed, Untouched},
    {"off NV read", Op::ReadNV, "Kip", 0, LinkOff, LinkFailed, Untouched},
    {"off NV write", Op::WriteNV, "Kip", 5, LinkOff, LinkFailed, Untouched},

    // No drive on the cable: logic replies lack the marker, NV words mean nothing.
    {"no drive read line high", Op::ReadDrive, "Model", 0, NoDrive(DataInLevel::High), LinkFailed,
     Untouched},
    {"no drive read line low", Op::ReadDrive, "Model", 0, NoDrive(DataInLevel::Low), LinkFailed,
     Untouched},
    {"no drive write", Op::WriteDrive, "Kip", 5, NoDrive(DataInLevel::Low), LinkFailed, Untouched},
    {"no drive NV read line high", Op::ReadNV, "Kip", 0, NoDrive(DataInLevel::High),
     NVAddressMismatch, Untouched},
    {"no drive NV read line low", Op::ReadNV, "Kip", 0, NoDrive(DataInLevel::Low),
     NVAddressMismatch, Untouched},
    {"no drive NV write line high", Op::WriteNV, "Kip", 5, NoDrive(DataInLevel::High), LinkNotReady,
     Untouched},
    {"no drive NV write line low", Op::WriteNV, "Kip", 5, NoDrive(DataInLevel::Low), LinkNotReady,
     Untouched},

    // Two readings that differ: the second one is handed out.
    {"HVF moves between readings", Op::ReadDrive, "HVF", 0,
     AfterFrame(2, [](SimulatedDrive& d) { d.SetHvf(-1234); }), VerifyFailed, -1234},
    {"low register moves between readings", Op::ReadDrive, "Command", 0,
     AfterFrame(2, [](SimulatedDrive& d) { d.SetRegister(9, 0xFF); }), VerifyFailed, 255},
    {"bit flipped in the second reading", Op::ReadDrive, "CmdSrc", 0, FlipReplyBit(5, 1, 1),
     VerifyFailed, 1},
    {"bit flipped in the first reading", Op::ReadDrive, "CmdSrc", 0, FlipReplyBit(5, 1, 0),
     VerifyFailed, 0},
    {"NV word changes between readings", Op::ReadNV, "Kip", 0, AfterNvRead(1, 1, NvEntry(2, 0xC5)),
     VerifyFailed, 5},
    {"NV low word changes between readings", Op::ReadNV, "CommOff", 0,
     AfterNvRead(2, 13, NvEntry(14, 0x40)), VerifyFailed, 4},
    {"second reading lacks the marker", Op::ReadDrive, "Model", 0, FlipReplyBit(15, 1, 1),
     LinkFailed, Untouched},
    {"low register of the second reading lacks the marker", Op::ReadDrive, "Command", 0,
     FlipReplyBit(14, 1, 3), LinkFailed, Untouched},

    // NV words that name another register.
    {"Kip word names register 5", Op::ReadNV, "Kip", 0, Word(1, NvEntry(5, 0xCB)),
     NVAddressMismatch, Untouched},
    {"low word names register 3", Op::ReadNV, "CommOff", 0, Word(13, NvEntry(3, 0x40)),
     NVAddressMismatch, Untouched},
    {"erased word", Op::ReadNV, "IVMode", 0, Word(0, 0xFFFF), NVAddressMismatch, Untouched},
    {"second reading names another register", Op::ReadNV, "Kip", 0,
     AfterNvRead(1, 1, NvEntry(5, 0xCB)), NVAddressMismatch, Untouched},
    {"a write rewrites the register field", Op::WriteNV, "Kip", 5, Word(1, NvEntry(5, 0xCB)),
     LinkOk, Untouched},

    // Parameters without an NV word.
    {"HVF has no NV word", Op::ReadNV, "HVF", 0, Nothing, LinkInvalid, Untouched},
    {"LogicVer has no NV word", Op::WriteNV, "LogicVer", 1, Nothing, LinkInvalid, Untouched},

    // Values the register or word does not take.
    {"beyond the field", Op::WriteDrive, "Kip", 16, Nothing, VerifyFailed, Untouched},
    {"beyond the signed byte", Op::WriteDrive, "PWMPlus", 200, Nothing, VerifyFailed, Untouched},
    {"read-only register", Op::WriteDrive, "LogicVer", 5, Nothing, VerifyFailed, Untouched},
    {"NV beyond the field", Op::WriteNV, "Kip", 16, Nothing, VerifyFailed, Untouched},
    {"NV write not ready", Op::WriteNV, "Kip", 5,
     [](TransferTest& t) { t.Drive().SetNvCycleFault(NvCycleFault::NeverReady, 1); }, LinkNotReady,
     Untouched},
};
INSTANTIATE_TEST_SUITE_P(Rows, SingleResult, ::testing::ValuesIn(ResultCases), LabelName());

// What a drive write puts on the wire, frame by frame, and what the registers hold after it.
struct WireCase {
    const char* label;
    Op op;
    const char* name;
    int32_t input;
    Arrange arrange;
    StatCode code;
    std::vector<uint16_t> frames;
    std::vector<std::pair<int, uint8_t>> registers;
};
void PrintTo(const WireCase& c, std::ostream* os) {
    *os << c.label;
}

using WireSequence = TransferCases<WireCase>;

TEST_P(WireSequence, FramesAndRegisters) {
    const WireCase& c = GetParam();
    c.arrange(*this);
    ClearLog();
    int32_t value = Untouched;
    EXPECT_EQ(Perform(c.op, c.name, c.input, value), c.code);
    EXPECT_EQ(Commands(), c.frames);
    for (const auto& [reg, byte] : c.registers) {
        EXPECT_EQ(Drive().GetRegister(reg), byte) << "register " << reg;
    }
    EXPECT_EQ(Drive().GetCounters().logic.brokenFrames, 0u);
}

Arrange Stuck(std::initializer_list<int> regs) {
    std::vector<int> list(regs);
    return [list](TransferTest& t) {
        for (const int reg : list) {
            t.Drive().SetRegisterStuck(reg, true);
        }
    };
}

const WireCase WireCases[] = {
    {"IVMode keeps the other fields of register 1",
     Op::WriteDrive,
     "IVMode",
     1,
     Register(1, 0x25),
     LinkOk,
     {Rd(1), Wr(1, 0x65), Rd(1)},
     {{1, 0x65}}},
    {"IVMode 0 clears only its bit",
     Op::WriteDrive,
     "IVMode",
     0,
     Register(1, 0xFF),
     LinkOk,
     {Rd(1), Wr(1, 0xBF), Rd(1)},
     {{1, 0xBF}}},
    {"EncOut keeps the other fields",
     Op::WriteDrive,
     "EncOut",
     2,
     Register(1, 0x65),
     LinkOk,
     {Rd(1), Wr(1, 0x66), Rd(1)},
     {{1, 0x66}}},
    {"PWMMinus minus 96",
     Op::WriteDrive,
     "PWMMinus",
     -96,
     Nothing,
     LinkOk,
     {Rd(5), Wr(5, 0xA0), Rd(5)},
     {{5, 0xA0}}},
    {"Command minus 1, low register first",
     Op::WriteDrive,
     "Command",
     -1,
     Nothing,
     LinkOk,
     {Rd(10), Wr(9, 0xFF), Wr(10, 0xFF), Rd(10), Rd(9)},
     {{9, 0xFF}, {10, 0xFF}}},
    {"CommOff 100",
     Op::WriteDrive,
     "CommOff",
     100,
     Nothing,
     LinkOk,
     {Rd(15), Wr(14, 0x40), Wr(15, 0x06), Rd(15), Rd(14)},
     {{14, 0x40}, {15, 0x06}}},
    {"register 1 never takes the value",
     Op::WriteDrive,
     "IVMode",
     1,
     [](TransferTest& t) {
         t.Drive().SetRegister(1, 0x25);
         t.Drive().SetRegisterStuck(1, true);
     },
     VerifyFailed,
     {Rd(1), Wr(1, 0x65), Rd(1), Rd(1), Wr(1, 0x65), Rd(1)},
     {{1, 0x25}}},
    {"low register never takes the value",
     Op::WriteDrive,
     "Command",
     -1,
     Stuck({9}),
     VerifyFailed,
     {Rd(10), Wr(9, 0xFF), Wr(10, 0xFF), Rd(10), Rd(9), Rd(10), Wr(9, 0xFF), Wr(10, 0xFF), Rd(10),
      Rd(9)},
     {{9, 0x00}, {10, 0xFF}}},
    {"neither register takes the value",
     Op::WriteDrive,
     "CommOff",
     100,
     Stuck({14, 15}),
     VerifyFailed,
     {Rd(15), Wr(14, 0x40), Wr(15, 0x06), Rd(15), Rd(14), Rd(15), Wr(14, 0x40), Wr(15, 0x06),
      Rd(15), Rd(14)},
     {{14, 0x00}, {15, 0x00}}},
    {"the second attempt goes through",
     Op::WriteDrive,
     "PWMMinus",
     -96,
     [](TransferTest& t) {
         t.Drive().SetRegisterStuck(5, true);
         t.afterFrame = [&t](size_t n) {
             if (n == 2) {
                 t.Drive().SetRegisterStuck(5, false);
             }
         };
     },
     LinkOk,
     {Rd(5), Wr(5, 0xA0), Rd(5), Rd(5), Wr(5, 0xA0), Rd(5)},
     {{5, 0xA0}}},
    {"HVF high register first",
     Op::ReadDrive,
     "HVF",
     0,
     Nothing,
     LinkOk,
     {Rd(29), Rd(28), Rd(29), Rd(28)},
     {}},
    {"one register read twice", Op::ReadDrive, "Kip", 0, Nothing, LinkOk, {Rd(2), Rd(2)}, {}},
    {"failed first frame ends the write",
     Op::WriteDrive,
     "Kip",
     3,
     FlipReplyBit(15, 1, 0),
     LinkFailed,
     {Rd(2)},
     {{2, 0xCB}}},
};
INSTANTIATE_TEST_SUITE_P(Rows, WireSequence, ::testing::ValuesIn(WireCases), LabelName());

// The NV words an NV write leaves, and how many WRITE instructions it took.
struct NvWriteCase {
    const char* label;
    const char* name;
    int32_t input;
    Arrange arrange;
    StatCode code;
    std::vector<std::pair<int, uint16_t>> words;
    uint64_t writes;
};
void PrintTo(const NvWriteCase& c, std::ostream* os) {
    *os << c.label;
}

using NvWords = TransferCases<NvWriteCase>;

TEST_P(NvWords, WordsAndWrites) {
    const NvWriteCase& c = GetParam();
    c.arrange(*this);
    ClearLog();
    EXPECT_EQ(DataProcess::WriteVarToNV(c.name, c.input), c.code);
    for (const auto& [address, word] : c.words) {
        EXPECT_EQ(Drive().GetNvWord(address), word) << "word " << address;
    }
    EXPECT_EQ(Drive().GetCounters().nv.write, c.writes);
}

const NvWriteCase NvWriteCases[] = {
    {"IVMode keeps the other fields",
     "IVMode",
     1,
     Word(0, NvEntry(1, 0x25)),
     LinkOk,
     {{0, NvEntry(1, 0x65)}},
     1},
    {"PWMMinus minus 96", "PWMMinus", -96, Nothing, LinkOk, {{4, NvEntry(5, 0xA0)}}, 1},
    {"Command minus 1",
     "Command",
     -1,
     Nothing,
     LinkOk,
     {{8, NvEntry(9, 0xFF)}, {9, NvEntry(10, 0xFF)}},
     2},
    {"CommOff 100",
     "CommOff",
     100,
     Nothing,
     LinkOk,
     {{13, NvEntry(14, 0x40)}, {14, NvEntry(15, 0x06)}},
     2},
    {"register field rewritten",
     "Kip",
     5,
     Word(1, NvEntry(5, 0xCB)),
     LinkOk,
     {{1, NvEntry(2, 0xC5)}},
     1},
    {"the low word goes first",
     "Command",
     -1,
     [](TransferTest& t) { t.Drive().SetNvCycleFault(NvCycleFault::NeverReady, 9); },
     LinkNotReady,
     {{8, NvEntry(9, 0xFF)}, {9, NvEntry(10, 0x00)}},
     2},
    {"a failed low word ends the write",
     "Command",
     -1,
     [](TransferTest& t) { t.Drive().SetNvCycleFault(NvCycleFault::NeverReady, 8); },
     LinkNotReady,
     {{8, NvEntry(9, 0x00)}, {9, NvEntry(10, 0x00)}},
     1},
    // The library's own read-back of each put is an NV read too: the word is changed after it.
    {"read-back names another register",
     "Kip",
     5,
     AfterNvRead(2, 1, NvEntry(5, 0xC5)),
     NVAddressMismatch,
     {{1, NvEntry(5, 0xC5)}},
     1},
    {"read-back of the low word names another register",
     "Command",
     -1,
     AfterNvRead(3, 8, NvEntry(3, 0xFF)),
     NVAddressMismatch,
     {{8, NvEntry(3, 0xFF)}, {9, NvEntry(10, 0xFF)}},
     2},
    {"value beyond the field written twice",
     "Kip",
     16,
     Nothing,
     VerifyFailed,
     {{1, NvEntry(2, 0xC0)}},
     2},
};
INSTANTIATE_TEST_SUITE_P(Rows, NvWords, ::testing::ValuesIn(NvWriteCases), LabelName());

} // namespace
} // namespace transfer_test
