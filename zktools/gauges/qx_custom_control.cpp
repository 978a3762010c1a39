#include "zktools/gauges/qx_custom_control.h"

#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>

namespace zk::gauges {

namespace {

bool LeftToDialog(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape;
}

} // namespace

TQxCustomControl::TQxCustomControl(QWidget* parent) : TQxControl(parent), canvas_(&surface_) {
    // A click does not focus by itself: a control that wants the focus takes
    // it in MouseDown, after OnMouseDown.
    setFocusPolicy(Qt::TabFocus);
    // Every pixel comes from the surface.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

TQxCustomControl::~TQxCustomControl() = default;

void TQxCustomControl::SetTabStop(bool tabStop) {
    tabStop_ = tabStop;
    setFocusPolicy(tabStop ? Qt::TabFocus : Qt::NoFocus);
}

bool TQxCustomControl::FitSurface() {
    if (surface_.width() == width() && surface_.height() == height())
        return false;
    canvas_.Flush();
    QImage grown(qMax(width(), 0), qMax(height(), 0), QImage::Format_RGB32);
    grown.fill(Qt::white);
    if (!surface_.isNull()) {
        QPainter p(&grown);
        p.drawImage(0, 0, surface_);
    }
    surface_ = grown;
    canvas_.Attach(&surface_);
    return true;
}

TCanvas& TQxCustomControl::Canvas() {
    FitSurface();
    return canvas_;
}

const QImage& TQxCustomControl::Surface() {
    FitSurface();
    canvas_.Flush();
    return surface_;
}

void TQxCustomControl::Invalidate() {
    paintPending_ = true;
    update();
}

void TQxCustomControl::UpdateRect(const TRect& r) {
    if (!inPaint_)
        update(ToQRect(r));
}

void TQxCustomControl::paintEvent(QPaintEvent* event) {
    if (paintPending_) {
        paintPending_ = false;
        inPaint_ = true;
        Paint();
        inPaint_ = false;
    }
    const QImage& shown = Surface();
    QPainter p(this);
    // Each rectangle clipped to itself: under a clip of several rectangles Qt
    // blends the image span by span, spread over worker threads, where under a
    // single rectangle it copies it straight across.
    for (const QRect& r : event->region()) {
        p.setClipRect(r);
        p.drawImage(r.topLeft(), shown, r);
    }
}

// Qt repeats the resize event of a hidden control on every grab; only a real
// change of size counts.
void TQxCustomControl::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!FitSurface() && !firstResize_)
        return;
    firstResize_ = false;
    paintPending_ = true;
    Resize();
}

// A control that comes into view is painted anew, as a window is: what was
// drawn while it was hidden has been skipped.
void TQxCustomControl::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    paintPending_ = true;
}

void TQxCustomControl::KeyDown(int& key, TShiftState shift) {
    if (OnKeyDown)
        OnKeyDown(this, key, shift);
}

void TQxCustomControl::KeyUp(int& key, TShiftState shift) {
    if (OnKeyUp)
        OnKeyUp(this, key, shift);
}

void TQxCustomControl::keyPressEvent(QKeyEvent* event) {
    int key = event->key();
    KeyDown(key, ShiftOf(event->modifiers(), Qt::NoButton));
    if (LeftToDialog(event->key()))
        event->ignore();
    else
        event->accept();
}

// Qt reports a held key as release-press pairs; only the real release counts.
void TQxCustomControl::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat()) {
        event->accept();
        return;
    }
    int key = event->key();
    KeyUp(key, ShiftOf(event->modifiers(), Qt::NoButton));
    if (LeftToDialog(event->key()))
        event->ignore();
    else
        event->accept();
}

void TQxCustomControl::focusInEvent(QFocusEvent* /*event*/) {
    if (OnEnter)
        OnEnter(this);
    FocusEnter();
}

void TQxCustomControl::focusOutEvent(QFocusEvent* /*event*/) {
    if (OnExit)
        OnExit(this);
    FocusExit();
}

void TQxCustomControl::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    if (MouseWheel(delta, ShiftOf(event->modifiers(), event->buttons())))
        event->accept();
    else
        event->ignore();
}

bool TQxCustomControl::MouseWheel(int /*delta*/, TShiftState /*shift*/) {
    return false;
}

} // namespace zk::gauges
