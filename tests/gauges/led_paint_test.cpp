// LED shapes pixel by pixel: the arrows' corners on (0, 0, 10, 10), the round
// lamp with its glint, the rounded rectangle, and the lamp's on and off colours.
#include "tests/gauges/gauge_pixel_map.h"
#include "zktools/gauges/qx_led.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

namespace zk::gauges {
namespace {

using testing::FilledImage;
using testing::FirstRowOffOutline;
using testing::Legend;
using testing::Map;
using testing::PaintedBox;
using testing::PaintedRows;
using testing::PixelOf;

constexpr TColor kBackground = clBlue;
constexpr TColor kFill = clRed;
constexpr TColor kPen = clGray;

struct ShapeCase {
    const char* name;
    TLEDShape shape;
    std::vector<TPoint> outline; // pixels in the pen colour
    TPoint inside;               // a pixel in the fill colour
    TPoint outside;              // a pixel of the box left alone
};

class LedShapes : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(LedShapes, CornersInsideAndBoxOfEachShape) {
    const ShapeCase& c = GetParam();
    QImage image = FilledImage(12, 12, kBackground);
    TCanvas canvas(&image);
    canvas.Brush.Style = bsSolid;
    QxDrawLED(canvas, TRect{0, 0, 10, 10}, c.shape, kPen, kFill);
    canvas.Flush();
    EXPECT_EQ(PaintedBox(image, kBackground), (TRect{0, 0, 10, 10}));
    for (const TPoint p : c.outline)
        EXPECT_EQ(PixelOf(image, p.X, p.Y), kPen) << p.X << "," << p.Y;
    EXPECT_EQ(PixelOf(image, c.inside.X, c.inside.Y), kFill);
    EXPECT_EQ(PixelOf(image, c.outside.X, c.outside.Y), kBackground);
}

INSTANTIATE_TEST_SUITE_P(
    AllShapes, LedShapes,
    ::testing::Values(
        ShapeCase{"ArrowLeft", sArrowLeft, {{0, 5}, {9, 0}, {9, 9}}, {7, 5}, {0, 0}},
        ShapeCase{"ArrowRight", sArrowRight, {{0, 0}, {9, 5}, {0, 9}}, {2, 5}, {9, 0}},
        ShapeCase{"ArrowUp", sArrowUp, {{5, 0}, {9, 9}, {0, 9}}, {5, 6}, {0, 0}},
        ShapeCase{"ArrowDown", sArrowDown, {{0, 0}, {9, 0}, {5, 9}}, {5, 3}, {0, 9}},
        ShapeCase{"Rectangle", sRectangle, {{0, 5}, {9, 5}, {5, 0}, {5, 9}}, {5, 5}, {10, 10}},
        ShapeCase{"Round", sRound, {{0, 5}, {9, 5}, {5, 9}}, {6, 6}, {0, 0}}),
    [](const ::testing::TestParamInfo<ShapeCase>& param) { return std::string(param.param.name); });

// Every row of a lamp is one unbroken run that starts and ends in the pen: the
// outline bounds the fill, and nothing of the background shows between them.
// The round lamp's glint is drawn with a white pen over the outline.
bool DrawnByPen(TColor c) {
    return c == kPen || c == clWhite;
}

class LedRows : public ::testing::TestWithParam<std::tuple<TLEDShape, int>> {};

TEST_P(LedRows, EachRowIsOneRunBetweenTwoPenPixels) {
    const auto [shape, size] = GetParam();
    QImage image = FilledImage(size + 2, size + 2, kBackground);
    TCanvas canvas(&image);
    canvas.Brush.Style = bsSolid;
    QxDrawLED(canvas, TRect{1, 1, 1 + size, 1 + size}, shape, kPen, kFill);
    canvas.Flush();
    const Legend legend{{kBackground, '.'}, {kFill, 'r'}, {kPen, 'o'}, {clWhite, 'w'}};
    EXPECT_EQ(FirstRowOffOutline(image, kBackground, DrawnByPen), -1) << Map(image, legend);
    EXPECT_EQ(PaintedRows(image, kBackground), size) << Map(image, legend);
}

std::string RowCaseName(const ::testing::TestParamInfo<std::tuple<TLEDShape, int>>& param) {
    static const char* const names[] = {"Round",   "ArrowLeft", "ArrowRight",
                                        "ArrowUp", "ArrowDown", "Rectangle"};
    return std::string(names[std::get<0>(param.param)]) + "_" +
           std::to_string(std::get<1>(param.param));
}

INSTANTIATE_TEST_SUITE_P(AllShapesAndSizes, LedRows,
                         ::testing::Combine(::testing::Values(sRound, sArrowLeft, sArrowRight,
                                                              sArrowUp, sArrowDown, sRectangle),
                                            ::testing::Range(TLED::kMinSize, TLED::kMaxSize + 1)),
                         RowCaseName);

TEST(LedRound, GlintIsTheUpperLeftQuarterOfTheEllipseInsetByAFifth) {
    QImage image = FilledImage(15, 15, kBackground);
    TCanvas canvas(&image);
    QxDrawLED(canvas, TRect{0, 0, 13, 13}, sRound, kPen, kFill);
    // The pen is left as the glint had it: white, 13 div 8 = 1 wide.
    EXPECT_EQ(canvas.Pen.Color, clWhite);
    EXPECT_EQ(canvas.Pen.Width, 1);
    canvas.Flush();
    int whites = 0;
    int minX = 99;
    int minY = 99;
    int maxX = -1;
    int maxY = -1;
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 15; ++x)
            if (PixelOf(image, x, y) == clWhite) {
                ++whites;
                minX = std::min(minX, x);
                minY = std::min(minY, y);
                maxX = std::max(maxX, x);
                maxY = std::max(maxY, y);
            }
    EXPECT_GT(whites, 5);
    // Inset by 13 div 5 = 2: the arc touches the inset box on its left and top.
    EXPECT_EQ(minX, 2);
    EXPECT_EQ(minY, 2);
    EXPECT_LE(maxX, 7);
    EXPECT_LE(maxY, 7);
    EXPECT_EQ(PixelOf(image, 0, 6), kPen);
    EXPECT_EQ(PixelOf(image, 9, 9), kFill);
}

TEST(LedRound, WideLampsGetAWiderGlintPen) {
    struct Case {
        int width;
        int pen;
    };
    for (const Case c : {Case{7, 0}, Case{16, 2}, Case{30, 3}}) {
        QImage image = FilledImage(32, 32, kBackground);
        TCanvas canvas(&image);
        QxDrawLED(canvas, TRect{0, 0, c.width, c.width}, sRound, kPen, kFill);
        EXPECT_EQ(canvas.Pen.Width, c.pen) << c.width;
    }
}

TEST(LedDraw, UnknownShapeDrawsNothingAndAClearBrushLeavesTheInside) {
    QImage image = FilledImage(12, 12, kBackground);
    TCanvas canvas(&image);
    QxDrawLED(canvas, TRect{0, 0, 10, 10}, static_cast<TLEDShape>(sRectangle + 1), kPen, kFill);
    canvas.Flush();
    EXPECT_EQ(PaintedBox(image, kBackground), TRect{});

    canvas.Brush.Style = bsClear;
    QxDrawLED(canvas, TRect{0, 0, 10, 10}, sRectangle, kPen, kFill);
    canvas.Flush();
    EXPECT_EQ(PixelOf(image, 0, 5), kPen);
    EXPECT_EQ(PixelOf(image, 5, 5), kBackground);
}

TEST(LedDraw, LampFillsWithItsOnOrOffColourInAGreyOutline) {
    TLED led;
    led.SetShape(sRectangle);
    led.SetColorOn(clYellow);
    led.SetColorOff(clNavy);
    led.LEDRect = TRect{1, 1, 9, 9};
    for (const bool on : {false, true}) {
        QImage image = FilledImage(10, 10, kBackground);
        TCanvas canvas(&image);
        led.Draw(canvas, on);
        canvas.Flush();
        EXPECT_EQ(PixelOf(image, 5, 5), on ? clYellow : clNavy);
        EXPECT_EQ(PixelOf(image, 1, 5), clGray);
        EXPECT_EQ(PixelOf(image, 8, 5), clGray);
        EXPECT_EQ(PaintedBox(image, kBackground), (TRect{1, 1, 9, 9}));
    }
}

} // namespace
} // namespace zk::gauges
