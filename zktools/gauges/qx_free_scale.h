// Free scale routines for gauges other than the dial: a filled pie sector, a
// horizontal scale from a ready label list, a triangular pointer and a rotated
// polygon (needle or arrow). They draw with the canvas's current pen, brush and
// font unless said otherwise and keep no state.
#ifndef ZKTOOLS_GAUGES_QX_FREE_SCALE_H
#define ZKTOOLS_GAUGES_QX_FREE_SCALE_H

#include "zktools/gauges/qx_canvas.h"
#include "zktools/gauges/qx_types.h"

#include <QString>

#include <span>

namespace zk::gauges {

// The sector of the ellipse in rect from startAngle clockwise over sweep degrees
// (from 12 o'clock), filled with the brush.
void QxRoundSector(TCanvas& canvas, const TRect& rect, float startAngle, float sweep);

// A horizontal scale centred in rect, one label of the ";"-separated list per
// main tick. rect becomes the tick area (from the main ticks' start row, H - 2
// rows high, H the label height). Nothing is drawn and rect is kept when steps or
// subSteps is below 1.
void QxHorizScala(TCanvas& canvas, const QString& labels, TRect& rect, int steps, int subSteps,
                  bool labelsOnTop);

// A filled triangle pointing up at position per mille along rect's width, its tip
// on rect's top edge.
void QxDrawHPointer(TCanvas& canvas, const TRect& rect, int position, int halfWidth, int height,
                    bool unused);

// Point arrays: [0] a header whose X low byte is n, the index of the last point
// (see QxArrowSettings); [1] the rotation centre; [2..n] the corners. The corners
// are turned about the centre into target, which may be source itself, and
// filled as a polygon. When either array holds fewer than n + 1 points, nothing
// is written or drawn.
void QxArrowDraw(TCanvas& canvas, float angle, std::span<const TPoint> source,
                 std::span<TPoint> target, bool clockwise);

} // namespace zk::gauges

#endif
