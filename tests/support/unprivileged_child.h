// Permission tests mean nothing to root, and the tests run as root in CI: such a test body runs
// in a forked child that has dropped to a spare unprivileged user first. The child's failures
// come back to the calling test with their file and line.
#ifndef TESTS_SUPPORT_UNPRIVILEGED_CHILD_H
#define TESTS_SUPPORT_UNPRIVILEGED_CHILD_H

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <grp.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>

namespace unprivileged {

// "nobody": owns nothing of the test's, belongs to no group but its own.
inline constexpr uid_t User = 65534;
inline constexpr gid_t Group = 65534;

inline bool IsRoot() {
    return ::geteuid() == 0;
}

// Gives a folder made by the test to the user the child runs as.
inline void HandOver(const std::filesystem::path& folder) {
    if (IsRoot()) {
        ASSERT_EQ(::chown(folder.c_str(), User, Group), 0) << std::strerror(errno);
    }
}

namespace detail {

// Fields end with \x1F, failures with \x1E; neither stands in a gtest message.
inline std::string Encode(const ::testing::TestPartResultArray& results) {
    std::string out;
    for (int i = 0; i < results.size(); ++i) {
        const ::testing::TestPartResult& r = results.GetTestPartResult(i);
        if (!r.failed()) {
            continue;
        }
        out += std::string(r.file_name() != nullptr ? r.file_name() : "?") + '\x1F' +
               std::to_string(r.line_number()) + '\x1F' + r.message() + '\x1E';
    }
    return out;
}

inline void WriteAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return;
        }
        done += static_cast<std::size_t>(n);
    }
}

[[noreturn]] inline void Child(int fd, const std::function<void()>& body) {
    ::testing::TestPartResultArray results;
    {
        ::testing::ScopedFakeTestPartResultReporter reporter(
            ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &results);
        const bool dropped = !IsRoot() || (::setgroups(0, nullptr) == 0 && ::setgid(Group) == 0 &&
                                           ::setuid(User) == 0);
        if (!dropped) {
            ADD_FAILURE() << "could not drop to uid " << User << ": " << std::strerror(errno);
        } else if (::geteuid() == 0) {
            ADD_FAILURE() << "still root after dropping";
        } else {
            body();
        }
    }
    WriteAll(fd, Encode(results));
    ::close(fd);
    // No exit handlers: they belong to the parent's test run.
    ::_exit(0);
}

} // namespace detail

// Runs body as the unprivileged user (as the caller when not root) and reports its failures.
inline void Run(const std::function<void()>& body) {
    int pipeFds[2];
    ASSERT_EQ(::pipe(pipeFds), 0);
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0) << std::strerror(errno);
    if (pid == 0) {
        ::close(pipeFds[0]);
        detail::Child(pipeFds[1], body);
    }
    ::close(pipeFds[1]);
    std::string report;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(pipeFds[0], buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            break;
        }
        report.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(pipeFds[0]);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
        << "the unprivileged child did not finish its test (status " << status << ")";

    std::size_t start = 0;
    while (start < report.size()) {
        const std::size_t end = report.find('\x1E', start);
        const std::string entry = report.substr(start, end - start);
        start = end == std::string::npos ? report.size() : end + 1;
        const std::size_t a = entry.find('\x1F');
        const std::size_t b = entry.find('\x1F', a + 1);
        if (a == std::string::npos || b == std::string::npos) {
            ADD_FAILURE() << "unreadable report from the unprivileged child: " << entry;
            continue;
        }
        const std::string file = entry.substr(0, a);
        const int line = std::atoi(entry.substr(a + 1, b - a - 1).c_str());
        ADD_FAILURE_AT(file.c_str(), line)
            << "[as uid " << (IsRoot() ? User : ::geteuid()) << "] " << entry.substr(b + 1);
    }
}

} // namespace unprivileged

#endif
