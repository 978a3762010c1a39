// What a scale consists of once it is laid out: tick lines and labels, in
// drawing order. The scale routines lay a scale out as marks and then paint the
// marks, so the layout can be checked without looking at pixels.
#ifndef ZKTOOLS_GAUGES_QX_SCALE_MARKS_H
#define ZKTOOLS_GAUGES_QX_SCALE_MARKS_H

#include "zktools/gauges/qx_canvas.h"
#include "zktools/gauges/qx_proc_text.h"
#include "zktools/gauges/qx_types.h"

#include <QString>

#include <vector>

namespace zk::gauges {

enum TScaleMarkKind { smkMainTick, smkSubTick, smkBaseLine, smkLabel };

struct TScaleMark {
    TScaleMarkKind Kind = smkMainTick;
    // Lines: MoveTo(From), LineTo(To) (To itself is left out) with pen width
    // PenWidth. Labels: Text anchored at From.
    TPoint From;
    TPoint To;
    int PenWidth = 1;
    QString Text;
    toPos Anchor = toMidCenter;
};

using TScaleMarks = std::vector<TScaleMark>;

// Draws the marks with the canvas's pen colour and font; empty labels write nothing.
void PaintScaleMarks(TCanvas& canvas, const TScaleMarks& marks);

} // namespace zk::gauges

#endif
