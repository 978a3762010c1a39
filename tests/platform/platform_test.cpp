// The access point: the desktop seams by default, a test's seam while its guard
// lives, the previous one back afterwards (also when guards nest).
#include <gtest/gtest.h>

#include "zktools/platform/desktop_help_service.h"
#include "zktools/platform/event_pumping_pause.h"
#include "zktools/platform/file_dialog_script.h"
#include "zktools/platform/help_recorder.h"
#include "zktools/platform/ini_settings_store.h"
#include "zktools/platform/memory_settings_store.h"
#include "zktools/platform/message_recorder.h"
#include "zktools/platform/pause_recorder.h"
#include "zktools/platform/platform.h"
#include "zktools/platform/qt_file_dialog_service.h"
#include "zktools/platform/qt_message_service.h"

namespace zk::platform {
namespace {

template <class Fake, class Desktop, auto Current> struct Seam {
    using FakeType = Fake;
    using DesktopType = Desktop;
    static auto& Get() { return Current(); }
};

template <class S> class PlatformSeamTest : public ::testing::Test {};

using Seams = ::testing::Types<Seam<MessageRecorder, QtMessageService, &Platform::Messages>,
                               Seam<FileDialogScript, QtFileDialogService, &Platform::Files>,
                               Seam<MemorySettingsStore, IniSettingsStore, &Platform::Settings>,
                               Seam<HelpRecorder, DesktopHelpService, &Platform::Help>,
                               Seam<PauseRecorder, EventPumpingPause, &Platform::Pauses>>;
TYPED_TEST_SUITE(PlatformSeamTest, Seams);

TYPED_TEST(PlatformSeamTest, GuardsPutTheirSeamInPlaceAndRestoreThePreviousOne) {
    using Fake = typename TypeParam::FakeType;
    using Desktop = typename TypeParam::DesktopType;
    auto* desktop = &TypeParam::Get();
    EXPECT_NE(dynamic_cast<Desktop*>(desktop), nullptr);

    Fake outer;
    Fake inner;
    {
        ScopedService useOuter(outer);
        EXPECT_EQ(&TypeParam::Get(), &outer);
        {
            ScopedService useInner(inner);
            EXPECT_EQ(&TypeParam::Get(), &inner);
        }
        EXPECT_EQ(&TypeParam::Get(), &outer);
    }
    EXPECT_EQ(&TypeParam::Get(), desktop);

    EXPECT_EQ(Platform::Use(&outer), nullptr);
    EXPECT_EQ(Platform::Use(static_cast<Fake*>(nullptr)), &outer);
    EXPECT_EQ(&TypeParam::Get(), desktop);
}

} // namespace
} // namespace zk::platform
