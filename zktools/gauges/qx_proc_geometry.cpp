#include "zktools/gauges/qx_proc_geometry.h"

#include "zktools/gauges/qx_math.h"

#include <cmath>
#include <numbers>

namespace zk::gauges {

int QxMinInt(int a, int b) {
    return a < b ? a : b;
}

int QxMaxInt(int a, int b) {
    return a > b ? a : b;
}

int QxMinMaxInt(int value, int lower, int upper) {
    return QxMaxInt(QxMinInt(value, upper), lower);
}

int QxBinToInt(bool flag) {
    return flag ? 1 : 0;
}

void QxBorder(TRect& r, int n) {
    QxMultiBorder(r, n, n, n, n);
}

void QxMultiBorder(TRect& r, int left, int top, int right, int bottom) {
    r.Left += left;
    r.Top += top;
    r.Right -= right;
    r.Bottom -= bottom;
}

TPoint QxCenterPoint(const TRect& r) {
    return TPoint{r.Left + r.Width() / 2, r.Top + r.Height() / 2};
}

int QxGetRadius(const TRect& r) {
    return QxMinInt(r.Width(), r.Height()) / 2;
}

TRect QxMakeSquare(const TRect& r) {
    TRect s = r;
    if (r.Width() > r.Height())
        s.Right = s.Left + r.Height();
    else
        s.Bottom = s.Top + r.Width();
    return s;
}

TRect QxMakeCenterSquare(const TRect& r) {
    TRect s = r;
    const int w = r.Width();
    const int h = r.Height();
    if (w > h) {
        s.Left = r.Left + w / 2 - h / 2;
        s.Right = s.Left + h;
    } else {
        s.Top = r.Top + h / 2 - w / 2;
        s.Bottom = s.Top + w;
    }
    return s;
}

void QxGetMaxRect(int x, int y, TRect& r) {
    r.Left = QxMinInt(r.Left, x);
    r.Right = QxMaxInt(r.Right, x);
    r.Top = QxMinInt(r.Top, y);
    r.Bottom = QxMaxInt(r.Bottom, y);
}

bool QxRectIntersection(const TRect& a, const TRect& b, TRect& r) {
    r = TRect{QxMaxInt(a.Left, b.Left), QxMaxInt(a.Top, b.Top), QxMinInt(a.Right, b.Right),
              QxMinInt(a.Bottom, b.Bottom)};
    return r.Left <= r.Right && r.Top <= r.Bottom;
}

bool QxInRect(int x, int y, const TRect& r) {
    return r.Left <= x && x < r.Right && r.Top <= y && y <= r.Bottom;
}

bool QxInCircle(int x, int y, const TRect& r) {
    const long double w = r.Width();
    const long double cx = r.Left + w / 2;
    const long double cy = r.Top + static_cast<long double>(r.Height()) / 2;
    const long double dx = x - cx;
    const long double dy = y - cy;
    return w >= 2 * std::sqrt(dx * dx + dy * dy);
}

TPoint QxRotate(TPoint p, TPoint centre, float angle, bool clockwise) {
    const float phi = static_cast<float>(angle * std::numbers::pi_v<long double> / 180);
    const long double c = std::cos(static_cast<long double>(phi));
    const long double s = std::sin(static_cast<long double>(phi));
    const long double dx = static_cast<long double>(p.X) - centre.X;
    const long double dy = static_cast<long double>(p.Y) - centre.Y;
    if (clockwise)
        return TPoint{centre.X + QxRound(dx * c - dy * s), centre.Y + QxRound(dy * c + dx * s)};
    return TPoint{centre.X + QxRound(dx * c + dy * s), centre.Y + QxRound(dy * c - dx * s)};
}

float QxGetAngle(TPoint a, TPoint b) {
    constexpr long double pi = std::numbers::pi_v<long double>;
    long double theta;
    if (b.Y == a.Y) {
        theta = b.X > a.X ? pi / 2 : -pi / 2;
    } else if (b.Y < a.Y) {
        theta = std::atan((static_cast<long double>(a.X) - b.X) /
                          ((static_cast<long double>(b.Y) - a.Y) + 0.0001L));
    } else {
        const long double t = std::atan((static_cast<long double>(b.X) - a.X) /
                                        ((static_cast<long double>(b.Y) - a.Y) + 0.0001L));
        theta = b.X > a.X ? pi - t : -t - pi;
    }
    const float held = static_cast<float>(theta);
    float degrees = static_cast<float>(held * 180 / pi + 180);
    // Single precision rounds the seam straight below to just under 0 or to 360;
    // both are 0.
    if (degrees < 0)
        degrees += 360;
    if (degrees >= 360 || degrees < 0)
        degrees = 0;
    return degrees;
}

void QxArrowSettings(TPoint& p, int /*unused*/, std::uint8_t b1, std::uint8_t b2, std::uint8_t b3,
                     std::uint8_t b4) {
    p.X = static_cast<int>(b1) | (static_cast<int>(b2) << 8);
    p.Y = static_cast<int>(b3) | (static_cast<int>(b4) << 8);
}

} // namespace zk::gauges
