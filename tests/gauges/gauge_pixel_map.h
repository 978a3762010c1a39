// Pixel pictures with a legend of our own: each pixel becomes the character its
// colour has in the legend ('?' for colours without one), one text row per image
// row, so that a whole small picture can be compared at once.
#ifndef TESTS_GAUGES_GAUGE_PIXEL_MAP_H
#define TESTS_GAUGES_GAUGE_PIXEL_MAP_H

#include "zktools/gauges/qx_types.h"

#include <QColor>
#include <QImage>

#include <algorithm>
#include <map>
#include <string>

namespace zk::gauges::testing {

using Legend = std::map<TColor, char>;

inline TColor PixelOf(const QImage& image, int x, int y) {
    return FromQColor(QColor::fromRgb(image.pixel(x, y)));
}

inline QImage FilledImage(int w, int h, TColor color) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(ToQColor(color));
    return image;
}

// Rows y0..y1-1 and columns x0..x1-1, each row ending in '\n'.
inline std::string MapRegion(const QImage& image, const Legend& legend, int x0, int y0, int x1,
                             int y1) {
    std::string out;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            const auto found = legend.find(PixelOf(image, x, y));
            out += found == legend.end() ? '?' : found->second;
        }
        out += '\n';
    }
    return out;
}

inline std::string Map(const QImage& image, const Legend& legend) {
    return MapRegion(image, legend, 0, 0, image.width(), image.height());
}

// Bounding box of the pixels that differ from `background` (all zero if none).
inline TRect PaintedBox(const QImage& image, TColor background) {
    TRect box{image.width(), image.height(), 0, 0};
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (PixelOf(image, x, y) != background) {
                box.Left = std::min(box.Left, x);
                box.Top = std::min(box.Top, y);
                box.Right = std::max(box.Right, x + 1);
                box.Bottom = std::max(box.Bottom, y + 1);
            }
    return box.Right == 0 ? TRect{} : box;
}

// The first row whose painted pixels are not one unbroken run with pen pixels at
// both ends (a fill that leaks past its outline, or background between them);
// -1 when every row holds. Rows with nothing painted pass.
template <typename IsPen>
int FirstRowOffOutline(const QImage& image, TColor background, IsPen isPen) {
    for (int y = 0; y < image.height(); ++y) {
        int first = -1;
        int last = -1;
        for (int x = 0; x < image.width(); ++x)
            if (PixelOf(image, x, y) != background) {
                if (first < 0)
                    first = x;
                last = x;
            }
        if (first < 0)
            continue;
        if (!isPen(PixelOf(image, first, y)) || !isPen(PixelOf(image, last, y)))
            return y;
        for (int x = first; x <= last; ++x)
            if (PixelOf(image, x, y) == background)
                return y;
    }
    return -1;
}

// Rows with at least one pixel other than `background`.
inline int PaintedRows(const QImage& image, TColor background) {
    int rows = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (PixelOf(image, x, y) != background) {
                ++rows;
                break;
            }
    return rows;
}

inline int Brightness(TColor c) {
    return GetRValue(c) + GetGValue(c) + GetBValue(c);
}

} // namespace zk::gauges::testing

#endif
