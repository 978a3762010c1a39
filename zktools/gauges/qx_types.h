// Value types every gauge routine takes: rectangles and points with Windows
// conventions (Right and Bottom exclusive), 0x00BBGGRR colours, the object base
// of the settings classes and the notify event they raise.
#ifndef ZKTOOLS_GAUGES_QX_TYPES_H
#define ZKTOOLS_GAUGES_QX_TYPES_H

#include <QColor>
#include <QPoint>
#include <QRect>

#include <cstdint>
#include <functional>

namespace zk::gauges {

// Base of everything that can be the sender of a notify event.
class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = default;
    TObject& operator=(const TObject&) = default;
    virtual ~TObject() = default;
};

// Base of the streamed sub-objects (settings) a control publishes.
class TPersistent : public TObject {};

using TNotifyEvent = std::function<void(TObject* sender)>;

struct TPoint {
    int X = 0;
    int Y = 0;
    friend constexpr bool operator==(const TPoint&, const TPoint&) = default;
};

// Filling and framing cover Left..Right-1 and Top..Bottom-1.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    constexpr int Width() const { return Right - Left; }
    constexpr int Height() const { return Bottom - Top; }
    friend constexpr bool operator==(const TRect&, const TRect&) = default;
};

constexpr TPoint Point(int x, int y) {
    return TPoint{x, y};
}
constexpr TRect Rect(int left, int top, int right, int bottom) {
    return TRect{left, top, right, bottom};
}
constexpr TRect Bounds(int left, int top, int width, int height) {
    return TRect{left, top, left + width, top + height};
}

// Red in bits 0-7, green 8-15, blue 16-23. A value with the high byte 0x80 is
// a system colour index (see ColorToRGB).
using TColor = std::uint32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clOlive = 0x008080;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clGrey = clGray;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clLtGray = clSilver;
inline constexpr TColor clDkGray = clGray;
// Red, green and blue 210: the light grey of the button bevels.
inline constexpr TColor clLightGrey = 0xD2D2D2;

// System colours (classic scheme values in ColorToRGB).
inline constexpr TColor clScrollBar = 0x80000000;
inline constexpr TColor clBackground = 0x80000001;
inline constexpr TColor clActiveCaption = 0x80000002;
inline constexpr TColor clInactiveCaption = 0x80000003;
inline constexpr TColor clMenu = 0x80000004;
inline constexpr TColor clWindow = 0x80000005;
inline constexpr TColor clWindowFrame = 0x80000006;
inline constexpr TColor clMenuText = 0x80000007;
inline constexpr TColor clWindowText = 0x80000008;
inline constexpr TColor clCaptionText = 0x80000009;
inline constexpr TColor clActiveBorder = 0x8000000A;
inline constexpr TColor clInactiveBorder = 0x8000000B;
inline constexpr TColor clAppWorkSpace = 0x8000000C;
inline constexpr TColor clHighlight = 0x8000000D;
inline constexpr TColor clHighlightText = 0x8000000E;
inline constexpr TColor clBtnFace = 0x8000000F;
inline constexpr TColor clBtnShadow = 0x80000010;
inline constexpr TColor clGrayText = 0x80000011;
inline constexpr TColor clBtnText = 0x80000012;
inline constexpr TColor clInactiveCaptionText = 0x80000013;
inline constexpr TColor clBtnHighlight = 0x80000014;

constexpr TColor RGBColor(int red, int green, int blue) {
    return static_cast<TColor>(red & 0xFF) | (static_cast<TColor>(green & 0xFF) << 8) |
           (static_cast<TColor>(blue & 0xFF) << 16);
}
constexpr int GetRValue(TColor c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int GetGValue(TColor c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int GetBValue(TColor c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

// A system colour becomes its RGB value; any other colour keeps its low 24 bits.
TColor ColorToRGB(TColor c);

QColor ToQColor(TColor c); // through ColorToRGB, opaque
TColor FromQColor(const QColor& c);

// QRect keeps width and height, so the covered pixels are the same.
inline QRect ToQRect(const TRect& r) {
    return QRect(r.Left, r.Top, r.Width(), r.Height());
}
inline TRect FromQRect(const QRect& r) {
    return TRect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}
inline QPoint ToQPoint(const TPoint& p) {
    return QPoint(p.X, p.Y);
}
inline TPoint FromQPoint(const QPoint& p) {
    return TPoint{p.x(), p.y()};
}

} // namespace zk::gauges

#endif
