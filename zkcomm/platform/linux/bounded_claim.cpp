#include "zkcomm/platform/linux/bounded_claim.h"

#include <cerrno>
#include <csignal>
#include <ctime>
#include <linux/ppdev.h>
#include <pthread.h>
#include <sys/ioctl.h>
#include <unistd.h>

// PPCLAIM sleeps interruptibly and comes back with EINTR, never restarted,
// when a signal whose handler runs arrives. A timer aimed at the claiming
// thread alone bounds the sleep: first at the limit, then again every
// RepeatEvery until the claim returns, because a tick that lands just before
// the ioctl goes to sleep interrupts nothing. The handler does nothing; the
// deadline check tells the timer's EINTR from anybody else's.

namespace zkcomm::linux_platform {

namespace {

constexpr long RepeatEveryNs = 10'000'000;

void OnClaimTimer(int) {}

// The highest real-time signal nobody has taken, given a handler of ours once
// for the process: without SA_RESTART, so the claim is not resumed. -1 when
// every one is taken.
int ClaimSignal() {
    static const int signo = [] {
        for (int s = SIGRTMAX; s >= SIGRTMIN; --s) {
            struct sigaction current {};
            if (::sigaction(s, nullptr, &current) != 0 || (current.sa_flags & SA_SIGINFO) != 0 ||
                current.sa_handler != SIG_DFL) {
                continue;
            }
            struct sigaction action {};
            action.sa_handler = OnClaimTimer;
            sigemptyset(&action.sa_mask);
            action.sa_flags = 0;
            if (::sigaction(s, &action, nullptr) == 0) {
                return s;
            }
        }
        return -1;
    }();
    return signo;
}

timespec ToTimespec(std::chrono::nanoseconds d) {
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(d);
    return timespec{static_cast<time_t>(seconds.count()), static_cast<long>((d - seconds).count())};
}

int PlainClaim(PpdevSystem& system, int fd) {
    while (system.Ioctl(fd, PPCLAIM, nullptr) != 0) {
        if (errno != EINTR) {
            return errno;
        }
    }
    return 0;
}

// Unblocks the signal in this thread for as long as the timer lives, so every
// tick is delivered (and none left pending) before the old mask comes back.
class ClaimTimer {
public:
    ClaimTimer(int signo, std::chrono::milliseconds limit) {
        sigset_t only;
        sigemptyset(&only);
        sigaddset(&only, signo);
        ::pthread_sigmask(SIG_UNBLOCK, &only, &saved_);
        sigevent event{};
        event.sigev_notify = SIGEV_THREAD_ID;
        event.sigev_signo = signo;
        event._sigev_un._tid = ::gettid();
        armed_ = ::timer_create(CLOCK_MONOTONIC, &event, &timer_) == 0;
        if (armed_) {
            itimerspec spec{};
            spec.it_value = ToTimespec(limit);
            spec.it_interval = timespec{0, RepeatEveryNs};
            if (::timer_settime(timer_, 0, &spec, nullptr) != 0) {
                ::timer_delete(timer_);
                armed_ = false;
            }
        }
    }
    ~ClaimTimer() {
        if (armed_) {
            ::timer_delete(timer_);
        }
        ::pthread_sigmask(SIG_SETMASK, &saved_, nullptr);
    }
    ClaimTimer(const ClaimTimer&) = delete;
    ClaimTimer& operator=(const ClaimTimer&) = delete;
    bool Armed() const { return armed_; }

private:
    sigset_t saved_{};
    timer_t timer_{};
    bool armed_ = false;
};

} // namespace

int ClaimWithin(PpdevSystem& system, int fd, std::chrono::milliseconds limit) {
    const int signo = ClaimSignal();
    if (signo < 0) {
        return PlainClaim(system, fd); // no signal to spare: the kernel's wait
    }
    // Same clock as the timer, read before it is armed: its first tick never
    // comes before the deadline.
    const auto deadline = std::chrono::steady_clock::now() + limit;
    const ClaimTimer timer(signo, limit);
    if (!timer.Armed()) {
        return PlainClaim(system, fd);
    }
    while (system.Ioctl(fd, PPCLAIM, nullptr) != 0) {
        if (errno != EINTR) {
            return errno;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return EBUSY;
        }
    }
    return 0;
}

} // namespace zkcomm::linux_platform
