// The launcher's window over the scripted platform and the recording message
// seam. Every message shown joins the platform's log in its place in time as
// "message: <text>", so one trace shows requests and messages in order.
#ifndef TESTS_ZKSTART_LAUNCHER_FIXTURE_H
#define TESTS_ZKSTART_LAUNCHER_FIXTURE_H

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QStringList>

#include <memory>
#include <string>
#include <vector>

#include "tests/platform/platform_fakes.h"
#include "zkstart/platform/scripted_launcher_platform.h"
#include "zkstart/st_main_form.h"

namespace zk::start::test {

using Trace = std::vector<std::string>;

inline Trace operator+(Trace first, const Trace& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

class LauncherFixture : public ::testing::Test {
protected:
    LauncherFixture() {
        fakes.messages.SetOnMessage([this](const zk::platform::RecordedMessage& shown) {
            platform.Note("message: " + shown.text.toStdString());
        });
    }

    ~LauncherFixture() override {
        // Handles are checked by every test: none used wrongly, none left open.
        EXPECT_EQ(platform.Misuses(), std::vector<std::string>{});
        EXPECT_EQ(platform.OpenHandles(), std::vector<std::string>{});
    }

    // The window shown as the program shows it, its activation delivered.
    TstMainForm& Show(const QStringList& arguments = {}) {
        form = std::make_unique<TstMainForm>(platform, arguments);
        form->show();
        QCoreApplication::sendPostedEvents();
        return *form;
    }

    // Shows the window and lets its timer's interval pass.
    TstMainForm& Run(const QStringList& arguments = {}) {
        TstMainForm& shown = Show(arguments);
        EXPECT_TRUE(shown.Timer1.Fire()) << "the timer was not armed by the first showing";
        QCoreApplication::sendPostedEvents();
        return shown;
    }

    zk::platform::testing::PlatformFakes fakes;
    ScriptedLauncherPlatform platform;
    std::unique_ptr<TstMainForm> form;
};

} // namespace zk::start::test

#endif
