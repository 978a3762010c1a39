// The program: the application, its windows, the message loop.
#include <QByteArray>

#include <cstdio>
#include <exception>

#include "zktools/forms/main_form.h"
#include "zktools/forms/windows.h"
#include "zktools/platform/application_title.h"
#include "zktools/platform/exception_guard.h"
#include "zktools/platform/gui_application.h"

int main(int argc, char** argv) {
    int result = 0;
    try {
        zk::platform::GuiApplication application(argc, argv);
        zk::platform::SetApplicationTitle(QStringLiteral("VantorTools"));
        const bool ran = zk::platform::Guard([&] {
            CreateWindows();
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
