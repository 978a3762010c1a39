// Pixel helpers of the scale tests: a white picture with a canvas on it, colour
// reads and counts over a region.
#ifndef TESTS_GAUGES_SCALE_PIXELS_H
#define TESTS_GAUGES_SCALE_PIXELS_H

#include "zktools/gauges/qx_canvas.h"
#include "zktools/gauges/qx_types.h"

#include <QImage>

#include <memory>

namespace zk::gauges::scaletest {

struct Picture {
    Picture(int width, int height) : image(width, height, QImage::Format_RGB32) {
        image.fill(Qt::white);
        canvas = std::make_unique<TCanvas>(&image);
    }
    TColor At(int x, int y) { return canvas->Pixel(x, y); }
    // Pixels of colour c in left..right-1, top..bottom-1.
    int Count(const TRect& r, TColor c) {
        canvas->Flush();
        int n = 0;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                n += image.valid(x, y) && FromQColor(QColor::fromRgb(image.pixel(x, y))) == c;
        return n;
    }
    int CountNotWhite(const TRect& r) {
        return (r.Right - r.Left) * (r.Bottom - r.Top) - Count(r, clWhite);
    }

    QImage image;
    std::unique_ptr<TCanvas> canvas;
};

} // namespace zk::gauges::scaletest

#endif
