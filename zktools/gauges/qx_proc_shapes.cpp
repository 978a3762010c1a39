#include "zktools/gauges/qx_proc_shapes.h"

#include "zktools/gauges/qx_math.h"
#include "zktools/gauges/qx_proc_geometry.h"

namespace zk::gauges {

void QxCircleAtPoint(TCanvas& canvas, TPoint centre, int radius, TColor /*penColor*/,
                     TColor fillColor) {
    const int x = centre.X;
    const int y = centre.Y;
    const int r = radius;
    canvas.Brush.Color = fillColor;
    canvas.Brush.Style = bsSolid;
    canvas.Pen.Color = clWhite;
    canvas.Ellipse(x - r, y - r, x + r + 1, y + r + 1);
    canvas.Pen.Color = clGray;
    canvas.Arc(x - r, y - r, x + r + 1, y + r + 1, x + r + 2, y - r, x - r, y + r + 1);
}

void QxEllipse3D(TCanvas& canvas, TRect& r, TColor color, bool raised) {
    canvas.Pen.Width = 1;
    canvas.Brush.Style = bsSolid;
    const TColor outer = raised ? clGray : clWhite;
    const TColor offset = raised ? clWhite : clGray;
    canvas.Pen.Color = outer;
    canvas.Brush.Color = outer;
    canvas.Ellipse(r.Left, r.Top, r.Right, r.Bottom);
    canvas.Pen.Color = offset;
    canvas.Brush.Color = offset;
    canvas.Ellipse(r.Left, r.Top, r.Right - 2, r.Bottom - 2);
    canvas.Pen.Color = color;
    canvas.Brush.Color = color;
    canvas.Ellipse(r.Left + 1, r.Top + 1, r.Right - 2, r.Bottom - 2);
    r = TRect{r.Left + 1, r.Top + 1, r.Right - 2, r.Bottom - 2};
}

void QxThumb(TCanvas& canvas, TPoint centre, int size, int /*unused*/, bool wide, TColor color) {
    const int across = wide ? size / 2 : QxRound(size * 0.2L);
    const int upDown = wide ? QxRound(size * 0.2L) : size / 2;
    TRect box{centre.X - across, centre.Y - upDown, centre.X + across + 1, centre.Y + upDown + 1};
    const TColor frame = color == clGray ? clGray : clBlack;
    canvas.Pen.Color = clSilver;
    canvas.Brush.Color = clSilver;
    canvas.Brush.Style = bsSolid;
    canvas.Rectangle(box);
    Frame3D(canvas, box, clGray, frame, 1);
    Frame3D(canvas, box, clWhite, clGray, 1);
    QxBorder(box, size / 25);
    canvas.Pen.Color = frame;
    canvas.Brush.Color = color;
    canvas.Brush.Style = bsSolid;
    canvas.Rectangle(box);
}

void QxBtnBevel(TCanvas& canvas, TRect& r, bool raised, bool filled, TColor color) {
    if (filled) {
        canvas.Brush.Color = color;
        canvas.Brush.Style = bsSolid;
        canvas.Rectangle(r);
    }
    if (raised) {
        Frame3D(canvas, r, clWhite, clBlack, 1);
        Frame3D(canvas, r, clLightGrey, clGray, 1);
    } else {
        Frame3D(canvas, r, clBlack, clWhite, 1);
        Frame3D(canvas, r, clGray, clLightGrey, 1);
    }
}

} // namespace zk::gauges
