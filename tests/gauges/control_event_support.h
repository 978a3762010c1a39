// Sends the Qt events a user's keys, wheel and mouse make straight to a control,
// and reports whether the control kept them.
#ifndef TESTS_GAUGES_CONTROL_EVENT_SUPPORT_H
#define TESTS_GAUGES_CONTROL_EVENT_SUPPORT_H

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointingDevice>
#include <QWheelEvent>
#include <QWidget>

namespace zk::gauges::testing {

inline bool SendKey(QWidget& w, QEvent::Type type, int key, bool autoRepeat = false) {
    QKeyEvent e(type, key, Qt::NoModifier, QString(), autoRepeat);
    QApplication::sendEvent(&w, &e);
    return e.isAccepted();
}

// Press and release.
inline void TapKey(QWidget& w, int key) {
    SendKey(w, QEvent::KeyPress, key);
    SendKey(w, QEvent::KeyRelease, key);
}

inline bool SendWheel(QWidget& w, int delta) {
    const QPointF at(w.width() / 2.0, w.height() / 2.0);
    QWheelEvent e(at, w.mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(&w, &e);
    return e.isAccepted();
}

inline void SendMouse(QWidget& w, QEvent::Type type, QPoint at, Qt::MouseButton button,
                      Qt::MouseButtons held) {
    QMouseEvent e(type, QPointF(at), w.mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(&w, &e);
}

inline void Press(QWidget& w, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    SendMouse(w, QEvent::MouseButtonPress, at, button, button);
}
inline void Release(QWidget& w, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    SendMouse(w, QEvent::MouseButtonRelease, at, button, Qt::NoButton);
}
inline void Move(QWidget& w, QPoint at, Qt::MouseButtons held = Qt::NoButton) {
    SendMouse(w, QEvent::MouseMove, at, Qt::NoButton, held);
}

} // namespace zk::gauges::testing

#endif
