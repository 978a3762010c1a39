// Text measuring, anchored text output and ";"-separated label lists. Text is
// measured and written in the canvas's current font.
#ifndef ZKTOOLS_GAUGES_QX_PROC_TEXT_H
#define ZKTOOLS_GAUGES_QX_PROC_TEXT_H

#include "zktools/gauges/qx_canvas.h"
#include "zktools/gauges/qx_types.h"

#include <QChar>
#include <QString>

namespace zk::gauges {

// The anchor point of QxTextOut; values 0 to 8.
enum toPos {
    toTopLeft,
    toTopCenter,
    toTopRight,
    toMidLeft,
    toMidCenter,
    toMidRight,
    tobotLeft,
    toBotCenter,
    toBotRight
};

// width, height of text; half = (width div 2, height div 2).
void QxGetTextSize(TCanvas& canvas, int& width, int& height, TPoint& half, const QString& text);
// height of the whole text; width of the widest ";"-separated piece.
void QxGetMaxTokenSize(TCanvas& canvas, int& width, int& height, const QString& text);
// Writes text so that its anchor point lies at (x, y).
void QxTextOut(TCanvas& canvas, int x, int y, const QString& text, toPos anchor);
// Optionally embossed (shadow at +1, highlight at -1), then the face; the font
// keeps the face colour.
void QxTextOut3D(TCanvas& canvas, int x, int y, TColor face, TColor highlight, TColor shadow,
                 const QString& text, toPos anchor, bool embossed);
// Returns the text before the first separator and removes it and the separator
// from s; without a separator returns s whole and empties s.
QString QxStrToken(QString& s, QChar separator);
// steps + 1 evenly spaced values, the first b and the last a, each formatted with
// FormatFloat(format) and followed by ";". Empty for steps < 0; steps 0 gives
// the one label b.
QString QxRangeStr(float a, float b, int steps, const QString& format);

} // namespace zk::gauges

#endif
