// The gauges' number rules: rounding to the nearest integer with halves to the
// even neighbour, truncation toward zero, both limited to the int range (NaN
// gives 0), so no float-to-int conversion can overflow.
#ifndef ZKTOOLS_GAUGES_QX_MATH_H
#define ZKTOOLS_GAUGES_QX_MATH_H

namespace zk::gauges {

int QxRound(long double value);
int QxTrunc(long double value);

} // namespace zk::gauges

#endif
