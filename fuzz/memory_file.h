// A file that lives in memory only: the readers open a path, so each input is written to an
// anonymous file that /proc/self/fd names, with no disk in the way.
#ifndef FUZZ_MEMORY_FILE_H
#define FUZZ_MEMORY_FILE_H

#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace fuzz {

class MemoryFile {
public:
    MemoryFile() : fd_(::memfd_create("fuzz-input", MFD_CLOEXEC)) {
        if (fd_ < 0) {
            std::abort();
        }
        path_ = "/proc/self/fd/" + std::to_string(fd_);
    }
    ~MemoryFile() { ::close(fd_); }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    // Replaces the contents; every open of Path() then reads them from the start.
    void Fill(const std::uint8_t* data, std::size_t size) {
        if (::ftruncate(fd_, 0) != 0) {
            std::abort();
        }
        std::size_t done = 0;
        while (done < size) {
            const ssize_t n = ::pwrite(fd_, data + done, size - done, static_cast<off_t>(done));
            if (n <= 0) {
                std::abort();
            }
            done += static_cast<std::size_t>(n);
        }
    }

    const std::string& Path() const { return path_; }

private:
    int fd_;
    std::string path_;
};

} // namespace fuzz

#endif
