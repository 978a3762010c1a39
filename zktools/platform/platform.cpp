#include "zktools/platform/platform.h"

#include <utility>

#include "zktools/platform/desktop_help_service.h"
#include "zktools/platform/event_pumping_pause.h"
#include "zktools/platform/ini_settings_store.h"
#include "zktools/platform/qt_file_dialog_service.h"
#include "zktools/platform/qt_message_service.h"

namespace zk::platform {

namespace {
// The seam a test put in place (nullptr: none) and the desktop one, made on first use.
template <class Seam, class Desktop> struct Slot {
    static Seam*& Override() {
        static Seam* service = nullptr;
        return service;
    }
    static Seam& Current() {
        if (Seam* service = Override())
            return *service;
        static Desktop desktop;
        return desktop;
    }
    static Seam* Use(Seam* service) { return std::exchange(Override(), service); }
};

using MessagesSlot = Slot<MessageService, QtMessageService>;
using FilesSlot = Slot<FileDialogService, QtFileDialogService>;
using SettingsSlot = Slot<SettingsStore, IniSettingsStore>;
using HelpSlot = Slot<HelpService, DesktopHelpService>;
using PausesSlot = Slot<PauseService, EventPumpingPause>;
} // namespace

MessageService& Platform::Messages() {
    return MessagesSlot::Current();
}
FileDialogService& Platform::Files() {
    return FilesSlot::Current();
}
SettingsStore& Platform::Settings() {
    return SettingsSlot::Current();
}
HelpService& Platform::Help() {
    return HelpSlot::Current();
}
PauseService& Platform::Pauses() {
    return PausesSlot::Current();
}

MessageService* Platform::Use(MessageService* service) {
    return MessagesSlot::Use(service);
}
FileDialogService* Platform::Use(FileDialogService* service) {
    return FilesSlot::Use(service);
}
SettingsStore* Platform::Use(SettingsStore* service) {
    return SettingsSlot::Use(service);
}
HelpService* Platform::Use(HelpService* service) {
    return HelpSlot::Use(service);
}
PauseService* Platform::Use(PauseService* service) {
    return PausesSlot::Use(service);
}

void Pause(std::chrono::milliseconds duration) {
    Platform::Pauses().Pause(duration);
}

} // namespace zk::platform
