#include "zktools/model/replace_file.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>

namespace fs = std::filesystem;

namespace zkmodel_detail {

namespace {

fs::path Target(const fs::path& path) {
    std::error_code ec;
    if (fs::is_symlink(path, ec)) {
        fs::path resolved = fs::canonical(path, ec);
        if (!ec) {
            return resolved;
        }
    }
    return path;
}

unsigned Seed() {
    try {
        return std::random_device{}();
    } catch (...) {
        return static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count());
    }
}

// Beside the target, so that the rename stays inside one file system.
fs::path TempName(const fs::path& target, unsigned number) {
    static constexpr char Hex[] = "0123456789abcdef";
    std::string suffix = ".~";
    for (int shift = 28; shift >= 0; shift -= 4) {
        suffix.push_back(Hex[(number >> shift) & 0xF]);
    }
    fs::path temp = target;
    temp += suffix;
    return temp;
}

bool WriteAll(std::FILE* file, std::string_view text) {
    // Buffered writes report a full disk only when flushed: every step is checked.
    return std::fwrite(text.data(), 1, text.size(), file) == text.size() &&
           std::fflush(file) == 0 && !std::ferror(file);
}

} // namespace

bool ReplaceFileContents(const std::string& path, std::string_view text) {
    const fs::path target = Target(fs::path(path));
    std::minstd_rand names(Seed());
    for (int attempt = 0; attempt < 16; ++attempt) {
        const fs::path temp = TempName(target, static_cast<unsigned>(names()));
        errno = 0;
        // "x": never open a file that is already there (a stale temp file or someone else's).
        std::FILE* file = std::fopen(temp.string().c_str(), "wx");
        if (file == nullptr) {
            if (errno == EEXIST) {
                continue;
            }
            return false;
        }
        bool ok = WriteAll(file, text);
        ok = std::fclose(file) == 0 && ok;
        std::error_code ec;
        if (ok) {
            const fs::file_status old = fs::status(target, ec);
            if (!ec && fs::is_regular_file(old)) {
                fs::permissions(temp, old.permissions(), ec);
            }
            fs::rename(temp, target, ec);
            ok = !ec;
        }
        if (!ok) {
            fs::remove(temp, ec);
        }
        return ok;
    }
    return false;
}

} // namespace zkmodel_detail
