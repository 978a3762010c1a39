#include "zktools/model/file_calls.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

namespace zkmodel_detail {

int FileCalls::Open(const char* path, int flags, mode_t mode) {
    return ::open(path, flags, mode);
}

ssize_t FileCalls::Write(int fd, const void* data, std::size_t size) {
    return ::write(fd, data, size);
}

int FileCalls::Fsync(int fd) {
    return ::fsync(fd);
}

int FileCalls::Close(int fd) {
    return ::close(fd);
}

int FileCalls::Rename(const char* from, const char* to) {
    return std::rename(from, to);
}

int FileCalls::Unlink(const char* path) {
    return ::unlink(path);
}

int FileCalls::Fchown(int fd, uid_t owner, gid_t group) {
    return ::fchown(fd, owner, group);
}

int FileCalls::Fchmod(int fd, mode_t mode) {
    return ::fchmod(fd, mode);
}

int FileCalls::Ftruncate(int fd, off_t length) {
    return ::ftruncate(fd, length);
}

FileCalls& SystemFileCalls() {
    static FileCalls calls;
    return calls;
}

} // namespace zkmodel_detail
