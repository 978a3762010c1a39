// Not a test: pictures of the diagnostics window over the simulated drive, idle and after
// a run that finds two rules, for people to look at.
//   diagnostics_shots <folder>
// Run it under a real display (xvfb-run, QT_QPA_PLATFORM=xcb).
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QPushButton>
#include <QTest>

#include <cstdio>

#include "zkcomm/testing.h"
#include "zktools/guided/trouble.h"
#include "zktools/model/data_process.h"
#include "zktools/model/symbol_table.h"
#include "zktools/platform/application_title.h"
#include "zktools/platform/exception_guard.h"
#include "zktools/platform/gui_application.h"
#include "zktools/platform/modal_hooks.h"

namespace {

void Save(QWidget& widget, const QString& path) {
    QTest::qWait(200);
    const bool saved = widget.grab().save(path);
    std::printf("%s %dx%d -> %s\n", saved ? "saved" : "FAILED", widget.width(), widget.height(),
                qPrintable(path));
}

} // namespace

int main(int argc, char** argv) {
    zk::platform::GuiApplication application(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    zk::platform::SetApplicationTitle(QStringLiteral("VantorTools"));
    int result = 1;
    zk::platform::Guard([&] {
        zkcomm::testing::ScopedSimulator sim;
        if (!sim.Selected()) {
            std::printf("the simulated drive was not selected\n");
            return;
        }
        // Both PWM levels zero (the factory set) and a commutation offset.
        int32_t status = 0;
        DataProc.WriteVarToDrive("CommOff", 12, status);
        TTroubleshooting window;
        zk::platform::SetModalStartHook([&](zk::platform::ModalForm& form) {
            if (&form != &window)
                return;
            if (!QTest::qWaitForWindowExposed(&window))
                std::printf("the window was not exposed\n");
            Save(window, folder + QStringLiteral("/diagnostics_idle.png"));
            window.btnStart->click();
            window.Timer1.Fire();
            Save(window, folder + QStringLiteral("/diagnostics_after_run.png"));
            window.btnCancel->click();
        });
        window.ShowModal();
        zk::platform::SetModalStartHook({});
        result = 0;
    });
    return result;
}
