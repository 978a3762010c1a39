// Lines, polylines and polygon outlines. A one-pixel Windows line covers its
// start point and leaves out its end point whichever way it runs; Qt's aliased
// lines cover the lower end of each axis instead, so thin lines are set pixel by
// pixel here. Wide pens have round ends on Windows and are left to Qt.
#include "zktools/gauges/qx_canvas.h"

#include "zktools/gauges/qx_line_pixels.h"

#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <cmath>
#include <vector>

namespace zk::gauges {

namespace {

// Where a line can show: the device, in the painter's own coordinates.
QRect VisibleArea(const QPainter& p, int width, int height) {
    const QRect device(0, 0, width, height);
    const QTransform& t = p.worldTransform();
    if (t.isIdentity())
        return device;
    bool invertible = false;
    const QTransform inverse = t.inverted(&invertible);
    return invertible ? inverse.mapRect(device).adjusted(-1, -1, 1, 1) : QRect();
}

// The alternate-rule inside of the polygon, row by row within area. Each row is
// sampled at the pixels' integer points, the points the outline's pixels are
// chosen by, so a row's fill starts and ends on or next to an outline pixel and
// never beyond one. Edges count from their upper end down to just above their
// lower end.
void FillAlternate(QPainter& p, const TPoint* points, int count, const QRect& area,
                   const QColor& color) {
    int top = points[0].Y;
    int bottom = points[0].Y;
    for (int i = 1; i < count; ++i) {
        top = std::min(top, points[i].Y);
        bottom = std::max(bottom, points[i].Y);
    }
    top = std::max(top, area.top());
    bottom = std::min(bottom, area.bottom());
    std::vector<long double> crossings;
    for (int y = top; y <= bottom; ++y) {
        crossings.clear();
        for (int i = 0; i < count; ++i) {
            const TPoint a = points[i];
            const TPoint b = points[(i + 1) % count];
            if (a.Y == b.Y || y < std::min(a.Y, b.Y) || y >= std::max(a.Y, b.Y))
                continue;
            const long double dy = static_cast<long double>(y) - a.Y;
            crossings.push_back(a.X + dy * (static_cast<long double>(b.X) - a.X) /
                                          (static_cast<long double>(b.Y) - a.Y));
        }
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t k = 0; k + 1 < crossings.size(); k += 2) {
            const long double left = std::max<long double>(std::ceil(crossings[k]), area.left());
            const long double right =
                std::min<long double>(std::floor(crossings[k + 1]), area.right());
            if (left <= right)
                p.fillRect(QRect(static_cast<int>(left), y, static_cast<int>(right - left) + 1, 1),
                           color);
        }
    }
}

} // namespace

void TCanvas::DrawThinLines(QPainter& p, const TPoint* points, int count, bool closed) {
    const QRect area = VisibleArea(p, SurfaceWidth(), SurfaceHeight());
    std::vector<QPoint> pixels;
    const int segments = closed ? count : count - 1;
    for (int i = 0; i < segments; ++i)
        AppendLinePixels(points[i], points[(i + 1) % count], area, pixels);
    if (pixels.empty())
        return;
    QPen pen(ToQColor(Pen.Color));
    pen.setWidth(1);
    pen.setCosmetic(true);
    pen.setCapStyle(Qt::SquareCap);
    p.setPen(pen);
    p.drawPoints(pixels.data(), static_cast<int>(pixels.size()));
}

void TCanvas::LineTo(int x, int y) {
    const TPoint from = penPos_;
    penPos_ = TPoint{x, y};
    if (!PenVisible() || from == penPos_)
        return;
    QPainter* p = Begin();
    if (p == nullptr)
        return;
    if (Pen.Width <= 1) {
        const TPoint ends[2] = {from, penPos_};
        DrawThinLines(*p, ends, 2, false);
        return;
    }
    ApplyPen(*p);
    p->drawLine(ToQPoint(from), QPoint(x, y));
}

void TCanvas::Polyline(const TPoint* points, int count) {
    if (points == nullptr || count < 2 || !PenVisible())
        return;
    QPainter* p = Begin();
    if (p == nullptr)
        return;
    if (Pen.Width <= 1) {
        DrawThinLines(*p, points, count, false);
        return;
    }
    QPolygon polyline;
    polyline.reserve(count);
    for (int i = 0; i < count; ++i)
        polyline << ToQPoint(points[i]);
    ApplyPen(*p);
    p->setBrush(Qt::NoBrush);
    p->drawPolyline(polyline);
}

void TCanvas::Polygon(const TPoint* points, int count) {
    if (points == nullptr || count < 2)
        return;
    QPainter* p = Begin();
    if (p == nullptr)
        return;
    // A one-pixel outline goes over the fill, so the outline bounds it.
    if (PenVisible() && Pen.Width <= 1) {
        if (BrushVisible())
            FillAlternate(*p, points, count, VisibleArea(*p, SurfaceWidth(), SurfaceHeight()),
                          ToQColor(Brush.Color));
        DrawThinLines(*p, points, count, true);
        return;
    }
    QPolygon polygon;
    polygon.reserve(count);
    for (int i = 0; i < count; ++i)
        polygon << ToQPoint(points[i]);
    ApplyPen(*p);
    ApplyBrush(*p);
    p->drawPolygon(polygon, Qt::OddEvenFill);
}

} // namespace zk::gauges
