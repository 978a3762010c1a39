#include "zktools/platform/desktop_keys.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

#include "zktools/platform/exception_guard.h"

namespace zk::platform {

namespace {

// The next usable member after `from` (before it when !forward), wrapping; nullptr when
// `from` is the only one.
QAbstractButton* NextInGroup(const QList<QAbstractButton*>& group, QAbstractButton* from,
                             bool forward) {
    const auto count = group.size();
    const auto at = group.indexOf(from);
    if (at < 0)
        return nullptr;
    for (qsizetype step = 1; step < count; ++step) {
        const auto index = (at + (forward ? step : count - step)) % count;
        if (CanPress(group[index]))
            return group[index];
    }
    return nullptr;
}

} // namespace

bool CanPress(const QAbstractButton* button) {
    return button != nullptr && button->isEnabled() && button->isVisible();
}

QList<QAbstractButton*> RadioGroupOf(const QAbstractButton* button) {
    if (button == nullptr || !button->isCheckable())
        return {};
    if (const QButtonGroup* buttons = button->group())
        return buttons->exclusive() ? buttons->buttons() : QList<QAbstractButton*>{};
    const auto* radio = qobject_cast<const QRadioButton*>(button);
    if (radio == nullptr || !radio->autoExclusive() || radio->parentWidget() == nullptr)
        return {};
    QList<QAbstractButton*> group;
    for (QRadioButton* sibling :
         radio->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly)) {
        if (sibling->autoExclusive() && sibling->group() == nullptr)
            group.push_back(sibling);
    }
    return group;
}

QAbstractButton* RadioGroupTabStop(const QList<QAbstractButton*>& group) {
    for (QAbstractButton* button : group) {
        if (button->isChecked() && CanPress(button))
            return button;
    }
    for (QAbstractButton* button : group) {
        if (CanPress(button))
            return button;
    }
    return nullptr;
}

bool FocusNextStop(QWidget& window, bool next, const std::function<bool(bool)>& step) {
    QWidget* const start = window.focusWidget();
    const QList<QAbstractButton*> startGroup =
        RadioGroupOf(qobject_cast<const QAbstractButton*>(start));
    // Bounded: a window whose every stop lies in one group comes back to the start.
    for (int guard = 0; guard < 1024; ++guard) {
        if (!step(next))
            return false;
        QWidget* const now = window.focusWidget();
        auto* const button = qobject_cast<QAbstractButton*>(now);
        const QList<QAbstractButton*> group = RadioGroupOf(button);
        if (group.isEmpty() || now == start)
            return true;
        if (startGroup.contains(button))
            continue; // still in the group Tab is leaving
        QAbstractButton* stop = RadioGroupTabStop(group);
        if (stop != nullptr && stop != now)
            stop->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }
    return true;
}

QPushButton* FocusedPushButton(const QWidget& window) {
    auto* button = qobject_cast<QPushButton*>(window.focusWidget());
    return CanPress(button) ? button : nullptr;
}

bool IsPlainEnter(const QKeyEvent& event) {
    const auto modifiers = event.modifiers() & ~Qt::KeypadModifier;
    return (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) &&
           modifiers == Qt::NoModifier;
}

void RadioGroupKeys::Watch(QWidget& window) {
    // Installing the same filter again does not add it twice.
    for (QRadioButton* radio : window.findChildren<QRadioButton*>())
        radio->installEventFilter(this);
}

bool RadioGroupKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto& key = *static_cast<QKeyEvent*>(event);
    if ((key.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return QObject::eventFilter(watched, event);
    bool forward = true;
    switch (key.key()) {
    case Qt::Key_Down:
    case Qt::Key_Right:
        break;
    case Qt::Key_Up:
    case Qt::Key_Left:
        forward = false;
        break;
    default:
        return QObject::eventFilter(watched, event);
    }
    auto* const button = qobject_cast<QAbstractButton*>(watched);
    const QList<QAbstractButton*> group = RadioGroupOf(button);
    if (group.isEmpty())
        return QObject::eventFilter(watched, event);
    if (QAbstractButton* target = NextInGroup(group, button, forward)) {
        // Focus first, then the click: the click's handler has the last word on the focus.
        target->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        Guard([target] { target->click(); });
    }
    return true;
}

} // namespace zk::platform
