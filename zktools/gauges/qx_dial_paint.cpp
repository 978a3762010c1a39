// The dial's painting: the whole face through one off-screen bitmap, and the
// position (knob dot and value text) from the cached knob face.
#include "zktools/gauges/qx_dial.h"

#include "zktools/gauges/qx_proc_geometry.h"
#include "zktools/gauges/qx_proc_shapes.h"
#include "zktools/gauges/qx_proc_text.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace zk::gauges {

void TQxDial::PaintValueBox(TCanvas& canvas, TRect& r) {
    const int b = bevelValue_->BorderWidth;
    const int g = valueTextHeight_ / 3;
    const int u = (options_ & opUnit) ? unitTextWidth_ : 0;
    const int h = 2 * b + valueTextHeight_;
    TRect box;
    box.Left = (r.Right - r.Left - valueTextWidth_ - u - g) / 2 + r.Left - g;
    box.Top = r.Top;
    box.Right = box.Left + valueTextWidth_ + 2 * b + 2 * g;
    box.Bottom = r.Top + h;
    bevelValue_->PaintFilledBevel(canvas, box);

    canvas.Font.SetColor(Font().Color());
    canvas.Brush.Style = bsClear;
    if (options_ & opUnit)
        canvas.TextOut(box.Right + g, box.Top, SignalSettings().ValueUnit());
    valueRect_ = TRect{box.Left + g, box.Top, box.Right - g, box.Bottom};
    r.Top += h + bevelOuter_->Spacing();
}

// From the bottom edge up; r keeps its bottom, so the knob is laid out from
// r's width alone.
void TQxDial::PaintNames(TCanvas& canvas, const TRect& r) {
    const int x = width() / 2;
    int bottom = r.Bottom;
    if (options_ & opName2) {
        QxTextOut(canvas, x, bottom, SignalSettings().Name2(), toBotCenter);
        bottom -= canvas.TextHeight(QStringLiteral("X"));
    }
    if (options_ & opName1)
        QxTextOut(canvas, x, bottom, SignalSettings().Name1(), toBotCenter);
}

void TQxDial::PaintKnob(TCanvas& canvas, TRect& r) {
    if (options_ & opScale) {
        scaleSettings_->DialScala(canvas, r, 225, 270);
        tickRect_ = r;
        knobRect_ = r;
        QxBorder(knobRect_, scaleSettings_->TickLength + 4);
    } else {
        const int side = r.Right - r.Left;
        tickRect_ = TRect{};
        knobRect_ = TRect{r.Left, r.Top, r.Left + side, r.Top + side};
    }
    // A press anywhere on the knob, bevel ring included, starts a slide.
    SlideRect = knobRect_;
    bevelDial_->PaintRoundBevel(canvas, knobRect_, 0, 0);

    const int side = knobRect_.Right - knobRect_.Left;
    dotRadius_ = QxMinInt(QxMaxInt(side / 13, 2), maxDotRadius_);
    if (side > 10) {
        faceCached_ = true;
        faceCache_->SetSize(side, side);
        faceCache_->Canvas().CopyMode = cmSrcCopy;
        faceCache_->Canvas().CopyRect(
            TRect{0, 0, side, side}, canvas,
            TRect{knobRect_.Left, knobRect_.Top, knobRect_.Left + side, knobRect_.Top + side});
    } else {
        faceCached_ = false;
    }
    const int half = faceCache_->Width() / 2;
    knobCenter_ = TPoint{half, half};
    dotStart_ = QxRotate(TPoint{knobCenter_.X, dotRadius_}, knobCenter_, 225, true);
}

void TQxDial::Paint() {
    TBitmap off(width(), height());
    TCanvas& canvas = off.Canvas();
    TRect r{0, 0, width(), height()};

    if (options_ & opBevelOuter) {
        bevelOuter_->PaintFilledBevel(canvas, r);
    } else {
        canvas.Pen.Color = bevelOuter_->Color();
        canvas.Brush.Color = bevelOuter_->Color();
        canvas.Brush.Style = bsSolid;
        canvas.Rectangle(0, 0, width(), height());
    }
    faceRect_ = r;

    canvas.Font.Assign(fontValue_);
    if (options_ & opValue)
        PaintValueBox(canvas, r);

    const TSignalSettings& s = SignalSettings();
    if (options_ & opScaleText) {
        scaleSettings_->CalcRSize(canvas, s.ValueFrom(), s.ValueTo());
    } else {
        scaleSettings_->LabelGap = 0;
        scaleSettings_->LabelWidth = 0;
        scaleSettings_->LabelHeight = 0;
        scaleSettings_->LabelList.clear();
    }
    scaleSettings_->TickWidth = 2;

    canvas.Font.Assign(Font());
    canvas.Brush.Style = bsClear;
    PaintNames(canvas, r);
    PaintKnob(canvas, r);

    TCanvas& control = Canvas();
    control.CopyMode = cmSrcCopy;
    control.Draw(0, 0, off);
    // The face may have changed: the knob copy starts afresh from it.
    knobWorkFresh_ = false;
    valueShown_ = false;
    ValueChange();
}

TColor TQxDial::DotColor() const {
    if (!isEnabled())
        return clGray;
    return hasFocus() ? ColorFocus() : ColorNonFocus();
}

void TQxDial::ValueChange() {
    TQxAnalogCControl::ValueChange();
    // A paint counts as visible: it may run for a picture of a hidden dial.
    if (!(isVisible() || Designing() || InPaint()) || !faceCached_)
        return;
    const TSignalSettings& s = SignalSettings();
    // Without a digit span every position shows at the start. The distance
    // from the start is taken in 64 bits: the ends may lie far apart.
    const long long fromStart = static_cast<long long>(Digit()) - s.DigitalFrom();
    const float angle =
        s.DigitSpan != 0 ? 270.0f / static_cast<float>(s.DigitSpan) * static_cast<float>(fromStart)
                         : 0.0f;
    dotPos_ = QxRotate(dotStart_, knobCenter_, angle, true);

    // The knob: a copy of the cached face with the dot on it. Only the squares
    // the dot leaves and enters go to the control and are shown anew; the rest
    // of the knob is on the control since the last paint.
    if (!knobWork_)
        knobWork_ = std::make_unique<TBitmap>();
    const QImage& face = faceCache_->Image();
    if (!knobWorkFresh_) {
        knobWork_->SetSize(face.width(), face.height());
        std::memcpy(knobWork_->Canvas().Image()->bits(), face.constBits(),
                    static_cast<std::size_t>(face.sizeInBytes()));
        knobWorkFresh_ = true;
        shownDot_ = TRect{};
    }
    QImage& knob = *knobWork_->Canvas().Image();
    uchar* const knobBits = knob.bits();
    const qsizetype knobStride = knob.bytesPerLine();
    const int kw = knob.width();
    const int kh = knob.height();
    // The face back where the dot was.
    for (int y = shownDot_.Top; y < shownDot_.Bottom; ++y)
        std::memcpy(knobBits + y * knobStride + shownDot_.Left * 4,
                    face.constScanLine(y) + shownDot_.Left * 4,
                    static_cast<std::size_t>(shownDot_.Width()) * 4);
    MakeDot(DotColor());
    Stamp(knob, dotPixels_, dotPos_.X, dotPos_.Y);
    const TRect left = shownDot_;
    shownDot_ =
        TRect{std::max(dotPos_.X + dotBox_.Left, 0), std::max(dotPos_.Y + dotBox_.Top, 0),
              std::min(dotPos_.X + dotBox_.Right, kw), std::min(dotPos_.Y + dotBox_.Bottom, kh)};
    if (shownDot_.Width() <= 0 || shownDot_.Height() <= 0)
        shownDot_ = TRect{};
    TCanvas& control = Canvas();
    control.CopyMode = cmSrcCopy;
    // Overlapping squares (the dot moved a little) go as the one rect around both.
    TRect parts[2] = {left, shownDot_};
    const auto empty = [](const TRect& r) {
        return r.Width() <= 0 || r.Height() <= 0;
    };
    if (!empty(left) && !empty(shownDot_) && left.Left <= shownDot_.Right &&
        shownDot_.Left <= left.Right && left.Top <= shownDot_.Bottom &&
        shownDot_.Top <= left.Bottom) {
        parts[0] =
            TRect{std::min(left.Left, shownDot_.Left), std::min(left.Top, shownDot_.Top),
                  std::max(left.Right, shownDot_.Right), std::max(left.Bottom, shownDot_.Bottom)};
        parts[1] = TRect{};
    }
    for (const TRect& r : parts) {
        if (empty(r))
            continue;
        const TRect on{knobRect_.Left + r.Left, knobRect_.Top + r.Top, knobRect_.Left + r.Right,
                       knobRect_.Top + r.Bottom};
        control.CopyRect(on, knobWork_->Canvas(), r);
        UpdateRect(on);
    }
    if (DrawValueText())
        UpdateRect(valueRect_);
}

bool TQxDial::DrawValueText() {
    if (!(options_ & opValue) || valueRect_.Width() <= 0 || valueRect_.Height() <= 0)
        return false;
    const TSignalSettings& s = SignalSettings();
    const QString text = Designing() ? s.MaxValueFormat : ValueText;
    // The box shows this text since the last paint or change of look.
    if (valueShown_ && text == shownText_)
        return false;
    TCanvas& control = Canvas();
    control.CopyMode = cmSrcCopy;
    // Without a clip the text is put together right on the control, in the
    // box's pixels; otherwise, and where it must be written by TextOut, it is
    // made on the side and copied on.
    QImage* surface = control.Image();
    const QRect box = ToQRect(valueRect_);
    if (!control.HasClip() && surface != nullptr && surface->format() == QImage::Format_RGB32 &&
        surface->rect().contains(box)) {
        QImage inPlace(surface->bits() + box.top() * surface->bytesPerLine() + box.left() * 4,
                       box.width(), box.height(), surface->bytesPerLine(), QImage::Format_RGB32);
        if (ComposeValueText(inPlace, text)) {
            shownText_ = text;
            valueShown_ = true;
            return true;
        }
    }
    if (!valueWork_)
        valueWork_ = std::make_unique<TBitmap>();
    valueWork_->SetSize(valueRect_.Width(), valueRect_.Height());
    if (!ComposeValueText(*valueWork_->Canvas().Image(), text)) {
        TCanvas& tc = valueWork_->Canvas();
        tc.Font.Assign(fontValue_);
        tc.Brush.Style = bsSolid;
        tc.Brush.Color = bevelValue_->Color();
        tc.FillRect(TRect{0, 0, valueWork_->Width(), valueWork_->Height()});
        tc.Brush.Style = bsClear;
        tc.TextOut(valueWork_->Width() - tc.TextWidth(text), 0, text);
    }
    control.Draw(valueRect_.Left, valueRect_.Top, *valueWork_);
    shownText_ = text;
    valueShown_ = true;
    return true;
}

// The dot drawn once on black and once on white: the pixels it covers come out
// the same on both.
void TQxDial::MakeDot(TColor color) {
    if (dotPixelsRadius_ == dotRadius_ && dotPixelsColor_ == color)
        return;
    const int m = dotRadius_ + 2;
    const int side = 2 * m + 1;
    TBitmap onBlack(side, side);
    TBitmap onWhite(side, side);
    onBlack.Canvas().Brush.Color = clBlack;
    onBlack.Canvas().FillRect(TRect{0, 0, side, side});
    QxCircleAtPoint(onBlack.Canvas(), TPoint{m, m}, dotRadius_, clBlack, color);
    QxCircleAtPoint(onWhite.Canvas(), TPoint{m, m}, dotRadius_, clBlack, color);
    dotPixels_ = StampOf(onBlack.Image(), onWhite.Image(), m, m);
    dotBox_ = TRect{};
    for (const StampPixel& p : dotPixels_) {
        if (dotBox_.Width() == 0) {
            dotBox_ = TRect{p.dx, p.dy, p.dx + 1, p.dy + 1};
            continue;
        }
        dotBox_.Left = std::min(dotBox_.Left, p.dx);
        dotBox_.Top = std::min(dotBox_.Top, p.dy);
        dotBox_.Right = std::max(dotBox_.Right, p.dx + 1);
        dotBox_.Bottom = std::max(dotBox_.Bottom, p.dy + 1);
    }
    dotPixelsRadius_ = dotRadius_;
    dotPixelsColor_ = color;
}

} // namespace zk::gauges
