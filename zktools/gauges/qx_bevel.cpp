#include "zktools/gauges/qx_bevel.h"

#include "zktools/gauges/qx_proc_geometry.h"

namespace zk::gauges {

namespace {

constexpr int kRingImageSize = 30;
constexpr int kSmallestRoundBevel = 5;

bool HasOuterLine(TBevelLine line) {
    return line == blOuter || line == blBoth;
}
bool HasInnerLine(TBevelLine line) {
    return line == blInner || line == blBoth;
}

} // namespace

TQxSBevel::TQxSBevel() : surfaceGrad_(std::make_unique<TQxGradSettings>()) {
    surfaceGrad_->SetColorFrom(0xE2E2E2);
    surfaceGrad_->SetColorTo(0x8F8F8F);
    surfaceGrad_->SetStyle(gsHorizontal1);
    surfaceGrad_->SetVisible(false);
    surfaceGrad_->OnChange = [this](TObject* sender) {
        ParamChange(sender);
    };
}

TQxSBevel::~TQxSBevel() = default;

void TQxSBevel::SetStyle(TBevelStyle value) {
    style_ = value;
    Change();
}

void TQxSBevel::SetSpacing(int value) {
    spacing_ = value;
    Change();
}

void TQxSBevel::SetBevelLine(TBevelLine value) {
    bevelLine_ = value;
    Change();
}

void TQxSBevel::SetWidth(int value) {
    if (value < 0)
        return;
    width_ = value;
    Change();
}

void TQxSBevel::SetColor(TColor value) {
    color_ = value;
    Change();
}

void TQxSBevel::SetColorShadowFrom(TColor value) {
    colorShadowFrom_ = value;
    Change();
}

void TQxSBevel::SetColorShadowTo(TColor value) {
    colorShadowTo_ = value;
    Change();
}

void TQxSBevel::SetColorHighLightFrom(TColor value) {
    colorHighLightFrom_ = value;
    Change();
}

void TQxSBevel::SetColorHighLightTo(TColor value) {
    colorHighLightTo_ = value;
    Change();
}

void TQxSBevel::SetPenColor(TColor value) {
    penColor_ = value;
    Change();
}

void TQxSBevel::ParamChange(TObject* /*sender*/) {
    Change();
}

void TQxSBevel::Change() {
    BorderWidth = spacing_ + width_;
    if (bevelLine_ == blOuter || bevelLine_ == blInner)
        BorderWidth += 1;
    else if (bevelLine_ == blBoth)
        BorderWidth += 2;
    if (OnChange)
        OnChange(this);
    if (RoundBevel) {
        if (!ringBitmap_)
            ringBitmap_ = std::make_unique<TBitmap>(kRingImageSize, kRingImageSize);
        QxGradFill(ringBitmap_->Canvas(), TRect{0, 0, kRingImageSize, kRingImageSize},
                   colorShadowFrom_, colorShadowTo_, gsElliptic3);
    }
}

void QxPaintGradRings(TCanvas& canvas, TRect& rect, const TRingColors& colors, int width,
                      bool raised, bool filled, TColor fillColor) {
    if (filled) {
        canvas.Pen.Width = 1;
        canvas.Pen.Color = fillColor;
        canvas.Brush.Color = fillColor;
        canvas.Brush.Style = bsSolid;
        canvas.Rectangle(rect);
    }
    for (int i = 1; i <= width; ++i) {
        if (raised)
            Frame3D(canvas, rect, QxCalcColor(colors.HighlightFrom, colors.HighlightTo, width, i),
                    QxCalcColor(colors.ShadowFrom, colors.ShadowTo, width, i), 1);
        else
            Frame3D(canvas, rect, QxCalcColor(colors.ShadowTo, colors.ShadowFrom, width, i),
                    QxCalcColor(colors.HighlightTo, colors.HighlightFrom, width, i), 1);
    }
}

void TQxSBevel::PaintGradBevel(TCanvas& canvas, TRect& rect, bool raised, bool filled,
                               TColor fillColor) {
    const TRingColors colors{colorShadowFrom_, colorShadowTo_, colorHighLightFrom_,
                             colorHighLightTo_};
    QxPaintGradRings(canvas, rect, colors, width_, raised, filled, fillColor);
}

void TQxSBevel::PaintFilledBevel(TCanvas& canvas, TRect& rect) {
    const TRect outer = rect;
    const int outerLine = HasOuterLine(bevelLine_) ? 1 : 0;
    canvas.Brush.Style = bsSolid;
    canvas.Pen.Width = 1;
    canvas.Pen.Color = color_;
    canvas.Brush.Color = color_;
    canvas.Rectangle(rect);
    TRect surface = rect;
    QxBorder(surface, BorderWidth - spacing_);
    QxBorder(rect, outerLine);
    PaintGradBevel(canvas, rect, style_ == bsRaised, true, color_);
    if (surfaceGrad_->Visible())
        QxGradFill(canvas, surface, surfaceGrad_->ColorFrom(), surfaceGrad_->ColorTo(),
                   surfaceGrad_->Style());
    canvas.Pen.Color = penColor_;
    canvas.Brush.Style = bsClear;
    if (HasInnerLine(bevelLine_)) {
        canvas.Rectangle(rect);
        QxBorder(rect, 1);
    }
    if (HasOuterLine(bevelLine_))
        canvas.Rectangle(outer);
    QxBorder(rect, spacing_);
}

void TQxSBevel::PaintBevel(TCanvas& canvas, TRect& rect) {
    PaintGradBevel(canvas, rect, style_ == bsRaised, false, clWhite);
    QxBorder(rect, spacing_);
}

void TQxSBevel::PaintRoundBevel(TCanvas& canvas, TRect& rect, int offsetX, int offsetY) {
    const int size = rect.Right - rect.Left;
    if (size < kSmallestRoundBevel || !RoundBevel || !ringBitmap_)
        return;
    TBitmap work(size, size);
    TCanvas& w = work.Canvas();
    TRect q{0, 0, size, size};
    // Our canvas reads and selects clips in the same (device) coordinates, so the
    // clip in force on entry goes back unshifted; the offsets only place the
    // clips taken from rect.
    const bool hadClip = canvas.HasClip();
    const TRect remembered = canvas.ClipRect();
    const auto restoreClip = [&] {
        if (hadClip)
            canvas.SelectClipRect(remembered);
        else
            canvas.RemoveClip();
    };

    if (style_ == bsRaised)
        w.StretchDraw(q, *ringBitmap_);
    else // turned by half a turn, one pixel larger on every side
        w.StretchDraw(TRect{size + 1, size + 1, -1, -1}, *ringBitmap_);

    QxBorder(q, width_);
    BorderWidth = width_ + spacing_;
    if (HasOuterLine(bevelLine_)) {
        w.Brush.Style = bsClear;
        w.Pen.Color = penColor_;
        w.Ellipse(0, 0, size, size);
        QxBorder(q, 1);
        BorderWidth += 1;
    }
    w.Brush.Style = bsSolid;
    w.Brush.Color = color_;
    if (HasInnerLine(bevelLine_)) {
        w.Pen.Color = penColor_;
        BorderWidth += 1;
    } else {
        w.Pen.Color = color_;
    }
    if (!surfaceGrad_->Visible())
        w.Ellipse(q);

    canvas.SelectClipEllipse(TRect{rect.Left + offsetX, rect.Top + offsetY,
                                   rect.Right + offsetX + 1, rect.Bottom + offsetY + 1});
    canvas.StretchDraw(rect, work);
    restoreClip();

    if (surfaceGrad_->Visible()) {
        TRect face = rect;
        QxBorder(face, width_);
        canvas.SelectClipEllipse(TRect{face.Left + offsetX, face.Top + offsetY,
                                       face.Right + offsetX + 1, face.Bottom + offsetY + 1});
        QxGradFill(canvas, face, surfaceGrad_->ColorFrom(), surfaceGrad_->ColorTo(),
                   surfaceGrad_->Style());
        if (HasInnerLine(bevelLine_)) {
            canvas.Brush.Style = bsClear;
            canvas.Pen.Color = penColor_;
            canvas.Pen.Width = 1;
            canvas.Ellipse(face);
        }
        restoreClip();
    }
    QxBorder(rect, BorderWidth);
}

} // namespace zk::gauges
