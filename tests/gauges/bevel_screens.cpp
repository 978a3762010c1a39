// Picture of the bevels, LEDs and bars for people: rectangular bevels in their
// styles, round bevels, the six LED shapes on and off, and bars of every kind in
// both orientations with their value texts, written as one PNG; with a second
// file name also the same picture painted in a widget's paint event and taken
// with grab(), at twice the size for viewing.
//   bevel_screens [file.png [widget_grab.png]]
#include "zktools/gauges/qx_bar_settings.h"
#include "zktools/gauges/qx_bevel.h"
#include "zktools/gauges/qx_button_bevel.h"
#include "zktools/gauges/qx_canvas.h"
#include "zktools/gauges/qx_led.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include <cstdio>

using namespace zk::gauges;

namespace {

constexpr TColor kFace = 0xC8D0D4;

void Caption(TCanvas& canvas, int x, int y, const QString& text) {
    canvas.Font.SetName(QStringLiteral("Arial"));
    canvas.Font.SetSize(9);
    canvas.Font.SetColor(clBlack);
    canvas.Brush.Style = bsClear;
    canvas.TextOut(x, y, text);
}

void RectBevels(TCanvas& canvas) {
    int x = 10;
    auto show = [&](TQxSBevel& bevel, const QString& name, bool plain) {
        TRect r = Bounds(x, 10, 70, 50);
        if (plain)
            bevel.PaintBevel(canvas, r);
        else
            bevel.PaintFilledBevel(canvas, r);
        // The content area the bevel leaves free.
        canvas.Brush.Style = bsSolid;
        canvas.Brush.Color = clWhite;
        canvas.FillRect(r);
        Caption(canvas, x, 62, name);
        x += 85;
    };
    TQxSBevel raised;
    raised.SetStyle(bsRaised);
    show(raised, QStringLiteral("raised"), false);
    TQxSBevel lowered;
    lowered.SetStyle(bsLowered);
    show(lowered, QStringLiteral("lowered"), false);
    TQxSBevel lines;
    lines.SetBevelLine(blBoth);
    lines.SurfaceGrad().SetVisible(true);
    show(lines, QStringLiteral("lines, surface"), false);
    TQxSBevel wide;
    wide.SetWidth(5);
    wide.SetSpacing(3);
    wide.SetColorShadowFrom(clBlack);
    wide.SetColorHighLightTo(clSilver);
    show(wide, QStringLiteral("5 rings"), false);
    TQxSBevel plain;
    plain.SetWidth(3);
    plain.SetColorShadowFrom(clBlack);
    show(plain, QStringLiteral("rings only"), true);
    TQxBtnBevel button;
    TRect r = Bounds(x, 10, 70, 50);
    button.PaintBevel(canvas, r, true, true, clSilver);
    Caption(canvas, x, 62, QStringLiteral("button"));
}

void RoundBevels(TCanvas& canvas) {
    int x = 10;
    auto show = [&](TQxSBevel& bevel, const QString& name) {
        bevel.RoundBevel = true;
        bevel.SetColorShadowFrom(clWhite);
        bevel.SetColorShadowTo(0x404040);
        bevel.SetWidth(6);
        TRect r = Bounds(x, 90, 60, 60);
        bevel.PaintRoundBevel(canvas, r, 0, 0);
        Caption(canvas, x, 152, name);
        x += 85;
    };
    TQxSBevel raised;
    show(raised, QStringLiteral("round"));
    TQxSBevel lowered;
    lowered.SetStyle(bsLowered);
    show(lowered, QStringLiteral("lowered"));
    TQxSBevel lines;
    lines.SetBevelLine(blBoth);
    show(lines, QStringLiteral("lines"));
    TQxSBevel surface;
    surface.SetBevelLine(blInner);
    surface.SurfaceGrad().SetStyle(gsElliptic1);
    surface.SurfaceGrad().SetVisible(true);
    show(surface, QStringLiteral("surface"));
}

void Leds(TCanvas& canvas) {
    const TLEDShape shapes[] = {sRound, sArrowLeft, sArrowRight, sArrowUp, sArrowDown, sRectangle};
    int y = 180;
    for (const int size : {13, 20}) {
        int x = 10;
        for (const TLEDShape shape : shapes) {
            for (const bool on : {true, false}) {
                TLED led;
                led.SetShape(shape);
                led.LEDRect = Bounds(x, y, size, size);
                canvas.Brush.Style = bsSolid;
                led.Draw(canvas, on);
                x += size + 6;
            }
        }
        y += size + 6;
    }
}

void Bar(TCanvas& canvas, TBarStyle style, const TRect& r, int ppt, const QString& value,
         bool sector) {
    TBarSettings bar;
    bar.SetStyle(style);
    bar.SetOptions(
        sector ? TOptions{TBarSettings::opValue, TBarSettings::opUnit, TBarSettings::opUseSectorCol}
               : TOptions{TBarSettings::opValue, TBarSettings::opUnit});
    bar.SectorColor = clRed;
    bar.BarRect = r;
    bar.ValueText = value;
    bar.UnitText = QStringLiteral("V");
    bar.PaintBar(canvas, ppt);
}

void Bars(TCanvas& canvas) {
    Bar(canvas, bsBar, Bounds(10, 230, 150, 18), 620, QStringLiteral("6.2"), false);
    Bar(canvas, bsLED_Bar, Bounds(10, 255, 150, 18), 450, QStringLiteral("4.5"), false);
    Bar(canvas, bsPoint, Bounds(10, 280, 150, 18), 300, QStringLiteral("3.0"), false);
    Bar(canvas, bsBar, Bounds(10, 305, 150, 14), 800, QStringLiteral("8.0"), true);
    Bar(canvas, bsBar, Bounds(180, 230, 24, 89), 700, QStringLiteral("7"), false);
    Bar(canvas, bsLED_Bar, Bounds(215, 230, 24, 89), 400, QStringLiteral("4"), false);
    Bar(canvas, bsPoint, Bounds(250, 230, 24, 89), 550, QStringLiteral("5"), false);
    Bar(canvas, bsBar, Bounds(290, 230, 40, 40), 500, QStringLiteral("sq"), false);
    Caption(canvas, 345, 250, QStringLiteral("square: vertical"));
}

constexpr int kWidth = 530;
constexpr int kHeight = 330;

void All(TCanvas& canvas) {
    RectBevels(canvas);
    RoundBevels(canvas);
    Leds(canvas);
    Bars(canvas);
}

// The same drawing through a widget's painter, as the graphic controls paint.
class Sheet : public QWidget {
protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        TCanvas canvas(&painter);
        canvas.Brush.Color = kFace;
        canvas.FillRect(TRect{0, 0, kWidth, kHeight});
        All(canvas);
    }
};

bool Save(const QImage& image, const QString& path) {
    if (!image.save(path)) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString path =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("bevel_screens.png");
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(ToQColor(kFace));
    {
        TCanvas canvas(&image);
        All(canvas);
    }
    if (!Save(image, path))
        return 1;
    if (argc > 2) {
        Sheet sheet;
        sheet.resize(kWidth, kHeight);
        const QImage grabbed = sheet.grab().toImage();
        if (!Save(grabbed.scaled(grabbed.size() * 2), QString::fromLocal8Bit(argv[2])))
            return 1;
    }
    return 0;
}
