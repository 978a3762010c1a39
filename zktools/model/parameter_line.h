// Reading a parameter file: the line chunks and the words of one line. For the model's own use.
#ifndef ZKTOOLS_MODEL_PARAMETER_LINE_H
#define ZKTOOLS_MODEL_PARAMETER_LINE_H

#include <cstddef>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zkmodel_detail {

// White space as the C locale has it: blank, tab, line feed, vertical tab, form feed, CR.
constexpr bool IsWhite(char c) noexcept {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The file read in chunks of at most MaxChunk characters: a longer line gives several chunks,
// each taken as a line of its own. LF and CR LF both end a line (files come from Windows
// too); a CR elsewhere is a character of the line. Chunks come without their line end. One
// UTF-8 byte-order mark at the very start of the file (some editors write one) is skipped.
class ParameterFileReader {
public:
    static constexpr std::size_t MaxChunk = 255;

    // Throws ModelError "Can't open file " + path when the file cannot be opened.
    explicit ParameterFileReader(const std::string& path);
    ~ParameterFileReader();
    ParameterFileReader(const ParameterFileReader&) = delete;
    ParameterFileReader& operator=(const ParameterFileReader&) = delete;

    // False at the end of the file. A read error throws the same "Can't open file " message:
    // a file that stops being readable half way must not pass for a shorter file.
    bool Next(std::string& chunk);

private:
    [[noreturn]] void Fail() const;
    int Get();
    void Unget(int c);
    void SkipByteOrderMark();

    std::string path_;
    std::FILE* file_;
    // Bytes read ahead and given back, the next one last.
    std::string pending_;
    bool atStart_ = true;
};

// Up to maxWords runs of non-white characters, in order.
std::vector<std::string_view> Words(std::string_view line, std::size_t maxWords);

struct ParameterText {
    std::string_view name;
    std::string_view value;
};

inline constexpr std::size_t MaxNameLength = 16;
inline constexpr std::size_t MaxValueLength = 32;

// name = value: optional white space, a name of 1 to 16 characters that are neither white
// nor "=", optional white space, "=", optional white space, a value of non-white characters
// of which the first 32 are taken. The rest of the line (the unit) is not looked at.
std::optional<ParameterText> ReadParameterText(std::string_view line) noexcept;

} // namespace zkmodel_detail

#endif
