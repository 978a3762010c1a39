#include "zktools/model/data_process.h"
#include "zktools/model/symbol_table.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

// Reading back what FormatValue printed gives the raw value again, except where the
// printed precision is coarser than one raw step; there it stays within half a printed
// digit (a whole degree for the truncated "CommOff").
struct RoundTrip {
    const char* name;
    int32_t iv;
    int32_t tolerance; // raw steps
};

const RoundTrip RoundTrips[] = {
    {"Command", 1, 0},  {"Command", 0, 10}, // 0.01 Irms is 18 raw steps
    {"CommOff", 1, 12}, {"CommOff", 0, 12}, // 1 degree is 11.4 raw steps, truncated
    {"IdCmd", 1, 6},    {"IdCmd", 0, 6},    // 0.1 Arms is 11.3 raw steps
    {"IrComp", 1, 0},   {"IrComp", 0, 0},   {"PWMMinus", 1, 0}, {"PWMMinus", 0, 0},
    {"PWMPlus", 1, 0},  {"PWMPlus", 0, 0},  {"HVF", 1, 0},      {"HVF", 0, 0},
    {"LogicVer", 1, 0}, {"LogicVer", 0, 0},
};

class RoundTripTest : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(RoundTripTest, EveryRawValueInsideTheLimits) {
    const RoundTrip& p = GetParam();
    int32_t min = 0, max = 0, value = 0, type = 0;
    ASSERT_TRUE(p.iv == 1 ? SymTable.GetVRange(p.name, min, max, value, type)
                          : SymTable.GetIRange(p.name, min, max, value, type));
    int32_t worst = 0;
    for (int32_t raw = min; raw <= max; ++raw) {
        const std::string text = DataProcess::FormatValue(type, p.iv, raw);
        const float display = DataProcess::ToSingle(DataProcess::ParseNumber(text));
        const int32_t back = DataProcess::ScaleToRaw(type, p.iv, display);
        const int32_t error = std::abs(back - raw);
        worst = std::max(worst, error);
        ASSERT_LE(error, p.tolerance) << p.name << " raw " << raw << " shown " << text;
        ASSERT_GE(back, min - p.tolerance) << text;
        ASSERT_LE(back, max + p.tolerance) << text;
        // A shown value is always accepted again by the range check of its mode.
        int32_t checked = 0;
        ASSERT_EQ(DataProcess::ParseAndCheck(p.name, p.iv, display, checked), 1) << text;
        ASSERT_EQ(checked, back);
    }
    if (p.tolerance > 0) {
        EXPECT_GT(worst, 0) << "coarse precision expected";
    }
}

INSTANTIATE_TEST_SUITE_P(NumericParameters, RoundTripTest, ::testing::ValuesIn(RoundTrips),
                         [](const ::testing::TestParamInfo<RoundTrip>& param) {
                             return std::string(param.param.name) +
                                    (param.param.iv == 1 ? "Voltage" : "Current");
                         });

// The three coarse cases a parameter file shows.
TEST(RoundTrip, KnownCoarseCases) {
    struct Case {
        int32_t type;
        int32_t iv;
        int32_t raw;
        const char* shown;
        int32_t back;
    };
    const Case cases[] = {
        {12, 1, 100, "8", 91},
        {13, 1, 100, "0.9", 102},
        {11, 0, 1000, "0.55", 994},
    };
    for (const Case& c : cases) {
        const std::string text = DataProcess::FormatValue(c.type, c.iv, c.raw);
        EXPECT_EQ(text, c.shown);
        EXPECT_EQ(DataProcess::ScaleToRaw(c.type, c.iv,
                                          DataProcess::ToSingle(DataProcess::ParseNumber(text))),
                  c.back);
    }
}

} // namespace
