// The one access point to the platform seams. Each seam is the desktop one unless
// a test has put its own in place; ScopedService puts one in place for a scope.
// GUI thread only.
#ifndef ZKTOOLS_PLATFORM_PLATFORM_H
#define ZKTOOLS_PLATFORM_PLATFORM_H

#include <chrono>
#include <type_traits>

#include "zktools/platform/file_dialog_service.h"
#include "zktools/platform/help_service.h"
#include "zktools/platform/message_service.h"
#include "zktools/platform/pause_service.h"
#include "zktools/platform/settings_store.h"

namespace zk::platform {

class Platform {
public:
    static MessageService& Messages();
    static FileDialogService& Files();
    static SettingsStore& Settings();
    static HelpService& Help();
    static PauseService& Pauses();

    // Puts `service` in place (nullptr: the desktop one again); returns the one it
    // replaces, nullptr when that was the desktop one. The caller keeps ownership.
    static MessageService* Use(MessageService* service);
    static FileDialogService* Use(FileDialogService* service);
    static SettingsStore* Use(SettingsStore* service);
    static HelpService* Use(HelpService* service);
    static PauseService* Use(PauseService* service);
};

// Shorthand for Platform::Pauses().Pause(duration).
void Pause(std::chrono::milliseconds duration);

// Puts `service` in place for the guard's lifetime, then restores what was there.
template <class Service> class ScopedService {
public:
    explicit ScopedService(Service& service) : previous_(Platform::Use(&service)) {}
    ~ScopedService() { Platform::Use(previous_); }
    ScopedService(const ScopedService&) = delete;
    ScopedService& operator=(const ScopedService&) = delete;

private:
    using Seam = std::remove_pointer_t<decltype(Platform::Use(static_cast<Service*>(nullptr)))>;
    Seam* previous_;
};

} // namespace zk::platform

#endif
