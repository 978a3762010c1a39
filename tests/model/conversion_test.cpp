#include "table_fixture.h"

#include "zktools/model/data_process.h"
#include "zktools/model/model_error.h"
#include "zktools/model/symbol_table.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <string>
#include <utility>

namespace {

constexpr int32_t Voltage = 1;
constexpr int32_t Current = 0;

TEST(FormatValue, ShowsEngineeringUnits) {
    struct Case {
        int32_t type;
        int32_t iv;
        int32_t raw;
        const char* text;
    };
    const Case cases[] = {
        {11, Voltage, 24453, "290.00"},
        {11, Voltage, -24453, "-290.00"},
        {11, Voltage, 0, "0.00"},
        {11, Current, 19149, "10.60"},
        {11, Current, -19149, "-10.60"},
        {11, Current, 1000, "0.55"},
        {15, Voltage, 96, "291"},
        {15, Voltage, -96, "-291"},
        {15, Current, 75, "10.63"},
        {15, Current, -75, "-10.63"},
        {16, Voltage, 100, "447"},
        {16, Current, -8191, "-36614"},
        {16, Current, 8191, "36614"},
        {13, Current, 2047, "18.1"},
        {13, Voltage, -2047, "-18.1"},
        {13, Current, 100, "0.9"},
        {14, Voltage, 255, "6.18"},
        {14, Current, 0, "0.00"},
        {12, Voltage, 2047, "180"},
        {12, Current, -2047, "-180"},
        {12, Voltage, 1, "0"},
        {12, Voltage, -1, "0"},
        {12, Current, 100, "8"},
        {12, Current, -100, "-8"},
        {17, Voltage, 3, "3"},
        {17, Current, 15, "15"},
        // Any IV mode other than 1 is current mode.
        {11, 2, 19149, "10.60"},
        {15, -1, 75, "10.63"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DataProcess::FormatValue(c.type, c.iv, c.raw), c.text)
            << "type " << c.type << " iv " << c.iv << " raw " << c.raw;
    }
}

TEST(FormatValue, TypesWithoutModeIgnoreIt) {
    for (int32_t type : {12, 13, 14, 16, 17}) {
        for (int32_t raw : {-2047, -1, 0, 1, 7, 100, 255, 2047, 8191}) {
            EXPECT_EQ(DataProcess::FormatValue(type, Voltage, raw),
                      DataProcess::FormatValue(type, Current, raw))
                << type << " " << raw;
        }
    }
}

TEST(ScaleToRaw, TurnsDisplayNumbersIntoRawValues) {
    struct Case {
        int32_t type;
        int32_t iv;
        float display;
        int32_t raw;
    };
    const Case cases[] = {
        {11, Voltage, 290.0f, 24453}, {11, Current, 10.6f, 19149}, {11, Current, 0.55f, 994},
        {15, Current, 10.63f, 75},    {15, Current, -10.6f, -75},  {15, Voltage, 290.0f, 96},
        {15, Voltage, 12.0f, 4},      {15, Current, 12.0f, 85},    {16, Voltage, 447.0f, 100},
        {12, Current, 8.0f, 91},      {12, Voltage, 180.0f, 2047}, {13, Current, 0.9f, 102},
        {14, Voltage, 6.18f, 255},    {17, Current, -3.7f, 3},     {17, Voltage, 3.7f, 3},
        {17, Voltage, -0.5f, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DataProcess::ScaleToRaw(c.type, c.iv, c.display), c.raw)
            << "type " << c.type << " iv " << c.iv << " display " << c.display;
    }
}

TEST(RoundToInt, HalvesGoUpward) {
    const float belowHalf = std::nextafter(0.5f, 0.0f);
    struct Case {
        float x;
        int32_t result;
    };
    const Case cases[] = {
        {2.5f, 3},
        {-2.5f, -2},
        {2.4f, 2},
        {-2.6f, -3},
        {0.5f, 1},
        {-0.5f, 0},
        {belowHalf, 0},
        {-belowHalf, 0},
        {1.5f, 2},
        {-1.5f, -1},
        {0.0f, 0},
        {-0.0f, 0},
        {8388607.5f, 8388608},
        {-8388607.5f, -8388607},
        {2147483520.0f, 2147483520},
        {-2147483648.0f, INT_MIN},
        // Beyond 32 bits the result saturates; NaN gives 0.
        {2147483648.0f, INT_MAX},
        {-2147483904.0f, INT_MIN},
        {1e30f, INT_MAX},
        {-1e30f, INT_MIN},
        {std::numeric_limits<float>::infinity(), INT_MAX},
        {-std::numeric_limits<float>::infinity(), INT_MIN},
        {std::nanf(""), 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DataProcess::RoundToInt(c.x), c.result) << c.x;
    }
}

TEST(Magnitude, AbsoluteValueWithoutOverflow) {
    EXPECT_EQ(DataProcess::Magnitude(5), 5);
    EXPECT_EQ(DataProcess::Magnitude(-5), 5);
    EXPECT_EQ(DataProcess::Magnitude(0), 0);
    EXPECT_EQ(DataProcess::Magnitude(INT_MAX), INT_MAX);
    EXPECT_EQ(DataProcess::Magnitude(-INT_MAX), INT_MAX);
    EXPECT_EQ(DataProcess::Magnitude(INT_MIN), INT_MAX);
}

using ParseAndCheckTest = TableTest;

TEST_F(ParseAndCheckTest, AcceptsInclusiveLimitsOfTheMode) {
    constexpr float inf = std::numeric_limits<float>::infinity();
    struct Case {
        const char* name;
        int32_t iv;
        float display;
        int32_t result;
        int32_t raw;
    };
    const Case cases[] = {
        {"PWMPlus", Current, 12.0f, 3, 0},
        {"PWMPlus", Voltage, 12.0f, 1, 4},
        {"pwmplus", Current, 10.63f, 1, 75},
        {"PWMMinus", Current, -10.63f, 1, -75},
        {"PWMPlus", 5, 12.0f, 3, 0},
        {"Command", Voltage, 290.1f, 3, 0},
        {"Command", Voltage, 290.0f, 1, 24453},
        {"Command", Voltage, -290.0f, 1, -24453},
        {"Command", Current, 10.6f, 1, 19149},
        {"Command", Current, 10.61f, 3, 0},
        {"Command", Voltage, 1e9f, 3, 0},
        {"Command", Voltage, 3e38f, 3, 0},
        {"Command", Voltage, -3e38f, 3, 0},
        {"Command", Voltage, inf, 3, 0},
        {"Command", Voltage, std::nanf(""), 3, 0},
        {"IrComp", Voltage, 6.18f, 1, 255},
        {"IrComp", Voltage, 6.21f, 3, 0},
        {"IrComp", Current, -0.01f, 1, 0},
        {"IrComp", Current, -0.03f, 3, 0},
        {"LogicVer", Voltage, -3.7f, 1, 3},
        {"LogicVer", Voltage, 16.0f, 3, 0},
        {"LogicVer", Voltage, -2147483648.0f, 3, 0},
        {"CommOff", Current, 180.0f, 1, 2047},
        {"CommOff", Current, -180.1f, 3, 0},
        {"HVF", Voltage, -36614.0f, 1, -8191},
        {"HVF", Voltage, 36620.0f, 3, 0},
        {"NoSuchName", Voltage, 1.0f, 2, 0},
        {"", Current, 0.0f, 2, 0},
    };
    for (const Case& c : cases) {
        int32_t raw = -777;
        EXPECT_EQ(DataProcess::ParseAndCheck(c.name, c.iv, c.display, raw), c.result)
            << c.name << " iv " << c.iv << " " << c.display;
        EXPECT_EQ(raw, c.result == 1 ? c.raw : -777) << c.name << " " << c.display;
    }
    // Checking stores nothing in the table.
    for (int i = 0; i < VarTableRecords; ++i) {
        EXPECT_EQ(VarTables[i].Value.load(), VarTables[i].Default);
    }
}

using SetValueFromTextTest = TableTest;

TEST_F(SetValueFromTextTest, StoresTokensAndNumbersWithoutRangeCheck) {
    struct Case {
        const char* name;
        int32_t iv;
        const char* text;
        int32_t stored;
    };
    const Case cases[] = {
        {"AutoDis", Voltage, "Plus", 2},       {"AutoDis", Voltage, "plus", 2},
        {"AutoDis", Voltage, "Both", 0},       {"IVMode", Current, "voltage", 1},
        {"Kip", Current, "79.356", 11},        {"kii", Current, "ON", 1},
        {"Command", Voltage, "290.00", 24453}, {"Command", Current, "10.60", 19149},
        {"Command", Current, "0.55", 994},     {"CommOff", Current, "8", 91},
        {"IdCmd", Current, "0.9", 102},        {"PWMPlus", Voltage, "500", 165},
        {"LogicVer", Voltage, "-3.7", 3},      {"Command", Voltage, "1e-400", 0},
        {"HVF", Voltage, " -447 ", -100},
    };
    for (const Case& c : cases) {
        SymTable.ResetToDefaults();
        const bool stored = DataProcess::SetValueFromText(c.name, c.iv, c.text);
        EXPECT_EQ(stored, c.stored != -1) << c.name << " '" << c.text << "'";
        int32_t v = 0;
        if (stored) {
            ASSERT_TRUE(SymTable.GetValue(c.name, v));
            EXPECT_EQ(v, c.stored) << c.name << " '" << c.text << "'";
        }
    }
}

TEST_F(SetValueFromTextTest, RefusesUnknownNamesAndNumbersBeyondThirtyTwoBits) {
    for (const auto& [name, text] :
         {std::pair{"NoSuchName", "1"}, std::pair{"Command", "1e30"}, std::pair{"Command", "-1e30"},
          std::pair{"Command", "1e400"}, std::pair{"LogicVer", "-3e9"}}) {
        EXPECT_FALSE(DataProcess::SetValueFromText(name, Voltage, text)) << name << " " << text;
    }
    for (int i = 0; i < VarTableRecords; ++i) {
        EXPECT_EQ(VarTables[i].Value.load(), VarTables[i].Default) << VarTables[i].Name;
    }
}

TEST_F(SetValueFromTextTest, TextThatIsNotANumberRaisesTheConversionError) {
    for (const auto& [name, text] :
         {std::pair{"Command", "abc"}, std::pair{"Command", ""}, std::pair{"CommOff", "1,5"},
          std::pair{"HVF", "inf"}, std::pair{"NoSuchName", "abc"}}) {
        try {
            DataProcess::SetValueFromText(name, Voltage, text);
            ADD_FAILURE() << "no exception for " << name << " '" << text << "'";
        } catch (const ConversionError& e) {
            EXPECT_EQ(std::string(e.what()),
                      "'" + std::string(text) + "' is not a valid floating point value");
        }
    }
    for (int i = 0; i < VarTableRecords; ++i) {
        EXPECT_EQ(VarTables[i].Value.load(), VarTables[i].Default) << VarTables[i].Name;
    }
}

} // namespace
