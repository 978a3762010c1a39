// Picture of the scales for people: a dial scale, a round scale, straight scales
// in both layouts and the free scale routines, written as one PNG.
//   scale_screens [file.png]
#include "zktools/gauges/qx_canvas.h"
#include "zktools/gauges/qx_free_scale.h"
#include "zktools/gauges/qx_proc_geometry.h"
#include "zktools/gauges/qx_proc_text.h"
#include "zktools/gauges/qx_scale_settings.h"

#include <QGuiApplication>
#include <QImage>

#include <cstdio>
#include <vector>

using namespace zk::gauges;

namespace {

void Caption(TCanvas& canvas, int x, int y, const QString& text) {
    canvas.Font.SetName(QStringLiteral("Arial"));
    canvas.Font.SetSize(9);
    canvas.Font.SetColor(clBlack);
    canvas.Brush.Style = bsClear;
    canvas.TextOut(x, y, text);
}

// The rectangle a scale was given, in light grey, so its placement shows.
void Outline(TCanvas& canvas, const TRect& r) {
    canvas.Brush.Color = clLightGrey;
    canvas.FrameRect(r);
}

void DialPanel(TCanvas& canvas) {
    Caption(canvas, 20, 8, QStringLiteral("DialScala 0..100, 225 / 270"));
    TScaleSettings s;
    s.Font().SetSize(10);
    TRect r = Rect(20, 30, 240, 250);
    Outline(canvas, r);
    s.CalcRSize(canvas, 0, 100);
    s.DialScala(canvas, r, 225, 270);
    Outline(canvas, r); // the square left for the inside
}

void RoundPanel(TCanvas& canvas) {
    Caption(canvas, 260, 8, QStringLiteral("RoundScala -50..50, 270 / 180, 10 x 5"));
    TScaleSettings s;
    s.SetColor(clNavy);
    s.Font().SetSize(8);
    s.SetSteps(10);
    s.SetSubSteps(5);
    TRect r = Rect(260, 30, 480, 250);
    Outline(canvas, r);
    s.CalcRSize(canvas, -50, 50);
    s.RoundScala(canvas, r, 270, 180);
    Outline(canvas, r);
}

void StraightPanels(TCanvas& canvas) {
    Caption(canvas, 500, 8, QStringLiteral("HorizScala, labels below / above"));
    for (bool above : {false, true}) {
        TScaleSettings s;
        s.Font().SetSize(9);
        s.SetPosLeftTop(above);
        s.SetColor(above ? clMaroon : clBlack);
        s.CalcHSize(canvas, 0, 50);
        const TRect r = Rect(520, above ? 100 : 40, 760, above ? 150 : 90);
        Outline(canvas, r);
        s.HorizScala(canvas, r);
    }
    Caption(canvas, 500, 170, QStringLiteral("VertiScala, labels right / left"));
    for (bool left : {false, true}) {
        TScaleSettings s;
        s.Font().SetSize(9);
        s.SetPosLeftTop(left);
        s.SetSteps(4);
        s.SetSubSteps(4);
        s.SetColor(left ? clGreen : clBlack);
        s.CalcSize(canvas, 0, 2000);
        const TRect r = left ? Rect(660, 200, 720, 400) : Rect(540, 200, 600, 400);
        Outline(canvas, r);
        s.VertiScala(canvas, r);
    }
}

void FreePanels(TCanvas& canvas) {
    Caption(canvas, 20, 270, QStringLiteral("QxRoundSector 225/270, 0/90"));
    canvas.Pen.Color = clBlack;
    canvas.Pen.Width = 1;
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = clSilver;
    QxRoundSector(canvas, Rect(20, 295, 160, 435), 225, 270);
    canvas.Brush.Color = clRed;
    QxRoundSector(canvas, Rect(20, 295, 160, 435), 0, 90);

    Caption(canvas, 230, 270, QStringLiteral("QxArrowDraw 0, 60, 300"));
    std::vector<TPoint> needle(6);
    QxArrowSettings(needle[0], 0, 5, 0, 0, 0);
    needle[1] = {290, 380};
    needle[2] = {290, 300};
    needle[3] = {296, 380};
    needle[4] = {290, 392};
    needle[5] = {284, 380};
    std::vector<TPoint> turned(6);
    const TColor colours[] = {clGray, clBlue, clFuchsia};
    const float angles[] = {0, 60, 300};
    for (int i = 0; i < 3; ++i) {
        canvas.Brush.Color = colours[i];
        canvas.Pen.Color = colours[i];
        QxArrowDraw(canvas, angles[i], needle, turned, true);
    }

    Caption(canvas, 20, 450, QStringLiteral("QxHorizScala labels on top / below, QxDrawHPointer"));
    for (bool onTop : {true, false}) {
        canvas.Font.SetSize(8);
        canvas.Pen.Color = clBlack;
        canvas.Brush.Style = bsClear;
        TRect r = onTop ? Rect(20, 470, 360, 520) : Rect(380, 470, 720, 520);
        Outline(canvas, r);
        canvas.Brush.Style = bsClear;
        QxHorizScala(canvas, QxRangeStr(10, 0, 5, QStringLiteral("##0")), r, 5, 4, onTop);
        canvas.Pen.Color = clBlack;
        canvas.Pen.Width = 1;
        canvas.Brush.Style = bsSolid;
        canvas.Brush.Color = clLime;
        QxDrawHPointer(canvas, r, 650, 5, 10, false);
    }
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString file =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("scale_screens.png");
    QImage image(780, 550, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        TCanvas canvas(&image);
        DialPanel(canvas);
        RoundPanel(canvas);
        StraightPanels(canvas);
        FreePanels(canvas);
        canvas.Flush();
    }
    if (!image.save(file)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        return 1;
    }
    return 0;
}
