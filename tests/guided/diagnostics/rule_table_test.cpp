// The rules on their own: which of the 17 fire for a set of values, the shape of
// the lines each adds, and reading the ten values out of a table.
#include "zktools/guided/diagnostic_rules.h"

#include "zktools/model/symbol_table.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using diagnostics::DiagnosticRules;
using diagnostics::RuleKind;
using diagnostics::RuleValues;

// A drive that breaks no rule: limits 100 % both ways, PWM +-96, voltage mode.
RuleValues Clean() {
    RuleValues v;
    v.ILmtPlus = 3;
    v.ILmtMinus = 3;
    v.PWMPlus = 96;
    v.PWMMinus = -96;
    v.AutoDis = 0;
    v.IrComp = 0;
    v.IVMode = 1;
    v.IrCompSrc = 1;
    v.CommOff = 0;
    v.CmdSrc = 0;
    return v;
}

std::vector<int> Fired(const RuleValues& values) {
    std::vector<int> fired;
    const auto& rules = DiagnosticRules();
    for (size_t i = 0; i < rules.size(); ++i) {
        if (rules[i].holds(values))
            fired.push_back(static_cast<int>(i) + 1);
    }
    return fired;
}

struct RuleCase {
    const char* name;
    std::function<void(RuleValues&)> change; // from the clean set
    std::vector<int> fired;
};

std::ostream& operator<<(std::ostream& out, const RuleCase& c) {
    return out << c.name;
}

class RuleTable : public ::testing::TestWithParam<RuleCase> {};

TEST_P(RuleTable, FiresExactlyTheseRules) {
    RuleValues values = Clean();
    GetParam().change(values);
    EXPECT_EQ(Fired(values), GetParam().fired);
}

// Each rule just inside its condition, and a neighbour just outside it.
const RuleCase kRuleCases[] = {
    {"clean", [](RuleValues&) {}, {}},
    {"r1_both_limits_zero", [](RuleValues& v) { v.ILmtPlus = v.ILmtMinus = 0; }, {1}},
    {"r1_minus_limit_33", [](RuleValues& v) { v.ILmtPlus = 0, v.ILmtMinus = 1; }, {}},
    {"r2_r17_both_pwm_zero", [](RuleValues& v) { v.PWMPlus = v.PWMMinus = 0; }, {2, 17}},
    {"r2_pwm_plus_zero_minus_one_higher", [](RuleValues& v) { v.PWMPlus = 0, v.PWMMinus = 1; }, {}},
    {"r3", [](RuleValues& v) { v.PWMPlus = 0, v.PWMMinus = -1, v.ILmtMinus = 0; }, {3}},
    {"r3_minus_limit_33",
     [](RuleValues& v) { v.PWMPlus = 0, v.PWMMinus = -1, v.ILmtMinus = 1; },
     {}},
    {"r3_pwm_plus_one", [](RuleValues& v) { v.PWMPlus = 1, v.PWMMinus = -1, v.ILmtMinus = 0; }, {}},
    {"r4", [](RuleValues& v) { v.PWMMinus = 0, v.PWMPlus = 1, v.ILmtPlus = 0; }, {4}},
    {"r4_pwm_minus_minus_one",
     [](RuleValues& v) { v.PWMMinus = -1, v.PWMPlus = 1, v.ILmtPlus = 0; },
     {}},
    {"r4_plus_limit_33", [](RuleValues& v) { v.PWMMinus = 0, v.PWMPlus = 1, v.ILmtPlus = 1; }, {}},
    {"r5_command_variable", [](RuleValues& v) { v.CmdSrc = 1; }, {5}},
    {"r6", [](RuleValues& v) { v.AutoDis = 3, v.ILmtPlus = 0; }, {6}},
    {"r6_autodis_plus", [](RuleValues& v) { v.AutoDis = 2, v.ILmtPlus = 0; }, {}},
    {"r6_plus_limit_33", [](RuleValues& v) { v.AutoDis = 3, v.ILmtPlus = 1; }, {}},
    {"r7", [](RuleValues& v) { v.AutoDis = 2, v.ILmtMinus = 0; }, {7}},
    {"r7_autodis_minus", [](RuleValues& v) { v.AutoDis = 3, v.ILmtMinus = 0; }, {}},
    {"r8", [](RuleValues& v) { v.AutoDis = 3, v.PWMPlus = 0, v.PWMMinus = -1; }, {8}},
    {"r3_r8_with_minus_limit_zero",
     [](RuleValues& v) { v.AutoDis = 3, v.PWMPlus = 0, v.PWMMinus = -1, v.ILmtMinus = 0; },
     {3, 8}},
    {"r9", [](RuleValues& v) { v.AutoDis = 2, v.PWMMinus = 0, v.PWMPlus = 1; }, {9}},
    {"r4_r9_with_plus_limit_zero",
     [](RuleValues& v) { v.AutoDis = 2, v.PWMMinus = 0, v.PWMPlus = 1, v.ILmtPlus = 0; },
     {4, 9}},
    {"r10", [](RuleValues& v) { v.AutoDis = 3, v.PWMMinus = 0, v.PWMPlus = -1; }, {10}},
    {"r10_r13_with_minus_limit_zero",
     [](RuleValues& v) { v.AutoDis = 3, v.PWMMinus = 0, v.PWMPlus = -1, v.ILmtMinus = 0; },
     {10, 13}},
    {"r11", [](RuleValues& v) { v.AutoDis = 2, v.PWMPlus = 0, v.PWMMinus = 1; }, {11}},
    {"r11_r12_with_plus_limit_zero",
     [](RuleValues& v) { v.AutoDis = 2, v.PWMPlus = 0, v.PWMMinus = 1, v.ILmtPlus = 0; },
     {11, 12}},
    {"r12", [](RuleValues& v) { v.PWMMinus = 1, v.PWMPlus = 0, v.ILmtPlus = 0; }, {12}},
    {"r12_plus_limit_33", [](RuleValues& v) { v.PWMMinus = 1, v.PWMPlus = 0, v.ILmtPlus = 1; }, {}},
    {"r13", [](RuleValues& v) { v.PWMPlus = -1, v.PWMMinus = 0, v.ILmtMinus = 0; }, {13}},
    {"r13_minus_limit_33",
     [](RuleValues& v) { v.PWMPlus = -1, v.PWMMinus = 0, v.ILmtMinus = 1; },
     {}},
    // AutoDis 1 is no polarity mask of its own: none of the AutoDis rules fires.
    {"autodis_one_fires_only_the_limit_rule",
     [](RuleValues& v) { v.AutoDis = 1, v.ILmtPlus = 0, v.PWMPlus = 1, v.PWMMinus = 0; },
     {4}},
    {"autodis_one_negative_only",
     [](RuleValues& v) { v.AutoDis = 1, v.PWMPlus = 0, v.PWMMinus = -1; },
     {}},
    {"autodis_one_positive_only",
     [](RuleValues& v) { v.AutoDis = 1, v.PWMPlus = 1, v.PWMMinus = 0, v.ILmtMinus = 0; },
     {}},
    {"r14_ircomp_in_current_mode", [](RuleValues& v) { v.IrComp = 1, v.IVMode = 0; }, {14}},
    {"r15_ircomp_from_dinp2", [](RuleValues& v) { v.IrComp = 255, v.IrCompSrc = 0; }, {15}},
    {"r14_r15", [](RuleValues& v) { v.IrComp = 1, v.IVMode = 0, v.IrCompSrc = 0; }, {14, 15}},
    {"ircomp_zero_fires_neither",
     [](RuleValues& v) { v.IrComp = 0, v.IVMode = 0, v.IrCompSrc = 0; },
     {}},
    {"ircomp_set_in_voltage_mode_from_variable", [](RuleValues& v) { v.IrComp = 7; }, {}},
    {"r16_negative_offset", [](RuleValues& v) { v.CommOff = -1; }, {16}},
    {"r16_positive_offset", [](RuleValues& v) { v.CommOff = 1; }, {16}},
    {"r17_equal_positive", [](RuleValues& v) { v.PWMPlus = v.PWMMinus = 50; }, {17}},
    {"r17_equal_negative", [](RuleValues& v) { v.PWMPlus = v.PWMMinus = -96; }, {17}},
    {"r17_one_apart", [](RuleValues& v) { v.PWMPlus = 50, v.PWMMinus = 49; }, {}},
    // The PWM levels' signs decide: zero is neither positive nor negative, and each
    // AutoDis rule wants its own mask, not the other one as well.
    {"pwm_zero_autodis_minus_no_limits",
     [](RuleValues& v) { v.PWMPlus = v.PWMMinus = 0, v.AutoDis = 3, v.ILmtPlus = v.ILmtMinus = 0; },
     {1, 2, 6, 17}},
    {"pwm_zero_autodis_plus",
     [](RuleValues& v) { v.PWMPlus = v.PWMMinus = 0, v.AutoDis = 2; },
     {2, 17}},
    {"pwm_both_positive_autodis_plus_no_limits",
     [](RuleValues& v) {
         v.PWMPlus = 50, v.PWMMinus = 40, v.AutoDis = 2, v.ILmtPlus = v.ILmtMinus = 0;
     },
     {1, 7}},
    {"pwm_both_negative_autodis_minus_no_limits",
     [](RuleValues& v) {
         v.PWMPlus = -50, v.PWMMinus = -40, v.AutoDis = 3, v.ILmtPlus = v.ILmtMinus = 0;
     },
     {1, 6}},
    {"pwm_reversed_autodis_plus_no_limits",
     [](RuleValues& v) {
         v.PWMPlus = -50, v.PWMMinus = 40, v.AutoDis = 2, v.ILmtPlus = v.ILmtMinus = 0;
     },
     {1, 7}},
    {"pwm_reversed_autodis_minus",
     [](RuleValues& v) { v.PWMPlus = -50, v.PWMMinus = 40, v.AutoDis = 3; },
     {}},
    {"autodis_minus_plus_level_only",
     [](RuleValues& v) { v.PWMPlus = 50, v.PWMMinus = 0, v.AutoDis = 3; },
     {}},
    {"autodis_minus_minus_level_only",
     [](RuleValues& v) { v.PWMPlus = 0, v.PWMMinus = 50, v.AutoDis = 3; },
     {}},
};

INSTANTIATE_TEST_SUITE_P(Rules, RuleTable, ::testing::ValuesIn(kRuleCases),
                         [](const auto& p) { return std::string(p.param.name); });

TEST(RuleBlocks, ErrorsAndWarningsHaveTheirHeadingsAndClosingLine) {
    const auto& rules = DiagnosticRules();
    ASSERT_EQ(rules.size(), 17u);
    for (size_t i = 0; i < rules.size(); ++i) {
        SCOPED_TRACE("rule " + std::to_string(i + 1));
        const bool error = i < 13;
        EXPECT_EQ(rules[i].kind, error ? RuleKind::Error : RuleKind::Warning);
        const std::vector<std::string> lines = BlockLines(rules[i]);
        ASSERT_GE(lines.size(), 2u);
        EXPECT_EQ(lines.front(), error ? "ERROR MESSAGE:" : "WARNING MESSAGE:");
        const auto solution = std::find(lines.begin(), lines.end(), "SOLUTION:");
        EXPECT_EQ(solution != lines.end(), error);
        if (error) {
            // At least one message line before and one solution line after it.
            EXPECT_GT(solution - lines.begin(), 1);
            EXPECT_LT(solution - lines.begin() + 1, static_cast<long>(lines.size()) - 1);
        }
        // Only the last rule's block ends without the empty line.
        EXPECT_EQ(lines.back().empty(), i != 16);
        for (size_t k = 1; k + 1 < lines.size(); ++k)
            EXPECT_FALSE(lines[k].empty()) << "line " << k;
    }
}

TEST(RuleBlocks, TwoMessageLinesKeepTheirTrailingBlank) {
    const auto& rules = DiagnosticRules();
    for (size_t i : {11u, 12u}) {
        const std::string& first = rules[i].message.front();
        EXPECT_EQ(first.back(), ' ') << "rule " << i + 1;
        EXPECT_NE(first[first.size() - 2], ' ');
    }
    for (size_t i = 0; i < rules.size(); ++i) {
        if (i == 11 || i == 12)
            continue;
        for (const std::string& line : rules[i].message)
            EXPECT_NE(line.back(), ' ') << "rule " << i + 1;
    }
}

// Each of the ten lands in its own field, whatever its neighbours hold.
TEST(RuleValuesFromTable, ReadsEachNameIntoItsField) {
    SymTable.ResetToDefaults();
    const char* names[] = {"ILmtPlus", "ILmtMinus", "PWMPlus",   "PWMMinus", "AutoDis",
                           "IrComp",   "IVMode",    "IrCompSrc", "CommOff",  "CmdSrc"};
    for (int i = 0; i < 10; ++i)
        ASSERT_TRUE(SymTable.SetValue(names[i], 101 + i));
    const RuleValues v = diagnostics::ReadRuleValues(SymTable);
    SymTable.ResetToDefaults();
    const int32_t read[] = {v.ILmtPlus, v.ILmtMinus, v.PWMPlus,   v.PWMMinus, v.AutoDis,
                            v.IrComp,   v.IVMode,    v.IrCompSrc, v.CommOff,  v.CmdSrc};
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(read[i], 101 + i) << names[i];
}

// A table of its own that holds nine of the ten names.
TEST(RuleValuesFromTable, AMissingNameIsASystemError) {
    const char* names[] = {"AutoDis",   "CommOff", "ILmtMinus", "ILmtPlus", "IrComp",
                           "IrCompSrc", "IVMode",  "PWMMinus",  "PWMPlus"};
    auto records = std::make_unique<VarTable[]>(std::size(names) + 1);
    for (size_t i = 0; i < std::size(names); ++i)
        records[i].Name = names[i];
    records[std::size(names)].Name = nullptr;
    SymbolTable table(records.get());
    try {
        diagnostics::ReadRuleValues(table);
        ADD_FAILURE() << "no exception without CmdSrc";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "System Error");
    }
}

} // namespace
