#include "zktools/guided/wizard_edit_keys.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "zktools/platform/exception_guard.h"

namespace wizard {

namespace {
bool IsEnter(const QKeyEvent& event) {
    const auto modifiers = event.modifiers() & ~Qt::KeypadModifier;
    return (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) &&
           modifiers == Qt::NoModifier;
}
} // namespace

void EditKeys::Watch(QLineEdit* edit, QWidget* enterTarget, std::function<void()> onCharacter) {
    entries_[edit] = Entry{enterTarget, std::move(onCharacter)};
    edit->installEventFilter(this);
}

bool EditKeys::IsCharacterKey(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Backspace:
        return true;
    // Navigation and dialog keys arrive without a character.
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return false;
    default:
        return !event.text().isEmpty();
    }
}

bool EditKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto found = entries_.find(watched);
    if (found == entries_.end())
        return QObject::eventFilter(watched, event);
    const auto& key = *static_cast<QKeyEvent*>(event);
    if (IsCharacterKey(key) && found->second.onCharacter)
        zk::platform::Guard(found->second.onCharacter);
    if (!IsEnter(key))
        return false;
    // Enter is taken here: passed on, the form would press the button that now has
    // the focus.
    if (QWidget* target = found->second.enterTarget)
        target->setFocus(Qt::OtherFocusReason);
    return true;
}

} // namespace wizard
