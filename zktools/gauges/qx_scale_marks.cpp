#include "zktools/gauges/qx_scale_marks.h"

namespace zk::gauges {

void PaintScaleMarks(TCanvas& canvas, const TScaleMarks& marks) {
    for (const TScaleMark& mark : marks) {
        if (mark.Kind == smkLabel) {
            if (!mark.Text.isEmpty())
                QxTextOut(canvas, mark.From.X, mark.From.Y, mark.Text, mark.Anchor);
            continue;
        }
        canvas.Pen.Width = mark.PenWidth;
        canvas.MoveTo(mark.From.X, mark.From.Y);
        canvas.LineTo(mark.To.X, mark.To.Y);
    }
}

} // namespace zk::gauges
