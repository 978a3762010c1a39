// The one lock of the program over the link library, whose single port state takes no lock
// of its own. Every call into the link library, from any thread, is made while holding it.
//
// The model's drive operations take it themselves, each single-parameter operation from its
// first link call to its last. Code that calls the link library directly (port selection, the
// version strings) takes it around just that call:
//
//     {
//         std::lock_guard<std::mutex> lock(LinkLock());
//         result = UseParallelPort(port);
//     }
//
// Never call a DataProcess drive operation while holding it (the lock is not recursive), and
// never hold it while sleeping, showing a window or waiting for another thread.
#ifndef ZKTOOLS_MODEL_LINK_LOCK_H
#define ZKTOOLS_MODEL_LINK_LOCK_H

#include <mutex>

// Built on first use, so it is ready for callers running before main.
std::mutex& LinkLock() noexcept;

#endif
