// Bitmap copies: nearest-pixel scaling, mirroring for reversed destination
// edges, and the copy modes. Every canvas picks the same source pixels; on an
// image canvas the modes are applied here so that xor and friends touch only the
// colour bits, through a painter Qt's raster operations apply them.
#include "zktools/gauges/qx_canvas.h"

#include <QPainter>

#include <algorithm>
#include <cstdlib>
#include <vector>

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

// For each destination pixel first..first+count-1 (counted from the destination's
// start), the source pixel it takes. Pixels whose source falls outside 0..limit-1
// copy nothing; the source runs one way, so those that copy form one range, which
// first and count are narrowed to.
std::vector<int> SourceTable(int& first, int& count, int n, int m, int sourceStart, int limit,
                             bool mirrored) {
    std::vector<int> table;
    table.reserve(count);
    int kept = 0;
    for (int i = 0; i < count; ++i) {
        const int s = sourceStart + NearestSource(first + i, n, m, mirrored);
        if (s < 0 || s >= limit) {
            if (table.empty())
                ++kept;
            continue;
        }
        table.push_back(s);
    }
    first += kept;
    count = static_cast<int>(table.size());
    return table;
}

} // namespace

// Every canvas takes the same source pixel for each destination pixel; the
// copy is worked out once and then put down rectangle by rectangle of the clip.
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
    QRect surface(0, 0, SurfaceWidth(), SurfaceHeight());
    if (external_ != nullptr && !external_->worldTransform().isIdentity()) {
        bool invertible = false;
        const QTransform inverse = external_->worldTransform().inverted(&invertible);
        surface = invertible ? inverse.mapRect(surface) : QRect();
    }
    const QRect shown = QRect(dl, dt, dw, dh).intersected(surface);
    if (shown.isEmpty())
        return;
    int x0 = shown.left() - dl;
    int y0 = shown.top() - dt;
    int w = shown.width();
    int h = shown.height();
    // A copy onto a rect of the source's own size takes the source pixels as
    // they lie; only the rest needs a table of the source pixel of each column
    // and row.
    const bool oneToOne = !mirrorX && !mirrorY && dw == srcRect.width() && dh == srcRect.height();
    std::vector<int> sx;
    std::vector<int> sy;
    if (oneToOne) {
        const int left = std::max(x0, -srcRect.left());
        const int right = std::min(x0 + w, src.width() - srcRect.left());
        const int top = std::max(y0, -srcRect.top());
        const int bottom = std::min(y0 + h, src.height() - srcRect.top());
        x0 = left;
        y0 = top;
        w = std::max(right - left, 0);
        h = std::max(bottom - top, 0);
    } else {
        sx = SourceTable(x0, w, dw, srcRect.width(), srcRect.left(), src.width(), mirrorX);
        sy = SourceTable(y0, h, dh, srcRect.height(), srcRect.top(), src.height(), mirrorY);
    }
    if (w == 0 || h == 0)
        return;
    const QRect target(dl + x0, dt + y0, w, h);
    const QImage source =
        src.format() == QImage::Format_RGB32 ? src : src.convertToFormat(QImage::Format_RGB32);
    // Plain: the source pixels lie side by side as they are, from (sourceX,
    // sourceY) on.
    const bool plain =
        oneToOne || (sx.back() - sx.front() == w - 1 && sy.back() - sy.front() == h - 1);
    const int sourceX = oneToOne ? srcRect.left() + x0 : sx.front();
    const int sourceY = oneToOne ? srcRect.top() + y0 : sy.front();

    if (external_ != nullptr) {
        QPainter* p = Begin();
        if (p == nullptr)
            return;
        p->setCompositionMode(QtMode(CopyMode));
        if (plain) {
            p->drawImage(target.topLeft(), source, QRect(sourceX, sourceY, w, h));
        } else {
            QImage piece(w, h, QImage::Format_RGB32);
            for (int y = 0; y < h; ++y) {
                const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(sy[y]));
                auto* to = reinterpret_cast<QRgb*>(piece.scanLine(y));
                for (int x = 0; x < w; ++x)
                    to[x] = from[sx[x]];
            }
            p->drawImage(target.topLeft(), piece);
        }
        p->setCompositionMode(QPainter::CompositionMode_SourceOver);
        return;
    }
    Flush();
    if (image_ == nullptr || image_->isNull())
        return;
    const TCopyMode mode = CopyMode;
    uchar* const bits = image_->bits();
    const qsizetype stride = image_->bytesPerLine();
    const uchar* const sourceBits = source.constBits();
    const qsizetype sourceStride = source.bytesPerLine();
    // The bounds are taken into locals: the pixels written are unsigned ints,
    // which may alias the rect's ints, so the compiler would reload them on
    // every pixel.
    const int targetTop = target.top();
    const int targetLeft = target.left();
    const int* const rows = sy.data();
    const int* const cols = sx.data();
    const auto put = [&](const QRect& r) {
        const int left = r.left() - targetLeft;
        const int rowLeft = r.left();
        const int width = r.width();
        const int y1 = r.bottom();
        for (int y = r.top(); y <= y1; ++y) {
            const int row = plain ? sourceY + (y - targetTop) : rows[y - targetTop];
            const auto* from = reinterpret_cast<const QRgb*>(sourceBits + row * sourceStride);
            auto* to = reinterpret_cast<QRgb*>(bits + y * stride) + rowLeft;
            if (plain) {
                from += sourceX + left;
                if (mode == cmSrcCopy) {
                    for (int x = 0; x < width; ++x)
                        to[x] = from[x] | kOpaque;
                } else {
                    for (int x = 0; x < width; ++x)
                        to[x] = Combine(mode, from[x], to[x]);
                }
                continue;
            }
            const int* columns = cols + left;
            if (mode == cmSrcCopy) {
                for (int x = 0; x < width; ++x)
                    to[x] = from[columns[x]] | kOpaque;
            } else {
                for (int x = 0; x < width; ++x)
                    to[x] = Combine(mode, from[columns[x]], to[x]);
            }
        }
    };
    if (clip_) {
        for (const QRect& r : clip_->intersected(target))
            put(r);
    } else {
        put(target);
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
