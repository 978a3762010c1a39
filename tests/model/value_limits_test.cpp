// The check a send makes over a whole parameter set: which working values lie outside their
// IV mode's limits, told in the value dialog's units and form.
#include "table_fixture.h"

#include "zktools/model/data_process.h"
#include "zktools/model/symbol_table.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int32_t Voltage = 1;
constexpr int32_t Current = 0;

struct Outside {
    std::string name;
    std::string value;
    std::string range;
    bool operator==(const Outside&) const = default;
};

void PrintTo(const Outside& o, std::ostream* out) {
    *out << o.name << " = " << o.value << " (" << o.range << ")";
}

using ValuesOutOfRangeTest = TableTest;

TEST_F(ValuesOutOfRangeTest, NamesEachValueOutsideItsModesLimitsInListOrder) {
    struct Case {
        const char* label;
        std::vector<std::pair<const char*, int32_t>> values;
        int32_t iv;
        std::vector<Outside> outside;
    };
    const Case cases[] = {
        {"defaults, current mode", {}, Current, {}},
        {"defaults, voltage mode", {}, Voltage, {}},
        {"every numeric value at a limit",
         {{"Command", -19149},
          {"CommOff", 2047},
          {"IdCmd", -2047},
          {"IrComp", 255},
          {"PWMMinus", -75},
          {"PWMPlus", 75}},
         Current,
         {}},
        {"one raw step beyond the limits",
         {{"Command", 19150}, {"IrComp", -1}},
         Current,
         {{"Command", "10.60 Irms", "-10.60 to 10.60 Irms"},
          {"IrComp", "-0.02 Ohms", "0.00 to 6.18 Ohms"}}},
        {"a number typed into a file by hand",
         {{"Command", DataProcess::ScaleToRaw(11, Current, 9999.0f)}},
         Current,
         {{"Command", "9999.00 Irms", "-10.60 to 10.60 Irms"}}},
        {"voltage limits held, checked in current mode",
         {{"Command", 24453}, {"PWMMinus", -96}, {"PWMPlus", 96}},
         Current,
         {{"Command", "13.54 Irms", "-10.60 to 10.60 Irms"},
          {"PWMMinus", "-13.60 Irms", "-10.63 to 10.63 Irms"},
          {"PWMPlus", "13.60 Irms", "-10.63 to 10.63 Irms"}}},
        {"the same in voltage mode", {{"Command", 24453}, {"PWMMinus", -96}}, Voltage, {}},
        {"beyond the voltage limits",
         {{"CommOff", -2048}, {"IdCmd", 2048}},
         Voltage,
         {{"CommOff", "-180 degree", "-180 to 180 degree"},
          {"IdCmd", "18.1 Arms", "-18.1 to 18.1 Arms"}}},
        // Keys of a list are no quantities: no unit after them, even where the list has one.
        {"an enumeration key beyond its list", {{"CmdF0", 9}}, Current, {{"CmdF0", "9", "0 to 7"}}},
        {"values outside the set are not looked at", {{"Kii", 5}, {"HVF", 9000}}, Voltage, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        SymTable.ResetToDefaults();
        for (const auto& [name, raw] : c.values) {
            ASSERT_TRUE(SymTable.SetValue(name, raw)) << name;
        }
        std::vector<Outside> got;
        for (const DataProcess::OutOfRange& o :
             DataProcess::ValuesOutOfRange(SymTable.GetNVVars(), c.iv)) {
            got.push_back({o.Name, o.ValueText, o.RangeText});
        }
        EXPECT_EQ(got, c.outside);
    }
}

} // namespace
