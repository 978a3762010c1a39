// Not a test: starts the windows as the program does and saves pictures of the
// main window, its three menus and the About box, for people to look at.
//   window_shots <folder>
// Run it under a real display (xvfb-run, QT_QPA_PLATFORM=xcb) with
// ZKCOMM_SIMULATOR=1 and a scratch ZKTOOLS_SETTINGS_FILE.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QTest>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include <unistd.h>

#include "zktools/forms/about_box.h"
#include "zktools/forms/main_form.h"
#include "zktools/forms/windows.h"
#include "zktools/platform/application_title.h"
#include "zktools/platform/exception_guard.h"
#include "zktools/platform/gui_application.h"
#include "zktools/platform/modal_form.h"
#include "zktools/platform/modal_hooks.h"

namespace {

void WaitExposed(QWidget& widget) {
    if (!QTest::qWaitForWindowExposed(&widget))
        std::printf("\"%s\" was not exposed\n", qPrintable(widget.windowTitle()));
}

void Save(QWidget& widget, const QString& path) {
    const bool saved = widget.grab().save(path);
    std::printf("%s \"%s\" %dx%d -> %s\n", saved ? "saved" : "FAILED",
                qPrintable(widget.windowTitle()), widget.width(), widget.height(),
                qPrintable(path));
}

void SaveMenu(QMenu& menu, const QPoint& at, const QString& path) {
    menu.popup(at);
    WaitExposed(menu);
    QTest::qWait(100);
    Save(menu, path);
    menu.hide();
}

// Seconds since this process was started (10 ms steps), from /proc.
double SecondsSinceProcessStart() {
    std::ifstream statFile("/proc/self/stat");
    std::string stat((std::istreambuf_iterator<char>(statFile)), {});
    // Field 22, counted after the command name's closing parenthesis.
    std::istringstream fields(stat.substr(stat.rfind(')') + 2));
    std::string field;
    for (int i = 3; i <= 22 && fields >> field; ++i) {
    }
    double uptime = 0;
    std::ifstream("/proc/uptime") >> uptime;
    return uptime - std::stod(field) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

} // namespace

int main(int argc, char** argv) {
    QElapsedTimer clock;
    clock.start();
    zk::platform::GuiApplication application(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    zk::platform::SetApplicationTitle(QStringLiteral("VantorTools"));
    int result = 1;
    zk::platform::Guard([&] {
        CreateWindows();
        MainForm->show();
        WaitExposed(*MainForm);
        std::printf("main window exposed %lld ms after main() began, %.0f ms after the "
                    "process started\n",
                    static_cast<long long>(clock.elapsed()), 1000 * SecondsSinceProcessStart());
        QTest::qWait(300);
        Save(*MainForm, folder + "/main-window.png");

        QMenuBar* bar = MainForm->menuBar();
        QMenu* menus[] = {MainForm->mnuPortSelection, MainForm->mnuFunction, MainForm->mnuHelp};
        const char* names[] = {"menu-port", "menu-functions", "menu-help"};
        for (int i = 0; i < 3; ++i) {
            const QRect item = bar->actionGeometry(menus[i]->menuAction());
            SaveMenu(*menus[i], bar->mapToGlobal(item.bottomLeft()),
                     folder + "/" + names[i] + ".png");
        }

        zk::platform::SetModalStartHook([&](zk::platform::ModalForm& form) {
            WaitExposed(form);
            QTest::qWait(300);
            Save(form, folder + "/about-box.png");
            form.SetModalResult(zk::platform::kModalOk);
        });
        MainForm->mnuAbout->trigger();
        zk::platform::SetModalStartHook({});
        MainForm->mnuExit->trigger();
        result = 0;
    });
    zk::platform::Guard([] { DestroyWindows(); });
    return result;
}
