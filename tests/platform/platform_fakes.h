// Every platform seam replaced by its recording one for the fixture's lifetime.
// At the end it checks that no prompt or file dialog went unanswered by the
// test's script and that no scripted answer was left over.
#ifndef TESTS_PLATFORM_PLATFORM_FAKES_H
#define TESTS_PLATFORM_PLATFORM_FAKES_H

#include <gtest/gtest.h>

#include "zktools/platform/file_dialog_script.h"
#include "zktools/platform/help_recorder.h"
#include "zktools/platform/memory_settings_store.h"
#include "zktools/platform/message_recorder.h"
#include "zktools/platform/pause_recorder.h"
#include "zktools/platform/platform.h"

namespace zk::platform::testing {

struct PlatformFakes {
    MessageRecorder messages;
    FileDialogScript files;
    MemorySettingsStore settings;
    HelpRecorder help;
    PauseRecorder pauses;

    PlatformFakes() = default;
    PlatformFakes(const PlatformFakes&) = delete;
    PlatformFakes& operator=(const PlatformFakes&) = delete;

    ~PlatformFakes() {
        EXPECT_EQ(messages.UnscriptedQuestions(), 0) << "a Yes/No prompt had no scripted answer";
        EXPECT_EQ(messages.PendingAnswers(), 0) << "scripted Yes/No answers were not used";
        EXPECT_EQ(files.Unscripted(), 0) << "a file dialog had no scripted answer";
        EXPECT_EQ(files.PendingAnswers(), 0) << "scripted file dialog answers were not used";
    }

private:
    // Installed after the fakes exist, removed before they go.
    ScopedService<MessageRecorder> useMessages_{messages};
    ScopedService<FileDialogScript> useFiles_{files};
    ScopedService<MemorySettingsStore> useSettings_{settings};
    ScopedService<HelpRecorder> useHelp_{help};
    ScopedService<PauseRecorder> usePauses_{pauses};
};

} // namespace zk::platform::testing

#endif
