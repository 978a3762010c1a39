// Shapes and text: how Windows coordinates map onto Qt's aliased raster engine.
// In aliased mode Qt samples a pixel at its integer coordinate, so a path over
// QRectF(L, T, W - 1, H - 1) outlined with a one-pixel pen covers L..R-1 like a
// Windows shape over (L, T, R, B), and filled without a pen covers L..R-2 like a
// Windows shape drawn with a clear pen.
#include "zktools/gauges/qx_canvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>
#include <utility>

namespace zk::gauges {

namespace {

// Windows accepts a shape's corners in either order.
void SortCorners(int& left, int& top, int& right, int& bottom) {
    if (right < left)
        std::swap(left, right);
    if (bottom < top)
        std::swap(top, bottom);
}

// A one-pixel frame just inside r: the top and bottom rows, the left and right columns.
void FillOutline(QPainter& p, const QRect& r, const QColor& c) {
    p.fillRect(QRect(r.left(), r.top(), r.width(), 1), c);
    p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), c);
    p.fillRect(QRect(r.left(), r.top(), 1, r.height()), c);
    p.fillRect(QRect(r.right(), r.top(), 1, r.height()), c);
}

} // namespace

struct TCanvas::FontCache {
    QString name;
    int size;
    TFontStyles style;
    QFont font;
    QFontMetrics metrics;
    // The last text measured: a text is often measured and then written.
    QString text;
    int width = 0;
};

TCanvas::TCanvas(QImage* image) {
    Attach(image);
}

TCanvas::TCanvas(QPainter* painter) : external_(painter) {}

TCanvas::~TCanvas() {
    Flush();
}

void TCanvas::Attach(QImage* image) {
    Flush();
    external_ = nullptr;
    clip_.reset();
    image_ = image;
    if (image_ != nullptr && !image_->isNull() && image_->format() != QImage::Format_RGB32)
        *image_ = image_->convertToFormat(QImage::Format_RGB32);
}

void TCanvas::Flush() {
    if (own_) {
        own_->end();
        own_.reset();
    }
}

QImage* TCanvas::Image() {
    Flush();
    return image_;
}

int TCanvas::SurfaceWidth() const {
    if (image_ != nullptr)
        return image_->width();
    if (external_ != nullptr && external_->device() != nullptr)
        return external_->device()->width();
    return 0;
}

int TCanvas::SurfaceHeight() const {
    if (image_ != nullptr)
        return image_->height();
    if (external_ != nullptr && external_->device() != nullptr)
        return external_->device()->height();
    return 0;
}

QPainter* TCanvas::Begin() {
    if (external_ != nullptr) {
        if (!external_->isActive())
            return nullptr;
        external_->setRenderHint(QPainter::Antialiasing, false);
        external_->setCompositionMode(QPainter::CompositionMode_SourceOver);
        ApplyClip(*external_);
        return external_;
    }
    if (image_ == nullptr || image_->isNull())
        return nullptr;
    if (!own_) {
        own_ = std::make_unique<QPainter>();
        if (!own_->begin(image_)) {
            own_.reset();
            return nullptr;
        }
        own_->setRenderHint(QPainter::Antialiasing, false);
        ApplyClip(*own_);
    }
    return own_.get();
}

bool TCanvas::PenVisible() const {
    return Pen.Style != psClear;
}

bool TCanvas::BrushVisible() const {
    return Brush.Style != bsClear;
}

void TCanvas::ApplyPen(QPainter& p) const {
    if (!PenVisible()) {
        p.setPen(Qt::NoPen);
        return;
    }
    QPen pen(ToQColor(Pen.Color));
    const int width = Pen.Width > 1 ? Pen.Width : 1;
    pen.setWidth(width);
    switch (Pen.Style) {
    case psDash:
        pen.setStyle(Qt::DashLine);
        break;
    case psDot:
        pen.setStyle(Qt::DotLine);
        break;
    case psDashDot:
        pen.setStyle(Qt::DashDotLine);
        break;
    case psDashDotDot:
        pen.setStyle(Qt::DashDotDotLine);
        break;
    default:
        pen.setStyle(Qt::SolidLine);
        break;
    }
    // One-pixel lines leave out their end point only with a flat cap; wide Windows
    // pens have round ends and joins.
    if (width == 1) {
        pen.setCapStyle(Qt::FlatCap);
        pen.setJoinStyle(Qt::MiterJoin);
    } else {
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
    }
    p.setPen(pen);
}

void TCanvas::ApplyBrush(QPainter& p) const {
    if (BrushVisible())
        p.setBrush(ToQColor(Brush.Color));
    else
        p.setBrush(Qt::NoBrush);
}

const QFontMetrics& TCanvas::Metrics() {
    if (!fontCache_ || fontCache_->name != Font.Name() || fontCache_->size != Font.Size() ||
        fontCache_->style != Font.Style()) {
        const QFont font = Font.ToQFont();
        fontCache_.reset(
            new FontCache{Font.Name(), Font.Size(), Font.Style(), font, QFontMetrics(font), {}, 0});
    }
    return fontCache_->metrics;
}

int TCanvas::TextWidth(const QString& text) {
    const QFontMetrics& metrics = Metrics();
    if (text != fontCache_->text) {
        fontCache_->width = metrics.horizontalAdvance(text);
        fontCache_->text = text;
    }
    return fontCache_->width;
}

int TCanvas::TextHeight(const QString& /*text*/) {
    return Metrics().height();
}

void TCanvas::TextOut(int x, int y, const QString& text) {
    const int width = TextWidth(text);
    const QFontMetrics& metrics = fontCache_->metrics;
    const QFont& font = fontCache_->font;
    if (QPainter* p = Begin()) {
        if (BrushVisible())
            p->fillRect(QRect(x, y, width, metrics.height()), ToQColor(Brush.Color));
        p->setFont(font);
        p->setPen(ToQColor(Font.Color()));
        p->drawText(x, y + metrics.ascent(), text);
    }
    penPos_ = TPoint{x + width, y};
}

void TCanvas::FillRect(const TRect& r) {
    if (r.Width() <= 0 || r.Height() <= 0 || !BrushVisible())
        return;
    if (QPainter* p = Begin())
        p->fillRect(ToQRect(r), ToQColor(Brush.Color));
}

void TCanvas::FrameRect(const TRect& r) {
    if (r.Width() <= 0 || r.Height() <= 0)
        return;
    QPainter* p = Begin();
    if (p == nullptr)
        return;
    FillOutline(*p, QRect(r.Left, r.Top, r.Width(), r.Height()), ToQColor(Brush.Color));
}

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
    SortCorners(left, top, right, bottom);
    const int w = right - left;
    const int h = bottom - top;
    if (w <= 0 || h <= 0)
        return;
    QPainter* p = Begin();
    if (p == nullptr)
        return;
    if (!PenVisible()) {
        if (BrushVisible() && w > 1 && h > 1)
            p->fillRect(QRect(left, top, w - 1, h - 1), ToQColor(Brush.Color));
        return;
    }
    if (Pen.Width <= 1 && (Pen.Style == psSolid || Pen.Style == psInsideFrame)) {
        if (BrushVisible() && w > 2 && h > 2)
            p->fillRect(QRect(left + 1, top + 1, w - 2, h - 2), ToQColor(Brush.Color));
        FillOutline(*p, QRect(left, top, w, h), ToQColor(Pen.Color));
        return;
    }
    ApplyPen(*p);
    QPen pen = p->pen();
    pen.setJoinStyle(Qt::MiterJoin);
    p->setPen(pen);
    ApplyBrush(*p);
    p->drawRect(QRectF(left, top, w - 1, h - 1));
}

void TCanvas::RoundRect(int left, int top, int right, int bottom, int cornerWidth,
                        int cornerHeight) {
    const int w = right - left;
    const int h = bottom - top;
    if (w <= 0 || h <= 0)
        return;
    QPainter* p = Begin();
    if (p == nullptr)
        return;
    ApplyPen(*p);
    ApplyBrush(*p);
    p->drawRoundedRect(QRectF(left, top, w - 1, h - 1), cornerWidth / 2.0, cornerHeight / 2.0,
                       Qt::AbsoluteSize);
}

void TCanvas::Ellipse(int left, int top, int right, int bottom) {
    SortCorners(left, top, right, bottom);
    const int w = right - left;
    const int h = bottom - top;
    if (w <= 0 || h <= 0)
        return;
    QPainter* p = Begin();
    if (p == nullptr)
        return;
    ApplyPen(*p);
    ApplyBrush(*p);
    p->drawEllipse(QRectF(left, top, w - 1, h - 1));
}

namespace {

// Qt's arc angles are parametric on the ellipse (the point at angle t is the
// centre plus (a cos t, -b sin t)), counter-clockwise from 3 o'clock. A radial
// point (x, y) meets the ellipse at the t with tan t = ((cy - y) / b) / ((x - cx) / a).
double RadialAngle(const QRectF& box, int x, int y) {
    const double a = box.width() / 2.0;
    const double b = box.height() / 2.0;
    const QPointF c = box.center();
    const double dx = a > 0 ? (x - c.x()) / a : (x - c.x());
    const double dy = b > 0 ? (c.y() - y) / b : (c.y() - y);
    if (dx == 0 && dy == 0)
        return 0;
    return std::atan2(dy, dx) * 180.0 / std::numbers::pi;
}

// Counter-clockwise sweep from start to end, in (0, 360]; equal radials sweep the
// whole ellipse.
double CounterClockwiseSweep(double start, double end) {
    double sweep = std::fmod(end - start, 360.0);
    if (sweep <= 1e-9)
        sweep += 360.0;
    return sweep;
}

} // namespace

void TCanvas::Arc(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2) {
    if (right - left <= 0 || bottom - top <= 0 || !PenVisible())
        return;
    QPainter* p = Begin();
    if (p == nullptr)
        return;
    const QRectF box(left, top, right - left - 1, bottom - top - 1);
    const double start = RadialAngle(box, x1, y1);
    const double sweep = CounterClockwiseSweep(start, RadialAngle(box, x2, y2));
    QPainterPath path;
    path.arcMoveTo(box, start);
    path.arcTo(box, start, sweep);
    ApplyPen(*p);
    if (Pen.Width <= 1) {
        // The arc's own end pixels belong to it.
        QPen pen = p->pen();
        pen.setCapStyle(Qt::SquareCap);
        p->setPen(pen);
    }
    p->setBrush(Qt::NoBrush);
    p->drawPath(path);
}

void TCanvas::Pie(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2) {
    if (right - left <= 0 || bottom - top <= 0)
        return;
    QPainter* p = Begin();
    if (p == nullptr)
        return;
    const QRectF box(left, top, right - left - 1, bottom - top - 1);
    const double start = RadialAngle(box, x1, y1);
    const double sweep = CounterClockwiseSweep(start, RadialAngle(box, x2, y2));
    QPainterPath path;
    path.moveTo(box.center());
    path.arcTo(box, start, sweep);
    path.closeSubpath();
    ApplyPen(*p);
    ApplyBrush(*p);
    p->drawPath(path);
}

TColor TCanvas::Pixel(int x, int y) {
    Flush();
    if (image_ == nullptr || !image_->valid(x, y))
        return clBlack;
    return FromQColor(QColor::fromRgb(image_->pixel(x, y)));
}

void TCanvas::SetPixel(int x, int y, TColor color) {
    if (clip_ && !clip_->contains(QPoint(x, y)))
        return;
    if (external_ != nullptr) {
        if (QPainter* p = Begin())
            p->fillRect(QRect(x, y, 1, 1), ToQColor(color));
        return;
    }
    Flush();
    if (image_ == nullptr || !image_->valid(x, y))
        return;
    image_->setPixel(x, y, ToQColor(color).rgb());
}

void Frame3D(TCanvas& canvas, TRect& r, TColor topColor, TColor bottomColor, int width) {
    canvas.Pen.Width = 1;
    const TColor oldBrush = canvas.Brush.Color;
    const TBrushStyle oldStyle = canvas.Brush.Style;
    canvas.Brush.Style = bsSolid;
    for (int i = 0; i < width; ++i) {
        const int w = r.Width();
        const int h = r.Height();
        if (w > 0 && h > 0) {
            canvas.Brush.Color = topColor;
            canvas.FillRect(TRect{r.Left, r.Top, r.Left + 1, r.Bottom});
            canvas.FillRect(TRect{r.Left, r.Top, r.Right - 1, r.Top + 1});
            canvas.Brush.Color = bottomColor;
            canvas.FillRect(TRect{r.Right - 1, r.Top, r.Right, r.Bottom});
            canvas.FillRect(TRect{r.Left, r.Bottom - 1, r.Right, r.Bottom});
        }
        r.Left += 1;
        r.Top += 1;
        r.Right -= 1;
        r.Bottom -= 1;
    }
    canvas.Brush.Color = oldBrush;
    canvas.Brush.Style = oldStyle;
    // The frame is drawn in the pen; it keeps the last colour.
    if (width > 0)
        canvas.Pen.Color = bottomColor;
}

} // namespace zk::gauges
