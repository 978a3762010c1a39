#include "zktools/guided/diagnostic_rules.h"

#include <stdexcept>

#include "zktools/model/symbol_table.h"

namespace diagnostics {

namespace {

// Keys of the label lists the rules look at.
constexpr int32_t kAutoDisPlus = 2;
constexpr int32_t kAutoDisMinus = 3;
constexpr int32_t kCurrentMode = 0;
constexpr int32_t kIrCompFromDInp2 = 0;
constexpr int32_t kCommandVariable = 1;

using V = RuleValues;

} // namespace

const std::vector<DiagnosticRule>& DiagnosticRules() {
    static const std::vector<DiagnosticRule> rules = {
        // 1
        {RuleKind::Error,
         [](const V& v) { return v.ILmtPlus == 0 && v.ILmtMinus == 0; },
         {"ILmtPlus and ILmtMinus are both set to zero. No torque will be produced."},
         {"At least one value has to be non-zero in order to produce torque in the motor."}},
        // 2
        {RuleKind::Error,
         [](const V& v) { return v.PWMPlus == 0 && v.PWMMinus == 0; },
         {"PWMPlus and PWMMinus are both set to zero. The command will always be zero.",
          "In order to produce torque, a command of other then zero must be present."},
         {"Set at least one of the parameters to a non-zero value."}},
        // 3
        {RuleKind::Error,
         [](const V& v) { return v.PWMPlus == 0 && v.PWMMinus < 0 && v.ILmtMinus == 0; },
         {"PWMPlus set to zero and PWMMinus set to a negative number will only produce "
          "negative commands.",
          "If ILmtMinus is set to zero no torque will be produced."},
         {"1) Set ILmtMinus either to a non-zero value or",
          "2) PWMPlus to a non-zero positive value."}},
        // 4
        {RuleKind::Error,
         [](const V& v) { return v.PWMMinus == 0 && v.PWMPlus > 0 && v.ILmtPlus == 0; },
         {"PWMMinus set to zero and PWMPlus set to a positive number will only produce "
          "positive commands.",
          "If ILmtPlus is set to zero no torque will be produced."},
         {"1) Set ILmtPlus either to a non-zero value or",
          "2) PWMMinus to a non-zero negative value."}},
        // 5
        {RuleKind::Error,
         [](const V& v) { return v.CmdSrc == kCommandVariable; },
         {"CmdSrc set to Command Variable. This is a test function, not for use other then "
          "for testing."},
         {"Set CmdSrc to CMD PWM."}},
        // 6
        {RuleKind::Error,
         [](const V& v) { return v.AutoDis == kAutoDisMinus && v.ILmtPlus == 0; },
         {"AutoDis set to Minus will disable the drive for negative commands.",
          "ILmtPlus set to zero will not allow torque for positive commands."},
         {"1) Set either AutoDis to Plus or Off, or", "2) ILmtPlus to a non-zero value."}},
        // 7
        {RuleKind::Error,
         [](const V& v) { return v.AutoDis == kAutoDisPlus && v.ILmtMinus == 0; },
         {"AutoDis set to Plus will disable the drive for positive commands.",
          "ILmtMinus set to zero will not allow torque for negative commands."},
         {"1) Set either AutoDis to Minus or Off, or", "2) ILmtMinus to a non-zero value."}},
        // 8
        {RuleKind::Error,
         [](const V& v) { return v.AutoDis == kAutoDisMinus && v.PWMPlus == 0 && v.PWMMinus < 0; },
         {"AutoDis set to Minus will disable the drive for negative commands.",
          "PWMPlus set to Zero and PWMMinus set negative will only produce negative commands.",
          "Therefore, no torque will be produced."},
         {"1) Set either AutoDis to Plus or Off or", "2) PWMPlus to a non-zero positive value or",
          "3) PWMMinus to a non-zero positive value."}},
        // 9
        {RuleKind::Error,
         [](const V& v) { return v.AutoDis == kAutoDisPlus && v.PWMMinus == 0 && v.PWMPlus > 0; },
         {"AutoDis set to Plus will disable the drive for positive commands.",
          "PWMMinus set to Zero and PWMPlus set positive will only produce positive commands.",
          "Therefore, no torque will be produced."},
         {"1) Set either AutoDis to Minus or Off or", "2) PWMMinus to a non-zero negative value or",
          "3) PWMPlus to a non-zero negative value."}},
        // 10
        {RuleKind::Error,
         [](const V& v) { return v.AutoDis == kAutoDisMinus && v.PWMMinus == 0 && v.PWMPlus < 0; },
         {"AutoDis set to Minus will disable the drive for negative commands.",
          "PWMMinus set to Zero and PWMPlus set negative will only produce negative commands.",
          "Therefore, no torque will be produced."},
         {"1) Set either AutoDis to Plus or Off or", "2) PWMMinus to a non-zero positive value or",
          "3) PWMPlus to a non-zero positive value."}},
        // 11
        {RuleKind::Error,
         [](const V& v) { return v.AutoDis == kAutoDisPlus && v.PWMPlus == 0 && v.PWMMinus > 0; },
         {"AutoDis set to Plus will disable the drive for positive commands.",
          "PWMPlus set to Zero and PWMMinus set positive will only produce positive commands.",
          "Therefore, no torque will be produced."},
         {"1) Set either AutoDis to Minus or Off or", "2) PWMMinus to a non-zero negative value or",
          "3) PWMPlus to a non-zero negative value."}},
        // 12
        {RuleKind::Error,
         [](const V& v) { return v.PWMMinus > 0 && v.PWMPlus == 0 && v.ILmtPlus == 0; },
         {"PWMMinus set to a positive number and PWMPlus set to zero will only produce "
          "positive commands. ",
          "If ILmtPlus is set to zero no torque will be produced."},
         {"1) Set ILmtPlus to a non-zero value or",
          "2) Set PWMPlus to a non-zero positive value or",
          "3) Set PWMMinus to a negative number."}},
        // 13
        {RuleKind::Error,
         [](const V& v) { return v.PWMPlus < 0 && v.PWMMinus == 0 && v.ILmtMinus == 0; },
         {"PWMPlus set to a negative number and PWMMinus set to zero will only produce "
          "negative commands. ",
          "If ILmtMinus is set to zero no torque will be produced."},
         {"1) Set ILmtMinus to a non-zero value or",
          "2) Set PWMMinus to a non-zero negative value or",
          "3) Set PWMPlus to a positive number."}},
        // 14
        {RuleKind::Warning,
         [](const V& v) { return v.IrComp != 0 && v.IVMode == kCurrentMode; },
         {"IrComp only require in Voltage mode.",
          "Setting this value in Current mode has no effect on drive operation."},
         {}},
        // 15
        {RuleKind::Warning,
         [](const V& v) { return v.IrComp != 0 && v.IrCompSrc == kIrCompFromDInp2; },
         {"IR compensation is controlled by PWM signal at DInp2 in this mode.",
          "IrComp has no effect on drive operation in this mode."},
         {}},
        // 16
        {RuleKind::Warning,
         [](const V& v) { return v.CommOff != 0; },
         {"CommOff is not typically required for proper operation of drive.",
          "This could potentially cause poor performance of motor and drive or wrong spinning "
          "direction of motor."},
         {}},
        // 17
        {RuleKind::Warning,
         [](const V& v) { return v.PWMPlus == v.PWMMinus; },
         {"Setting PWMPlus and PWMMinus will produce only one torque or speed for the drive.",
          "Is this what you intended?"},
         {},
         false},
    };
    return rules;
}

std::vector<std::string> BlockLines(const DiagnosticRule& rule) {
    std::vector<std::string> lines;
    lines.emplace_back(rule.kind == RuleKind::Error ? "ERROR MESSAGE:" : "WARNING MESSAGE:");
    lines.insert(lines.end(), rule.message.begin(), rule.message.end());
    if (rule.kind == RuleKind::Error) {
        lines.emplace_back("SOLUTION:");
        lines.insert(lines.end(), rule.solution.begin(), rule.solution.end());
    }
    if (rule.closingBlank)
        lines.emplace_back();
    return lines;
}

RuleValues ReadRuleValues(const SymbolTable& table) {
    RuleValues values;
    const auto read = [&table](const char* name, int32_t& value) {
        if (!table.GetValue(name, value))
            throw std::runtime_error("System Error");
    };
    read("ILmtPlus", values.ILmtPlus);
    read("ILmtMinus", values.ILmtMinus);
    read("PWMPlus", values.PWMPlus);
    read("PWMMinus", values.PWMMinus);
    read("AutoDis", values.AutoDis);
    read("IrComp", values.IrComp);
    read("IVMode", values.IVMode);
    read("IrCompSrc", values.IrCompSrc);
    read("CommOff", values.CommOff);
    read("CmdSrc", values.CmdSrc);
    return values;
}

} // namespace diagnostics
