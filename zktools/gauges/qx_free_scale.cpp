#include "zktools/gauges/qx_free_scale.h"

#include "zktools/gauges/qx_math.h"
#include "zktools/gauges/qx_proc_geometry.h"
#include "zktools/gauges/qx_proc_text.h"

#include <algorithm>
#include <vector>

namespace zk::gauges {

void QxRoundSector(TCanvas& canvas, const TRect& rect, float startAngle, float sweep) {
    const TPoint centre = QxCenterPoint(rect);
    const TPoint first = QxRotate(TPoint{centre.X, rect.Top}, centre, startAngle, true);
    const TPoint last = QxRotate(first, centre, sweep, true);
    // Pie runs counter-clockwise from its first radial to its second.
    canvas.Pie(rect.Left, rect.Top, rect.Right, rect.Bottom, last.X, last.Y, first.X, first.Y);
}

void QxHorizScala(TCanvas& canvas, const QString& labels, TRect& rect, int steps, int subSteps,
                  bool labelsOnTop) {
    if (steps < 1 || subSteps < 1)
        return;
    QString list = labels;
    int labelWidth = 0;
    int labelHeight = 0;
    QxGetMaxTokenSize(canvas, labelWidth, labelHeight, list);
    const int h = labelHeight;

    // In 64 bits: steps times sub-steps may exceed int.
    const int sub = static_cast<int>((static_cast<long long>(rect.Right) - rect.Left - labelWidth) /
                                     (static_cast<long long>(steps) * subSteps));
    const int step = sub * subSteps;
    rect.Left += (rect.Right - rect.Left - steps * step) / 2;
    const int mainPen = h / 8 < 1 ? 1 : h / 8;

    const int top = rect.Top;
    int labelTop = 0;
    int mainFrom = 0;
    int subFrom = 0;
    int base = 0;
    if (labelsOnTop) {
        labelTop = top + 1;
        mainFrom = top + h + 4;
        subFrom = mainFrom + h / 3;
        base = mainFrom + 2 * (h / 3);
    } else {
        labelTop = top + 18;
        mainFrom = top + 15;
        subFrom = top + 8;
        base = top + 1;
    }
    // Labels below leave the bottom open; it is given the same height as above.
    const int bottom = mainFrom + h - 2;

    const int left = rect.Left;
    const int end = left + steps * step;
    canvas.Pen.Width = mainPen;
    canvas.MoveTo(left, base);
    canvas.LineTo(end, base);
    auto mainTickAndLabel = [&](int x) {
        canvas.Pen.Width = mainPen;
        canvas.MoveTo(x, mainFrom);
        canvas.LineTo(x, base);
        const QString text = QxStrToken(list, QLatin1Char(';'));
        if (!text.isEmpty())
            QxTextOut(canvas, x, labelTop, text, toTopCenter);
    };
    for (int i = 0; i < steps; ++i) {
        const int x = left + i * step;
        mainTickAndLabel(x);
        canvas.Pen.Width = 1;
        for (int k = 0; k < subSteps; ++k) {
            canvas.MoveTo(x + k * sub, subFrom);
            canvas.LineTo(x + k * sub, base);
        }
    }
    mainTickAndLabel(end);
    rect = TRect{left, mainFrom, end, bottom};
}

void QxDrawHPointer(TCanvas& canvas, const TRect& rect, int position, int halfWidth, int height,
                    bool) {
    const float factor = static_cast<float>((rect.Right - rect.Left) / 1000.0L);
    const int x = rect.Left + QxRound(position * static_cast<long double>(factor));
    const std::vector<TPoint> triangle = {TPoint{x, rect.Top},
                                          TPoint{x + halfWidth, rect.Top + height},
                                          TPoint{x - halfWidth, rect.Top + height}};
    canvas.Polygon(triangle);
}

void QxArrowDraw(TCanvas& canvas, float angle, std::span<const TPoint> source,
                 std::span<TPoint> target, bool clockwise) {
    if (source.empty())
        return;
    const std::size_t last = static_cast<std::size_t>(source[0].X & 0xFF);
    const std::size_t count = last + 1;
    const std::size_t room = std::min(source.size(), target.size());
    if (room < count)
        return;
    // Source and target may be the same array. Header and centre are copied
    // as far as both arrays hold them.
    const std::size_t copied = std::min<std::size_t>(std::max<std::size_t>(count, 2), room);
    const std::vector<TPoint> shape(source.begin(), source.begin() + copied);
    for (std::size_t i = 0; i < copied && i < 2; ++i)
        target[i] = shape[i];
    for (std::size_t i = 2; i < count; ++i)
        target[i] = QxRotate(shape[i], shape[1], angle, clockwise);
    const int corners = static_cast<int>(count) - 2;
    if (corners >= 2)
        canvas.Polygon(&target[2], corners);
}

} // namespace zk::gauges
