#include "zktools/platform/gui_application.h"

#include "zktools/platform/drop_down_style.h"
#include "zktools/platform/exception_guard.h"

namespace zk::platform {

GuiApplication::GuiApplication(int& argc, char** argv) : QApplication(argc, argv) {
    UseDropDownStyle();
}

bool GuiApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ReportException(error);
    } catch (...) {
        ReportUnknownException();
    }
    return false;
}

} // namespace zk::platform
