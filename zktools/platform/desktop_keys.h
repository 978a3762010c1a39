// Keys as the desktop the windows come from answers them, where Qt's widgets differ.
// - Radio groups: an arrow key moves to the next enabled button of the group (wrapping at
//   its ends), gives it the focus and then clicks it, as a click would; the click handler
//   runs last, so it may move the focus on. Tab enters a group at its checked button and
//   leaves it at the next stop outside: one stop per group.
// - Enter presses the focused push button, as Space does.
// The window bases (ModalForm, MainWindowForm) apply these rules to every window.
#ifndef ZKTOOLS_PLATFORM_DESKTOP_KEYS_H
#define ZKTOOLS_PLATFORM_DESKTOP_KEYS_H

#include <QList>
#include <QObject>

#include <functional>

class QAbstractButton;
class QKeyEvent;
class QPushButton;
class QWidget;

namespace zk::platform {

// The buttons of the radio group `button` belongs to, in their order: the buttons of its
// exclusive button group, or its auto-exclusive sibling radio buttons. Empty when it is no
// member of a radio group.
QList<QAbstractButton*> RadioGroupOf(const QAbstractButton* button);

// Where Tab enters a radio group: its checked button, else its first enabled one.
QAbstractButton* RadioGroupTabStop(const QList<QAbstractButton*>& group);

// Tab (next) or Shift+Tab in `window` with one stop per radio group. `step` moves the focus
// one stop as Qt would and returns false when it found none.
bool FocusNextStop(QWidget& window, bool next, const std::function<bool(bool)>& step);

// True for a button a key may press: enabled and shown.
bool CanPress(const QAbstractButton* button);

// The focused push button of `window` when it may be pressed, else nullptr.
QPushButton* FocusedPushButton(const QWidget& window);

// True for Enter or Return without a modifier (the keypad's included).
bool IsPlainEnter(const QKeyEvent& event);

// Watches the radio buttons of a window for the arrow keys.
class RadioGroupKeys : public QObject {
    Q_OBJECT
public:
    explicit RadioGroupKeys(QObject* parent = nullptr) : QObject(parent) {}

    // Every radio button inside `window`; call again when buttons were added.
    void Watch(QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace zk::platform

#endif
