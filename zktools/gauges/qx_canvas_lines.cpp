// Lines, polylines and polygon outlines. A one-pixel Windows line covers its
// start point and leaves out its end point whichever way it runs; Qt's aliased
// lines cover the lower end of each axis instead, so thin lines are set pixel by
// pixel here. Wide pens have round ends on Windows and are left to Qt.
#include "zktools/gauges/qx_canvas.h"

#include "zktools/gauges/qx_line_pixels.h"

#include <QPainter>
#include <QPolygon>

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
    QPolygon polygon;
    polygon.reserve(count);
    for (int i = 0; i < count; ++i)
        polygon << ToQPoint(points[i]);
    const bool thin = PenVisible() && Pen.Width <= 1;
    if (thin)
        p->setPen(Qt::NoPen);
    else
        ApplyPen(*p);
    ApplyBrush(*p);
    if (BrushVisible() || !thin)
        p->drawPolygon(polygon, Qt::OddEvenFill);
    // The closing edge too: every corner is covered.
    if (thin)
        DrawThinLines(*p, points, count, true);
}

} // namespace zk::gauges
