// The system calls ReplaceFile makes, behind one interface so that a test can record their
// order and make one of them fail while the others still reach the real file system.
#ifndef ZKCOMM_SIM_FILE_CALLS_H
#define ZKCOMM_SIM_FILE_CALLS_H

#include <sys/types.h>

#include <cstddef>

namespace zkcomm::sim {

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
};

// The real calls, nothing else.
FileCalls& SystemFileCalls();

} // namespace zkcomm::sim

#endif
