#include "zktools/gauges/qx_canvas.h"

#include <QPainter>

#include <algorithm>

namespace zk::gauges {

namespace {

QImage WhiteImage(int width, int height) {
    if (width <= 0 || height <= 0)
        return QImage();
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

} // namespace

TBitmap::TBitmap(int width, int height) : image_(WhiteImage(width, height)), canvas_(&image_) {}

TBitmap::~TBitmap() {
    canvas_.Flush();
}

void TBitmap::SetSize(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == Width() && height == Height())
        return;
    canvas_.Flush();
    QImage resized = WhiteImage(width, height);
    if (!resized.isNull() && !image_.isNull()) {
        QPainter p(&resized);
        p.drawImage(0, 0, image_);
    }
    image_ = resized;
    canvas_.Attach(&image_);
}

void TBitmap::Assign(TBitmap& source) {
    if (&source == this)
        return;
    canvas_.Flush();
    image_ = source.Image().copy();
    canvas_.Attach(&image_);
}

const QImage& TBitmap::Image() {
    canvas_.Flush();
    return image_;
}

} // namespace zk::gauges
