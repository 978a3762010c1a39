#include "zktools/gauges/qx_led.h"

#include "zktools/gauges/qx_proc_geometry.h"

namespace zk::gauges {

void TLED::SetShape(TLEDShape value) {
    if (value == shape_)
        return;
    shape_ = value;
    Change();
}

void TLED::SetColorOn(TColor value) {
    if (value == colorOn_)
        return;
    colorOn_ = value;
    Change();
}

void TLED::SetColorOff(TColor value) {
    if (value == colorOff_)
        return;
    colorOff_ = value;
    Change();
}

void TLED::SetWidth(int value) {
    if (value == width_ || value < kMinSize || value > kMaxSize)
        return;
    width_ = value;
    Change();
}

void TLED::SetHeight(int value) {
    if (value == height_ || value < kMinSize || value > kMaxSize)
        return;
    height_ = value;
    Change();
}

void TLED::Change() {
    if (OnChange)
        OnChange(this);
}

void TLED::Draw(TCanvas& canvas, bool on) {
    QxDrawLED(canvas, LEDRect, shape_, clGray, on ? colorOn_ : colorOff_);
}

void QxDrawLED(TCanvas& canvas, const TRect& rect, TLEDShape shape, TColor penColor,
               TColor fillColor) {
    const int l = rect.Left;
    const int t = rect.Top;
    const int r = rect.Right;
    const int b = rect.Bottom;
    const int w = r - l;
    const int h = b - t;
    const int hw = w / 2;
    const int hh = h / 2;
    canvas.Pen.Color = penColor;
    canvas.Pen.Width = 1;
    canvas.Brush.Color = fillColor;
    auto triangle = [&canvas](TPoint p1, TPoint p2, TPoint p3) {
        const TPoint corners[3] = {p1, p2, p3};
        canvas.Polygon(corners, 3);
    };
    switch (shape) {
    case sRound: {
        canvas.Ellipse(l, t, r, b);
        canvas.Pen.Color = clWhite;
        canvas.Pen.Width = w / 8;
        TRect g = rect;
        QxBorder(g, w / 5);
        canvas.Arc(g.Left, g.Top, g.Right, g.Bottom, l + hw, t, l, t + hh);
        break;
    }
    case sArrowLeft:
        triangle({l, t + hh}, {r - 1, t}, {r - 1, b - 1});
        break;
    case sArrowRight:
        triangle({l, t}, {r - 1, t + hh}, {l, b - 1});
        break;
    case sArrowUp:
        triangle({l + hw, t}, {r - 1, b - 1}, {l, b - 1});
        break;
    case sArrowDown:
        triangle({l, t}, {r - 1, t}, {l + hw, b - 1});
        break;
    case sRectangle:
        canvas.RoundRect(l, t, r, b, 1, 1);
        break;
    }
}

} // namespace zk::gauges
