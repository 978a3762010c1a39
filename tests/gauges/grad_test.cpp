// Gradient settings, colour steps and the fourteen fill styles, pixel by pixel.
// Most fills run from black to red 200, so a pixel's red channel tells its step
// and any green or blue shows a pixel the pattern left unpainted.
#include "tests/gauges/canvas_test_support.h"
#include "zktools/gauges/qx_grad.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace zk::gauges {
namespace {

using testing::At;
using testing::CountColor;

constexpr TColor kFrom = clBlack;
constexpr TColor kTo = 0x0000C8; // red 200

TEST(QxGradSettings, StartsEmptyAndEverySetterNotifiesOnlyRealChanges) {
    TQxGradSettings g;
    EXPECT_EQ(g.ColorFrom(), 0u);
    EXPECT_EQ(g.ColorTo(), 0u);
    EXPECT_FALSE(g.Visible());
    EXPECT_EQ(g.Style(), gsHorizontal1);
    g.SetStyle(gsDiamond1); // no handler yet: nothing to call
    int calls = 0;
    g.OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, &g);
        ++calls;
    };
    const std::vector<std::function<void()>> same = {
        [&] { g.SetColorFrom(0); }, [&] { g.SetColorTo(0); }, [&] { g.SetVisible(false); },
        [&] {
            g.SetStyle(gsDiamond1);
        }};
    for (const auto& set : same)
        set();
    EXPECT_EQ(calls, 0);
    g.SetColorFrom(clRed);
    EXPECT_EQ(calls, 1);
    g.SetColorTo(clBlue);
    EXPECT_EQ(calls, 2);
    g.SetVisible(true);
    EXPECT_EQ(calls, 3);
    g.SetStyle(gsTopRight);
    EXPECT_EQ(calls, 4);
    g.SetStyle(gsTopRight);
    g.SetColorTo(clBlue);
    EXPECT_EQ(calls, 4);
    EXPECT_EQ(g.ColorFrom(), clRed);
    EXPECT_EQ(g.ColorTo(), clBlue);
    EXPECT_TRUE(g.Visible());
    EXPECT_EQ(g.Style(), gsTopRight);
    EXPECT_EQ(gradSteps, 0);
}

TEST(QxCalcColor, EachChannelStepsWithHalvesToEven) {
    struct Case {
        TColor from, to;
        int count, index;
        TColor result;
    };
    const Case cases[] = {
        {clBlack, clWhite, 2, 1, 0x808080}, // 127.5 goes to 128
        {clBlack, clWhite, 2, 0, clBlack},
        {clBlack, clWhite, 2, 2, clWhite},
        {0x000064, 0x0000C8, 8, 1, 0x000070}, // 12.5 goes to 12
        {0x000064, 0x0000C8, 8, 3, 0x00008A}, // 37.5 goes to 38
        {0x0000FF, clBlack, 4, 1, 0x0000BF},  // -63.75
        {0x102030, 0x403020, 2, 1, 0x282828}, // channels apart
        // A system colour is split as it stands, not looked up.
        {clWindow, 0x000005, 1, 0, 0x000005},
        {clRed, clBlue, 0, 5, clRed}, // no steps: the from colour
    };
    for (const Case& c : cases)
        EXPECT_EQ(QxCalcColor(c.from, c.to, c.count, c.index), c.result)
            << std::hex << c.from << " " << c.to << std::dec << " " << c.count << " " << c.index;
}

// The fill lands at (3, 3) on a blue image, so anything outside the rect shows.
constexpr int kOffset = 3;

QImage Fill(int w, int h, TColor from, TColor to, TGradientStyle style) {
    QImage image(w + 2 * kOffset, h + 2 * kOffset, QImage::Format_RGB32);
    image.fill(ToQColor(clBlue));
    TCanvas canvas(&image);
    QxGradFill(canvas, Bounds(kOffset, kOffset, w, h), from, to, style);
    canvas.Flush();
    return image;
}

int Red(const QImage& im, int x, int y) {
    return GetRValue(At(im, x + kOffset, y + kOffset));
}

struct Probe {
    int x, y;      // inside the rect
    int low, high; // red channel range
};

struct StyleCase {
    const char* name;
    TGradientStyle style;
    int w, h;
    bool covered; // every pixel of the rect painted
    std::vector<Probe> probes;
};

void PrintTo(const StyleCase& c, std::ostream* os) {
    *os << c.name;
}

class QxGradFillStyles : public ::testing::TestWithParam<StyleCase> {};

TEST_P(QxGradFillStyles, PaintsThePatternInsideTheRectOnly) {
    const StyleCase& c = GetParam();
    const QImage im = Fill(c.w, c.h, kFrom, kTo, c.style);
    std::string map;
    for (int y = 0; y < c.h; ++y) {
        for (int x = 0; x < c.w; ++x)
            map += static_cast<char>('a' + Red(im, x, y) / 10);
        map += '\n';
    }
    for (const Probe& p : c.probes) {
        EXPECT_GE(Red(im, p.x, p.y), p.low) << p.x << "," << p.y << "\n" << map;
        EXPECT_LE(Red(im, p.x, p.y), p.high) << p.x << "," << p.y << "\n" << map;
    }
    const int all = im.width() * im.height();
    const int inside = c.w * c.h;
    EXPECT_EQ(CountColor(im, clBlue, 0, 0, im.width(), im.height()), all - inside) << map;
    if (c.covered) {
        int stray = 0;
        for (int y = 0; y < c.h; ++y)
            for (int x = 0; x < c.w; ++x)
                if ((At(im, x + kOffset, y + kOffset) & 0xFFFF00u) != 0)
                    ++stray;
        EXPECT_EQ(stray, 0) << map;
    }
}

// Expected steps, worked out from each style's step count n and its surface
// (the square styles on D x D, squeezed back onto the rect).
INSTANTIATE_TEST_SUITE_P(
    Styles, QxGradFillStyles,
    ::testing::Values(
        // H = 10 < MaxDelta: bands of one row, n = 10, red 20 per row, truncated.
        StyleCase{"Horizontal1",
                  gsHorizontal1,
                  20,
                  10,
                  true,
                  {{0, 0, 0, 0}, {7, 4, 80, 80}, {19, 9, 180, 180}}},
        // n = H div 2 = 5 about row 5: to at the top, step 4 on the bottom row.
        StyleCase{
            "Horizontal2",
            gsHorizontal2,
            20,
            10,
            true,
            {{3, 5, 0, 0}, {3, 4, 40, 40}, {3, 6, 40, 40}, {3, 0, 200, 200}, {3, 9, 160, 160}}},
        // c = 10, n = rounded(20.1) = 20: top row only halfway (step 10).
        StyleCase{"Horizontal3",
                  gsHorizontal3,
                  20,
                  30,
                  true,
                  {{5, 10, 0, 0}, {5, 15, 50, 50}, {5, 0, 100, 100}, {5, 29, 190, 190}}},
        StyleCase{"Vertical1",
                  gsVertical1,
                  10,
                  20,
                  true,
                  {{0, 0, 0, 0}, {4, 7, 80, 80}, {9, 19, 180, 180}}},
        StyleCase{
            "Vertical2",
            gsVertical2,
            10,
            20,
            true,
            {{5, 3, 0, 0}, {4, 3, 40, 40}, {6, 3, 40, 40}, {0, 3, 200, 200}, {9, 3, 160, 160}}},
        StyleCase{"Vertical3",
                  gsVertical3,
                  30,
                  20,
                  true,
                  {{10, 5, 0, 0}, {15, 5, 50, 50}, {0, 5, 100, 100}, {29, 5, 190, 190}}},
        // D = 21, n = 10: dark centre, to on the inscribed circle and in the corners.
        StyleCase{"Elliptic1",
                  gsElliptic1,
                  20,
                  20,
                  true,
                  {{9, 9, 0, 40},
                   {10, 0, 180, 200},
                   {0, 10, 180, 200},
                   {9, 4, 100, 160},
                   {0, 0, 200, 200},
                   {19, 0, 200, 200},
                   {0, 19, 200, 200},
                   {19, 19, 200, 200}}},
        // n = rounded(sqrt(882)) div 2 = 15: the discs reach the corners.
        StyleCase{"Elliptic2",
                  gsElliptic2,
                  20,
                  20,
                  true,
                  {{9, 9, 0, 30}, {0, 0, 170, 200}, {19, 19, 170, 200}, {10, 0, 110, 160}}},
        // Centre moved to (6, 6), n = 17: lit up left, to at the far corner.
        StyleCase{"Elliptic3",
                  gsElliptic3,
                  20,
                  20,
                  true,
                  {{6, 6, 0, 30}, {0, 0, 80, 130}, {19, 0, 165, 200}, {19, 19, 200, 200}}},
        // Square outlines about (10, 10), n = 10: exact rings.
        StyleCase{"Rectangle",
                  gsRectangle,
                  20,
                  20,
                  true,
                  {{9, 9, 20, 20},
                   {10, 10, 20, 20},
                   {5, 5, 100, 100},
                   {5, 12, 100, 100},
                   {0, 0, 200, 200},
                   {19, 19, 200, 200},
                   {0, 10, 200, 200}}},
        // D = 20 (no stretch), n = 10: rings of |dx| + |dy|, the corners keep to.
        StyleCase{"Diamond1",
                  gsDiamond1,
                  20,
                  20,
                  true,
                  {{10, 9, 20, 20},
                   {5, 10, 100, 100},
                   {7, 7, 120, 120},
                   {10, 0, 200, 200},
                   {0, 0, 200, 200},
                   {3, 3, 200, 200}}},
        // n = D = 20: the outlines reach the corners. The centre's ring has no
        // size, so that one pixel stays unpainted.
        StyleCase{"Diamond2",
                  gsDiamond2,
                  20,
                  20,
                  false,
                  {{10, 9, 10, 10}, {5, 10, 50, 50}, {19, 0, 190, 190}, {0, 0, 200, 200}}},
        // n = 42 diagonals of about 4.8 each.
        StyleCase{"TopLeft",
                  gsTopLeft,
                  20,
                  20,
                  true,
                  {{0, 0, 0, 5}, {19, 0, 90, 96}, {0, 19, 90, 96}, {19, 19, 180, 190}}},
        StyleCase{"TopRight",
                  gsTopRight,
                  20,
                  20,
                  true,
                  {{19, 0, 5, 15}, {0, 0, 95, 105}, {19, 19, 95, 105}, {0, 19, 185, 200}}},
        // A 100 x 50 rect: a 101 x 101 circle squeezed into an ellipse.
        StyleCase{"Elliptic1Wide",
                  gsElliptic1,
                  100,
                  50,
                  true,
                  {{50, 25, 0, 12},
                   {25, 25, 92, 108},
                   {50, 12, 96, 112},
                   {0, 0, 200, 200},
                   {99, 49, 200, 200}}},
        // A 100 x 50 rect in Diamond1: a 100 x 100 square, every other row kept.
        StyleCase{"Diamond1Wide",
                  gsDiamond1,
                  100,
                  50,
                  true,
                  {{50, 24, 8, 8}, {25, 25, 100, 100}, {50, 12, 104, 104}, {0, 25, 200, 200}}}),
    [](const auto& param_info) { return std::string(param_info.param.name); });

TEST(QxGradFillBands, BandHeightsAndTruncatedSteps) {
    // Red 100 to 200 over three rows: bands of one row, truncated 100, 133, 166.
    QImage im = Fill(4, 3, 0x000064, 0x0000C8, gsHorizontal1);
    EXPECT_EQ(Red(im, 0, 0), 100);
    EXPECT_EQ(Red(im, 0, 1), 133);
    EXPECT_EQ(Red(im, 3, 2), 166);
    // H = 100, MaxDelta = 10: ten bands of ten rows; the last band (step 10)
    // would start at row 100, so the bottom shows step 9.
    im = Fill(2, 100, 0x000000, 0x00000A, gsHorizontal1);
    EXPECT_EQ(Red(im, 0, 0), 0);
    EXPECT_EQ(Red(im, 0, 9), 0);
    EXPECT_EQ(Red(im, 0, 10), 1);
    EXPECT_EQ(Red(im, 1, 99), 9);
    // H = 300, MaxDelta = 255: one band per row, n = 300.
    im = Fill(1, 300, 0x000000, 0x0000FF, gsHorizontal1);
    EXPECT_EQ(Red(im, 0, 150), 127); // 127.5 truncated
    EXPECT_EQ(Red(im, 0, 299), 254);
    // Equal colours: one band covers everything.
    for (const TGradientStyle style : {gsHorizontal1, gsVertical1}) {
        im = Fill(6, 7, 0x336699, 0x336699, style);
        EXPECT_EQ(CountColor(im, 0x336699, kOffset, kOffset, kOffset + 6, kOffset + 7), 42);
    }
}

TEST(QxGradFillSmall, TinyAndEmptyRectsDoNotFailAndStayInside) {
    const std::pair<int, int> sizes[] = {{0, 0}, {1, 1}, {1, 5}, {5, 1}, {2, 2}, {0, 4}, {3, 0}};
    for (int s = gsHorizontal1; s <= gsTopRight; ++s)
        for (const auto& [w, h] : sizes) {
            const QImage im = Fill(w, h, clRed, clLime, static_cast<TGradientStyle>(s));
            const int all = im.width() * im.height();
            EXPECT_EQ(CountColor(im, clBlue, 0, 0, im.width(), im.height()), all - w * h)
                << "style " << s << " " << w << "x" << h;
        }
    // An inverted rect draws nothing.
    QImage image(10, 10, QImage::Format_RGB32);
    image.fill(ToQColor(clBlue));
    TCanvas canvas(&image);
    QxGradFill(canvas, TRect{8, 8, 2, 2}, clRed, clLime, gsElliptic1);
    canvas.Flush();
    EXPECT_EQ(CountColor(image, clBlue, 0, 0, 10, 10), 100);
}

TEST(QxCircleGradFill, DiagonalLinesFromTheTopEdgeDownToTheLeft) {
    // W = 20: c = rounded(4.4) = 4, n = 32, red 6.25 per line; line i runs along
    // x + y = c - 1 + i.
    for (const int h : {20, 5}) { // the rect's height is not used
        QImage image(30, 30, QImage::Format_RGB32);
        image.fill(ToQColor(clBlue));
        TCanvas canvas(&image);
        QxCircleGradFill(canvas, TRect{0, 0, 20, h}, kFrom, kTo);
        EXPECT_EQ(canvas.Pen.Width, 1);
        canvas.Flush();
        EXPECT_EQ(At(image, 0, 0), clBlue); // the corner above the first line
        EXPECT_EQ(At(image, 2, 0), clBlue);
        EXPECT_EQ(At(image, 3, 0), kFrom);
        EXPECT_EQ(At(image, 0, 3), kFrom);
        EXPECT_EQ(At(image, 10, 10), TColor{106}); // line 17: 106.25
        EXPECT_EQ(At(image, 19, 0), TColor{100});  // line 16
        EXPECT_EQ(At(image, 29, 6), kTo);          // line 32, beyond the rect
        EXPECT_EQ(At(image, 19, 19), clBlue);      // beyond the last line
        EXPECT_EQ(At(image, 29, 29), clBlue);
    }
}

} // namespace
} // namespace zk::gauges
