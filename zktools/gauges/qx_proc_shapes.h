// Small painted shapes: the knob dot, a 3-D ellipse, a slider thumb, a button
// bevel. Each leaves pen, brush and font as it last set them.
#ifndef ZKTOOLS_GAUGES_QX_PROC_SHAPES_H
#define ZKTOOLS_GAUGES_QX_PROC_SHAPES_H

#include "zktools/gauges/qx_canvas.h"
#include "zktools/gauges/qx_types.h"

namespace zk::gauges {

// A dot of radius r filled with fillColor, white outline with the upper-left
// half turned grey; penColor is not used (the outline is always white).
void QxCircleAtPoint(TCanvas& canvas, TPoint centre, int radius, TColor penColor, TColor fillColor);
// A raised or sunken filled ellipse; r becomes its face.
void QxEllipse3D(TCanvas& canvas, TRect& r, TColor color, bool raised);
// A slider thumb centred on centre; wide lays it across.
void QxThumb(TCanvas& canvas, TPoint centre, int size, int unused, bool wide, TColor color);
// A two-pixel button bevel, optionally filled first; r becomes the inner face.
void QxBtnBevel(TCanvas& canvas, TRect& r, bool raised, bool filled, TColor color);

} // namespace zk::gauges

#endif
