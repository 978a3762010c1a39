// The diagnostics window's fixed checks: ten uploaded parameter values judged by
// 17 rules, 13 errors and 4 warnings, each with the lines it adds to the report.
#ifndef ZKTOOLS_GUIDED_DIAGNOSTIC_RULES_H
#define ZKTOOLS_GUIDED_DIAGNOSTIC_RULES_H

#include <cstdint>
#include <string>
#include <vector>

class SymbolTable;

namespace diagnostics {

// Raw working values, compared as signed integers (PWMPlus and PWMMinus are
// the sign-extended register bytes, so 0xFF is -1).
struct RuleValues {
    int32_t ILmtPlus = 0;
    int32_t ILmtMinus = 0;
    int32_t PWMPlus = 0;
    int32_t PWMMinus = 0;
    int32_t AutoDis = 0;
    int32_t IrComp = 0;
    int32_t IVMode = 0;
    int32_t IrCompSrc = 0;
    int32_t CommOff = 0;
    int32_t CmdSrc = 0;
};

enum class RuleKind { Error, Warning };

struct DiagnosticRule {
    RuleKind kind;
    bool (*holds)(const RuleValues&);
    std::vector<std::string> message;
    std::vector<std::string> solution; // errors only
    bool closingBlank = true;          // the last rule's block ends without one
};

// The 17 rules in the order they are tested; each is judged on the same values.
const std::vector<DiagnosticRule>& DiagnosticRules();

// The report lines of a rule that holds: the heading, its message, for an error
// "SOLUTION:" and its solution, then the closing empty line.
std::vector<std::string> BlockLines(const DiagnosticRule& rule);

// Reads the ten values from `table` in a fixed order; a name the table lacks
// throws std::runtime_error "System Error".
RuleValues ReadRuleValues(const SymbolTable& table);

} // namespace diagnostics

#endif
