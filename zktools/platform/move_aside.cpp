#include "zktools/platform/move_aside.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace zk::platform {

namespace {

constexpr int kMaxNumber = 999;

// 0 when moved; otherwise the errno, EEXIST meaning: try the next name.
int MoveNoReplace(const char* from, const char* to) {
    if (::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE) == 0)
        return 0;
    // EINVAL: the file system does not know the flag; ENOSYS: the kernel does not.
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    if (::link(from, to) == 0) {
        if (::unlink(from) == 0)
            return 0;
        const int error = errno;
        ::unlink(to); // the file stays under its own name only
        return error;
    }
    // File systems without hard links (FAT, some network mounts) say so by these.
    if (errno != EPERM && errno != EOPNOTSUPP && errno != EMLINK)
        return errno;
    struct stat info {};
    if (::lstat(to, &info) == 0)
        return EEXIST;
    if (errno != ENOENT)
        return errno;
    return std::rename(from, to) == 0 ? 0 : errno;
}

} // namespace

MovedAside MoveAside(const std::string& path, const std::string& suffix) {
    MovedAside result;
    for (int number = 0; number <= kMaxNumber; ++number) {
        std::string to = path + suffix;
        if (number > 0)
            to += "-" + std::to_string(number);
        const int error = MoveNoReplace(path.c_str(), to.c_str());
        if (error == 0) {
            result.moved = true;
            result.to = std::move(to);
            return result;
        }
        result.error = error;
        if (error != EEXIST)
            return result;
    }
    return result;
}

} // namespace zk::platform
