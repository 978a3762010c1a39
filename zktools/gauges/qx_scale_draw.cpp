// Layout and drawing of TScaleSettings' round and straight scales.
#include "zktools/gauges/qx_scale_settings.h"

#include "zktools/gauges/qx_math.h"
#include "zktools/gauges/qx_proc_geometry.h"
#include "zktools/gauges/qx_proc_text.h"

namespace zk::gauges {

namespace {

constexpr int kMinRoundTick = 3;
constexpr int kMinRoundSubTick = 1;

TScaleMark Line(TScaleMarkKind kind, TPoint from, TPoint to, int penWidth) {
    TScaleMark mark;
    mark.Kind = kind;
    mark.From = from;
    mark.To = to;
    mark.PenWidth = penWidth;
    return mark;
}

TScaleMark Label(TPoint at, QString text, toPos anchor) {
    TScaleMark mark;
    mark.Kind = smkLabel;
    mark.From = at;
    mark.Text = std::move(text);
    mark.Anchor = anchor;
    return mark;
}

TPoint Turn(TPoint p, TPoint centre, long double angle) {
    return QxRotate(p, centre, static_cast<float>(angle), true);
}

} // namespace

void TScaleSettings::DialScala(TCanvas& canvas, TRect& rect, int startAngle, int sweep) {
    PrepareCanvas(canvas);
    canvas.Brush.Style = bsClear;
    PaintScaleMarks(canvas, DialScalaMarks(rect, startAngle, sweep));
}

void TScaleSettings::RoundScala(TCanvas& canvas, TRect& rect, int startAngle, int sweep) {
    PrepareCanvas(canvas);
    canvas.Brush.Style = bsClear;
    PaintScaleMarks(canvas, RoundScalaMarks(rect, startAngle, sweep));
}

TScaleMarks TScaleSettings::DialScalaMarks(TRect& rect, int startAngle, int sweep) {
    return RoundMarks(rect, startAngle, sweep, 7, true);
}

TScaleMarks TScaleSettings::RoundScalaMarks(TRect& rect, int startAngle, int sweep) {
    return RoundMarks(rect, startAngle, sweep, 8, false);
}

TScaleMarks TScaleSettings::RoundMarks(TRect& rect, int startAngle, int sweep, int tickDivisor,
                                       bool minimumTicks) {
    QString labels = LabelList;
    const TPoint centre = QxCenterPoint(rect);
    int r = (rect.Width() - 2 * LabelGap) / 2;
    r = r + LabelGap - LabelWidth / 2;

    TickLength = r / tickDivisor;
    SubTickLength = SubTickLengthFor(TickLength, TickWidth);
    if (minimumTicks) {
        if (TickLength < kMinRoundTick)
            TickLength = kMinRoundTick;
        if (SubTickLength < kMinRoundSubTick)
            SubTickLength = kMinRoundSubTick;
    }

    // The circle hangs from the rect's top edge; its height is not consulted.
    const int cx = centre.X;
    const int cy = rect.Top + r + LabelHeight / 2;
    ScaleCenter = TPoint{cx, cy};
    const TPoint c = ScaleCenter;

    const int a = LabelWidth / 2;
    const int t = TickWidth / 2;
    rect = TRect{cx - r + a + t, cy - r + a + t, cx + r - a + t - 1, cy + r - a + t - 1};

    const int intervals = steps_ * subSteps_;
    const float subAngle = static_cast<float>(static_cast<long double>(sweep) / intervals);
    const float stepAngle = static_cast<float>(subSteps_ * static_cast<long double>(subAngle));

    // Straight above the centre, then turned once to the start angle; every later
    // turn starts from these whole-pixel points.
    const int tickOuter = r - LabelGap;
    const int tickInner = tickOuter - TickLength;
    const TPoint outer0 = Turn(TPoint{cx, cy - tickOuter}, c, startAngle);
    const TPoint inner0 = Turn(TPoint{cx, cy - tickInner}, c, startAngle);
    const TPoint subOuter0 = Turn(TPoint{cx, cy - (tickInner + SubTickLength)}, c, startAngle);
    const TPoint label0 = Turn(TPoint{cx, cy - r}, c, startAngle);

    TScaleMarks marks;
    auto mainTick = [&](long double angle) {
        const TPoint outer = Turn(outer0, c, angle);
        const TPoint inner = Turn(inner0, c, angle);
        const TPoint anchor = Turn(label0, c, angle);
        marks.push_back(Label(anchor, QxStrToken(labels, QLatin1Char(';')), toMidCenter));
        marks.push_back(Line(smkMainTick, outer, inner, TickWidth));
    };
    for (int i = 0; i < steps_; ++i) {
        mainTick(i * static_cast<long double>(stepAngle));
        for (int k = 1; k < subSteps_; ++k) {
            const int b = QxRound(i * static_cast<long double>(stepAngle) +
                                  k * static_cast<long double>(subAngle));
            marks.push_back(Line(smkSubTick, Turn(inner0, c, b), Turn(subOuter0, c, b), 1));
        }
    }
    mainTick(sweep);

    if (TickWidth == 1) {
        rect.Left += 1;
        rect.Top += 1;
    }
    return marks;
}

void TScaleSettings::HorizScala(TCanvas& canvas, const TRect& rect) {
    PrepareCanvas(canvas);
    canvas.Brush.Style = bsClear;
    canvas.Pen.Width = TickWidth;
    PaintScaleMarks(canvas, HorizScalaMarks(rect));
}

void TScaleSettings::VertiScala(TCanvas& canvas, const TRect& rect) {
    PrepareCanvas(canvas);
    canvas.Brush.Style = bsClear;
    canvas.Pen.Width = TickWidth;
    PaintScaleMarks(canvas, VertiScalaMarks(rect));
}

TScaleMarks TScaleSettings::HorizScalaMarks(const TRect& rect) const {
    return StraightMarks(rect, true);
}

TScaleMarks TScaleSettings::VertiScalaMarks(const TRect& rect) const {
    return StraightMarks(rect, false);
}

TScaleMarks TScaleSettings::StraightMarks(const TRect& rect, bool horizontal) const {
    QString labels = LabelList;
    const int length = horizontal ? rect.Width() : rect.Height();
    const int start = horizontal ? rect.Left : rect.Top;
    const float sub = static_cast<float>(static_cast<long double>(length) / (steps_ * subSteps_));
    const float step = static_cast<float>(subSteps_ * static_cast<long double>(sub));
    auto position = [&](int i, int k) {
        return QxRound(start + k * static_cast<long double>(sub) +
                       i * static_cast<long double>(step));
    };

    // Across the scale: the base line's coordinate, the direction the ticks point
    // in, the label anchor's coordinate and its alignment.
    int base = 0;
    int sign = 1;
    int labelAt = 0;
    toPos anchor = toMidCenter;
    if (horizontal && posLeftTop_) {
        base = rect.Top + LabelHeight / 2 + LabelGap + TickLength;
        sign = -1;
        labelAt = rect.Top;
        anchor = toMidCenter;
    } else if (horizontal) {
        base = rect.Top;
        labelAt = rect.Top + TickLength + LabelGap;
        anchor = toTopCenter;
    } else if (posLeftTop_) {
        base = rect.Right;
        sign = -1;
        labelAt = rect.Right - TickLength - LabelGap + 1;
        anchor = toMidRight;
    } else {
        base = rect.Left;
        labelAt = rect.Left + TickLength + LabelGap;
        anchor = toMidLeft;
    }
    auto at = [&](int along, int across) {
        return horizontal ? TPoint{along, across} : TPoint{across, along};
    };
    auto tick = [&](TScaleMarkKind kind, int along, int tickLength, int penWidth) {
        return Line(kind, at(along, base), at(along, base + sign * tickLength), penWidth);
    };

    TScaleMarks marks;
    if (drawLine_)
        marks.push_back(
            Line(smkBaseLine, at(start, base), at(position(steps_, 0), base), TickWidth));
    auto mainTickAndLabel = [&](int along) {
        marks.push_back(tick(smkMainTick, along, TickLength, TickWidth));
        marks.push_back(Label(at(along, labelAt), QxStrToken(labels, QLatin1Char(';')), anchor));
    };
    for (int i = 0; i < steps_; ++i) {
        mainTickAndLabel(position(i, 0));
        for (int k = 0; k < subSteps_; ++k)
            marks.push_back(tick(smkSubTick, position(i, k), SubTickLength, SubTickWidth));
    }
    mainTickAndLabel(position(steps_, 0));
    return marks;
}

} // namespace zk::gauges
