#include "zkcomm/sim/file_replace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <random>

namespace fs = std::filesystem;

namespace zkcomm::sim {

namespace {

std::string Reason(const char* what, int err) {
    return std::string(what) + ": " + std::strerror(err);
}

bool MakeFolders(const fs::path& folder, std::string* why) {
    if (folder.empty()) {
        return true;
    }
    struct stat info {};
    if (::stat(folder.c_str(), &info) == 0) {
        if (S_ISDIR(info.st_mode)) {
            return true;
        }
        *why = folder.string() + " is not a folder";
        return false;
    }
    if (!MakeFolders(folder.parent_path(), why)) {
        return false;
    }
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        *why = Reason(("cannot make the folder " + folder.string()).c_str(), errno);
        return false;
    }
    return true;
}

bool WriteAll(FileCalls& calls, int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = calls.Write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            if (n == 0) {
                errno = EIO;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// The rename is durable only once the folder is on disk too; a file system that cannot
// sync a folder (EINVAL) loses nothing by it.
void SyncFolder(FileCalls& calls, const fs::path& folder) {
    const int fd =
        calls.Open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (fd >= 0) {
        calls.Fsync(fd);
        calls.Close(fd);
    }
}

} // namespace

bool ReplaceFile(const std::string& path, std::string_view bytes, std::string* why,
                 FileCalls& calls) {
    const fs::path target(path);
    if (!MakeFolders(target.parent_path(), why)) {
        return false;
    }
    std::minstd_rand random(static_cast<unsigned>(
        ::getpid() ^ std::chrono::steady_clock::now().time_since_epoch().count()));
    for (int attempt = 0; attempt < 16; ++attempt) {
        fs::path temp = target;
        temp += ".~" + std::to_string(random() % 1000000u);
        const int fd =
            calls.Open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0) {
            if (errno == EEXIST) {
                continue;
            }
            *why = Reason(("cannot create " + temp.string()).c_str(), errno);
            return false;
        }
        bool ok = WriteAll(calls, fd, bytes) && calls.Fsync(fd) == 0;
        int err = errno;
        if (calls.Close(fd) != 0 && ok) {
            ok = false;
            err = errno;
        }
        if (ok && calls.Rename(temp.c_str(), target.c_str()) != 0) {
            ok = false;
            err = errno;
        }
        if (!ok) {
            calls.Unlink(temp.c_str());
            *why = Reason(("cannot write " + path).c_str(), err);
            return false;
        }
        SyncFolder(calls, target.parent_path());
        return true;
    }
    *why = "cannot find a free name for a new file beside " + path;
    return false;
}

} // namespace zkcomm::sim
