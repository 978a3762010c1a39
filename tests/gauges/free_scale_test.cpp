// Free scale routines: the pie sector's quarters, the self-centred horizontal
// scale and the tick area it returns, the pointer's tip, and the rotated arrow
// polygon (in place, header rules, short arrays).
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "scale_pixels.h"
#include "tests/gauges/gauge_pixel_map.h"
#include "zktools/gauges/qx_free_scale.h"
#include "zktools/gauges/qx_proc_geometry.h"
#include "zktools/gauges/qx_proc_text.h"

namespace zk::gauges {
namespace {

using scaletest::Picture;

struct SectorCase {
    const char* name;
    float start, sweep;
    // Filled or not, for the quarters upper right, lower right, lower left, upper left.
    std::array<bool, 4> filled;
};

TEST(FreeScaleTest, RoundSectorFillsTheClockwiseSweepFromTheStartAngle) {
    const SectorCase cases[] = {
        {"upper right quarter", 0, 90, {true, false, false, false}},
        {"all but the bottom quarter", 225, 270, {true, false, false, true}},
        {"right half", 0, 180, {true, true, false, false}},
        {"lower left quarter", 180, 90, {false, false, true, false}},
    };
    for (const SectorCase& c : cases) {
        SCOPED_TRACE(c.name);
        Picture picture(101, 101);
        TCanvas& canvas = *picture.canvas;
        canvas.Brush.Color = clRed;
        canvas.Pen.Color = clRed;
        QxRoundSector(canvas, Rect(0, 0, 101, 101), c.start, c.sweep);
        // Probes 30 degrees past each quarter's start, 30 pixels from the centre.
        const TPoint probes[4] = {{65, 24}, {65, 76}, {35, 76}, {35, 24}};
        for (int q = 0; q < 4; ++q)
            EXPECT_EQ(picture.At(probes[q].X, probes[q].Y), c.filled[q] ? clRed : clWhite) << q;
        // Outside the ellipse nothing is drawn.
        EXPECT_EQ(picture.At(2, 2), clWhite);
        EXPECT_EQ(picture.At(98, 2), clWhite);
    }
    // The 225..495 sector also covers the parts of the lower quarters beside it.
    Picture picture(101, 101);
    picture.canvas->Brush.Color = clBlue;
    QxRoundSector(*picture.canvas, Rect(0, 0, 101, 101), 225, 270);
    EXPECT_EQ(picture.At(20, 60), clBlue);  // left, just below the centre line
    EXPECT_EQ(picture.At(50, 90), clWhite); // straight down
    EXPECT_EQ(picture.At(80, 60), clBlue);
}

TEST(FreeScaleTest, PointerTipSitsAtItsPerMillePositionOnTheTopEdge) {
    struct Case {
        int position;
        int tipX;
    };
    // Width 125: 500 lies at 62.5 and 100 at 12.5, which round to 62 and 12.
    const Case cases[] = {{0, 10}, {1000, 135}, {500, 72}, {100, 22}, {300, 48}, {-40, 5}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.position);
        Picture picture(150, 40);
        TCanvas& canvas = *picture.canvas;
        canvas.Pen.Color = clBlack;
        canvas.Brush.Color = clLime;
        QxDrawHPointer(canvas, Rect(10, 5, 135, 30), c.position, 6, 12, false);
        EXPECT_EQ(picture.At(c.tipX, 5), clBlack);
        EXPECT_EQ(picture.At(c.tipX, 4), clWhite);
        EXPECT_EQ(picture.At(c.tipX - 2, 5), clWhite);
        EXPECT_EQ(picture.At(c.tipX + 2, 5), clWhite);
        // The base runs half width either side, height rows down; inside is the brush.
        EXPECT_EQ(picture.At(c.tipX - 6, 17), clBlack);
        EXPECT_EQ(picture.At(c.tipX + 6, 17), clBlack);
        EXPECT_EQ(picture.At(c.tipX, 14), clLime);
        EXPECT_EQ(picture.At(c.tipX, 18), clWhite);
    }
}

// The scale's vertical layout for a label height H and the top row T.
struct HorizLayout {
    int labelTop, mainFrom, subFrom, base, bottom;
};

HorizLayout LayoutFor(bool labelsOnTop, int top, int h) {
    if (labelsOnTop) {
        const int m = top + h + 4;
        return {top + 1, m, m + h / 3, m + 2 * (h / 3), m + h - 2};
    }
    const int m = top + 15;
    return {top + 18, m, top + 8, top + 1, m + h - 2};
}

TEST(FreeScaleTest, HorizScalaCentresItselfAndReturnsTheTickArea) {
    for (bool labelsOnTop : {true, false}) {
        SCOPED_TRACE(labelsOnTop ? "labels on top" : "labels below");
        Picture picture(240, 90);
        TCanvas& canvas = *picture.canvas;
        canvas.Font.SetName("Arial");
        canvas.Font.SetSize(10);
        canvas.Font.SetColor(clBlack);
        canvas.Pen.Color = clBlue;
        canvas.Brush.Style = bsClear;
        const QString labels = QxRangeStr(100, 0, 4, "##0");
        int w = 0;
        int h = 0;
        QxGetMaxTokenSize(canvas, w, h, labels);

        // Width - w over 4 x 3 sub steps leaves an odd rest for the margins.
        int width = 215;
        int sub = 0;
        int step = 0;
        int rest = 0;
        do {
            ++width;
            sub = (width - w) / 12;
            step = sub * 3;
            rest = width - 4 * step;
        } while (rest % 2 == 0);
        ASSERT_GT(sub, 1);
        const int left = 10 + rest / 2;
        TRect rect = Rect(10, 5, 10 + width, 85);
        QxHorizScala(canvas, labels, rect, 4, 3, labelsOnTop);

        const HorizLayout l = LayoutFor(labelsOnTop, 5, h);
        EXPECT_EQ(rect, Rect(left, l.mainFrom, left + 4 * step, l.bottom));
        // Margins: the odd pixel goes to the right.
        EXPECT_EQ(left - 10, rest / 2);
        EXPECT_EQ(10 + width - (left + 4 * step), rest - rest / 2);

        // Base line from the left end; main pen H div 8 (1 or more) wide.
        const int mainPen = h / 8 < 1 ? 1 : h / 8;
        EXPECT_EQ(picture.At(left, l.base), clBlue);
        EXPECT_EQ(picture.At(left + 4 * step - 1, l.base), clBlue);
        EXPECT_EQ(picture.At(left - 2 - mainPen, l.base), clWhite);
        // A main tick from its start row, a sub tick only from its own.
        const int top = labelsOnTop ? l.mainFrom : l.base;
        const int bottom = labelsOnTop ? l.base : l.mainFrom;
        for (int y = top + 1; y < bottom; ++y)
            EXPECT_EQ(picture.At(left + step, y), clBlue) << y;
        const int subTop = labelsOnTop ? l.subFrom : l.base;
        const int subBottom = labelsOnTop ? l.base : l.subFrom;
        for (int y = subTop + 1; y < subBottom; ++y)
            EXPECT_EQ(picture.At(left + sub, y), clBlue) << y;
        if (labelsOnTop)
            EXPECT_EQ(picture.At(left + sub, l.subFrom - 1), clWhite);
        else
            EXPECT_EQ(picture.At(left + sub, l.subFrom + 1), clWhite);
        // Labels in black from the label row on, centred on the ticks.
        const TRect labelRow = Rect(0, l.labelTop, 240, l.labelTop + h);
        EXPECT_GT(picture.Count(labelRow, clBlack), 0);
        const TRect firstLabel =
            Rect(left - w / 2 - 1, l.labelTop, left + w / 2 + 1, l.labelTop + h);
        EXPECT_GT(picture.Count(firstLabel, clBlack), 0);
        EXPECT_EQ(picture.Count(Rect(0, 0, left - w, 90), clBlack), 0);
    }
}

TEST(FreeScaleTest, HorizScalaWithoutStepsDrawsNothingAndKeepsTheRect) {
    Picture picture(100, 60);
    TRect rect = Rect(0, 0, 100, 60);
    QxHorizScala(*picture.canvas, "0;1;", rect, 0, 2, true);
    QxHorizScala(*picture.canvas, "0;1;", rect, 2, 0, false);
    EXPECT_EQ(rect, Rect(0, 0, 100, 60));
    EXPECT_EQ(picture.CountNotWhite(Rect(0, 0, 100, 60)), 0);
}

// A triangle arrow: header (n = 4), centre, three corners.
std::vector<TPoint> Arrow() {
    std::vector<TPoint> points(5);
    QxArrowSettings(points[0], 0, 4, 0, 0, 0);
    points[1] = {50, 50};
    points[2] = {50, 10};
    points[3] = {55, 50};
    points[4] = {45, 50};
    return points;
}

TEST(FreeScaleTest, ArrowDrawRotatesTheCornersAboutTheCentreAndFillsThem) {
    struct Case {
        const char* name;
        float angle;
        bool clockwise;
        TPoint tip;
    };
    const Case cases[] = {
        {"unchanged", 0, true, {50, 10}},
        {"quarter clockwise", 90, true, {90, 50}},
        {"quarter counter-clockwise", 90, false, {10, 50}},
        {"half", 180, true, {50, 90}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Picture picture(100, 100);
        TCanvas& canvas = *picture.canvas;
        canvas.Pen.Color = clRed;
        canvas.Brush.Color = clRed;
        const std::vector<TPoint> source = Arrow();
        std::vector<TPoint> target(5, TPoint{-1, -1});
        QxArrowDraw(canvas, c.angle, source, target, c.clockwise);
        EXPECT_EQ(target[0], source[0]);
        EXPECT_EQ(target[1], source[1]);
        EXPECT_EQ(target[2], c.tip);
        for (int i = 2; i < 5; ++i)
            EXPECT_EQ(target[i], QxRotate(source[i], source[1], c.angle, c.clockwise)) << i;
        // The polygon is filled: halfway from the centre to the tip.
        EXPECT_EQ(picture.At((c.tip.X + 50) / 2, (c.tip.Y + 50) / 2), clRed);
        EXPECT_EQ(picture.At(c.tip.X, c.tip.Y), clRed);
    }
}

// A filled arrow turned to any angle, and the pointer, stay inside their outline:
// each row is one run with the pen at both ends.
TEST(FreeScaleTest, ArrowAndPointerFillsStayInsideTheirOutlineAtEveryAngle) {
    const auto isPen = [](TColor c) {
        return c == clBlack;
    };
    for (int angle = 0; angle < 360; angle += 15) {
        SCOPED_TRACE(angle);
        Picture picture(100, 100);
        TCanvas& canvas = *picture.canvas;
        canvas.Pen.Color = clBlack;
        canvas.Brush.Color = clRed;
        std::vector<TPoint> source = Arrow();
        source[3] = {62, 50}; // a wider base, so the fill shows on most rows
        source[4] = {38, 50};
        std::vector<TPoint> target(5);
        QxArrowDraw(canvas, static_cast<float>(angle), source, target, true);
        canvas.Flush();
        EXPECT_EQ(testing::FirstRowOffOutline(picture.image, clWhite, isPen), -1);
        EXPECT_GT(picture.Count(Rect(0, 0, 100, 100), clRed), 200);
    }
    for (const int halfWidth : {2, 5, 9}) {
        SCOPED_TRACE(halfWidth);
        Picture picture(60, 40);
        TCanvas& canvas = *picture.canvas;
        canvas.Pen.Color = clBlack;
        canvas.Brush.Color = clLime;
        QxDrawHPointer(canvas, Rect(10, 5, 50, 30), 370, halfWidth, 13, false);
        canvas.Flush();
        EXPECT_EQ(testing::FirstRowOffOutline(picture.image, clWhite, isPen), -1);
    }
}

TEST(FreeScaleTest, ArrowDrawWorksInPlaceAndHonoursTheHeader) {
    // In place: the same array as source and target.
    std::vector<TPoint> points = Arrow();
    Picture picture(100, 100);
    QxArrowDraw(*picture.canvas, 90, points, points, true);
    EXPECT_EQ(points[2], (TPoint{90, 50}));
    EXPECT_EQ(points[3], (TPoint{50, 55}));
    EXPECT_EQ(points[4], (TPoint{50, 45}));

    // n = 3 leaves the last element alone.
    std::vector<TPoint> shorter = Arrow();
    QxArrowSettings(shorter[0], 0, 3, 0, 0, 0);
    std::vector<TPoint> target(5, TPoint{-1, -1});
    QxArrowDraw(*picture.canvas, 90, shorter, target, true);
    EXPECT_EQ(target[3], (TPoint{50, 55}));
    EXPECT_EQ(target[4], (TPoint{-1, -1}));

    // n below 2: header and centre copied, nothing rotated or drawn.
    Picture empty(100, 100);
    std::vector<TPoint> bare = Arrow();
    QxArrowSettings(bare[0], 0, 1, 0, 0, 0);
    std::vector<TPoint> out(5, TPoint{-1, -1});
    QxArrowDraw(*empty.canvas, 45, bare, out, true);
    EXPECT_EQ(out[1], bare[1]);
    EXPECT_EQ(out[2], (TPoint{-1, -1}));
    EXPECT_EQ(empty.CountNotWhite(Rect(0, 0, 100, 100)), 0);

    // Arrays shorter than the header says: nothing is written or drawn.
    std::vector<TPoint> big = Arrow();
    QxArrowSettings(big[0], 0, 9, 0, 0, 0);
    std::vector<TPoint> small(5, TPoint{-1, -1});
    QxArrowDraw(*empty.canvas, 45, big, small, true);
    EXPECT_EQ(small[0], (TPoint{-1, -1}));
    EXPECT_EQ(empty.CountNotWhite(Rect(0, 0, 100, 100)), 0);
}

} // namespace
} // namespace zk::gauges
