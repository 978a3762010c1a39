#include "zktools/gauges/qx_control.h"

#include <QEvent>
#include <QMouseEvent>

namespace zk::gauges {

namespace {

bool ButtonOf(Qt::MouseButton qt, TMouseButton& button) {
    switch (qt) {
    case Qt::LeftButton:
        button = mbLeft;
        return true;
    case Qt::RightButton:
        button = mbRight;
        return true;
    case Qt::MiddleButton:
        button = mbMiddle;
        return true;
    default:
        return false;
    }
}

} // namespace

TQxControl::TQxControl(QWidget* parent) : QWidget(parent) {
    font_.OnChange = [this](TObject*) {
        FontChange();
    };
}

TQxControl::~TQxControl() {
    font_.OnChange = nullptr;
}

void TQxControl::SetCursor(TCursor cursor) {
    cursor_ = cursor;
    setCursor(QxScreenCursors().Cursor(cursor));
}

void TQxControl::SetHint(const QString& text) {
    hint_ = text;
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QChar(u'\r'), QChar(u'\n'));
    setToolTip(shown);
}

void TQxControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseDown)
        OnMouseDown(this, button, shift, x, y);
}

void TQxControl::MouseMove(TShiftState shift, int x, int y) {
    if (OnMouseMove)
        OnMouseMove(this, shift, x, y);
}

void TQxControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseUp)
        OnMouseUp(this, button, shift, x, y);
}

void TQxControl::Click() {
    if (OnClick)
        OnClick(this);
}

void TQxControl::DblClick() {
    if (OnDblClick)
        OnDblClick(this);
}

void TQxControl::FontChange() {
    Invalidate();
}

TShiftState TQxControl::ShiftOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons) {
    TShiftState s = 0;
    if (modifiers & Qt::ShiftModifier)
        s |= ssShift;
    if (modifiers & Qt::AltModifier)
        s |= ssAlt;
    if (modifiers & Qt::ControlModifier)
        s |= ssCtrl;
    if (buttons & Qt::LeftButton)
        s |= ssLeft;
    if (buttons & Qt::RightButton)
        s |= ssRight;
    if (buttons & Qt::MiddleButton)
        s |= ssMiddle;
    return s;
}

void TQxControl::Press(QMouseEvent* event, TShiftState extra) {
    TMouseButton button;
    if (!ButtonOf(event->button(), button)) {
        event->ignore();
        return;
    }
    if (button == mbLeft)
        leftPressed_ = true;
    const QPoint p = event->position().toPoint();
    MouseDown(button, ShiftOf(event->modifiers(), event->buttons()) | extra, p.x(), p.y());
    event->accept();
}

void TQxControl::mousePressEvent(QMouseEvent* event) {
    Press(event, 0);
}

// The second press of a double click: the double-click event, then a press
// marked as double.
void TQxControl::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        DblClick();
    Press(event, ssDouble);
}

void TQxControl::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    MouseMove(ShiftOf(event->modifiers(), event->buttons()), p.x(), p.y());
    event->accept();
}

void TQxControl::mouseReleaseEvent(QMouseEvent* event) {
    TMouseButton button;
    if (!ButtonOf(event->button(), button)) {
        event->ignore();
        return;
    }
    const QPoint p = event->position().toPoint();
    // A left press and release on the control is a click, reported before the release.
    if (button == mbLeft && leftPressed_) {
        leftPressed_ = false;
        if (rect().contains(p))
            Click();
    }
    MouseUp(button, ShiftOf(event->modifiers(), event->buttons()), p.x(), p.y());
    event->accept();
}

void TQxControl::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        EnabledChange();
}

} // namespace zk::gauges
