// The application object: catches an exception that an event handler let escape,
// shows it through the exception display and goes on. Last resort only: Qt Widgets
// has no exception cleanups, so the frames it unwinds leave their state behind.
// Slots run their bodies inside Guard (exception_guard.h). Drop-down lists follow
// drop_down_style.h.
#ifndef ZKTOOLS_PLATFORM_GUI_APPLICATION_H
#define ZKTOOLS_PLATFORM_GUI_APPLICATION_H

#include <QApplication>

namespace zk::platform {

class GuiApplication : public QApplication {
    Q_OBJECT
public:
    GuiApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace zk::platform

#endif
