// Integer, rectangle and angle routines. div truncates toward zero; rounding
// goes half to even; angles are degrees.
#ifndef ZKTOOLS_GAUGES_QX_PROC_GEOMETRY_H
#define ZKTOOLS_GAUGES_QX_PROC_GEOMETRY_H

#include "zktools/gauges/qx_types.h"

#include <cstdint>

namespace zk::gauges {

// Where a gauge places a lamp; kept for the library's interface.
enum TLEDPos { lpLeft, lpRight, lpTop, lpBottom };

int QxMinInt(int a, int b);
int QxMaxInt(int a, int b);
// value limited to lower..upper; lower wins when lower > upper.
int QxMinMaxInt(int value, int lower, int upper);
int QxBinToInt(bool flag);

// Insets r by n on every side (a negative n grows it).
void QxBorder(TRect& r, int n);
void QxMultiBorder(TRect& r, int left, int top, int right, int bottom);
// (Left + W div 2, Top + H div 2).
TPoint QxCenterPoint(const TRect& r);
// min(W, H) div 2.
int QxGetRadius(const TRect& r);
// The square of side min(W, H) at the top-left corner.
TRect QxMakeSquare(const TRect& r);
// The centred square of side min(W, H).
TRect QxMakeCenterSquare(const TRect& r);
// Grows r until (x, y) lies on or inside its edges.
void QxGetMaxRect(int x, int y, TRect& r);
// r = overlap of a and b; true also when they only touch.
bool QxRectIntersection(const TRect& a, const TRect& b, TRect& r);
// Left <= x < Right and Top <= y <= Bottom.
bool QxInRect(int x, int y, const TRect& r);
// Inside (or on) the circle of diameter W centred in r.
bool QxInCircle(int x, int y, const TRect& r);
// p turned about centre by angle degrees; clockwise as seen on the screen.
TPoint QxRotate(TPoint p, TPoint centre, float angle, bool clockwise);
// Direction of b seen from a: 0 straight down, 90 left, 180 up, 270 right.
float QxGetAngle(TPoint a, TPoint b);
// Packs b1, b2 into the low 16 bits of p.X and b3, b4 into those of p.Y (upper
// bits zero). As an arrow's header element, b1 is the index of its last point.
void QxArrowSettings(TPoint& p, int unused, std::uint8_t b1, std::uint8_t b2, std::uint8_t b3,
                     std::uint8_t b4);

} // namespace zk::gauges

#endif
