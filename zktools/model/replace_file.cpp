#include "zktools/model/replace_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <climits>
#include <cstddef>
#include <filesystem>
#include <random>
#include <system_error>

namespace fs = std::filesystem;

namespace zkmodel_detail {

namespace {

// The file a path names after every symbolic link on the way, also when the last link points
// to nothing yet. A loop of links gives up and returns where it stopped; opening fails there.
fs::path Target(fs::path path) {
    for (int hop = 0; hop < 40; ++hop) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            return path;
        }
        std::error_code ec;
        const fs::path next = fs::read_symlink(path, ec);
        if (ec) {
            return path;
        }
        path = next.is_absolute() ? next : path.parent_path() / next;
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

// The longest name the target's folder takes; NAME_MAX where it does not say.
std::size_t NameLimit(const fs::path& folder) {
    const long limit = ::pathconf(folder.empty() ? "." : folder.c_str(), _PC_NAME_MAX);
    return limit > 0 ? static_cast<std::size_t>(limit) : NAME_MAX;
}

// Beside the target, so that the rename stays inside one file system. The suffix must stay
// whole to keep the name ours; a target name too long to take it loses the end of its stem,
// cut before a UTF-8 sequence rather than through it.
fs::path TempName(const fs::path& target, unsigned number, std::size_t nameLimit) {
    static constexpr char Hex[] = "0123456789abcdef";
    std::string suffix = ".~";
    for (int shift = 28; shift >= 0; shift -= 4) {
        suffix.push_back(Hex[(number >> shift) & 0xF]);
    }
    std::string stem = target.filename().string();
    if (stem.size() + suffix.size() > nameLimit) {
        std::size_t keep = nameLimit > suffix.size() ? nameLimit - suffix.size() : 0;
        while (keep > 0 && (static_cast<unsigned char>(stem[keep]) & 0xC0) == 0x80) {
            --keep;
        }
        stem.resize(keep);
    }
    return target.parent_path() / (stem + suffix);
}

bool WriteAll(FileCalls& calls, int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = calls.Write(fd, text.data(), text.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

class Descriptor {
public:
    Descriptor(FileCalls& calls, int fd) : calls_(calls), fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            calls_.Close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int Get() const noexcept { return fd_; }
    // Closes now; false when the close reports an error (a late write failure on some file
    // systems).
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return fd < 0 || calls_.Close(fd) == 0;
    }

private:
    FileCalls& calls_;
    int fd_;
};

// The last resort when the folder takes no new file: the old text is overwritten where it
// stands. This cannot be atomic; a failure half way leaves a mixed or shortened file.
bool WriteInPlace(FileCalls& calls, Descriptor& target, std::string_view text) {
    bool ok = WriteAll(calls, target.Get(), text) &&
              calls.Ftruncate(target.Get(), static_cast<off_t>(text.size())) == 0 &&
              calls.Fsync(target.Get()) == 0;
    ok = target.Close() && ok;
    return ok;
}

// Makes the rename itself durable. A folder that cannot be opened for reading is not synced:
// the new file is in place by then, and refusing the save would not undo that.
bool SyncFolder(FileCalls& calls, const fs::path& folder) {
    const int fd =
        calls.Open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (fd < 0) {
        return true;
    }
    Descriptor dir(calls, fd);
    // Some file systems cannot sync a folder at all (EINVAL); that is no lost data.
    return calls.Fsync(fd) == 0 || errno == EINVAL;
}

} // namespace

bool ReplaceFileContents(const std::string& path, std::string_view text, FileCalls& calls) {
    const fs::path target = Target(fs::path(path));
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (!exists && errno != ENOENT) {
        return false;
    }
    if (exists && !S_ISREG(old.st_mode)) {
        return false;
    }
    // The kernel says whether the file may be written (mode, ACLs, read-only mounts); opening
    // without truncation leaves it untouched either way.
    Descriptor existing(
        calls,
        exists ? calls.Open(target.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0) : -1);
    if (exists && existing.Get() < 0) {
        return false;
    }

    const std::size_t nameLimit = NameLimit(target.parent_path());
    std::minstd_rand names(Seed());
    for (int attempt = 0; attempt < 16; ++attempt) {
        const fs::path temp = TempName(target, static_cast<unsigned>(names()), nameLimit);
        // O_EXCL: never open a file that is already there (a stale temp file or someone else's).
        const int fd =
            calls.Open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno == EEXIST) {
                continue;
            }
            if (exists && (errno == EACCES || errno == EPERM)) {
                return WriteInPlace(calls, existing, text);
            }
            return false;
        }
        Descriptor file(calls, fd);
        bool ok = true;
        if (exists) {
            // Owner first: a change of owner clears the set-id bits the mode then restores.
            // Only root may give a file away, so EPERM just leaves the saver's own.
            ok = calls.Fchown(fd, old.st_uid, old.st_gid) == 0 || errno == EPERM;
            ok = ok && calls.Fchmod(fd, old.st_mode & 07777) == 0;
        }
        ok = ok && WriteAll(calls, fd, text) && calls.Fsync(fd) == 0;
        ok = file.Close() && ok;
        ok = ok && calls.Rename(temp.c_str(), target.c_str()) == 0;
        if (!ok) {
            calls.Unlink(temp.c_str());
            return false;
        }
        existing.Close();
        return SyncFolder(calls, target.parent_path());
    }
    return false;
}

} // namespace zkmodel_detail
