// The display text of a raw value: the engineering-unit product is held in single
// precision before it is printed, which decides the last digit of some values. Checked
// against the formula worked out here, over every raw value each field can hold.
#include "zktools/model/data_process.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>

namespace {

constexpr int32_t Voltage = 1;
constexpr int32_t Current = 0;

TEST(DisplayText, TheSingleRoundingDecidesTheLastDigit) {
    struct Case {
        int32_t type;
        int32_t iv;
        int32_t raw;
        const char* text; // the double product printed directly would give the other one
    };
    const Case cases[] = {
        {11, Current, 11968, "6.62"},     // not "6.63"
        {11, Voltage, -22720, "-269.45"}, // not "-269.44"
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DataProcess::FormatValue(c.type, c.iv, c.raw), c.text)
            << "type " << c.type << " iv " << c.iv << " raw " << c.raw;
    }
}

std::string Printed(double product, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals,
                  static_cast<double>(static_cast<float>(product)));
    return buffer;
}

// What the display shows, from the conversion rules alone.
std::string Expected(int32_t type, bool voltage, int32_t raw) {
    const double r = raw;
    constexpr double currentFactor = 0.14171122994652408; // 10.6 / 74.8
    char buffer[32];
    switch (type) {
    case 11:
        return voltage ? Printed(r * 3.036 / 256, 2) : Printed(r * currentFactor / 256, 2);
    case 12:
        std::snprintf(buffer, sizeof buffer, "%.0f",
                      static_cast<double>(static_cast<long long>(raw) * 180 / 2047));
        return buffer;
    case 13:
        return Printed(r * currentFactor / 16, 1);
    case 14:
        return Printed(r * 6.18 / 255, 2);
    case 15:
        return voltage ? Printed(r * 3.036, 0) : Printed(r * 10.6 / 74.8, 2);
    case 16:
        return Printed(r * 4.47, 0);
    default:
        std::snprintf(buffer, sizeof buffer, "%d", raw);
        return buffer;
    }
}

TEST(DisplayText, EveryRawValueOfEveryNumericTypeInBothModes) {
    // The raw range of each type's field: two registers hold Width + 8 signed bits,
    // type 15 a signed byte, the others unsigned bits.
    struct Range {
        int32_t type;
        const char* parameter;
        int32_t min;
        int32_t max;
    };
    const Range ranges[] = {
        {11, "Command", -32768, 32767}, {12, "CommOff", -2048, 2047}, {13, "IdCmd", -2048, 2047},
        {14, "IrComp", 0, 255},         {15, "PWMPlus", -128, 127},   {16, "HVF", -8192, 8191},
        {17, "LogicVer", 0, 15},
    };
    for (const Range& range : ranges) {
        for (const int32_t iv : {Voltage, Current}) {
            SCOPED_TRACE(std::string(range.parameter) + (iv == Voltage ? " voltage" : " current"));
            int wrong = 0;
            for (int32_t raw = range.min; raw <= range.max; ++raw) {
                const std::string got = DataProcess::FormatValue(range.type, iv, raw);
                const std::string want = Expected(range.type, iv == Voltage, raw);
                if (got != want && ++wrong <= 3) {
                    ADD_FAILURE() << "raw " << raw << " shows \"" << got << "\", wanted \"" << want
                                  << "\"";
                }
            }
            EXPECT_EQ(wrong, 0) << "raw values shown wrongly";
        }
    }
}

} // namespace
