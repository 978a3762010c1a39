// A focusable control with its own canvas. The canvas draws on a surface image
// the size of the control; a paint event shows that surface. Paint runs when
// the control was invalidated, resized or shown and not since painted; drawing on
// Canvas() between paints reaches the screen through Update(rect).
// Key, focus, wheel and size events become overridable steps; Return, Enter
// and Escape are left to the surrounding dialog, every other key stays here.
#ifndef ZKTOOLS_GAUGES_QX_CUSTOM_CONTROL_H
#define ZKTOOLS_GAUGES_QX_CUSTOM_CONTROL_H

#include "zktools/gauges/qx_canvas.h"
#include "zktools/gauges/qx_control.h"

#include <QImage>

#include <functional>

namespace zk::gauges {

using TKeyEvent = std::function<void(TObject* sender, int& key, TShiftState shift)>;

class TQxCustomControl : public TQxControl {
    Q_OBJECT
public:
    explicit TQxCustomControl(QWidget* parent = nullptr);
    ~TQxCustomControl() override;

    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool tabStop);

    // The control's canvas over its surface (resized to the control first).
    TCanvas& Canvas();
    // The surface as last drawn.
    const QImage& Surface();
    // Whether the next paint event runs Paint.
    bool PaintPending() const { return paintPending_; }
    void Invalidate() override;

    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

protected:
    // Draws the whole control on Canvas().
    virtual void Paint() {}
    // key is a Qt::Key; a handler of OnKeyDown may set it to 0.
    virtual void KeyDown(int& key, TShiftState shift);
    virtual void KeyUp(int& key, TShiftState shift);
    // After the focus came or went (and OnEnter/OnExit fired).
    virtual void FocusEnter() {}
    virtual void FocusExit() {}
    // Vertical wheel delta (120 per notch); true when the control used the message.
    virtual bool MouseWheel(int delta, TShiftState shift);
    // After a size change.
    virtual void Resize() {}

    // Shows the part r of the surface at the next paint event.
    void UpdateRect(const TRect& r);

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

    // True while Paint runs.
    bool InPaint() const { return inPaint_; }

private:
    // Resizes the surface to the control; true when the size changed.
    bool FitSurface();

    QImage surface_;
    TCanvas canvas_;
    bool paintPending_ = true;
    bool inPaint_ = false;
    bool firstResize_ = true;
    bool tabStop_ = true;
};

} // namespace zk::gauges

#endif
