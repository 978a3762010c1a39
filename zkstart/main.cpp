// The launcher: the application, its splash window, the message loop. The window
// closes itself when the work is done, which ends the loop.
#include <QCoreApplication>

#include <cstdio>
#include <exception>

#include "zkstart/platform/linux_launcher_platform.h"
#include "zkstart/st_main_form.h"
#include "zkstart/tool_command_line.h"
#include "zktools/platform/application_title.h"
#include "zktools/platform/exception_guard.h"
#include "zktools/platform/gui_application.h"

int main(int argc, char** argv) {
    // Before the application object takes its own options out of argv.
    const QStringList arguments = zk::start::LauncherArguments(argc, argv);
    try {
        zk::platform::GuiApplication application(argc, argv);
        zk::platform::SetApplicationTitle(QStringLiteral("zkstart"));
        zk::platform::Guard([&] {
            zk::start::LinuxLauncherPlatform platform(QCoreApplication::applicationDirPath());
            TstMainForm form(platform, arguments);
            stMainForm = &form;
            form.show();
            application.exec();
            stMainForm = nullptr;
        });
    } catch (const std::exception& error) {
        // No application to show it in.
        std::fprintf(stderr, "zkstart: %s\n", error.what());
    }
    return 0;
}
