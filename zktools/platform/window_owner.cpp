#include "zktools/platform/window_owner.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>

#include "zktools/platform/modal_form.h"

namespace zk::platform {

namespace {
bool OnScreen(const QWidget* window, const QWidget* opening) {
    return window != nullptr && window != opening && window->isVisible();
}

// True when `window` is `candidate` or lies (transiently) below it: making `window`
// transient for `candidate` would close a loop.
bool OwnsThroughChain(const QWindow* candidate, const QWindow* window) {
    for (const QWindow* step = candidate; step != nullptr; step = step->transientParent()) {
        if (step == window)
            return true;
    }
    return false;
}
} // namespace

QWidget* DialogOwner(const QWidget* opening) {
    // A wizard page hides itself while its successor runs: the visible form is the opener.
    for (ModalForm* form = ModalForm::Innermost(); form != nullptr;) {
        if (OnScreen(form, opening))
            return form;
        form = form->OuterRunning();
    }
    QWidget* active = QApplication::activeWindow();
    if (OnScreen(active, opening))
        return active;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->windowType() == Qt::Window && OnScreen(window, opening))
            return window;
    }
    return nullptr;
}

void SetTransientOwner(QWidget& window, QWidget* owner) {
    window.winId(); // the window handle exists from here on
    QWindow* handle = window.windowHandle();
    if (handle == nullptr)
        return;
    QWindow* parent = nullptr;
    if (owner != nullptr) {
        owner->window()->winId();
        parent = owner->window()->windowHandle();
    }
    if (parent != nullptr && OwnsThroughChain(parent, handle))
        parent = nullptr;
    handle->setTransientParent(parent);
}

} // namespace zk::platform
