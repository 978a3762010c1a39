#include "zktools/gauges/qx_bar_settings.h"

#include "zktools/gauges/qx_math.h"
#include "zktools/gauges/qx_proc_text.h"

#include <algorithm>

namespace zk::gauges {

namespace {

// Each cell is three lit pixels and one separator.
constexpr int kCellPitch = 4;
constexpr int kPointWidth = 3;

// Positions far outside the bitmap are drawn just outside it: the same picture,
// and no coordinate arithmetic can overflow.
int Limited(int value, int lower, int upper) {
    return std::clamp(value, lower, upper);
}

// The scale factors are single-precision quotients; products with them are not.
float Quotient(int a, int b) {
    return static_cast<float>(a) / static_cast<float>(b);
}
int RoundTimes(int a, float f) {
    return QxRound(a * static_cast<long double>(f));
}

} // namespace

TBarSettings::TBarSettings() : bevel_(std::make_unique<TQxSBevel>()) {
    bevel_->OnChange = [this](TObject* sender) {
        Change(sender);
    };
    bevel_->SetStyle(bsLowered);
    bevel_->SetSpacing(0);
    bevel_->SetBevelLine(blNone);
    bevel_->SetWidth(1);
    bevel_->SetColor(clSilver);
    font_.OnChange = [this](TObject* sender) {
        Change(sender);
    };
    font_.SetColor(clWhite);
}

TBarSettings::~TBarSettings() {
    font_.OnChange = nullptr;
    bevel_->OnChange = nullptr;
}

void TBarSettings::Change(TObject*) {
    if (OnChange)
        OnChange(this);
}

void TBarSettings::SetStyle(TBarStyle value) {
    style_ = value;
    Change(this);
}

void TBarSettings::SetOptions(TOptions value) {
    options_ = value;
    Change(this);
}

void TBarSettings::SetColor(TColor value) {
    color_ = value;
    Change(this);
}

void TBarSettings::SetBkColor(TColor value) {
    bkColor_ = value;
    Change(this);
}

void TBarSettings::SetFont(const TFont& value) {
    TNotifyEvent hook = std::move(font_.OnChange);
    font_.OnChange = nullptr;
    font_.Assign(value);
    font_.OnChange = std::move(hook);
    Change(this);
}

void TBarSettings::SetBevel(const TQxSBevel& value) {
    if (&value == bevel_.get()) {
        Change(this);
        return;
    }
    // Every bevel setter notifies; the copy as a whole notifies once.
    TNotifyEvent hook = std::move(bevel_->OnChange);
    bevel_->OnChange = nullptr;
    bevel_->SetStyle(value.Style());
    bevel_->SetSpacing(value.Spacing());
    bevel_->SetBevelLine(value.BevelLine());
    bevel_->SetWidth(value.Width());
    bevel_->SetColor(value.Color());
    bevel_->SetColorShadowFrom(value.ColorShadowFrom());
    bevel_->SetColorShadowTo(value.ColorShadowTo());
    bevel_->SetColorHighLightFrom(value.ColorHighLightFrom());
    bevel_->SetColorHighLightTo(value.ColorHighLightTo());
    bevel_->SetPenColor(value.PenColor());
    TQxGradSettings& grad = bevel_->SurfaceGrad();
    grad.SetColorFrom(value.SurfaceGrad().ColorFrom());
    grad.SetColorTo(value.SurfaceGrad().ColorTo());
    grad.SetVisible(value.SurfaceGrad().Visible());
    grad.SetStyle(value.SurfaceGrad().Style());
    bevel_->OnChange = std::move(hook);
    Change(this);
}

void TBarSettings::SetMinHeight(int value) {
    if (value <= 0)
        return;
    minHeight_ = value;
    Change(this);
}

void TBarSettings::SetMinWidth(int value) {
    if (value <= 0)
        return;
    minWidth_ = value;
    Change(this);
}

void TBarSettings::PaintBar(TCanvas& canvas, int ppt) {
    BarWidth = BarRect.Right - BarRect.Left;
    BarHeight = BarRect.Bottom - BarRect.Top;
    if (BarWidth > BarHeight)
        PaintHBar(canvas, ppt);
    else
        PaintVBar(canvas, ppt);
}

void TBarSettings::PaintHBar(TCanvas& canvas, int ppt) {
    Paint(canvas, ppt, true);
}

void TBarSettings::PaintVBar(TCanvas& canvas, int ppt) {
    Paint(canvas, ppt, false);
}

void TBarSettings::Paint(TCanvas& canvas, int ppt, bool horizontal) {
    const int w = BarRect.Right - BarRect.Left;
    const int h = BarRect.Bottom - BarRect.Top;
    if (w < 1 || h < 1)
        return;
    // Composed off screen and copied in one go, so a repaint does not flicker.
    TBitmap bar(w, h);
    TCanvas& b = bar.Canvas();
    b.Brush.Style = bsSolid;
    b.Pen.Width = 1;
    b.Pen.Color = bkColor_;
    b.Brush.Color = bkColor_;
    b.FillRect(TRect{0, 0, w, h});
    const TColor colour = options_.Contains(opUseSectorCol) ? SectorColor : color_;
    b.Pen.Color = colour;
    b.Brush.Color = colour;
    if (horizontal)
        DrawHStyle(b, w, h, ppt);
    else
        DrawVStyle(b, w, h, ppt);
    if (options_.Contains(opValue))
        DrawText(b, w, h, horizontal);
    canvas.Draw(BarRect.Left, BarRect.Top, bar);
}

void TBarSettings::DrawHStyle(TCanvas& b, int w, int h, int ppt) const {
    switch (style_) {
    case bsBar: {
        const float f = Quotient(w, 1000);
        const int n = Limited(RoundTimes(ppt, f), -1, w);
        b.FillRect(TRect{0, 0, n, h});
        break;
    }
    case bsPoint: {
        const float f = Quotient(w - kPointWidth, 1000);
        const int n = Limited(RoundTimes(ppt, f), -kPointWidth - 1, w);
        b.FillRect(TRect{n, 0, n + kPointWidth, h});
        break;
    }
    case bsLED_Bar: {
        const float f = Quotient(w, 4000);
        const int cells = RoundTimes(1000, f);
        const int x0 = (w + 1 - kCellPitch * cells) / 2;
        const int lit = Limited(RoundTimes(ppt, f), 0, w / kCellPitch + 2);
        if (lit > 0) {
            b.FillRect(TRect{x0, 0, kCellPitch * lit, h});
            b.Pen.Color = bkColor_;
            for (int i = 1; i <= lit; ++i) {
                const int x = x0 + kCellPitch * i - 1;
                b.MoveTo(x, 0);
                b.LineTo(x, h);
            }
        }
        break;
    }
    }
}

void TBarSettings::DrawVStyle(TCanvas& b, int w, int h, int ppt) const {
    switch (style_) {
    case bsBar: {
        const float f = Quotient(h, 1000);
        const int n = Limited(RoundTimes(ppt, f), -1, h);
        b.FillRect(TRect{0, h - n, w, h});
        break;
    }
    case bsPoint: {
        const float f = Quotient(h - kPointWidth, 1000);
        const int n = Limited(RoundTimes(ppt, f), -kPointWidth - 1, h);
        b.FillRect(TRect{0, h - n - kPointWidth, w, h - n});
        break;
    }
    case bsLED_Bar: {
        const float f = Quotient(h, 4000);
        const int cells = RoundTimes(1000, f);
        const int y0 = (h - kCellPitch * cells) / 2;
        const int lit = Limited(RoundTimes(ppt, f), 0, h / kCellPitch + 2);
        if (lit > 0) {
            b.FillRect(TRect{0, h - y0 - kCellPitch * lit, w, h - y0 - 1});
            b.Pen.Color = bkColor_;
            for (int i = 1; i <= lit; ++i) {
                const int y = h - y0 - kCellPitch * i - 1;
                b.MoveTo(0, y);
                b.LineTo(w, y);
            }
        }
        break;
    }
    }
}

void TBarSettings::DrawText(TCanvas& b, int w, int h, bool horizontal) const {
    TBitmap textBitmap(w, h);
    TCanvas& t = textBitmap.Canvas();
    t.Pen.Color = clBlack;
    t.Brush.Color = clBlack;
    t.Brush.Style = bsSolid;
    t.FillRect(TRect{0, 0, w, h});
    t.Font.Assign(font_);
    t.Font.SetColor(clWhite);
    t.Brush.Style = bsClear;
    const bool withUnit = options_.Contains(opUnit);
    if (horizontal) {
        const QString text = withUnit ? ValueText + QLatin1Char(' ') + UnitText : ValueText;
        QxTextOut(t, w / 2, h / 2, text, toMidCenter);
    } else if (withUnit) {
        QxTextOut(t, w / 2, h / 2, ValueText, toBotCenter);
        QxTextOut(t, w / 2, h / 2, UnitText, toTopCenter);
    } else {
        QxTextOut(t, w / 2, h / 2, ValueText, toMidCenter);
    }
    // White text on black, xor-ed: the text shows in the inverse of what lies
    // under it and the rest of the bar stays as it is.
    b.CopyMode = cmSrcInvert;
    b.Draw(0, 0, textBitmap);
    b.CopyMode = cmSrcCopy;
}

} // namespace zk::gauges
