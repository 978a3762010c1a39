// Small helpers for pixel tests: a white RGB32 image, its pixels as colours, a
// picture of a region for failure messages, and the surfaces a canvas draws on.
#ifndef TESTS_GAUGES_CANVAS_TEST_SUPPORT_H
#define TESTS_GAUGES_CANVAS_TEST_SUPPORT_H

#include "zktools/gauges/qx_canvas.h"
#include "zktools/gauges/qx_types.h"

#include <QImage>
#include <QPainter>
#include <QWidget>

#include <functional>
#include <ostream>
#include <string>
#include <utility>

namespace zk::gauges::testing {

inline QImage WhiteImage(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

inline TColor At(const QImage& image, int x, int y) {
    return FromQColor(QColor::fromRgb(image.pixel(x, y)));
}

// One character per pixel: '.' white, '#' black, else a letter for a few named
// colours (r red, b blue, g lime, o grey, l light grey, s silver) or '?'.
inline std::string Picture(const QImage& image) {
    std::string out = "\n";
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            switch (At(image, x, y)) {
            case clWhite:
                out += '.';
                break;
            case clBlack:
                out += '#';
                break;
            case clRed:
                out += 'r';
                break;
            case clBlue:
                out += 'b';
                break;
            case clLime:
                out += 'g';
                break;
            case clGray:
                out += 'o';
                break;
            case clLightGrey:
                out += 'l';
                break;
            case clSilver:
                out += 's';
                break;
            default:
                out += '?';
                break;
            }
        }
        out += '\n';
    }
    return out;
}

// Pixels of `color` inside the rect (x0, y0)-(x1, y1), both exclusive at the end.
inline int CountColor(const QImage& image, TColor color, int x0, int y0, int x1, int y1) {
    int n = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (At(image, x, y) == color)
                ++n;
    return n;
}

// Surfaces a canvas draws on: its own image, someone else's painter on an image,
// and a widget's painter in its paint event (taken with grab()).
enum class Surface { OwnImage, ImagePainter, WidgetPainter };

inline void PrintTo(Surface s, std::ostream* os) {
    *os << (s == Surface::OwnImage       ? "own image"
            : s == Surface::ImagePainter ? "image painter"
                                         : "widget painter");
}

inline std::string SurfaceName(Surface s) {
    switch (s) {
    case Surface::OwnImage:
        return "OwnImage";
    case Surface::ImagePainter:
        return "ImagePainter";
    case Surface::WidgetPainter:
        return "WidgetPainter";
    }
    return "Unknown";
}

class PaintedWidget : public QWidget {
public:
    explicit PaintedWidget(std::function<void(TCanvas&)> paint) : paint_(std::move(paint)) {}

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        TCanvas canvas(&painter);
        paint_(canvas);
    }

private:
    std::function<void(TCanvas&)> paint_;
};

// A w x h picture in `background` with `paint` drawn on it through the surface.
inline QImage PaintOn(Surface surface, int w, int h, const std::function<void(TCanvas&)>& paint,
                      TColor background = clWhite) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(ToQColor(background));
    switch (surface) {
    case Surface::OwnImage: {
        TCanvas canvas(&image);
        paint(canvas);
        break;
    }
    case Surface::ImagePainter: {
        QPainter painter(&image);
        TCanvas canvas(&painter);
        paint(canvas);
        break;
    }
    case Surface::WidgetPainter: {
        PaintedWidget widget([&](TCanvas& canvas) {
            canvas.Brush.Style = bsSolid;
            canvas.Brush.Color = background;
            canvas.FillRect(TRect{0, 0, w, h});
            paint(canvas);
        });
        widget.resize(w, h);
        image = widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
        break;
    }
    }
    return image;
}

} // namespace zk::gauges::testing

#endif
