// The system calls the file saver makes, behind one interface so that a test can record their
// order while the real calls still run. For the model's own use.
#ifndef ZKTOOLS_MODEL_FILE_CALLS_H
#define ZKTOOLS_MODEL_FILE_CALLS_H

#include <sys/types.h>

#include <cstddef>

namespace zkmodel_detail {

// Each call has the semantics of the POSIX call of the same name: -1 and errno on failure.
class FileCalls {
public:
    virtual ~FileCalls() = default;
    virtual int Open(const char* path, int flags, mode_t mode);
    virtual ssize_t Write(int fd, const void* data, std::size_t size);
    virtual int Fsync(int fd);
    virtual int Close(int fd);
    virtual int Rename(const char* from, const char* to);
    virtual int Unlink(const char* path);
    virtual int Fchown(int fd, uid_t owner, gid_t group);
    virtual int Fchmod(int fd, mode_t mode);
    virtual int Ftruncate(int fd, off_t length);
};

// The real calls, nothing else.
FileCalls& SystemFileCalls();

} // namespace zkmodel_detail

#endif
