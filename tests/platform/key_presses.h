// Keys pressed where a user's keys arrive: at the application's focus widget (or the active
// window when no widget has the focus). A test activates its window first and then presses
// keys here, never at an inner child that the focus widget would hand them to.
#ifndef TESTS_PLATFORM_KEY_PRESSES_H
#define TESTS_PLATFORM_KEY_PRESSES_H

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeySequence>
#include <QTest>
#include <QWidget>

#include <string>
#include <vector>

namespace zk::platform::testing {

// Object name of the focus widget, "<none>" without one.
inline std::string FocusName() {
    const QWidget* focus = QApplication::focusWidget();
    return focus != nullptr ? focus->objectName().toStdString() : std::string("<none>");
}

// Makes `window` the active window, as the desktop does when it is shown or clicked.
inline bool Activate(QWidget& window) {
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        return false;
    // The offscreen platform keeps a window it hid as its focus window, so a form shown
    // again is never activated anew; a desktop activates it.
    if (QApplication::activeWindow() != &window)
        QApplication::setActiveWindow(&window);
    return QApplication::activeWindow() == &window && QApplication::focusWidget() != nullptr;
}

// Where a key arrives: the focus widget, or the active window when none of its widgets has
// the focus.
inline QWidget* KeyTarget() {
    QWidget* focus = QApplication::focusWidget();
    return focus != nullptr ? focus : QApplication::activeWindow();
}

// One key where it arrives; Shift+Tab arrives as Backtab, as from a keyboard.
inline void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = KeyTarget();
    ASSERT_NE(target, nullptr) << "no window is active";
    if (key == Qt::Key_Tab && modifiers == Qt::ShiftModifier)
        key = Qt::Key_Backtab;
    QTest::keyClick(target, key, modifiers);
}

// Characters typed one by one, each at the focus widget of its moment.
inline void Type(const char* text) {
    for (const char* c = text; *c != '\0'; ++c) {
        QWidget* target = KeyTarget();
        ASSERT_NE(target, nullptr) << "no window is active";
        QTest::keyClick(target, *c);
    }
}

// A key and the widget that must have the focus after it (nullptr: not checked).
struct KeyStep {
    Qt::Key key;
    const char* focusAfter = nullptr;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

inline KeyStep ShiftTab(const char* focusAfter) {
    return {Qt::Key_Tab, focusAfter, Qt::ShiftModifier};
}

// Presses the keys in order, checking the focus after each.
inline void PressKeys(const std::vector<KeyStep>& steps) {
    int index = 0;
    for (const KeyStep& step : steps) {
        SCOPED_TRACE("key " + std::to_string(index++) + " " +
                     QKeySequence(step.key | step.modifiers).toString().toStdString());
        Press(step.key, step.modifiers);
        if (step.focusAfter != nullptr) {
            EXPECT_EQ(FocusName(), step.focusAfter);
        }
    }
}

} // namespace zk::platform::testing

#endif
