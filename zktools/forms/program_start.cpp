#include "zktools/forms/program_start.h"

#include <QStringList>

#include <cstdio>
#include <exception>

#include "zktools/forms/main_form.h"
#include "zktools/forms/windows.h"
#include "zktools/platform/application_title.h"
#include "zktools/platform/command_line.h"
#include "zktools/platform/exception_guard.h"
#include "zktools/platform/gui_application.h"

int RunTool(int argc, char** argv) {
    // Factory mode is judged on the command line as typed, Qt's own options included.
    const QStringList arguments = zk::platform::TypedArguments(argc, argv);
    int result = 0;
    try {
        zk::platform::GuiApplication application(argc, argv);
        zk::platform::SetApplicationTitle(QStringLiteral("VantorTools"));
        const bool ran = zk::platform::Guard([&] {
            CreateWindows(arguments);
            MainForm->show();
            application.exec();
        });
        if (!ran)
            result = 1;
        // Every window goes while the application still exists; the main window
        // writes the chosen port back as it goes.
        zk::platform::Guard([] { DestroyWindows(); });
    } catch (const std::exception& error) {
        // No application to show it in.
        std::fprintf(stderr, "zktools: %s\n", error.what());
        result = 1;
    }
    return result;
}
