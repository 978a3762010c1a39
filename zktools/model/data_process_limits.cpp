#include "zktools/model/data_process.h"
#include "zktools/model/symbol_table.h"

std::optional<DataProcess::Limits> DataProcess::LimitsOf(std::string_view name, int32_t ivMode) {
    Limits limits{};
    const bool found =
        ivMode == 1 ? SymTable.GetVRange(name, limits.Min, limits.Max, limits.Value, limits.Type)
                    : SymTable.GetIRange(name, limits.Min, limits.Max, limits.Value, limits.Type);
    if (!found) {
        return std::nullopt;
    }
    return limits;
}

std::string DataProcess::RangeText(const Limits& limits, int32_t ivMode, std::string_view unit) {
    std::string text = FormatValue(limits.Type, ivMode, limits.Min);
    text += " to ";
    text += FormatValue(limits.Type, ivMode, limits.Max);
    text += unit;
    return text;
}

std::vector<DataProcess::OutOfRange> DataProcess::ValuesOutOfRange(const VarTableList& list,
                                                                   int32_t ivMode) {
    std::vector<OutOfRange> outside;
    for (const VarTable& record : list) {
        const std::optional<Limits> limits = LimitsOf(record.Name, ivMode);
        if (!limits || (limits->Value >= limits->Min && limits->Value <= limits->Max)) {
            continue;
        }
        // Keys of a label list are no quantities: no unit after them.
        const bool numeric = limits->Type >= 2;
        const char* unit = ivMode == 1 ? record.VUnit : record.IUnit;
        const std::string unitText = numeric && unit != nullptr ? unit : "";
        outside.push_back({record.Name, FormatValue(limits->Type, ivMode, limits->Value) + unitText,
                           RangeText(*limits, ivMode, unitText)});
    }
    return outside;
}
