#include "zktools/gauges/qx_math.h"

#include <climits>
#include <cmath>

namespace zk::gauges {

namespace {

int ClampToInt(long double value) {
    if (value >= static_cast<long double>(INT_MAX))
        return INT_MAX;
    if (value <= static_cast<long double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(value);
}

} // namespace

int QxRound(long double value) {
    if (std::isnan(value))
        return 0;
    const long double lower = std::floor(value);
    const long double fraction = value - lower;
    long double result = lower;
    if (fraction > 0.5L)
        result += 1;
    else if (fraction == 0.5L && std::fmod(lower, 2.0L) != 0)
        result += 1;
    return ClampToInt(result);
}

int QxTrunc(long double value) {
    if (std::isnan(value))
        return 0;
    return ClampToInt(std::trunc(value));
}

} // namespace zk::gauges
