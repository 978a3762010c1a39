// Every line the seventeen rules can add to the report, word for word, each with the
// drive settings that bring it: a run on a drive that breaks no rule but for the
// settings of the row must end with exactly the blocks of the rules those settings fire.
#include "tests/guided/diagnostics/diagnostics_fixture.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace diagtest {
namespace {

struct RuleText {
    int rule;
    // Raw values put on the drive over those of the clean drive.
    std::vector<std::pair<const char*, int32_t>> settings;
    // Rules that the same settings cannot help firing as well.
    std::vector<int> alsoFires;
    // The rule's block, from its heading to its closing empty line.
    std::vector<const char*> block;
};

std::ostream& operator<<(std::ostream& out, const RuleText& r) {
    return out << "rule " << r.rule;
}

// clang-format off
const RuleText kRuleTexts[] = {
    {1, {{"ILmtPlus", 0}, {"ILmtMinus", 0}}, {},
     {"ERROR MESSAGE:",
      "ILmtPlus and ILmtMinus are both set to zero. No torque will be produced.",
      "SOLUTION:",
      "At least one value has to be non-zero in order to produce torque in the motor.",
      ""}},
    {2, {{"PWMPlus", 0}, {"PWMMinus", 0}}, {17},
     {"ERROR MESSAGE:",
      "PWMPlus and PWMMinus are both set to zero. The command will always be zero.",
      "In order to produce torque, a command of other then zero must be present.",
      "SOLUTION:",
      "Set at least one of the parameters to a non-zero value.",
      ""}},
    {3, {{"PWMPlus", 0}, {"PWMMinus", -1}, {"ILmtMinus", 0}}, {},
     {"ERROR MESSAGE:",
      "PWMPlus set to zero and PWMMinus set to a negative number will only produce negative commands.",
      "If ILmtMinus is set to zero no torque will be produced.",
      "SOLUTION:",
      "1) Set ILmtMinus either to a non-zero value or",
      "2) PWMPlus to a non-zero positive value.",
      ""}},
    {4, {{"PWMMinus", 0}, {"PWMPlus", 1}, {"ILmtPlus", 0}}, {},
     {"ERROR MESSAGE:",
      "PWMMinus set to zero and PWMPlus set to a positive number will only produce positive commands.",
      "If ILmtPlus is set to zero no torque will be produced.",
      "SOLUTION:",
      "1) Set ILmtPlus either to a non-zero value or",
      "2) PWMMinus to a non-zero negative value.",
      ""}},
    {5, {{"CmdSrc", 1}}, {},
     {"ERROR MESSAGE:",
      "CmdSrc set to Command Variable. This is a test function, not for use other then for testing.",
      "SOLUTION:",
      "Set CmdSrc to CMD PWM.",
      ""}},
    {6, {{"AutoDis", 3}, {"ILmtPlus", 0}}, {},
     {"ERROR MESSAGE:",
      "AutoDis set to Minus will disable the drive for negative commands.",
      "ILmtPlus set to zero will not allow torque for positive commands.",
      "SOLUTION:",
      "1) Set either AutoDis to Plus or Off, or",
      "2) ILmtPlus to a non-zero value.",
      ""}},
    {7, {{"AutoDis", 2}, {"ILmtMinus", 0}}, {},
     {"ERROR MESSAGE:",
      "AutoDis set to Plus will disable the drive for positive commands.",
      "ILmtMinus set to zero will not allow torque for negative commands.",
      "SOLUTION:",
      "1) Set either AutoDis to Minus or Off, or",
      "2) ILmtMinus to a non-zero value.",
      ""}},
    {8, {{"AutoDis", 3}, {"PWMPlus", 0}, {"PWMMinus", -1}}, {},
     {"ERROR MESSAGE:",
      "AutoDis set to Minus will disable the drive for negative commands.",
      "PWMPlus set to Zero and PWMMinus set negative will only produce negative commands.",
      "Therefore, no torque will be produced.",
      "SOLUTION:",
      "1) Set either AutoDis to Plus or Off or",
      "2) PWMPlus to a non-zero positive value or",
      "3) PWMMinus to a non-zero positive value.",
      ""}},
    {9, {{"AutoDis", 2}, {"PWMMinus", 0}, {"PWMPlus", 1}}, {},
     {"ERROR MESSAGE:",
      "AutoDis set to Plus will disable the drive for positive commands.",
      "PWMMinus set to Zero and PWMPlus set positive will only produce positive commands.",
      "Therefore, no torque will be produced.",
      "SOLUTION:",
      "1) Set either AutoDis to Minus or Off or",
      "2) PWMMinus to a non-zero negative value or",
      "3) PWMPlus to a non-zero negative value.",
      ""}},
    {10, {{"AutoDis", 3}, {"PWMMinus", 0}, {"PWMPlus", -1}}, {},
     {"ERROR MESSAGE:",
      "AutoDis set to Minus will disable the drive for negative commands.",
      "PWMMinus set to Zero and PWMPlus set negative will only produce negative commands.",
      "Therefore, no torque will be produced.",
      "SOLUTION:",
      "1) Set either AutoDis to Plus or Off or",
      "2) PWMMinus to a non-zero positive value or",
      "3) PWMPlus to a non-zero positive value.",
      ""}},
    {11, {{"AutoDis", 2}, {"PWMPlus", 0}, {"PWMMinus", 1}}, {},
     {"ERROR MESSAGE:",
      "AutoDis set to Plus will disable the drive for positive commands.",
      "PWMPlus set to Zero and PWMMinus set positive will only produce positive commands.",
      "Therefore, no torque will be produced.",
      "SOLUTION:",
      "1) Set either AutoDis to Minus or Off or",
      "2) PWMMinus to a non-zero negative value or",
      "3) PWMPlus to a non-zero negative value.",
      ""}},
    {12, {{"PWMMinus", 1}, {"PWMPlus", 0}, {"ILmtPlus", 0}}, {},
     {"ERROR MESSAGE:",
      "PWMMinus set to a positive number and PWMPlus set to zero will only produce positive commands. ",
      "If ILmtPlus is set to zero no torque will be produced.",
      "SOLUTION:",
      "1) Set ILmtPlus to a non-zero value or",
      "2) Set PWMPlus to a non-zero positive value or",
      "3) Set PWMMinus to a negative number.",
      ""}},
    {13, {{"PWMPlus", -1}, {"PWMMinus", 0}, {"ILmtMinus", 0}}, {},
     {"ERROR MESSAGE:",
      "PWMPlus set to a negative number and PWMMinus set to zero will only produce negative commands. ",
      "If ILmtMinus is set to zero no torque will be produced.",
      "SOLUTION:",
      "1) Set ILmtMinus to a non-zero value or",
      "2) Set PWMMinus to a non-zero negative value or",
      "3) Set PWMPlus to a positive number.",
      ""}},
    {14, {{"IrComp", 1}, {"IVMode", 0}}, {},
     {"WARNING MESSAGE:",
      "IrComp only require in Voltage mode.",
      "Setting this value in Current mode has no effect on drive operation.",
      ""}},
    {15, {{"IrComp", 255}, {"IrCompSrc", 0}}, {},
     {"WARNING MESSAGE:",
      "IR compensation is controlled by PWM signal at DInp2 in this mode.",
      "IrComp has no effect on drive operation in this mode.",
      ""}},
    {16, {{"CommOff", -5}}, {},
     {"WARNING MESSAGE:",
      "CommOff is not typically required for proper operation of drive.",
      "This could potentially cause poor performance of motor and drive or wrong spinning direction of motor.",
      ""}},
    // The last block has no empty line of its own.
    {17, {{"PWMPlus", 50}, {"PWMMinus", 50}}, {},
     {"WARNING MESSAGE:",
      "Setting PWMPlus and PWMMinus will produce only one torque or speed for the drive.",
      "Is this what you intended?"}},
};
// clang-format on

const RuleText& TextOf(int rule) {
    return kRuleTexts[rule - 1];
}

class RuleTextTest : public DiagnosticsTest, public ::testing::WithParamInterface<RuleText> {};

TEST_P(RuleTextTest, TheSettingsBringTheRuleWithItsLinesWordForWord) {
    const RuleText& row = GetParam();
    ASSERT_EQ(&TextOf(row.rule) - kRuleTexts, row.rule - 1) << "table out of order";
    CleanDrive();
    for (const auto& [name, raw] : row.settings)
        OnDrive(name, raw);

    RunOnce();

    std::vector<int> fired = row.alsoFires;
    fired.push_back(row.rule);
    std::sort(fired.begin(), fired.end());
    QStringList expected;
    for (int rule : fired) {
        for (const char* line : TextOf(rule).block)
            expected << QString::fromUtf8(line);
    }
    expected << ""
             << "Finished!";
    ASSERT_GE(report.size(), 10);
    EXPECT_EQ(report.mid(10), expected);
    EXPECT_EQ(dialAtEnd, 100.0f);
}

INSTANTIATE_TEST_SUITE_P(Rules, RuleTextTest, ::testing::ValuesIn(kRuleTexts),
                         [](const auto& p) { return "rule" + std::to_string(p.param.rule); });

} // namespace
} // namespace diagtest
