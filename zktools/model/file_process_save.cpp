#include "zktools/model/data_process.h"
#include "zktools/model/file_process.h"
#include "zktools/model/model_error.h"
#include "zktools/model/replace_file.h"
#include "zktools/model/symbol_table.h"

#include <cstdint>
#include <cstring>

namespace {

// Left-aligned in a field of width characters; a longer text is not cut.
void AppendPadded(std::string& out, std::string_view text, std::size_t width) {
    out.append(text);
    if (text.size() < width) {
        out.append(width - text.size(), ' ');
    }
}

std::string ValueText(const VarTable& record, int32_t ivMode) {
    const int32_t raw = record.Value.load();
    if (record.Type != 0 && record.Type != 1) {
        return DataProcess::FormatValue(record.Type, ivMode, raw);
    }
    const auto token = SymbolTable::GetToken(record.Name, raw);
    if (token && !token->empty()) {
        return std::string(*token);
    }
    // A code the list has no token for (only "AutoDis" 1 can be one, read from a drive): the
    // raw code as a number. The line keeps its form, so the file still loads, and whoever
    // reads the file sees what the drive held; loading it gives key 0, as any unknown token.
    return std::to_string(raw);
}

std::string UnitText(const VarTable& record, int32_t ivMode) {
    if (record.Type != 0 && record.Type != 1) {
        const char* unit = ivMode == 1 ? record.VUnit : record.IUnit;
        return unit != nullptr ? unit : "";
    }
    return record.VUnit != nullptr ? record.VUnit : " ";
}

void AppendParameterLine(std::string& out, const VarTable& record, int32_t ivMode) {
    AppendPadded(out, record.Name, 16);
    out.append(" = ");
    AppendPadded(out, ValueText(record, ivMode), 32);
    out.push_back(' ');
    AppendPadded(out, UnitText(record, ivMode), 16);
    out.push_back('\n');
}

} // namespace

int FileProcess::SaveToFile(const std::string& path) {
    TakeNVSet();
    // Every number of one file is in the IV mode of the set's own "IVMode" (spelt exactly so).
    int32_t ivMode = 0;
    for (const VarTable& record : list_) {
        if (std::strcmp(record.Name, "IVMode") == 0) {
            ivMode = record.Value.load();
        }
    }
    std::string text = "Drive--Tamberlyne \nLogicVersion 1 \n";
    int count = 0;
    for (const VarTable& record : list_) {
        AppendParameterLine(text, record, ivMode);
        ++count;
    }
    if (!zkmodel_detail::ReplaceFileContents(path, text)) {
        throw ModelError("Can't open file " + path);
    }
    return count;
}
