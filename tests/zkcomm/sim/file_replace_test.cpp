// Replacing the kept NV file: the order of the calls that makes it safe, and that a failure or
// a crash at any step leaves the old file as it was. The calls reach a real folder.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "tests/zkcomm/case_name.h"
#include "zkcomm/sim/file_replace.h"

namespace zkcomm::sim::test {
namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Binary, as the NV file is: zero bytes included.
std::string Bytes(char first, std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; i += 3) {
        bytes[i] = static_cast<char>(first + i % 7);
    }
    return bytes;
}

// What the process does in the middle of a write when it dies there.
struct Crash {};

// The real calls, each logged by what it touches: "target", "temp" (a new file beside it) or
// "folder"; a new file made exclusively is logged as "create". One call may fail, and the
// writes follow a script first, with the kernel's semantics.
class ScriptedCalls : public FileCalls {
public:
    // A step of the script: at most `bytes` of the write reach the file, then the call returns
    // their count; with none written it fails with `error` instead (EINTR: a signal came
    // first). `crash`: the process dies once the bytes are written.
    struct WriteStep {
        std::size_t bytes = 0;
        int error = 0;
        bool crash = false;
    };

    explicit ScriptedCalls(const fs::path& target)
        : target_(target.string()), folder_(target.parent_path().string()) {}
    // A crashed process leaves its files open only until it is gone.
    ~ScriptedCalls() override {
        for (const auto& [fd, kind] : kinds_) {
            ::close(fd);
        }
    }

    std::vector<std::string> log;
    std::deque<WriteStep> writes;
    // The call that fails, as logged, and its errno.
    std::string failing;
    int error = 0;

    int Open(const char* path, int flags, mode_t mode) override {
        const bool create = (flags & (O_CREAT | O_EXCL)) == (O_CREAT | O_EXCL);
        const std::string kind = KindOf(path);
        if (Fails((create ? "create " : "open ") + kind)) {
            return -1;
        }
        const int fd = FileCalls::Open(path, flags, mode);
        if (fd >= 0) {
            kinds_[fd] = kind;
        }
        return fd;
    }
    ssize_t Write(int fd, const void* data, std::size_t size) override {
        if (Fails("write " + kinds_[fd])) {
            return -1;
        }
        if (writes.empty()) {
            return FileCalls::Write(fd, data, size);
        }
        const WriteStep step = writes.front();
        writes.pop_front();
        if (step.bytes == 0) {
            errno = step.error;
            return -1;
        }
        const ssize_t written = FileCalls::Write(fd, data, std::min(size, step.bytes));
        if (step.crash) {
            throw Crash{};
        }
        return written;
    }
    int Fsync(int fd) override { return Fails("fsync " + kinds_[fd]) ? -1 : FileCalls::Fsync(fd); }
    // The descriptor is gone even when close reports an error.
    int Close(int fd) override {
        const std::string entry = "close " + kinds_[fd];
        kinds_.erase(fd);
        const int result = FileCalls::Close(fd);
        return Fails(entry) ? -1 : result;
    }
    int Rename(const char* from, const char* to) override {
        return Fails("rename " + KindOf(from) + " to " + KindOf(to)) ? -1
                                                                     : FileCalls::Rename(from, to);
    }
    int Unlink(const char* path) override {
        return Fails("unlink " + KindOf(path)) ? -1 : FileCalls::Unlink(path);
    }

private:
    std::string KindOf(const std::string& path) const {
        if (path == target_) {
            return "target";
        }
        if (path == folder_) {
            return "folder";
        }
        return path.rfind(target_ + ".~", 0) == 0 ? "temp" : "other " + path;
    }
    // Logs the call; true when it is the one that fails, with errno set.
    bool Fails(const std::string& entry) {
        log.push_back(entry);
        if (entry != failing) {
            return false;
        }
        errno = error;
        return true;
    }

    std::string target_;
    std::string folder_;
    std::map<int, std::string> kinds_;
};

class ReplaceFileTest : public ::testing::Test {
protected:
    ReplaceFileTest()
        : dir_(fs::temp_directory_path() / ("zkcomm-replace-" + std::to_string(::getpid()))) {
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        std::ofstream(target_, std::ios::binary) << old_;
    }
    ~ReplaceFileTest() override { fs::remove_all(dir_); }

    std::set<std::string> Names() const {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir_)) {
            names.insert(entry.path().filename().string());
        }
        return names;
    }

    const fs::path dir_;
    const fs::path target_ = dir_ / "sim-nv.bin";
    const std::string old_ = Bytes('o', 520);
    const std::string new_ = Bytes('n', 520);
    ScriptedCalls calls_{target_};
};

TEST_F(ReplaceFileTest, TheNewBytesAreOnDiskBeforeTheRenameAndTheRenameAfterIt) {
    // A signal and a short write on the way change nothing but the number of writes.
    calls_.writes = {{0, EINTR}, {100}};
    std::string why;
    ASSERT_TRUE(ReplaceFile(target_.string(), new_, &why, calls_)) << why;
    EXPECT_EQ(calls_.log,
              (std::vector<std::string>{"create temp", "write temp", "write temp", "write temp",
                                        "fsync temp", "close temp", "rename temp to target",
                                        "open folder", "fsync folder", "close folder"}));
    EXPECT_EQ(ReadAll(target_), new_);
    EXPECT_EQ(Names(), std::set<std::string>{"sim-nv.bin"});
}

struct Fault {
    const char* name;
    std::deque<ScriptedCalls::WriteStep> writes;
    const char* failing; // the call, as logged
    int error;
};
void PrintTo(const Fault& c, std::ostream* os) {
    *os << c.name;
}

class ReplaceFileFault : public ReplaceFileTest, public ::testing::WithParamInterface<Fault> {};

TEST_P(ReplaceFileFault, LeavesTheOldFileByteForByteAndNoNewFileAndSaysWhy) {
    calls_.writes = GetParam().writes;
    calls_.failing = GetParam().failing;
    calls_.error = GetParam().error;
    std::string why = "untouched";
    EXPECT_FALSE(ReplaceFile(target_.string(), new_, &why, calls_));
    EXPECT_EQ(ReadAll(target_), old_);
    EXPECT_EQ(Names(), std::set<std::string>{"sim-nv.bin"}) << "the new file is removed";
    EXPECT_NE(why.find(target_.string()), std::string::npos) << why;
    EXPECT_NE(why.find(std::strerror(GetParam().error)), std::string::npos) << why;
}

const Fault kFaults[] = {
    {"NoNewFile", {}, "create temp", EACCES},
    {"WriteFails", {}, "write temp", ENOSPC},
    {"ShortWriteThenError", {{200}, {0, EIO}}, "", EIO},
    {"FsyncFails", {}, "fsync temp", EIO},
    {"CloseFails", {}, "close temp", EDQUOT},
    {"RenameFails", {}, "rename temp to target", EBUSY},
};
INSTANTIATE_TEST_SUITE_P(Steps, ReplaceFileFault, ::testing::ValuesIn(kFaults),
                         zkcomm::test::CaseName());

// A crash or a power cut half way through the write: nothing runs after it, yet the user's
// kept memory is still there.
TEST_F(ReplaceFileTest, ACrashMidWriteLeavesTheOldFile) {
    calls_.writes = {{260, 0, true}};
    std::string why;
    EXPECT_THROW(ReplaceFile(target_.string(), new_, &why, calls_), Crash);
    EXPECT_EQ(ReadAll(target_), old_);
    EXPECT_EQ(calls_.log, (std::vector<std::string>{"create temp", "write temp"}));
}

} // namespace
} // namespace zkcomm::sim::test
