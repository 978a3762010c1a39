// The pixels of a one-pixel line as the Windows canvas sets them: from the start
// point inclusive to the end point exclusive, in whichever direction the line
// runs, one pixel per step along the longer axis.
#ifndef ZKTOOLS_GAUGES_QX_LINE_PIXELS_H
#define ZKTOOLS_GAUGES_QX_LINE_PIXELS_H

#include "zktools/gauges/qx_types.h"

#include <QPoint>
#include <QRect>

#include <vector>

namespace zk::gauges {

// Appends to out the pixels of the line from `from` to `to` (the end left out)
// that lie inside bounds; work is limited to the steps inside bounds, so a line
// with far-away ends costs no more than one across bounds. Where the line runs
// exactly between two pixels, the one on the start's side is taken.
void AppendLinePixels(TPoint from, TPoint to, const QRect& bounds, std::vector<QPoint>& out);

} // namespace zk::gauges

#endif
