#include "zktools/model/file_process.h"

#include "zktools/model/data_process.h"
#include "zktools/model/model_error.h"
#include "zktools/model/name_compare.h"
#include "zktools/model/parameter_line.h"
#include "zktools/model/symbol_table.h"

#include <cstdint>

using zkmodel_detail::CompareNoCase;
using zkmodel_detail::ParameterFileReader;

FileProcess FileProc;

namespace {

// The header words compare exactly, letter case included.
constexpr std::string_view HeaderWord = "Drive--Tamberlyne";
constexpr std::string_view VersionWord = "LogicVersion";
constexpr std::string_view VersionNumber = "1";

constexpr int32_t NoIVMode = -1;

enum class Pass { Checking, Applying };

std::string LineError(int errorNumber, int parameterLine) {
    return "Error reading file, Err No." + std::to_string(errorNumber) + " at parameter no." +
           std::to_string(parameterLine);
}

void CheckHeader(std::string_view line, Pass pass) {
    const auto words = zkmodel_detail::Words(line, 1);
    if (words.empty()) {
        throw ModelError("Error reading file, Err No.4 ");
    }
    if (words[0] != HeaderWord) {
        throw ModelError(pass == Pass::Checking ? "Error reading file, Err No.5 "
                                                : "Error reading file, Err No.5");
    }
}

void CheckVersion(std::string_view line) {
    const auto words = zkmodel_detail::Words(line, 2);
    if (words.size() < 2) {
        throw ModelError("Error reading file, Err No.6 ");
    }
    // The number is looked at before the word: "Version 2" is a wrong version, not a bad line.
    if (words[1] != VersionNumber) {
        throw ModelError("File has a wrong Logic Version.");
    }
    if (words[0] != VersionWord) {
        throw ModelError("Error reading file, Err No.8 ");
    }
}

// GetKeyByToken gives 0 for a token the list lacks, which is also the key of "Current": only
// a token the "IVMode" list really holds counts.
int32_t IVModeOfToken(std::string_view token) {
    if (const ValueLabelList* list = SymbolTable::FindLabelList("IVMode")) {
        for (const ValueLabel* e = list->Labels; e->Token != nullptr; ++e) {
            if (CompareNoCase(token, e->Token) == 0) {
                return e->Key;
            }
        }
    }
    return NoIVMode;
}

// One pass over the file. The checking pass stores nothing and returns the IV mode of the
// last "IVMode" line (NoIVMode when there is none or its token is wrong); the applying pass
// stores each line's value in the given IV mode.
int32_t RunPass(const std::string& path, Pass pass, int32_t ivMode) {
    ParameterFileReader file(path);
    enum class Expect { Header, Version, Parameters };
    Expect expect = Expect::Header;
    int32_t ivFound = NoIVMode;
    int parameterLine = 0;
    std::string line;
    while (file.Next(line)) {
        if (FileProcess::IsBlankOrComment(line)) {
            continue;
        }
        switch (expect) {
        case Expect::Header:
            CheckHeader(line, pass);
            expect = Expect::Version;
            break;
        case Expect::Version:
            CheckVersion(line);
            expect = Expect::Parameters;
            break;
        case Expect::Parameters: {
            ++parameterLine;
            const auto text = zkmodel_detail::ReadParameterText(line);
            if (!text) {
                throw ModelError(LineError(1, parameterLine));
            }
            if (pass == Pass::Checking) {
                if (CompareNoCase(text->name, "IVMode") == 0) {
                    ivFound = IVModeOfToken(text->value);
                }
            } else if (!DataProcess::SetValueFromText(text->name, ivMode, text->value)) {
                throw ModelError(LineError(3, parameterLine));
            }
            break;
        }
        }
    }
    return ivFound;
}

} // namespace

void FileProcess::TakeNVSet() {
    list_ = factoryMode_ ? SymTable.GetNVVars() : SymTable.GetUserNVVars();
}

int FileProcess::LoadFromFile(const std::string& path) {
    TakeNVSet();
    const int32_t ivMode = RunPass(path, Pass::Checking, NoIVMode);
    if (ivMode != 0 && ivMode != 1) {
        throw ModelError("Wrong or No IVMode");
    }
    RunPass(path, Pass::Applying, ivMode);
    return 1;
}

bool FileProcess::IsBlankOrComment(std::string_view line) noexcept {
    for (const char c : line) {
        if (c == '#') {
            return true;
        }
        if (!zkmodel_detail::IsWhite(c)) {
            return false;
        }
    }
    return true;
}
