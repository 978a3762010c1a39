// Clip regions, and the elliptic region built pixel by pixel (Qt's own
// QRegion::Ellipse is a polygon, shifted by half a pixel and lopsided).
// The canvas keeps its clip itself and puts it on the painter with
// Qt::ReplaceClip before drawing; "no clip" is a clip to the whole surface. The
// painter's clipping is never switched off: in Qt 6.4 a non-rectangular
// setClipRegion() after setClipping(false) is stored but does not clip, and
// setClipping(true) does not bring it back.
#include "zktools/gauges/qx_canvas.h"

#include <QPainter>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace zk::gauges {

namespace {

// Sides up to this many pixels get the exact region; beyond it Qt's own
// polygon ellipse is close enough and the row-by-row work would be too large.
constexpr long long kLargestExactSide = 1 << 16;

// Whether the pixel at twice-offsets (x2, y2) from the centre of a w x h ellipse
// has its centre inside: (x2 / w)^2 + (y2 / h)^2 <= 1. Only the squares enter,
// so mirrored pixels always get the same answer. For the sides allowed here each
// product fits the 64-bit mantissa exactly.
bool CentreInside(long double x2, long double y2, long double w, long double h) {
    return x2 * x2 * h * h + y2 * y2 * w * w <= w * w * h * h;
}

// First column (0-based) of row j's span; the span is i0..w-1-i0.
int RowStart(int j, int w, int h) {
    if (j == (h - 1) / 2 || j == h / 2)
        return 0; // the rows through the centre touch the left and right edges
    const long double y2 = 2.0L * j + 1 - h;
    const long double t = 1.0L - y2 * y2 / (static_cast<long double>(h) * h);
    const long double reach = t > 0 ? w * std::sqrt(t) : 0; // largest |x2| inside
    const int last = (w - 1) / 2;
    int i0 = std::clamp(static_cast<int>(std::ceil((w - 1 - reach) / 2)), 0, last + 1);
    // The square root is a guess; the exact test settles the boundary pixel.
    while (i0 > 0 && CentreInside(2.0L * (i0 - 1) + 1 - w, y2, w, h))
        --i0;
    while (i0 <= last && !CentreInside(2.0L * i0 + 1 - w, y2, w, h))
        ++i0;
    // Every row keeps at least the pixel (or the two) under the centre, so that
    // thin ellipses still reach their top and bottom edges.
    return std::min(i0, last);
}

} // namespace

QRegion EllipticRegion(const TRect& r) {
    const int left = std::min(r.Left, r.Right);
    const int top = std::min(r.Top, r.Bottom);
    const long long wide = std::llabs(static_cast<long long>(r.Right) - r.Left);
    const long long high = std::llabs(static_cast<long long>(r.Bottom) - r.Top);
    if (wide == 0 || high == 0)
        return QRegion();
    if (wide > kLargestExactSide || high > kLargestExactSide)
        return QRegion(QRect(left, top, static_cast<int>(std::min<long long>(wide, INT_MAX)),
                             static_cast<int>(std::min<long long>(high, INT_MAX))),
                       QRegion::Ellipse);
    const int w = static_cast<int>(wide);
    const int h = static_cast<int>(high);
    // One rectangle per run of rows with the same span, top to bottom.
    std::vector<QRect> bands;
    for (int j = 0; j < h; ++j) {
        const int i0 = RowStart(j, w, h);
        const QRect row(left + i0, top + j, w - 2 * i0, 1);
        if (!bands.empty() && bands.back().left() == row.left() &&
            bands.back().width() == row.width())
            bands.back().setBottom(row.bottom());
        else
            bands.push_back(row);
    }
    QRegion region;
    region.setRects(bands.data(), static_cast<int>(bands.size()));
    return region;
}

void TCanvas::ApplyClip(QPainter& p) const {
    if (clip_)
        p.setClipRegion(*clip_, Qt::ReplaceClip);
    else
        p.setClipRect(QRect(0, 0, SurfaceWidth(), SurfaceHeight()), Qt::ReplaceClip);
}

TRect TCanvas::ClipRect() const {
    if (clip_)
        return FromQRect(clip_->boundingRect());
    return TRect{0, 0, SurfaceWidth(), SurfaceHeight()};
}

void TCanvas::SelectClipRect(const TRect& r) {
    SelectClipRegion(QRegion(ToQRect(r)));
}

void TCanvas::SelectClipEllipse(const TRect& r) {
    SelectClipRegion(EllipticRegion(r));
}

void TCanvas::SelectClipRegion(const QRegion& region) {
    clip_ = std::make_unique<QRegion>(region);
    if (own_)
        ApplyClip(*own_);
}

void TCanvas::RemoveClip() {
    clip_.reset();
    if (own_)
        ApplyClip(*own_);
}

} // namespace zk::gauges
