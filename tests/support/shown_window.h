// How a window was shown, for tests of which window it lies above: its transient parent
// (what the window manager keeps it above) and whether it is application-modal.
#ifndef TESTS_SUPPORT_SHOWN_WINDOW_H
#define TESTS_SUPPORT_SHOWN_WINDOW_H

#include <QWidget>
#include <QWindow>

namespace zk::testing {

struct ShownWindow {
    const QWidget* window = nullptr;
    const QWindow* transientParent = nullptr;
    bool modal = false;
};

// The window handle of `widget`'s window, or nullptr.
inline const QWindow* HandleOf(const QWidget* widget) {
    return widget == nullptr ? nullptr : widget->window()->windowHandle();
}

inline ShownWindow TakeShown(const QWidget* window) {
    ShownWindow shown;
    shown.window = window;
    const QWindow* handle = window->windowHandle();
    shown.transientParent = handle != nullptr ? handle->transientParent() : nullptr;
    shown.modal = window->isVisible() && handle != nullptr &&
                  handle->modality() == Qt::ApplicationModal;
    return shown;
}

} // namespace zk::testing

#endif
