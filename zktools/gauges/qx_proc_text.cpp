#include "zktools/gauges/qx_proc_text.h"

#include "zktools/gauges/qx_format.h"

#include <algorithm>

namespace zk::gauges {

void QxGetTextSize(TCanvas& canvas, int& width, int& height, TPoint& half, const QString& text) {
    width = canvas.TextWidth(text);
    height = canvas.TextHeight(text);
    half = TPoint{width / 2, height / 2};
}

void QxGetMaxTokenSize(TCanvas& canvas, int& width, int& height, const QString& text) {
    height = canvas.TextHeight(text);
    width = 0;
    QString rest = text;
    // The piece after the last ";" counts too; an empty piece measures 0.
    bool more = true;
    while (more) {
        more = rest.contains(u';');
        const QString piece = QxStrToken(rest, u';');
        if (!piece.isEmpty())
            width = std::max(width, canvas.TextWidth(piece));
    }
}

void QxTextOut(TCanvas& canvas, int x, int y, const QString& text, toPos anchor) {
    int w = 0;
    int h = 0;
    TPoint half;
    QxGetTextSize(canvas, w, h, half, text);
    int left = x;
    int top = y;
    switch (anchor) {
    case toTopLeft:
        break;
    case toTopCenter:
        left = x - w / 2;
        break;
    case toTopRight:
        left = x - w;
        break;
    case toMidLeft:
        top = y - h / 2;
        break;
    case toMidCenter:
        left = x - w / 2;
        top = y - h / 2;
        break;
    case toMidRight:
        left = x - w;
        top = y - h / 2;
        break;
    case tobotLeft:
        top = y - h;
        break;
    case toBotCenter:
        left = x - w / 2;
        top = y - h;
        break;
    case toBotRight:
        left = x - w;
        top = y - h;
        break;
    }
    canvas.TextOut(left, top, text);
}

void QxTextOut3D(TCanvas& canvas, int x, int y, TColor face, TColor highlight, TColor shadow,
                 const QString& text, toPos anchor, bool embossed) {
    if (embossed) {
        canvas.Font.SetColor(shadow);
        QxTextOut(canvas, x + 1, y + 1, text, anchor);
        canvas.Font.SetColor(highlight);
        QxTextOut(canvas, x - 1, y - 1, text, anchor);
    }
    canvas.Font.SetColor(face);
    QxTextOut(canvas, x, y, text, anchor);
}

QString QxStrToken(QString& s, QChar separator) {
    const qsizetype at = s.indexOf(separator);
    if (at < 0) {
        QString whole = s;
        s.clear();
        return whole;
    }
    QString token = s.left(at);
    s.remove(0, at + 1);
    return token;
}

QString QxRangeStr(float a, float b, int steps, const QString& format) {
    QString result;
    if (steps < 0)
        return result;
    if (steps == 0) // one label; nothing to divide
        return FormatFloat(format, b) + u';';
    const float step = (b - a) / static_cast<float>(steps);
    for (int k = 0; k <= steps; ++k) {
        const long double value =
            static_cast<long double>(a) + static_cast<long double>(steps - k) * step;
        result += FormatFloat(format, value);
        result += u';';
    }
    return result;
}

} // namespace zk::gauges
