#include "zktools/model/parameter_line.h"

#include "zktools/model/model_error.h"

#include <algorithm>

namespace zkmodel_detail {

ParameterFileReader::ParameterFileReader(const std::string& path)
    : path_(path), file_(std::fopen(path.c_str(), "rb")) {
    // Binary: the line ends are ours to read, so a CR LF file reads alike on every platform.
    if (file_ == nullptr) {
        Fail();
    }
}

ParameterFileReader::~ParameterFileReader() {
    if (file_ != nullptr) {
        std::fclose(file_);
    }
}

void ParameterFileReader::Fail() const {
    throw ModelError("Can't open file " + path_);
}

void ParameterFileReader::SkipByteOrderMark() {
    static constexpr unsigned char Mark[] = {0xEF, 0xBB, 0xBF};
    std::string read;
    for (const unsigned char m : Mark) {
        const int c = Get();
        if (c != m) {
            // Not the mark: what was read is the file's own text.
            if (c != EOF) {
                Unget(c);
            }
            for (auto it = read.rbegin(); it != read.rend(); ++it) {
                Unget(static_cast<unsigned char>(*it));
            }
            return;
        }
        read.push_back(static_cast<char>(c));
    }
}

void ParameterFileReader::Unget(int c) {
    pending_.push_back(static_cast<char>(c));
}

int ParameterFileReader::Get() {
    if (!pending_.empty()) {
        const int c = static_cast<unsigned char>(pending_.back());
        pending_.pop_back();
        return c;
    }
    const int c = std::getc(file_);
    if (c == EOF && std::ferror(file_)) {
        Fail();
    }
    return c;
}

bool ParameterFileReader::Next(std::string& chunk) {
    chunk.clear();
    if (atStart_) {
        // Here rather than at opening: a read error then throws from a whole object.
        atStart_ = false;
        SkipByteOrderMark();
    }
    bool consumed = false;
    while (chunk.size() < MaxChunk) {
        const int c = Get();
        if (c == EOF) {
            return consumed;
        }
        consumed = true;
        if (c == '\n') {
            return true;
        }
        if (c == '\r') {
            const int next = Get();
            if (next == '\n') {
                return true;
            }
            if (next != EOF) {
                Unget(next);
            }
        }
        chunk.push_back(static_cast<char>(c));
    }
    return true;
}

std::vector<std::string_view> Words(std::string_view line, std::size_t maxWords) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (words.size() < maxWords) {
        while (i < line.size() && IsWhite(line[i])) {
            ++i;
        }
        if (i == line.size()) {
            break;
        }
        const std::size_t start = i;
        while (i < line.size() && !IsWhite(line[i])) {
            ++i;
        }
        words.push_back(line.substr(start, i - start));
    }
    return words;
}

std::optional<ParameterText> ReadParameterText(std::string_view line) noexcept {
    std::size_t i = 0;
    const auto skipWhite = [&] {
        while (i < line.size() && IsWhite(line[i])) {
            ++i;
        }
    };
    skipWhite();
    const std::size_t nameStart = i;
    while (i < line.size() && !IsWhite(line[i]) && line[i] != '=') {
        ++i;
    }
    const std::size_t nameLength = i - nameStart;
    if (nameLength == 0 || nameLength > MaxNameLength) {
        return std::nullopt;
    }
    skipWhite();
    if (i == line.size() || line[i] != '=') {
        return std::nullopt;
    }
    ++i;
    skipWhite();
    const std::size_t valueStart = i;
    while (i < line.size() && !IsWhite(line[i])) {
        ++i;
    }
    if (i == valueStart) {
        return std::nullopt;
    }
    const std::size_t valueLength = std::min(i - valueStart, MaxValueLength);
    return ParameterText{line.substr(nameStart, nameLength), line.substr(valueStart, valueLength)};
}

} // namespace zkmodel_detail
