// Argument checks, reply checks, out-arguments and result codes of the exports.
#include "case_name.h"
#include "link_fixture.h"

#include <cstring>
#include <functional>
#include <regex>

namespace zkcomm::test {
namespace {

class Exports : public LinkFixture {};

// A transfer with its out-arguments, for the checks every one shares.
struct Call {
    const char* name;
    std::function<int32_t(int32_t* a, int32_t* b)> run;
};

int32_t ReadRegister(uint32_t varId, int32_t* value, int32_t* status) {
    return GetVarFromFPGA(varId, value, status);
}

int32_t ReadNv(uint32_t address, int32_t* reg, int32_t* data) {
    return GetVarFromEEPROM(address, reinterpret_cast<uint32_t*>(reg), data);
}

const Call TransferCalls[] = {
    {"GetVarFromFPGA",
     [](int32_t* a, int32_t* b) {
         return ReadRegister(5, a, b);
     }},
    {"GetVarFromFPGA reg 0",
     [](int32_t* a, int32_t* b) {
         return ReadRegister(0, a, b);
     }},
    {"GetVarFromFPGA null",
     [](int32_t*, int32_t*) {
         return ReadRegister(5, nullptr, nullptr);
     }},
    {"PutVarToFPGA",
     [](int32_t*, int32_t*) {
         return PutVarToFPGA(5, 1);
     }},
    {"PutVarToFPGA reg 32",
     [](int32_t*, int32_t*) {
         return PutVarToFPGA(32, 1);
     }},
    {"DisableDrive",
     [](int32_t*, int32_t*) {
         return DisableDrive();
     }},
    {"EnableDrive",
     [](int32_t*, int32_t*) {
         return EnableDrive();
     }},
    {"GetVarFromEEPROM",
     [](int32_t* a, int32_t* b) {
         return ReadNv(3, a, b);
     }},
    {"GetVarFromEEPROM 256",
     [](int32_t* a, int32_t* b) {
         return ReadNv(256, a, b);
     }},
    {"PutVarToEEPROM",
     [](int32_t*, int32_t*) {
         return PutVarToEEPROM(3, 4, 5);
     }},
    {"PutVarToEEPROM reg 32",
     [](int32_t*, int32_t*) {
         return PutVarToEEPROM(3, 32, 5);
     }},
    {"NVErase",
     [](int32_t*, int32_t*) {
         return NVErase();
     }},
    {"NVEraseUnit",
     [](int32_t*, int32_t*) {
         return NVEraseUnit(3);
     }},
    {"NVEraseUnit 256",
     [](int32_t*, int32_t*) {
         return NVEraseUnit(256);
     }},
};

TEST_F(Exports, LinkOffFailsBeforeAnyArgumentCheckAndTouchesNothing) {
    for (const bool neverSelected : {true, false}) {
        if (neverSelected) {
            testing::ResetLink();
        } else {
            ASSERT_EQ(UseParallelPort(1), LinkOk);
            ASSERT_EQ(UseParallelPort(0), LinkOk);
        }
        port.Clear();
        for (const Call& call : TransferCalls) {
            int32_t a = 1234;
            int32_t b = 5678;
            EXPECT_EQ(call.run(&a, &b), LinkFailed) << call.name;
            EXPECT_EQ(a, 1234) << call.name;
            EXPECT_EQ(b, 5678) << call.name;
        }
        EXPECT_TRUE(port.Events().empty());
    }
}

struct InvalidCase {
    const char* name;
    std::function<int32_t()> call;
};

class InvalidArguments : public Exports, public ::testing::WithParamInterface<InvalidCase> {};

TEST_P(InvalidArguments, AreRefusedWithoutPortAccess) {
    EXPECT_EQ(GetParam().call(), LinkInvalid);
    EXPECT_TRUE(port.Events().empty());
}

int32_t value = 77;
int32_t status = 77;
uint32_t nvReg = 77;
int32_t nvData = 77;

INSTANTIATE_TEST_SUITE_P(
    Checks, InvalidArguments,
    ::testing::Values(InvalidCase{"ReadRegister0",
                                  [] {
                                      return GetVarFromFPGA(0, &value, &status);
                                  }},
                      InvalidCase{"ReadRegister32",
                                  [] {
                                      return GetVarFromFPGA(32, &value, &status);
                                  }},
                      InvalidCase{"ReadTwoByteRegister0",
                                  [] {
                                      return GetVarFromFPGA(0x8000, &value, &status);
                                  }},
                      InvalidCase{"ReadRegister7FFF",
                                  [] {
                                      return GetVarFromFPGA(0x7FFF, &value, &status);
                                  }},
                      InvalidCase{"ReadNullValue",
                                  [] {
                                      return GetVarFromFPGA(5, nullptr, &status);
                                  }},
                      InvalidCase{"ReadNullStatus",
                                  [] {
                                      return GetVarFromFPGA(5, &value, nullptr);
                                  }},
                      InvalidCase{"WriteRegister0",
                                  [] {
                                      return PutVarToFPGA(0, 1);
                                  }},
                      InvalidCase{"WriteRegister0x10020",
                                  [] {
                                      return PutVarToFPGA(0x10020, 1);
                                  }},
                      InvalidCase{"NvRead256",
                                  [] {
                                      return GetVarFromEEPROM(256, &nvReg, &nvData);
                                  }},
                      InvalidCase{"NvReadNullReg",
                                  [] {
                                      return GetVarFromEEPROM(1, nullptr, &nvData);
                                  }},
                      InvalidCase{"NvReadNullData",
                                  [] {
                                      return GetVarFromEEPROM(1, &nvReg, nullptr);
                                  }},
                      InvalidCase{"NvWrite256",
                                  [] {
                                      return PutVarToEEPROM(256, 1, 1);
                                  }},
                      InvalidCase{"NvWriteReg32",
                                  [] {
                                      return PutVarToEEPROM(0, 32, 1);
                                  }},
                      InvalidCase{"NvEraseUnit256",
                                  [] {
                                      return NVEraseUnit(256);
                                  }},
                      InvalidCase{"NvEraseUnitHuge",
                                  [] {
                                      return NVEraseUnit(0xFFFFFFFFu);
                                  }}),
    CaseName{});

TEST_F(Exports, RegisterReadHandsOutTheReplyStatusAndByte) {
    ScriptReplies({Marked(0x1F5A)});
    int32_t v = -1;
    int32_t s = -1;
    ASSERT_EQ(GetVarFromFPGA(9, &v, &s), LinkOk);
    EXPECT_EQ(v, 0x5A);
    EXPECT_EQ(s, 0xBF);
}

TEST_F(Exports, ReplyWithoutMarkerFailsAndWritesNothing) {
    for (const uint16_t reply : {0x0000, 0xFFFF, 0x8012, 0xE012, 0x2012}) {
        port.Clear();
        ScriptReplies({reply});
        int32_t v = -1;
        int32_t s = -1;
        EXPECT_EQ(GetVarFromFPGA(4, &v, &s), LinkFailed) << reply;
        EXPECT_EQ(v, -1);
        EXPECT_EQ(s, -1);
        port.Clear();
        ScriptReplies({reply});
        EXPECT_EQ(PutVarToFPGA(4, 9), LinkFailed);
        port.Clear();
        ScriptReplies({reply});
        EXPECT_EQ(DisableDrive(), 0);
        port.Clear();
        ScriptReplies({reply});
        EXPECT_EQ(EnableDrive(), 0);
    }
}

// The library's own two-byte mode: register n low byte, n - 1 high byte.
TEST_F(Exports, TwoByteReadJoinsRegisterAndTheOneBelow) {
    ScriptReplies({Marked(0x0434), Marked(0x0412)});
    int32_t v = -1;
    int32_t s = -1;
    ASSERT_EQ(GetVarFromFPGA(0x8000 | 12, &v, &s), LinkOk);
    EXPECT_EQ(v, 0x1234);
    EXPECT_EQ(s, 0xA4);
    const Trace expected = TraceBuilder()
                               .W(0x08)
                               .W(0x09)
                               .Frame(12 << 11)
                               .W(0x00)
                               .W(0x08)
                               .W(0x09)
                               .Frame(11 << 11)
                               .W(0x00)
                               .Done();
    EXPECT_EQ(TraceOf(port), expected);
}

TEST_F(Exports, TwoByteReadOfRegister1ReadsRegister0) {
    ScriptReplies({Marked(0x0001), Marked(0x0002)});
    int32_t v = -1;
    int32_t s = -1;
    ASSERT_EQ(GetVarFromFPGA(0x8001, &v, &s), LinkOk);
    EXPECT_EQ(v, 0x0201);
    const Trace trace = TraceOf(port);
    const Trace second(trace.begin() + 53 + 16, trace.end());
    EXPECT_EQ(second, TraceBuilder().W(0x08).W(0x09).Frame(0x0000).W(0x00).Done());
}

TEST_F(Exports, TwoByteReadWithDifferentStatusBytesIsInvalid) {
    ScriptReplies({0xB011, 0xA022});
    int32_t v = -1;
    int32_t s = -1;
    EXPECT_EQ(GetVarFromFPGA(0x8005, &v, &s), LinkInvalid);
    EXPECT_EQ(s, 0xB0);
    EXPECT_EQ(v, -1);
}

TEST_F(Exports, TwoByteReadWhoseSecondFrameFailsKeepsTheFirstStatus) {
    ScriptReplies({0xB011, 0x0000});
    int32_t v = -1;
    int32_t s = -1;
    EXPECT_EQ(GetVarFromFPGA(0x8005, &v, &s), LinkFailed);
    EXPECT_EQ(s, 0xB0);
    EXPECT_EQ(v, -1);
}

TEST_F(Exports, TwoByteWriteSendsLowByteFirstThenHighByte) {
    ScriptReplies({Marked(0), Marked(0)});
    ASSERT_EQ(PutVarToFPGA(0x10000 | 0x8000 | 20, 0xABCDEF), LinkOk);
    const Trace expected = TraceBuilder()
                               .W(0x08)
                               .W(0x09)
                               .Frame((20 << 11) | 0x400 | 0xEF)
                               .W(0x00)
                               .W(0x08)
                               .W(0x09)
                               .Frame((19 << 11) | 0x400 | 0xCD)
                               .W(0x00)
                               .Done();
    EXPECT_EQ(TraceOf(port), expected);

    port.Clear();
    ScriptReplies({Marked(0), 0x0000});
    EXPECT_EQ(PutVarToFPGA(0x8000 | 20, 0x1234), LinkFailed);
}

TEST_F(Exports, NvWordCarriesARegisterWriteCommand) {
    // Ready after one busy read, then the word written reads back.
    port.ScriptStatus(Concat({{0x00, 0x20}, StatusBits(0x0412)}));
    ASSERT_EQ(PutVarToEEPROM(0, 0, 0x312), LinkOk); // only data bits 7..0 count
    const Trace trace = TraceOf(port);
    const Trace write(trace.begin() + 1 + 35, trace.begin() + 1 + 35 + 83);
    EXPECT_EQ(write, TraceBuilder().WriteWord(0, 0x0412).Done());

    port.Clear();
    port.ScriptStatus(StatusBits(0x0412));
    uint32_t reg = 99;
    int32_t data = 99;
    ASSERT_EQ(GetVarFromEEPROM(0, &reg, &data), LinkOk);
    EXPECT_EQ(reg, 0u);
    EXPECT_EQ(data, 0x12);
}

TEST_F(Exports, NvReadIgnoresBits10To8) {
    struct Case {
        uint16_t word;
        uint32_t reg;
        int32_t data;
    };
    for (const Case c : {Case{0xFFFF, 31, 255}, Case{0x0000, 0, 0}, Case{0x3B99, 7, 0x99}}) {
        port.Clear();
        port.ScriptStatus(StatusBits(c.word));
        uint32_t reg = 99;
        int32_t data = 99;
        ASSERT_EQ(GetVarFromEEPROM(9, &reg, &data), LinkOk);
        EXPECT_EQ(reg, c.reg);
        EXPECT_EQ(data, c.data);
    }
}

TEST_F(Exports, ReadBackMismatchIsFailedForAWriteButNotReadyForErases) {
    port.ScriptStatus(Concat({{0x00, 0x20}, StatusBits(0x0413)}));
    EXPECT_EQ(PutVarToEEPROM(0, 0, 0x12), LinkFailed);

    port.Clear();
    port.ScriptStatus(Concat({{0x00, 0x20}, StatusBits(0xFFFE)}));
    EXPECT_EQ(NVEraseUnit(4), LinkNotReady);
}

TEST_F(Exports, WholeEraseStopsAtTheFirstWordNotErased) {
    port.ScriptStatus(Concat({{0x00, 0x20},
                              StatusBits(0xFFFF),
                              StatusBits(0xFFFF),
                              StatusBits(0x7FFF),
                              StatusBits(0xFFFF)}));
    EXPECT_EQ(NVErase(), LinkNotReady);
    EXPECT_EQ(port.ReadCount(), 2u + 3 * 16);
    EXPECT_EQ(TraceOf(port).back(), 0x00);
}

TEST_F(Exports, VersionTextIsCopiedEvenWithTheLinkOff) {
    testing::ResetLink();
    char buffer[80];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(CommZkDLLVersion(buffer), buffer);
    EXPECT_STREQ(buffer, "ZKCOMM.DLL -- Release 1.1");
    EXPECT_EQ(std::strlen(buffer), 25u);
    EXPECT_EQ(CommZkDLLVersion(nullptr), nullptr);
}

TEST_F(Exports, BuildStampHasTheTwentyCharacterForm) {
    char buffer[80];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(CommZkDLLCompileTime(buffer), buffer);
    const std::regex form(
        "(Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec) ( [1-9]|[12][0-9]|3[01]) [0-9]{4} "
        "([01][0-9]|2[0-3]):[0-5][0-9]:[0-5][0-9]");
    EXPECT_TRUE(std::regex_match(buffer, form)) << buffer;
    EXPECT_EQ(std::strlen(buffer), 20u);
    EXPECT_EQ(CommZkDLLCompileTime(nullptr), nullptr);
}

TEST_F(Exports, StringFunctionsTouchNoPort) {
    char buffer[80];
    CommZkDLLVersion(buffer);
    CommZkDLLCompileTime(buffer);
    EXPECT_TRUE(port.Events().empty());
}

} // namespace
} // namespace zkcomm::test
