#include "zktools/model/link_lock.h"

std::mutex& LinkLock() noexcept {
    static std::mutex lock;
    return lock;
}
