// Bitmap copies: nearest-pixel scaling, mirroring for reversed destination
// edges, and the copy modes, done pixel by pixel on image canvases so that
// xor and friends touch only the colour bits.
#include "zktools/gauges/qx_canvas.h"

#include <QPainter>

#include <algorithm>

namespace zk::gauges {

namespace {

constexpr QRgb kOpaque = 0xFF000000u;
constexpr QRgb kColourBits = 0x00FFFFFFu;

QRgb Combine(TCopyMode mode, QRgb source, QRgb dest) {
    switch (mode) {
    case cmSrcCopy:
        return source | kOpaque;
    case cmSrcInvert:
        return ((source ^ dest) & kColourBits) | kOpaque;
    case cmSrcAnd:
        return ((source & dest) & kColourBits) | kOpaque;
    case cmSrcPaint:
        return ((source | dest) & kColourBits) | kOpaque;
    case cmNotSrcCopy:
        return (~source & kColourBits) | kOpaque;
    case cmDstInvert:
        return (~dest & kColourBits) | kOpaque;
    case cmBlackness:
        return kOpaque;
    case cmWhiteness:
        return kColourBits | kOpaque;
    }
    return source | kOpaque;
}

QPainter::CompositionMode QtMode(TCopyMode mode) {
    switch (mode) {
    case cmSrcInvert:
        return QPainter::RasterOp_SourceXorDestination;
    case cmSrcAnd:
        return QPainter::RasterOp_SourceAndDestination;
    case cmSrcPaint:
        return QPainter::RasterOp_SourceOrDestination;
    case cmNotSrcCopy:
        return QPainter::RasterOp_NotSource;
    case cmDstInvert:
        return QPainter::RasterOp_NotDestination;
    case cmBlackness:
        return QPainter::RasterOp_ClearDestination;
    case cmWhiteness:
        return QPainter::RasterOp_SetDestination;
    case cmSrcCopy:
        break;
    }
    return QPainter::CompositionMode_Source;
}

// Source coordinate of destination pixel i of n, for a source span of m pixels:
// the pixel under the destination pixel's leading edge, as the Windows stretch
// copy picks it. Shrinking by one pixel thus drops the last source column or row,
// which is the one the gradients' square work surfaces leave unpainted.
int NearestSource(int i, int n, int m, bool mirrored) {
    const long long s = static_cast<long long>(i) * m / n;
    const int source = static_cast<int>(std::clamp<long long>(s, 0, m - 1));
    return mirrored ? m - 1 - source : source;
}

} // namespace

void TCanvas::Blit(const TRect& dest, const QImage& src, const QRect& srcRect) {
    const bool mirrorX = dest.Right < dest.Left;
    const bool mirrorY = dest.Bottom < dest.Top;
    const int dl = std::min(dest.Left, dest.Right);
    const int dt = std::min(dest.Top, dest.Bottom);
    const int dw = std::abs(dest.Right - dest.Left);
    const int dh = std::abs(dest.Bottom - dest.Top);
    // Parts of the source rect outside the source image keep their share of the
    // scaling but copy nothing.
    if (dw == 0 || dh == 0 || srcRect.intersected(src.rect()).isEmpty())
        return;
    const int sw = srcRect.width();
    const int sh = srcRect.height();

    if (external_ != nullptr) {
        QPainter* p = Begin();
        if (p == nullptr)
            return;
        QImage part = src.copy(srcRect).mirrored(mirrorX, mirrorY);
        p->setCompositionMode(QtMode(CopyMode));
        p->drawImage(QRect(dl, dt, dw, dh), part);
        p->setCompositionMode(QPainter::CompositionMode_SourceOver);
        return;
    }
    Flush();
    if (image_ == nullptr || image_->isNull())
        return;
    const QImage source =
        src.format() == QImage::Format_RGB32 ? src : src.convertToFormat(QImage::Format_RGB32);
    const QRect target = QRect(dl, dt, dw, dh).intersected(image_->rect());
    for (int y = target.top(); y <= target.bottom(); ++y) {
        const int sy = srcRect.top() + NearestSource(y - dt, dh, sh, mirrorY);
        if (sy < 0 || sy >= source.height())
            continue;
        const auto* srcLine = reinterpret_cast<const QRgb*>(source.constScanLine(sy));
        auto* dstLine = reinterpret_cast<QRgb*>(image_->scanLine(y));
        for (int x = target.left(); x <= target.right(); ++x) {
            if (clip_ && !clip_->contains(QPoint(x, y)))
                continue;
            const int sx = srcRect.left() + NearestSource(x - dl, dw, sw, mirrorX);
            if (sx < 0 || sx >= source.width())
                continue;
            dstLine[x] = Combine(CopyMode, srcLine[sx], dstLine[x]);
        }
    }
}

void TCanvas::Draw(int x, int y, TBitmap& bitmap) {
    if (bitmap.Empty())
        return;
    const QImage source = bitmap.Image();
    Blit(TRect{x, y, x + source.width(), y + source.height()}, source, source.rect());
}

void TCanvas::StretchDraw(const TRect& dest, TBitmap& bitmap) {
    if (bitmap.Empty())
        return;
    const QImage source = bitmap.Image();
    Blit(dest, source, source.rect());
}

void TCanvas::CopyRect(const TRect& dest, TCanvas& source, const TRect& sourceRect) {
    QImage* image = source.Image();
    if (image == nullptr || image->isNull())
        return;
    // A private copy, so that a canvas can copy onto itself.
    const QImage copy = *image;
    QRect from = ToQRect(sourceRect);
    bool flipX = false;
    bool flipY = false;
    if (from.width() < 0) {
        from = QRect(sourceRect.Right, from.top(), -from.width(), from.height());
        flipX = true;
    }
    if (from.height() < 0) {
        from = QRect(from.left(), sourceRect.Bottom, from.width(), -from.height());
        flipY = true;
    }
    TRect to = dest;
    if (flipX)
        std::swap(to.Left, to.Right);
    if (flipY)
        std::swap(to.Top, to.Bottom);
    Blit(to, copy, from);
}

} // namespace zk::gauges
