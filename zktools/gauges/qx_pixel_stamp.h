// A small drawing kept as the pixels it sets, so that it can be put down again
// anywhere without drawing it: taken once from the drawing made on black and on
// white, where the pixels that come out the same on both are the ones it covers.
#ifndef ZKTOOLS_GAUGES_QX_PIXEL_STAMP_H
#define ZKTOOLS_GAUGES_QX_PIXEL_STAMP_H

#include <QImage>

#include <vector>

namespace zk::gauges {

struct StampPixel {
    int dx, dy;
    QRgb rgb;
};

using PixelStamp = std::vector<StampPixel>;

// The pixels the drawing sets, relative to (originX, originY) of the two images
// (of one size).
inline PixelStamp StampOf(const QImage& onBlack, const QImage& onWhite, int originX, int originY) {
    PixelStamp stamp;
    for (int y = 0; y < onBlack.height(); ++y)
        for (int x = 0; x < onBlack.width(); ++x)
            if (onBlack.pixel(x, y) == onWhite.pixel(x, y))
                stamp.push_back(StampPixel{x - originX, y - originY, onBlack.pixel(x, y)});
    return stamp;
}

// Puts the stamp down on a 32-bit image with its origin at (x, y); what falls
// outside the image is left out.
inline void Stamp(QImage& image, const PixelStamp& stamp, int x, int y) {
    uchar* const bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    const int w = image.width();
    const int h = image.height();
    for (const StampPixel& p : stamp) {
        const int px = x + p.dx;
        const int py = y + p.dy;
        if (px >= 0 && px < w && py >= 0 && py < h)
            reinterpret_cast<QRgb*>(bits + py * stride)[px] = p.rgb;
    }
}

} // namespace zk::gauges

#endif
