#include "zktools/gauges/qx_line_pixels.h"

#include <algorithm>
#include <cstdlib>

namespace zk::gauges {

namespace {

// Products of two coordinate spans need more than 64 bits.
__extension__ typedef __int128 Wide;

// floor(a / b) for a >= 0, b > 0.
long long FloorDiv(Wide a, Wide b) {
    return static_cast<long long>(a / b);
}

} // namespace

void AppendLinePixels(TPoint from, TPoint to, const QRect& bounds, std::vector<QPoint>& out) {
    const long long dx = static_cast<long long>(to.X) - from.X;
    const long long dy = static_cast<long long>(to.Y) - from.Y;
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    const long long major = xMajor ? std::llabs(dx) : std::llabs(dy); // number of pixels
    if (major == 0 || bounds.isEmpty())
        return;
    const long long minor = xMajor ? std::llabs(dy) : std::llabs(dx);
    const int majorStep = (xMajor ? dx : dy) > 0 ? 1 : -1;
    const int minorStep = (xMajor ? dy : dx) >= 0 ? 1 : -1;
    const long long majorStart = xMajor ? from.X : from.Y;
    const long long minorStart = xMajor ? from.Y : from.X;

    // Steps whose major coordinate lies inside bounds.
    const long long lo = xMajor ? bounds.left() : bounds.top();
    const long long hi = xMajor ? bounds.right() : bounds.bottom();
    long long first = 0;
    long long last = major - 1;
    if (majorStep > 0) {
        first = std::max(first, lo - majorStart);
        last = std::min(last, hi - majorStart);
    } else {
        first = std::max(first, majorStart - hi);
        last = std::min(last, majorStart - lo);
    }
    // The minor coordinate moves monotonically too: narrow to the steps inside.
    const long long mlo = xMajor ? bounds.top() : bounds.left();
    const long long mhi = xMajor ? bounds.bottom() : bounds.right();
    // Offset of step i along the minor axis, rounded half toward the start.
    auto offset = [&](long long i) {
        return FloorDiv(Wide{2} * i * minor + major - 1, Wide{2} * major);
    };
    const long long nearEdge = minorStep > 0 ? mlo - minorStart : minorStart - mhi;
    const long long farEdge = minorStep > 0 ? mhi - minorStart : minorStart - mlo;
    if (farEdge < 0)
        return;
    if (minor == 0) {
        if (nearEdge > 0)
            return;
    } else {
        // Smallest i with offset(i) >= nearEdge, largest with offset(i) <= farEdge;
        // found by bisection over the monotone offset.
        auto lowerBound = [&](long long k) {
            long long a = 0;
            long long b = major; // offset(major) = minor, an upper limit
            while (a < b) {
                const long long mid = a + (b - a) / 2;
                if (offset(mid) >= k)
                    b = mid;
                else
                    a = mid + 1;
            }
            return a;
        };
        if (nearEdge > 0)
            first = std::max(first, lowerBound(nearEdge));
        last = std::min(last, lowerBound(farEdge + 1) - 1);
    }
    if (first > last)
        return;
    out.reserve(out.size() + static_cast<std::size_t>(last - first + 1));
    for (long long i = first; i <= last; ++i) {
        const long long a = majorStart + i * majorStep;
        const long long b = minorStart + offset(i) * minorStep;
        out.emplace_back(static_cast<int>(xMajor ? a : b), static_cast<int>(xMajor ? b : a));
    }
}

} // namespace zk::gauges
