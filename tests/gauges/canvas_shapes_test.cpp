// Windows drawing semantics of the canvas, pixel by pixel on small images.
#include "tests/gauges/canvas_test_support.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace zk::gauges {
namespace {

using testing::At;
using testing::CountColor;
using testing::Picture;
using testing::WhiteImage;

class CanvasPixels : public ::testing::Test {
protected:
    QImage image = WhiteImage(12, 12);
    TCanvas canvas{&image};

    const QImage& Done() {
        canvas.Flush();
        return image;
    }
};

TEST_F(CanvasPixels, RectangleOutlinesLeftToRightMinusOneAndFillsInside) {
    canvas.Pen.Color = clBlack;
    canvas.Brush.Color = clRed;
    canvas.Rectangle(1, 2, 6, 6);
    const QImage& im = Done();
    const std::string expected = "\n"
                                 "............\n"
                                 "............\n"
                                 ".#####......\n"
                                 ".#rrr#......\n"
                                 ".#rrr#......\n"
                                 ".#####......\n"
                                 "............\n";
    EXPECT_EQ(Picture(im).substr(0, expected.size()), expected) << Picture(im);
}

TEST_F(CanvasPixels, RectangleWithClearPenFillsOnePixelLess) {
    canvas.Pen.Style = psClear;
    canvas.Brush.Color = clRed;
    canvas.Rectangle(2, 2, 6, 5);
    const QImage& im = Done();
    EXPECT_EQ(CountColor(im, clRed, 0, 0, 12, 12), 3 * 2) << Picture(im);
    EXPECT_EQ(At(im, 2, 2), clRed);
    EXPECT_EQ(At(im, 4, 3), clRed);
    EXPECT_EQ(At(im, 5, 2), clWhite);
    EXPECT_EQ(At(im, 2, 4), clWhite);
}

TEST_F(CanvasPixels, RectangleWithClearBrushLeavesTheInside) {
    canvas.Brush.Style = bsClear;
    canvas.Rectangle(0, 0, 4, 4);
    const QImage& im = Done();
    EXPECT_EQ(CountColor(im, clBlack, 0, 0, 12, 12), 12) << Picture(im);
    EXPECT_EQ(At(im, 1, 1), clWhite);
}

TEST_F(CanvasPixels, FillRectCoversExactlyTheRect) {
    canvas.Brush.Color = clBlue;
    canvas.FillRect(TRect{3, 4, 7, 6});
    const QImage& im = Done();
    EXPECT_EQ(CountColor(im, clBlue, 0, 0, 12, 12), 8);
    EXPECT_EQ(CountColor(im, clBlue, 3, 4, 7, 6), 8) << Picture(im);
}

TEST_F(CanvasPixels, FrameRectDrawsTheRingInTheBrushColour) {
    canvas.Brush.Color = clBlue;
    canvas.FrameRect(TRect{1, 1, 5, 5});
    const QImage& im = Done();
    EXPECT_EQ(CountColor(im, clBlue, 0, 0, 12, 12), 12) << Picture(im);
    EXPECT_EQ(At(im, 2, 2), clWhite);
}

struct LineCase {
    const char* name;
    TPoint from;
    TPoint to;
    int pixels; // drawn pixels, the end point left out
};

class CanvasLines : public CanvasPixels, public ::testing::WithParamInterface<LineCase> {};

TEST_P(CanvasLines, LineToLeavesOutItsEndPoint) {
    const LineCase& c = GetParam();
    canvas.MoveTo(c.from.X, c.from.Y);
    canvas.LineTo(c.to.X, c.to.Y);
    EXPECT_EQ(canvas.PenPos(), c.to);
    const QImage& im = Done();
    EXPECT_EQ(CountColor(im, clBlack, 0, 0, 12, 12), c.pixels) << Picture(im);
    if (c.pixels > 0) {
        EXPECT_EQ(At(im, c.from.X, c.from.Y), clBlack) << Picture(im);
    }
    EXPECT_EQ(At(im, c.to.X, c.to.Y), clWhite) << Picture(im);
}

INSTANTIATE_TEST_SUITE_P(Cases, CanvasLines,
                         ::testing::Values(LineCase{"right", {1, 1}, {8, 1}, 7},
                                           LineCase{"left", {8, 2}, {1, 2}, 7},
                                           LineCase{"down", {3, 0}, {3, 10}, 10},
                                           LineCase{"up", {4, 10}, {4, 5}, 5},
                                           LineCase{"diagonal", {1, 1}, {9, 9}, 8},
                                           LineCase{"antidiagonal", {9, 1}, {1, 9}, 8},
                                           LineCase{"zero_length", {5, 5}, {5, 5}, 0}),
                         [](const auto& param_info) { return std::string(param_info.param.name); });

// A shallow line runs one pixel per column and steps rows where the exact line
// crosses a half; reversed, it starts on the other end and still leaves out its end.
TEST_F(CanvasPixels, ShallowLinesStepRowsAtTheHalfInEitherDirection) {
    canvas.MoveTo(0, 0);
    canvas.LineTo(8, 2);
    canvas.Pen.Color = clRed;
    canvas.MoveTo(8, 6);
    canvas.LineTo(0, 4);
    const QImage& im = Done();
    const std::string expected = "\n"
                                 "###.........\n"
                                 "...####.....\n"
                                 ".......#....\n"
                                 "............\n"
                                 ".r..........\n"
                                 "..rrrr......\n"
                                 "......rrr...\n";
    EXPECT_EQ(Picture(im).substr(0, expected.size()), expected) << Picture(im);
}

TEST_F(CanvasPixels, LinesWithFarAwayEndsDrawOnlyTheVisiblePart) {
    canvas.MoveTo(-2000000000, 5);
    canvas.LineTo(2000000000, 5);
    canvas.MoveTo(3, -2000000000);
    canvas.LineTo(3, 2000000000);
    canvas.MoveTo(-2000000000, -2000000000);
    canvas.LineTo(2000000000, 2000000000);
    const QImage& im = Done();
    EXPECT_EQ(CountColor(im, clBlack, 0, 5, 12, 6), 12) << Picture(im);
    EXPECT_EQ(CountColor(im, clBlack, 3, 0, 4, 12), 12) << Picture(im);
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(At(im, i, i), clBlack) << i << Picture(im);
    EXPECT_EQ(CountColor(im, clBlack, 0, 0, 12, 12), 12 + 12 + 12 - 3) << Picture(im);
}

// A canvas over someone else's painter (a paint event) follows the same rules.
TEST(CanvasOnPainter, LinesAndPolylinesLeaveOutTheirEndPoints) {
    QImage image = WhiteImage(12, 12);
    {
        QPainter painter(&image);
        TCanvas canvas(&painter);
        canvas.MoveTo(8, 2);
        canvas.LineTo(1, 2);
        const std::vector<TPoint> points = {{10, 10}, {10, 5}, {5, 5}};
        canvas.Polyline(points);
    }
    EXPECT_EQ(CountColor(image, clBlack, 0, 2, 12, 3), 7) << Picture(image);
    EXPECT_EQ(At(image, 8, 2), clBlack);
    EXPECT_EQ(At(image, 1, 2), clWhite);
    EXPECT_EQ(At(image, 10, 10), clBlack) << Picture(image);
    EXPECT_EQ(At(image, 10, 5), clBlack);
    EXPECT_EQ(At(image, 5, 5), clWhite);
    EXPECT_EQ(CountColor(image, clBlack, 0, 0, 12, 12), 7 + 10) << Picture(image);
}

TEST_F(CanvasPixels, WidePenLinesIncludeTheirRoundEnds) {
    canvas.Pen.Width = 3;
    canvas.MoveTo(3, 5);
    canvas.LineTo(8, 5);
    const QImage& im = Done();
    EXPECT_EQ(At(im, 8, 5), clBlack) << Picture(im);
    EXPECT_EQ(At(im, 5, 4), clBlack);
    EXPECT_EQ(At(im, 5, 6), clBlack);
}

TEST_F(CanvasPixels, PolylineDrawsInnerCornersAndLeavesOutTheLastPoint) {
    const std::vector<TPoint> points = {{1, 1}, {6, 1}, {6, 6}, {1, 6}};
    canvas.Polyline(points);
    const QImage& im = Done();
    EXPECT_EQ(At(im, 6, 1), clBlack) << Picture(im);
    EXPECT_EQ(At(im, 6, 6), clBlack);
    EXPECT_EQ(At(im, 1, 6), clWhite);
    EXPECT_EQ(CountColor(im, clBlack, 0, 0, 12, 12), 15);
}

TEST_F(CanvasPixels, PolygonOutlinesEveryCornerAndFills) {
    canvas.Brush.Color = clRed;
    const std::vector<TPoint> triangle = {{1, 1}, {9, 1}, {1, 9}};
    canvas.Polygon(triangle);
    const QImage& im = Done();
    for (const TPoint& p : triangle)
        EXPECT_EQ(At(im, p.X, p.Y), clBlack) << Picture(im);
    EXPECT_EQ(At(im, 3, 3), clRed);
    EXPECT_EQ(At(im, 8, 8), clWhite);
}

TEST_F(CanvasPixels, EllipseStaysInsideLeftToRightMinusOne) {
    canvas.Brush.Color = clRed;
    canvas.Ellipse(1, 2, 10, 9);
    const QImage& im = Done();
    EXPECT_GT(CountColor(im, clBlack, 1, 2, 2, 9), 0) << Picture(im);  // left column
    EXPECT_GT(CountColor(im, clBlack, 9, 2, 10, 9), 0) << Picture(im); // right column
    EXPECT_GT(CountColor(im, clBlack, 1, 2, 10, 3), 0) << Picture(im); // top row
    EXPECT_GT(CountColor(im, clBlack, 1, 8, 10, 9), 0) << Picture(im); // bottom row
    EXPECT_EQ(CountColor(im, clBlack, 10, 0, 12, 12), 0) << Picture(im);
    EXPECT_EQ(CountColor(im, clBlack, 0, 9, 12, 12), 0) << Picture(im);
    EXPECT_EQ(At(im, 5, 5), clRed);
    EXPECT_EQ(At(im, 1, 2), clWhite); // corner outside the ellipse
}

// Quadrant counts of an arc or pie on the box (0, 0, 21, 21), centre (10, 10).
struct Quadrants {
    int upperRight, upperLeft, lowerLeft, lowerRight;
};

Quadrants Count(const QImage& im, TColor color) {
    return Quadrants{CountColor(im, color, 12, 0, 21, 9), CountColor(im, color, 0, 0, 9, 9),
                     CountColor(im, color, 0, 12, 9, 21), CountColor(im, color, 12, 12, 21, 21)};
}

TEST(CanvasArc, RunsCounterClockwiseFromTheFirstRadialToTheSecond) {
    QImage image = WhiteImage(21, 21);
    TCanvas canvas(&image);
    // From the radial through the right (3 o'clock) to the one through the top.
    canvas.Arc(0, 0, 21, 21, 20, 10, 10, 0);
    canvas.Flush();
    Quadrants q = Count(image, clBlack);
    EXPECT_GT(q.upperRight, 5) << Picture(image);
    EXPECT_EQ(q.upperLeft + q.lowerLeft + q.lowerRight, 0) << Picture(image);

    // Swapped radials: the other three quarters.
    image = WhiteImage(21, 21);
    canvas.Attach(&image);
    canvas.Arc(0, 0, 21, 21, 10, 0, 20, 10);
    canvas.Flush();
    q = Count(image, clBlack);
    EXPECT_EQ(q.upperRight, 0) << Picture(image);
    EXPECT_GT(q.upperLeft, 5);
    EXPECT_GT(q.lowerLeft, 5);
    EXPECT_GT(q.lowerRight, 5);
}

TEST(CanvasArc, RadialPointsFarOutsideAndOnAFlatEllipseGiveTheSameQuarter) {
    QImage image = WhiteImage(41, 21);
    TCanvas canvas(&image);
    // A 41 x 21 ellipse; the radial (40, 0) points at its upper-right corner, which
    // on the ellipse's own axes is 45 degrees: from there to the top.
    canvas.Arc(0, 0, 41, 21, 1000, 10, 20, -1000);
    canvas.Flush();
    EXPECT_GT(CountColor(image, clBlack, 21, 0, 41, 9), 5) << Picture(image);
    EXPECT_EQ(CountColor(image, clBlack, 0, 0, 19, 21), 0) << Picture(image);
    EXPECT_EQ(CountColor(image, clBlack, 0, 12, 41, 21), 0) << Picture(image);
}

TEST(CanvasArc, EqualRadialsDrawTheWholeEllipse) {
    QImage image = WhiteImage(21, 21);
    TCanvas canvas(&image);
    canvas.Arc(0, 0, 21, 21, 20, 10, 20, 10);
    canvas.Flush();
    const Quadrants q = Count(image, clBlack);
    EXPECT_GT(q.upperRight, 5);
    EXPECT_GT(q.upperLeft, 5);
    EXPECT_GT(q.lowerLeft, 5);
    EXPECT_GT(q.lowerRight, 5);
}

TEST(CanvasPie, FillsTheSectorBetweenTheRadials) {
    QImage image = WhiteImage(21, 21);
    TCanvas canvas(&image);
    canvas.Brush.Color = clRed;
    // From the top counter-clockwise to the left: the upper-left quarter.
    canvas.Pie(0, 0, 21, 21, 10, 0, 0, 10);
    canvas.Flush();
    const Quadrants q = Count(image, clRed);
    EXPECT_GT(q.upperLeft, 30) << Picture(image);
    EXPECT_EQ(q.upperRight + q.lowerLeft + q.lowerRight, 0) << Picture(image);
}

TEST_F(CanvasPixels, RoundRectWithTinyCornersIsARectangle) {
    canvas.Brush.Color = clRed;
    canvas.RoundRect(1, 1, 6, 6, 1, 1);
    const QImage& im = Done();
    EXPECT_EQ(CountColor(im, clBlack, 0, 0, 12, 12), 16) << Picture(im);
    EXPECT_EQ(CountColor(im, clRed, 0, 0, 12, 12), 9) << Picture(im);
}

TEST_F(CanvasPixels, PixelsReadAndWriteInsideTheSurfaceOnly) {
    canvas.SetPixel(3, 4, clRed);
    canvas.SetPixel(-1, 4, clRed);
    canvas.SetPixel(12, 0, clRed);
    EXPECT_EQ(canvas.Pixel(3, 4), clRed);
    EXPECT_EQ(canvas.Pixel(4, 4), clWhite);
    EXPECT_EQ(canvas.Pixel(-1, 0), clBlack);
    EXPECT_EQ(canvas.Pixel(0, 12), clBlack);
    EXPECT_EQ(CountColor(Done(), clRed, 0, 0, 12, 12), 1);
}

TEST(CanvasColours, SystemColoursAndByteOrder) {
    EXPECT_EQ(ToQColor(clRed), QColor(255, 0, 0));
    EXPECT_EQ(ToQColor(0x00123456), QColor(0x56, 0x34, 0x12));
    EXPECT_EQ(FromQColor(QColor(1, 2, 3)), TColor{0x030201});
    EXPECT_EQ(ColorToRGB(clBtnFace), clSilver);
    EXPECT_EQ(ColorToRGB(clWindowText), clBlack);
    EXPECT_EQ(ColorToRGB(0x7F123456), TColor{0x123456});
    EXPECT_EQ(RGBColor(210, 210, 210), clLightGrey);
}

} // namespace
} // namespace zk::gauges
