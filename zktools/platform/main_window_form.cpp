#include "zktools/platform/main_window_form.h"

#include <QKeyEvent>
#include <QPushButton>

#include "zktools/platform/desktop_keys.h"

namespace zk::platform {

MainWindowForm::MainWindowForm(QWidget* parent)
    : QMainWindow(parent), radioKeys_(new RadioGroupKeys(this)) {}

void MainWindowForm::keyPressEvent(QKeyEvent* event) {
    // A push button outside a dialog leaves Enter to its window.
    if (IsPlainEnter(*event)) {
        if (QPushButton* button = FocusedPushButton(*this)) {
            button->click();
            event->accept();
            return;
        }
    }
    QMainWindow::keyPressEvent(event);
}

bool MainWindowForm::focusNextPrevChild(bool next) {
    return FocusNextStop(*this, next,
                         [this](bool n) { return QMainWindow::focusNextPrevChild(n); });
}

void MainWindowForm::showEvent(QShowEvent* event) {
    radioKeys_->Watch(*this);
    QMainWindow::showEvent(event);
}

} // namespace zk::platform
