#include "zktools/platform/modal_form.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEventLoop>
#include <QHideEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "zktools/platform/desktop_keys.h"
#include "zktools/platform/exception_guard.h"
#include "zktools/platform/modal_hooks.h"
#include "zktools/platform/window_owner.h"

namespace zk::platform {

namespace {
// Forms whose run is going, outermost first.
std::vector<ModalForm*>& RunningForms() {
    static std::vector<ModalForm*> forms;
    return forms;
}

// Modal Qt dialogs (message boxes, file dialogs) stacked above the ModalForms.
void RejectForeignModalDialogs() {
    for (int guard = 0; guard < 16; ++guard) {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || qobject_cast<ModalForm*>(dialog) != nullptr)
            return;
        dialog->reject();
    }
}
} // namespace

ModalForm::ModalForm(QWidget* parent) : QDialog(parent), radioKeys_(new RadioGroupKeys(this)) {}

ModalForm::~ModalForm() {
    // Destroyed inside its own run: the run cannot go on, but nothing may keep
    // pointing at this form.
    std::erase(RunningForms(), this);
    if (loop_ != nullptr)
        loop_->exit(0);
}

ModalForm* ModalForm::Innermost() {
    auto& forms = RunningForms();
    return forms.empty() ? nullptr : forms.back();
}

ModalForm* ModalForm::OuterRunning() const {
    auto& forms = RunningForms();
    const auto self = std::find(forms.begin(), forms.end(), this);
    return self == forms.end() || self == forms.begin() ? nullptr : *(self - 1);
}

int ModalForm::ShowModal() {
    if (running_)
        throw std::logic_error("A form already shown modally cannot be shown modally again");

    modalResult_ = kModalNone;
    aborted_ = false;
    hiddenInRun_ = false;
    const unsigned long long run = ++runCounter_;

    // Qt presses an "auto default" button on Enter even when the focus is in an
    // edit; here only the focused button or a declared default button answers Enter.
    for (auto* button : findChildren<QPushButton*>())
        button->setAutoDefault(false);
    // Arrow keys in radio groups check and click as on the desktop.
    radioKeys_->Watch(*this);

    // Modality only takes effect when the window is shown.
    if (isVisible())
        hide();
    // Without an owner the window manager may stack the form below the window it was
    // opened from, when that one stays on top.
    const QPointer<QWidget> owner = DialogOwner(this);
    SetTransientOwner(*this, owner);
    setWindowModality(Qt::ApplicationModal);
    running_ = true;
    RunningForms().push_back(this);
    show();
    raise();
    activateWindow();
    Guard([this] { FormActivate(); });

    QEventLoop loop;
    loop_ = &loop;

    QTimer watchdog;
    const auto timeout = detail::CurrentModalWatchdog().timeout;
    if (timeout.count() > 0) {
        watchdog.setSingleShot(true);
        connect(&watchdog, &QTimer::timeout, this, [this] { OnWatchdog(); });
        watchdog.start(timeout);
    }
    QMetaObject::invokeMethod(
        this, [this, run] { RunStartHook(run); }, Qt::QueuedConnection);

    for (;;) {
        if (modalResult_ == kModalNone && !aborted_) {
            // -1: the application is quitting and no loop can run any more.
            if (loop.exec(QEventLoop::DialogExec) == -1)
                Abort();
        }
        if (aborted_)
            break;
        if (modalResult_ == kModalNone)
            continue;
        bool mayClose = false;
        Guard([this, &mayClose] { mayClose = FormCloseQuery(); });
        if (mayClose)
            break;
        modalResult_ = kModalNone;
    }

    watchdog.stop();
    loop_ = nullptr;
    Guard([this] { FormClose(); });
    running_ = false;
    std::erase(RunningForms(), this);
    hide();
    // The keyboard goes back to the opener; a window manager may leave it nowhere.
    if (owner != nullptr && owner->isVisible()) {
        const QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || modal == owner->window())
            owner->activateWindow();
    }
    Guard([this] { FormDeactivate(); });
    return modalResult_;
}

void ModalForm::SetModalResult(int result) {
    modalResult_ = result;
    if (result != kModalNone && loop_ != nullptr)
        loop_->exit(0);
}

void ModalForm::BindModalResult(QAbstractButton* button, int result) {
    connect(button, &QAbstractButton::clicked, this, [this, result] { SetModalResult(result); });
}

void ModalForm::SetCancelButton(QAbstractButton* button) {
    cancelButton_ = button;
}

void ModalForm::RunStartHook(unsigned long long run) {
    if (!running_ || run != runCounter_)
        return;
    const ModalFormCallback hook = detail::ModalStartHook();
    if (hook)
        Guard([&] { hook(*this); });
}

void ModalForm::OnWatchdog() {
    const ModalFormCallback onStuck = detail::CurrentModalWatchdog().onStuck;
    if (onStuck)
        Guard([&] { onStuck(*this); });
    auto& forms = RunningForms();
    const auto self = std::find(forms.begin(), forms.end(), this);
    if (self == forms.end())
        return;
    // This run and every run nested inside it; innermost first.
    std::vector<ModalForm*> doomed(self, forms.end());
    std::reverse(doomed.begin(), doomed.end());
    RejectForeignModalDialogs();
    for (ModalForm* form : doomed)
        form->Abort();
}

void ModalForm::Abort() {
    aborted_ = true;
    if (modalResult_ == kModalNone)
        modalResult_ = kModalCancel;
    if (loop_ != nullptr)
        loop_->exit(0);
}

void ModalForm::done(int result) {
    if (!running_) {
        QDialog::done(result);
        return;
    }
    // QDialog::reject (close box, closeEvent) arrives as Rejected; accept as Accepted.
    if (result == QDialog::Rejected)
        Guard([this] { OnCloseBox(); });
    else
        SetModalResult(result);
}

QAbstractButton* ModalForm::EnterTarget() const {
    if (QPushButton* focused = FocusedPushButton(*this))
        return focused;
    for (auto* button : findChildren<QPushButton*>()) {
        if (button->isDefault() && CanPress(button))
            return button;
    }
    return nullptr;
}

void ModalForm::keyPressEvent(QKeyEvent* event) {
    const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (!running_ || modifiers != Qt::NoModifier) {
        QDialog::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Escape:
        if (CanPress(cancelButton_))
            cancelButton_->click();
        else
            Guard([this] { OnCloseBox(); });
        event->accept();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (QAbstractButton* target = EnterTarget()) {
            target->click();
            event->accept();
        } else {
            event->ignore();
        }
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

bool ModalForm::focusNextPrevChild(bool next) {
    return FocusNextStop(*this, next, [this](bool n) { return QDialog::focusNextPrevChild(n); });
}

void ModalForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (running_ && hiddenInRun_ && !event->spontaneous()) {
        hiddenInRun_ = false;
        Guard([this] { FormActivate(); });
    }
}

void ModalForm::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (running_ && !event->spontaneous())
        hiddenInRun_ = true;
}

} // namespace zk::platform
