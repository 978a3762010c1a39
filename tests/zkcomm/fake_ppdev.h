// A ppdev driver inside the test, behind the back end's system-call seam.
// Devices are real files, opened and closed for real; the ioctls are answered
// as the kernel answers them. While another program holds the port, PPCLAIM
// sleeps interruptibly until it lets go: a signal whose handler runs ends the
// sleep with EINTR whatever SA_RESTART says (poll(2) is never restarted, like
// the kernel's claim), and a signal without a handler does not.
#ifndef TESTS_ZKCOMM_FAKE_PPDEV_H
#define TESTS_ZKCOMM_FAKE_PPDEV_H

#include "zkcomm/platform/linux/ppdev_system.h"

#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <linux/ppdev.h>
#include <map>
#include <mutex>
#include <poll.h>
#include <set>
#include <string>
#include <sys/ioctl.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace zkcomm::test {

class FakePpdev : public linux_platform::PpdevSystem {
public:
    FakePpdev() {
        if (::pipe2(letGo_, O_CLOEXEC) != 0) {
            letGo_[0] = letGo_[1] = -1;
        }
    }
    ~FakePpdev() override {
        ::close(letGo_[0]);
        ::close(letGo_[1]);
    }
    FakePpdev(const FakePpdev&) = delete;
    FakePpdev& operator=(const FakePpdev&) = delete;

    // Another program claims the port now and keeps it until LetGo.
    void Hold() {
        std::lock_guard<std::mutex> lock(mutex_);
        held_ = true;
    }
    // Wakes every sleeping claim; the port is free from now on.
    void LetGo() {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            held_ = false;
        }
        const char byte = 1;
        [[maybe_unused]] const ssize_t n = ::write(letGo_[1], &byte, 1);
    }
    // Waits until claims have gone to sleep on the held port `count` times,
    // the last one still asleep, or until `limit` has passed; false then.
    bool WaitForSleeps(size_t count, std::chrono::milliseconds limit) {
        std::unique_lock<std::mutex> lock(mutex_);
        return sleepsChanged_.wait_for(lock, limit,
                                       [this, count] { return sleeps_ >= count && sleeping_ > 0; });
    }
    // The next claim of a held port takes this long before it goes to sleep,
    // as if a signal came while the ioctl was on its way there.
    void DelayNextSleep(std::chrono::milliseconds delay) {
        std::lock_guard<std::mutex> lock(mutex_);
        delay_ = delay;
    }
    // Every later `request` fails with err.
    void Fail(unsigned long request, int err) {
        std::lock_guard<std::mutex> lock(mutex_);
        failures_[request] = err;
    }
    void SetStatus(uint8_t status) {
        std::lock_guard<std::mutex> lock(mutex_);
        status_ = status;
    }

    // The calls made, in order: "open", "close" or the ioctl's name.
    std::vector<std::string> Calls() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return calls_;
    }
    size_t OpenDevices() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return open_.size();
    }
    size_t ClaimSleeps() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return sleeps_;
    }
    std::vector<uint8_t> Written() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return written_;
    }

    int Open(const char* path, int flags) override {
        const int fd = ::open(path, flags);
        if (fd >= 0) {
            std::lock_guard<std::mutex> lock(mutex_);
            open_.insert(fd);
            calls_.push_back("open");
        }
        return fd;
    }
    int Close(int fd) override {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            open_.erase(fd);
            calls_.push_back("close");
        }
        return ::close(fd);
    }
    int Ioctl(int fd, unsigned long request, void* arg) override {
        std::unique_lock<std::mutex> lock(mutex_);
        calls_.push_back(Name(request));
        if (open_.count(fd) == 0) {
            errno = EBADF;
            return -1;
        }
        if (const auto failure = failures_.find(request); failure != failures_.end()) {
            errno = failure->second;
            return -1;
        }
        switch (request) {
        case PPCLAIM:
            return Claim(lock);
        case PPRELEASE:
            return 0;
        case PPWDATA:
            written_.push_back(*static_cast<unsigned char*>(arg));
            return 0;
        case PPRSTATUS:
            *static_cast<unsigned char*>(arg) = status_;
            return 0;
        default:
            errno = ENOTTY;
            return -1;
        }
    }

private:
    static std::string Name(unsigned long request) {
        switch (request) {
        case PPCLAIM:
            return "PPCLAIM";
        case PPRELEASE:
            return "PPRELEASE";
        case PPWDATA:
            return "PPWDATA";
        case PPRSTATUS:
            return "PPRSTATUS";
        default:
            return "ioctl " + std::to_string(request);
        }
    }

    // Sleeps until the holder lets go; EINTR when a handled signal comes first.
    int Claim(std::unique_lock<std::mutex>& lock) {
        if (held_ && delay_.count() > 0) {
            const auto until = std::chrono::steady_clock::now() + delay_;
            delay_ = {};
            lock.unlock();
            while (std::chrono::steady_clock::now() < until) {
                std::this_thread::sleep_until(until); // a signal here is lost, as in the kernel
            }
            lock.lock();
        }
        while (held_) {
            ++sleeping_;
            ++sleeps_;
            sleepsChanged_.notify_all();
            lock.unlock();
            pollfd wake{letGo_[0], POLLIN, 0};
            const int woken = ::poll(&wake, 1, -1);
            const int err = errno;
            lock.lock();
            --sleeping_;
            if (woken < 0) {
                errno = err;
                return -1;
            }
        }
        return 0;
    }

    mutable std::mutex mutex_;
    std::condition_variable sleepsChanged_;
    int letGo_[2] = {-1, -1};
    bool held_ = false;
    int sleeping_ = 0;
    std::chrono::milliseconds delay_{};
    size_t sleeps_ = 0;
    uint8_t status_ = 0;
    std::map<unsigned long, int> failures_;
    std::set<int> open_;
    std::vector<std::string> calls_;
    std::vector<uint8_t> written_;
};

// A /proc and /dev of the test's in a fresh temporary folder: parportN with
// its base address in the kernel's table and a device file to open.
class FakeParports {
public:
    explicit FakeParports(const std::string& name)
        : root_(std::filesystem::temp_directory_path() /
                ("zkcomm-" + std::to_string(::getpid()) + "-" + name)) {
        std::filesystem::remove_all(root_);
        std::filesystem::create_directories(root_ / "dev");
        std::filesystem::create_directories(root_ / "proc");
    }
    ~FakeParports() { std::filesystem::remove_all(root_); }
    FakeParports(const FakeParports&) = delete;
    FakeParports& operator=(const FakeParports&) = delete;

    void Add(int index, uint16_t base) {
        const auto dir = root_ / "proc/sys/dev/parport" / ("parport" + std::to_string(index));
        std::filesystem::create_directories(dir);
        std::ofstream(dir / "base-addr") << base << "\t" << base + 0x400 << "\n";
        std::ofstream(root_ / "dev" / ("parport" + std::to_string(index))) << "";
    }
    std::string Proc() const { return (root_ / "proc").string(); }
    std::string Dev() const { return (root_ / "dev").string(); }

private:
    std::filesystem::path root_;
};

} // namespace zkcomm::test

#endif
