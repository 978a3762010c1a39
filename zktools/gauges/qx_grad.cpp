#include "zktools/gauges/qx_grad.h"

#include "zktools/gauges/qx_math.h"
#include "zktools/gauges/qx_proc_geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace zk::gauges {

int gradSteps = 0;

void TQxGradSettings::SetColorFrom(TColor value) {
    if (value == colorFrom_)
        return;
    colorFrom_ = value;
    Change();
}

void TQxGradSettings::SetColorTo(TColor value) {
    if (value == colorTo_)
        return;
    colorTo_ = value;
    Change();
}

void TQxGradSettings::SetVisible(bool value) {
    if (value == visible_)
        return;
    visible_ = value;
    Change();
}

void TQxGradSettings::SetStyle(TGradientStyle value) {
    if (value == style_)
        return;
    style_ = value;
    Change();
}

void TQxGradSettings::Change() {
    if (OnChange)
        OnChange(this);
}

namespace {

struct Channels {
    int c[3] = {0, 0, 0}; // red, green, blue
};

Channels Split(TColor color) {
    return Channels{{GetRValue(color), GetGValue(color), GetBValue(color)}};
}

int Channel8(int value) {
    return std::clamp(value, 0, 255);
}

// The colour of step i of n between two colours, each channel's step held in
// single precision; truncating is the banded styles' way.
class Steps {
public:
    Steps(TColor from, TColor to, int n) : from_(Split(from)) {
        const Channels target = Split(to);
        for (int k = 0; k < 3; ++k) {
            const int delta = target.c[k] - from_.c[k];
            step_[k] = n != 0 ? static_cast<float>(static_cast<long double>(delta) / n) : 0.0f;
        }
    }

    TColor Rounded(int i) const {
        int v[3];
        for (int k = 0; k < 3; ++k)
            v[k] = Channel8(from_.c[k] + QxRound(static_cast<long double>(i) * step_[k]));
        return RGBColor(v[0], v[1], v[2]);
    }

    TColor Truncated(int i) const {
        int v[3];
        for (int k = 0; k < 3; ++k)
            v[k] = Channel8(QxTrunc(from_.c[k] + static_cast<long double>(i) * step_[k]));
        return RGBColor(v[0], v[1], v[2]);
    }

private:
    Channels from_;
    float step_[3] = {0, 0, 0};
};

void Line(TCanvas& c, int x1, int y1, int x2, int y2) {
    c.MoveTo(x1, y1);
    c.LineTo(x2, y2);
}

void PlainFill(TCanvas& c, int w, int h, TColor color) {
    c.Brush.Style = bsSolid;
    c.Brush.Color = color;
    c.FillRect(TRect{0, 0, w, h});
}

void Background(TCanvas& c, int d, TColor color) {
    c.Pen.Color = color;
    c.Brush.Color = color;
    c.Brush.Style = bsSolid;
    c.Rectangle(0, 0, d, d);
}

// Bands of whole pixels across `length`, at most one per colour step.
void Bands(TCanvas& c, int length, int across, TColor from, TColor to, int maxDelta,
           bool horizontal) {
    c.Brush.Style = bsSolid;
    int m = maxDelta;
    if (length < m)
        m = length;
    if (m == 0)
        m = 1;
    const int band = length / m;
    const int n = length / band;
    const Steps steps(from, to, n);
    for (int i = 0; i <= n; ++i) {
        c.Brush.Color = steps.Truncated(i);
        if (horizontal)
            c.FillRect(TRect{0, i * band, across, i * band + band});
        else
            c.FillRect(TRect{i * band, 0, i * band + band, across});
    }
}

// Lines of `across` pixels at positions `centre` and centre +- i.
void MirroredLines(TCanvas& c, int centre, int n, int across, TColor from, TColor to,
                   bool bothWaysAlways, bool horizontal) {
    const Steps steps(from, to, n);
    auto draw = [&](int at) {
        if (horizontal)
            Line(c, 0, at, across, at);
        else
            Line(c, at, 0, at, across);
    };
    c.Pen.Color = from;
    draw(centre);
    for (int i = 1; i <= n; ++i) {
        c.Pen.Color = steps.Rounded(i);
        draw(centre + i);
        if (bothWaysAlways || centre - i >= 0)
            draw(centre - i);
    }
}

void Discs(TCanvas& c, int cx, int cy, int n, TColor from, TColor to) {
    const Steps steps(from, to, n);
    c.Brush.Style = bsSolid;
    for (int s = n; s >= 0; --s) {
        const TColor color = steps.Rounded(s);
        c.Pen.Color = color;
        c.Brush.Color = color;
        c.Ellipse(cx - s, cy - s, cx + s, cy + s);
    }
}

void Diamonds(TCanvas& c, int cx, int cy, int n, TColor from, TColor to) {
    const Steps steps(from, to, n);
    for (int s = 0; s <= n; ++s) {
        c.Pen.Color = steps.Rounded(s);
        const TPoint corners[5] = {
            {cx, cy - s}, {cx + s, cy}, {cx, cy + s}, {cx - s, cy}, {cx, cy - s}};
        c.Polyline(corners, 5);
    }
}

// The step count of a style on a w x h work surface (d for the square ones).
int StepCount(TGradientStyle style, int w, int h, int d) {
    switch (style) {
    case gsHorizontal2:
        return h / 2;
    case gsHorizontal3:
        return QxRound(h * 0.67L);
    case gsVertical2:
        return w / 2;
    case gsVertical3:
        return QxRound(w * 0.67L);
    case gsElliptic1:
    case gsRectangle:
    case gsDiamond1:
        return d / 2;
    case gsElliptic2:
        return QxRound(std::sqrt(2.0L * d * d)) / 2;
    case gsElliptic3:
        return d / 3 + d / 2;
    case gsDiamond2:
        return d;
    case gsTopLeft:
    case gsTopRight:
        return 2 * d;
    case gsHorizontal1:
    case gsVertical1:
        break;
    }
    return 1; // the banded styles count their own steps
}

} // namespace

TColor QxCalcColor(TColor from, TColor to, int count, int index) {
    if (count == 0)
        return RGBColor(GetRValue(from), GetGValue(from), GetBValue(from));
    const Channels a = Split(from);
    const Channels b = Split(to);
    int v[3];
    for (int k = 0; k < 3; ++k) {
        const long double delta = b.c[k] - a.c[k];
        v[k] = (a.c[k] + QxRound(delta / count * index)) & 0xFF;
    }
    return RGBColor(v[0], v[1], v[2]);
}

void QxGradFill(TCanvas& canvas, const TRect& rect, TColor from, TColor to, TGradientStyle style) {
    const int w = rect.Width();
    const int h = rect.Height();
    if (w <= 0 || h <= 0)
        return;
    // The square styles draw on D x D and are squeezed onto rect by the copy.
    const bool square = style >= gsElliptic1;
    const bool diamond = style == gsDiamond1 || style == gsDiamond2;
    const int d = std::max(w, h) + (diamond ? 0 : 1);
    TBitmap bitmap(square ? d : w, square ? d : h);
    TCanvas& c = bitmap.Canvas();
    c.Pen.Width = 1;
    c.Brush.Style = bsClear;

    const Channels a = Split(from);
    const Channels b = Split(to);
    int maxDelta = 0;
    for (int k = 0; k < 3; ++k)
        maxDelta = std::max(maxDelta, std::abs(b.c[k] - a.c[k]));

    const int cx = d / 2;
    const int cy = d / 2;

    const int n = StepCount(style, w, h, d);
    if (n <= 0) {
        // Too small to grade: the from colour alone.
        PlainFill(c, bitmap.Width(), bitmap.Height(), from);
        canvas.StretchDraw(rect, bitmap);
        return;
    }

    switch (style) {
    case gsHorizontal1:
        Bands(c, h, w, from, to, maxDelta, true);
        break;
    case gsVertical1:
        Bands(c, w, h, from, to, maxDelta, false);
        break;
    case gsHorizontal2:
        MirroredLines(c, h / 2, n, w, from, to, true, true);
        break;
    case gsVertical2:
        MirroredLines(c, w / 2, n, h, from, to, true, false);
        break;
    case gsHorizontal3:
        MirroredLines(c, h / 3, n, w, from, to, false, true);
        break;
    case gsVertical3:
        MirroredLines(c, w / 3, n, h, from, to, false, false);
        break;
    case gsElliptic1:
        Background(c, d, to);
        Discs(c, cx, cy, n, from, to);
        break;
    case gsElliptic2:
        Discs(c, cx, cy, n, from, to);
        break;
    case gsElliptic3:
        Background(c, d, to);
        Discs(c, cx - d / 4 + 1, cy - d / 4 + 1, n, from, to);
        break;
    case gsRectangle: {
        const Steps steps(from, to, n);
        c.Brush.Style = bsClear;
        for (int s = 0; s <= n; ++s) {
            c.Pen.Color = steps.Rounded(s);
            c.Rectangle(cx - s, cy - s, cx + s, cy + s);
        }
        break;
    }
    case gsDiamond1:
        Background(c, d, to);
        Diamonds(c, cx, cy, n, from, to);
        break;
    case gsDiamond2:
        Diamonds(c, cx, cy, n, from, to);
        break;
    case gsTopLeft:
    case gsTopRight: {
        const Steps steps(from, to, n);
        for (int s = 0; s <= n; ++s) {
            c.Pen.Color = steps.Rounded(s);
            if (style == gsTopLeft)
                Line(c, 0, s, s, -1);
            else
                Line(c, d, s, d - s, -1);
        }
        break;
    }
    }
    canvas.StretchDraw(rect, bitmap);
}

void QxCircleGradFill(TCanvas& canvas, const TRect& rect, TColor from, TColor to) {
    const int w = rect.Width();
    canvas.Pen.Width = 1;
    const int c = QxRound(w * 0.22L);
    const int n = 2 * (w - c);
    if (w <= 0 || n <= 0)
        return;
    const Steps steps(from, to, n);
    for (int i = 0; i <= n; ++i) {
        canvas.Pen.Color = steps.Rounded(i);
        canvas.MoveTo(rect.Left + c - 1 + i, rect.Top);
        canvas.LineTo(rect.Left - 1, rect.Top + c + i);
    }
}

} // namespace zk::gauges
