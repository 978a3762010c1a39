// The gauges' 2-D canvas: Windows drawing semantics over Qt. Every difference
// between the two lives in qx_canvas*.cpp:
// - rectangles and ellipses cover Left..Right-1, Top..Bottom-1;
// - LineTo and Polyline leave out their end point;
// - Arc and Pie take radial points and run counter-clockwise on the screen;
// - TextOut takes the text's top-left corner and, with a solid brush, fills the
//   text cell with the brush colour;
// - Draw, StretchDraw and CopyRect combine source and destination by CopyMode;
// - clip regions are in device coordinates (the canvas has no origin shift).
//
// A canvas draws on a QImage (always Format_RGB32; every operation works) or
// through a QPainter opened by someone else (e.g. in a paint event; then Pixels
// reads give clBlack and copy modes use Qt's raster operations).
#ifndef ZKTOOLS_GAUGES_QX_CANVAS_H
#define ZKTOOLS_GAUGES_QX_CANVAS_H

#include "zktools/gauges/qx_font.h"
#include "zktools/gauges/qx_types.h"

#include <QImage>
#include <QRegion>
#include <QString>

#include <memory>
#include <vector>

class QPainter;

namespace zk::gauges {

class TBitmap;

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

struct TPen {
    TColor Color = clBlack;
    int Width = 1; // 0 draws like 1
    TPenStyle Style = psSolid;
};

enum TBrushStyle { bsSolid, bsClear };

struct TBrush {
    TColor Color = clWhite;
    TBrushStyle Style = bsSolid;
};

// How a bitmap copy combines a source pixel S with the destination pixel D.
enum TCopyMode {
    cmSrcCopy,    // S
    cmSrcInvert,  // S xor D
    cmSrcAnd,     // S and D
    cmSrcPaint,   // S or D
    cmNotSrcCopy, // not S
    cmDstInvert,  // not D
    cmBlackness,  // black
    cmWhiteness,  // white
};

class TCanvas {
public:
    // Draws on *image (converted to Format_RGB32 if needed); the image must outlive
    // the canvas or be re-attached with Attach.
    explicit TCanvas(QImage* image);
    // Draws through an active painter owned by the caller.
    explicit TCanvas(QPainter* painter);
    ~TCanvas();
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    // Pen, brush and font are read by every operation; change them freely.
    TPen Pen;
    TBrush Brush;
    TFont Font;
    TCopyMode CopyMode = cmSrcCopy;

    // Size of the surface (the painter's device for a painter canvas).
    int SurfaceWidth() const;
    int SurfaceHeight() const;

    // Text in the current font.
    int TextWidth(const QString& text);
    int TextHeight(const QString& text);
    // Top-left corner at (x, y); moves the pen position to (x + width, y).
    void TextOut(int x, int y, const QString& text);

    // Brush only, no outline.
    void FillRect(const TRect& r);
    // One-pixel frame in the brush colour (no fill).
    void FrameRect(const TRect& r);
    // Outline in the pen, inside filled with the brush.
    void Rectangle(int left, int top, int right, int bottom);
    void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
    // Corners are quarter ellipses of cornerWidth x cornerHeight.
    void RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
    void Ellipse(int left, int top, int right, int bottom);
    void Ellipse(const TRect& r) { Ellipse(r.Left, r.Top, r.Right, r.Bottom); }
    // Part of the ellipse in the box, counter-clockwise on the screen from where the
    // radial through (x1, y1) meets it to where the radial through (x2, y2) meets it;
    // equal radials draw the whole ellipse.
    void Arc(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2);
    // The same sector closed by two radii, filled with the brush.
    void Pie(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2);
    // Closed, filled with the brush (alternate fill), outlined with the pen.
    void Polygon(const TPoint* points, int count);
    void Polygon(const std::vector<TPoint>& points) {
        Polygon(points.data(), static_cast<int>(points.size()));
    }
    // Open line through the points; the last point is left out.
    void Polyline(const TPoint* points, int count);
    void Polyline(const std::vector<TPoint>& points) {
        Polyline(points.data(), static_cast<int>(points.size()));
    }

    TPoint PenPos() const { return penPos_; }
    void MoveTo(int x, int y) { penPos_ = TPoint{x, y}; }
    // From the pen position to (x, y), leaving out (x, y); the pen position moves there.
    void LineTo(int x, int y);

    // Pixels outside the surface read as clBlack and are not written.
    TColor Pixel(int x, int y);
    void SetPixel(int x, int y, TColor color);

    // Bitmap copies through CopyMode. StretchDraw and CopyRect give each destination
    // pixel the source pixel under its leading edge (shrinking drops the last
    // columns); a destination with Right < Left or Bottom < Top mirrors the image.
    void Draw(int x, int y, TBitmap& bitmap);
    void StretchDraw(const TRect& dest, TBitmap& bitmap);
    void CopyRect(const TRect& dest, TCanvas& source, const TRect& sourceRect);

    // Clip regions, in device coordinates. ClipRect is the clip's bounding box,
    // the whole surface when nothing is clipped.
    TRect ClipRect() const;
    void SelectClipRect(const TRect& r);
    // The ellipse inscribed in r, as a region covering Left..Right-1, Top..Bottom-1.
    void SelectClipEllipse(const TRect& r);
    void SelectClipRegion(const QRegion& region);
    void RemoveClip();
    bool HasClip() const { return clip_ != nullptr; }

    // The image a canvas draws on (nullptr for a painter canvas). Ends the canvas's
    // own painter first, so the pixels are complete.
    QImage* Image();
    // Re-points an image canvas (TBitmap uses this after a resize); keeps pen, brush,
    // font, copy mode and pen position, drops the clip.
    void Attach(QImage* image);
    // Ends the canvas's own painter (it restarts on the next drawing operation).
    void Flush();

private:
    QPainter* Begin();
    // Puts the canvas's clip on the painter, replacing whatever it had.
    void ApplyClip(QPainter& p) const;
    void ApplyPen(QPainter& p) const;
    void ApplyBrush(QPainter& p) const;
    bool PenVisible() const;
    bool BrushVisible() const;
    // Thin (one-pixel) lines through the points, each segment leaving out its end.
    void DrawThinLines(QPainter& p, const TPoint* points, int count, bool closed);
    void Blit(const TRect& dest, const QImage& src, const QRect& srcRect);
    // The Qt font and its metrics for Font, made again only when the face, size
    // or style changed (making them is dear next to measuring a short text).
    const QFontMetrics& Metrics();

    struct FontCache;

    QImage* image_ = nullptr;
    QPainter* external_ = nullptr;
    std::unique_ptr<QPainter> own_;
    std::unique_ptr<QRegion> clip_;
    TPoint penPos_;
    std::unique_ptr<FontCache> fontCache_;
};

// The region of the ellipse inscribed in r (edges in either order), as Windows
// makes it: the pixels whose centres lie inside the ellipse, rows and columns
// mirrored around its centre, within Left..Right-1 and Top..Bottom-1 and reaching
// all four edges (the rows and columns through the centre run edge to edge).
QRegion EllipticRegion(const TRect& r);

// The one-pixel three-dimensional frame, width times: left and top edges in
// topColor, right and bottom in bottomColor (the top-right and bottom-left corner
// pixels take bottomColor); r shrinks by one pixel on every side per ring.
// Leaves the pen at width 1.
void Frame3D(TCanvas& canvas, TRect& r, TColor topColor, TColor bottomColor, int width);

// An off-screen bitmap with its own canvas. New pixels are white; a resize keeps
// the old picture at the top-left corner.
class TBitmap {
public:
    TBitmap() : TBitmap(0, 0) {}
    TBitmap(int width, int height);
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;
    ~TBitmap();

    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }
    bool Empty() const { return image_.isNull(); }
    void SetSize(int width, int height);
    void SetWidth(int width) { SetSize(width, Height()); }
    void SetHeight(int height) { SetSize(Width(), height); }
    // Copies size and picture from another bitmap.
    void Assign(TBitmap& source);

    TCanvas& Canvas() { return canvas_; }
    // The finished picture (ends painting first).
    const QImage& Image();

private:
    QImage image_;
    TCanvas canvas_;
};

} // namespace zk::gauges

#endif
