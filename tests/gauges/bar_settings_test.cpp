// Bar settings: initial look, setters (stored without comparing, sizes above 0),
// the owned font and bevel, and the bar painters pixel by pixel: solid bar, LED
// cells and point marker in both orientations, and the xor-ed value text.
#include "tests/gauges/gauge_pixel_map.h"
#include "zktools/gauges/qx_bar_settings.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <string>

namespace zk::gauges {
namespace {

using testing::FilledImage;
using testing::PaintedBox;
using testing::PixelOf;

constexpr auto opValue = TBarSettings::opValue;
constexpr auto opUnit = TBarSettings::opUnit;
constexpr auto opUseSectorCol = TBarSettings::opUseSectorCol;

struct ChangeLog {
    explicit ChangeLog(TBarSettings& b) : bar(b) {
        bar.OnChange = [this](TObject* sender) {
            ++count;
            senderIsBar = senderIsBar && sender == &bar;
        };
    }
    TBarSettings& bar;
    int count = 0;
    bool senderIsBar = true;
};

TEST(BarSettings, InitialLookAndTheOwnedBevel) {
    TBarSettings bar;
    EXPECT_EQ(bar.Style(), bsBar);
    EXPECT_EQ(bar.Options(), TOptions{opUnit});
    EXPECT_EQ(bar.Color(), 0x00FF00u);
    EXPECT_EQ(bar.BkColor(), 0x000000u);
    EXPECT_EQ(bar.minHeight(), 5);
    EXPECT_EQ(bar.minWidth(), 5);
    EXPECT_EQ(bar.Font().Color(), clWhite);
    EXPECT_EQ(bar.Font().Name(), TFont().Name());
    EXPECT_EQ(bar.Font().Size(), TFont().Size());
    const TQxSBevel& bevel = bar.Bevel();
    EXPECT_EQ(bevel.Style(), bsLowered);
    EXPECT_EQ(bevel.Spacing(), 0);
    EXPECT_EQ(bevel.BevelLine(), blNone);
    EXPECT_EQ(bevel.Width(), 1);
    EXPECT_EQ(bevel.Color(), 0xC0C0C0u);
    EXPECT_EQ(bevel.BorderWidth, 1); // set through its setters, so Change ran
}

TEST(BarSettings, PlainSettersStoreAndNotifyEvenTheSameValue) {
    TBarSettings bar;
    ChangeLog log(bar);
    for (int round = 0; round < 2; ++round) {
        bar.SetStyle(bsPoint);
        bar.SetOptions(TOptions{opValue, opUseSectorCol});
        bar.SetColor(clRed);
        bar.SetBkColor(clNavy);
    }
    EXPECT_EQ(log.count, 8);
    EXPECT_TRUE(log.senderIsBar);
    EXPECT_EQ(bar.Style(), bsPoint);
    EXPECT_TRUE(bar.Options().Contains(opValue));
    EXPECT_TRUE(bar.Options().Contains(opUseSectorCol));
    EXPECT_FALSE(bar.Options().Contains(opUnit));
    EXPECT_EQ(bar.Color(), clRed);
    EXPECT_EQ(bar.BkColor(), clNavy);
}

TEST(BarSettings, SmallestSizesMustBeAboveZero) {
    struct Case {
        int value;
        bool stored;
    };
    for (const Case c : {Case{0, false}, Case{-3, false}, Case{1, true}, Case{40, true}}) {
        SCOPED_TRACE(c.value);
        TBarSettings bar;
        ChangeLog log(bar);
        bar.SetMinHeight(c.value);
        bar.SetMinWidth(c.value);
        EXPECT_EQ(bar.minHeight(), c.stored ? c.value : 5);
        EXPECT_EQ(bar.minWidth(), c.stored ? c.value : 5);
        EXPECT_EQ(log.count, c.stored ? 2 : 0);
    }
}

TEST(BarSettings, ChangesOfTheOwnedFontAndBevelReachOnChangeWithTheBarAsSender) {
    TBarSettings bar;
    ChangeLog log(bar);
    bar.Font().SetSize(14);
    bar.Bevel().SetWidth(3);
    bar.Bevel().SurfaceGrad().SetVisible(true);
    EXPECT_EQ(log.count, 3);
    EXPECT_TRUE(log.senderIsBar);
}

TEST(BarSettings, AssignedFontIsCopiedNotTaken) {
    TBarSettings bar;
    ChangeLog log(bar);
    TFont font;
    font.SetName(QStringLiteral("DejaVu Sans"));
    font.SetSize(11);
    font.SetStyle(fsBold);
    font.SetColor(clYellow);
    bar.SetFont(font);
    EXPECT_EQ(log.count, 1);
    font.SetSize(20);
    EXPECT_EQ(bar.Font().Name(), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(bar.Font().Size(), 11);
    EXPECT_EQ(bar.Font().Style(), TFontStyles{fsBold});
    EXPECT_EQ(bar.Font().Color(), clYellow);
    bar.Font().SetSize(9); // the owned font is still hooked
    EXPECT_EQ(log.count, 2);
}

TEST(BarSettings, AssignedBevelIsCopiedIntoTheOwnedOneAndNotifiesOnce) {
    TBarSettings bar;
    const TQxSBevel* own = &bar.Bevel();
    TQxSBevel other;
    other.SetStyle(bsRaised);
    other.SetSpacing(4);
    other.SetBevelLine(blBoth);
    other.SetWidth(3);
    other.SetColor(clRed);
    other.SetColorShadowFrom(0x010101);
    other.SetColorShadowTo(0x020202);
    other.SetColorHighLightFrom(0x030303);
    other.SetColorHighLightTo(0x040404);
    other.SetPenColor(0x050505);
    other.SurfaceGrad().SetColorFrom(0x060606);
    other.SurfaceGrad().SetColorTo(0x070707);
    other.SurfaceGrad().SetStyle(gsDiamond2);
    other.SurfaceGrad().SetVisible(true);

    ChangeLog log(bar);
    bar.SetBevel(other);
    EXPECT_EQ(log.count, 1);
    ASSERT_EQ(&bar.Bevel(), own);
    const TQxSBevel& b = bar.Bevel();
    EXPECT_EQ(b.Style(), bsRaised);
    EXPECT_EQ(b.Spacing(), 4);
    EXPECT_EQ(b.BevelLine(), blBoth);
    EXPECT_EQ(b.Width(), 3);
    EXPECT_EQ(b.Color(), clRed);
    EXPECT_EQ(b.ColorShadowFrom(), 0x010101u);
    EXPECT_EQ(b.ColorShadowTo(), 0x020202u);
    EXPECT_EQ(b.ColorHighLightFrom(), 0x030303u);
    EXPECT_EQ(b.ColorHighLightTo(), 0x040404u);
    EXPECT_EQ(b.PenColor(), 0x050505u);
    EXPECT_EQ(b.SurfaceGrad().ColorFrom(), 0x060606u);
    EXPECT_EQ(b.SurfaceGrad().ColorTo(), 0x070707u);
    EXPECT_EQ(b.SurfaceGrad().Style(), gsDiamond2);
    EXPECT_TRUE(b.SurfaceGrad().Visible());
    EXPECT_EQ(b.BorderWidth, 9);

    other.SetWidth(7); // the other bevel stays its own
    other.SetColor(clBlue);
    EXPECT_EQ(b.Width(), 3);
    EXPECT_EQ(b.Color(), clRed);
    EXPECT_EQ(log.count, 1);
    bar.Bevel().SetSpacing(1); // and the owned one is still hooked
    EXPECT_EQ(log.count, 2);
}

// Painting: the bar sits at (2, 2) on a blue image two pixels larger on every
// side, so that anything drawn outside BarRect shows.
constexpr TColor kOutside = clBlue;
constexpr int kMargin = 2;

class BarPaint : public ::testing::Test {
protected:
    void Paint(int w, int h, int ppt) {
        image = FilledImage(w + 2 * kMargin, h + 2 * kMargin, kOutside);
        TCanvas canvas(&image);
        bar.BarRect = Bounds(kMargin, kMargin, w, h);
        bar.PaintBar(canvas, ppt);
    }
    // The bar's pixels along one row (left to right) or one column (top to
    // bottom): '#' bar colour, '.' background, '?' anything else.
    std::string Row(int y) const {
        std::string s;
        for (int x = bar.BarRect.Left; x < bar.BarRect.Right; ++x)
            s += Code(PixelOf(image, x, bar.BarRect.Top + y));
        return s;
    }
    std::string Column(int x) const {
        std::string s;
        for (int y = bar.BarRect.Top; y < bar.BarRect.Bottom; ++y)
            s += Code(PixelOf(image, bar.BarRect.Left + x, y));
        return s;
    }
    char Code(TColor c) const { return c == barColour ? '#' : c == bar.BkColor() ? '.' : '?'; }
    int Lit() const {
        int n = 0;
        for (int y = bar.BarRect.Top; y < bar.BarRect.Bottom; ++y)
            for (int x = bar.BarRect.Left; x < bar.BarRect.Right; ++x)
                n += PixelOf(image, x, y) == barColour ? 1 : 0;
        return n;
    }
    void ExpectNothingOutsideTheBar() const {
        QImage copy = image;
        for (int y = bar.BarRect.Top; y < bar.BarRect.Bottom; ++y)
            for (int x = bar.BarRect.Left; x < bar.BarRect.Right; ++x)
                copy.setPixel(x, y, ToQColor(kOutside).rgb());
        EXPECT_EQ(PaintedBox(copy, kOutside), TRect{});
    }

    TBarSettings bar;
    TColor barColour = clLime;
    QImage image;
};

struct SpanCase {
    TBarStyle style;
    int w;
    int h;
    int ppt;
    int first; // first lit column (horizontal) or row (vertical, from the top)
    int count; // lit columns or rows
};

class BarSpans : public BarPaint, public ::testing::WithParamInterface<SpanCase> {};

TEST_P(BarSpans, LitSpanAcrossTheWholeThickness) {
    const SpanCase& c = GetParam();
    bar.SetStyle(c.style);
    Paint(c.w, c.h, c.ppt);
    const bool horizontal = c.w > c.h;
    std::string expected(horizontal ? c.w : c.h, '.');
    for (int i = c.first; i < c.first + c.count; ++i)
        expected[i] = '#';
    if (horizontal) {
        EXPECT_EQ(Row(0), expected);
        EXPECT_EQ(Row(c.h - 1), expected);
    } else {
        EXPECT_EQ(Column(0), expected);
        EXPECT_EQ(Column(c.w - 1), expected);
    }
    EXPECT_EQ(Lit(), c.count * (horizontal ? c.h : c.w));
    ExpectNothingOutsideTheBar();
}

INSTANTIATE_TEST_SUITE_P(
    BarAndPoint, BarSpans,
    ::testing::Values(
        // Solid bar from the left, or from the bottom.
        SpanCase{bsBar, 100, 20, 500, 0, 50}, SpanCase{bsBar, 100, 20, 1000, 0, 100},
        SpanCase{bsBar, 100, 20, 0, 0, 0}, SpanCase{bsBar, 100, 20, 1500, 0, 100},
        SpanCase{bsBar, 100, 20, -200, 0, 0}, SpanCase{bsBar, 100, 20, INT_MAX, 0, 100},
        SpanCase{bsBar, 100, 20, INT_MIN, 0, 0}, SpanCase{bsBar, 20, 100, 250, 75, 25},
        SpanCase{bsBar, 20, 100, 2000, 0, 100},
        // A square bar is vertical: the lower half.
        SpanCase{bsBar, 30, 30, 500, 15, 15},
        // Point marker, three pixels, along W - 3 or H - 3.
        SpanCase{bsPoint, 100, 20, 0, 0, 3}, SpanCase{bsPoint, 100, 20, 1000, 97, 3},
        SpanCase{bsPoint, 100, 20, 500, 49, 3}, SpanCase{bsPoint, 20, 100, 0, 97, 3},
        SpanCase{bsPoint, 20, 100, 1000, 0, 3}, SpanCase{bsPoint, 100, 20, 1020, 99, 1},
        SpanCase{bsPoint, 100, 20, INT_MAX, 0, 0}, SpanCase{bsPoint, 20, 100, INT_MIN, 0, 0}));

struct CellCase {
    int w;
    int h;
    int ppt;
    std::string cells; // along the bar: left to right, or top to bottom
};

class BarCells : public BarPaint, public ::testing::WithParamInterface<CellCase> {};

TEST_P(BarCells, ThreeLitPixelsAndOneSeparatorPerCell) {
    const CellCase& c = GetParam();
    bar.SetStyle(bsLED_Bar);
    Paint(c.w, c.h, c.ppt);
    if (c.w > c.h) {
        EXPECT_EQ(Row(0), c.cells);
        EXPECT_EQ(Row(c.h - 1), c.cells);
    } else {
        EXPECT_EQ(Column(0), c.cells);
        EXPECT_EQ(Column(c.w - 1), c.cells);
    }
    ExpectNothingOutsideTheBar();
}

INSTANTIATE_TEST_SUITE_P(LedBar, BarCells,
                         ::testing::Values(
                             // 21 wide: 5 cells after one free column.
                             CellCase{21, 5, 1000, ".###.###.###.###.###."},
                             CellCase{21, 5, 400, ".###.###............."},
                             CellCase{21, 5, 0, "....................."},
                             CellCase{21, 5, 5000, ".###.###.###.###.###."},
                             CellCase{21, 5, INT_MAX, ".###.###.###.###.###."},
                             // 20 wide: 5 cells from the first column.
                             CellCase{20, 5, 1000, "###.###.###.###.###."},
                             // Vertical: cells grow from the bottom, the lowest row stays free.
                             CellCase{5, 21, 1000, ".###.###.###.###.###."},
                             CellCase{5, 21, 400, ".............###.###."}));

TEST_F(BarPaint, HundredAndOneWideLedBarLightsTwentyFiveCellsFromColumnOne) {
    bar.SetStyle(bsLED_Bar);
    Paint(101, 20, 1000);
    std::string expected = ".";
    for (int i = 0; i < 25; ++i)
        expected += "###.";
    EXPECT_EQ(Row(10), expected);
}

TEST_F(BarPaint, SectorColourAndBackgroundColour) {
    bar.SetBkColor(clNavy);
    bar.SectorColor = clRed;
    Paint(100, 20, 500);
    EXPECT_EQ(PixelOf(image, kMargin + 10, kMargin + 10), clLime); // Color without the option
    EXPECT_EQ(PixelOf(image, kMargin + 90, kMargin + 10), clNavy);

    bar.SetOptions(TOptions{opUseSectorCol});
    barColour = clRed;
    Paint(100, 20, 500);
    EXPECT_EQ(Row(10), std::string(50, '#') + std::string(50, '.'));
}

TEST_F(BarPaint, EmptyOrInvertedRectDrawsNothingInEitherOrientation) {
    const TRect rects[] = {{5, 5, 5, 15}, {5, 5, 15, 5}, {15, 5, 5, 15}, {5, 15, 15, 5}};
    for (const TRect r : rects) {
        for (int painter = 0; painter < 3; ++painter) {
            QImage target = FilledImage(20, 20, kOutside);
            TCanvas canvas(&target);
            bar.BarRect = r;
            if (painter == 0)
                bar.PaintBar(canvas, 500);
            else if (painter == 1)
                bar.PaintHBar(canvas, 500);
            else
                bar.PaintVBar(canvas, 500);
            canvas.Flush();
            EXPECT_EQ(PaintedBox(target, kOutside), TRect{}) << painter;
        }
    }
}

TEST_F(BarPaint, PaintBarRecordsTheBarSize) {
    Paint(30, 12, 0);
    EXPECT_EQ(bar.BarWidth, 30);
    EXPECT_EQ(bar.BarHeight, 12);
}

// Colours seen inside the bar.
std::set<TColor> Colours(const QImage& image, const TRect& r) {
    std::set<TColor> seen;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            seen.insert(PixelOf(image, x, y));
    return seen;
}

// Rows of the bar holding white (text over the background).
std::pair<int, int> WhiteRows(const QImage& image, const TRect& r) {
    int first = INT_MAX;
    int last = -1;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            if (PixelOf(image, x, y) == clWhite) {
                first = std::min(first, y - r.Top);
                last = std::max(last, y - r.Top);
            }
    return {first, last};
}

TEST_F(BarPaint, InitialOptionsWriteNoText) {
    bar.ValueText = QStringLiteral("88");
    bar.UnitText = QStringLiteral("V");
    Paint(100, 20, 500);
    EXPECT_EQ(Colours(image, bar.BarRect), (std::set<TColor>{clLime, clBlack}));
}

TEST_F(BarPaint, ValueTextShowsInTheInverseOfWhatLiesUnderIt) {
    bar.SetOptions(TOptions{opValue});
    bar.Font().SetColor(clRed); // the text is always written white before the xor
    bar.Font().SetSize(10);
    bar.ValueText = QStringLiteral("8888");
    Paint(100, 20, 500);
    // Over black: white; over lime: lime xor white = fuchsia.
    EXPECT_EQ(Colours(image, bar.BarRect), (std::set<TColor>{clLime, clBlack, clWhite, clFuchsia}));
    ExpectNothingOutsideTheBar();
}

TEST_F(BarPaint, HorizontalUnitFollowsTheValueOnOneLine) {
    bar.Font().SetSize(10);
    bar.ValueText = QStringLiteral("8");
    bar.UnitText = QStringLiteral("mV");
    bar.SetOptions(TOptions{opValue});
    Paint(100, 20, 0);
    const TRect alone = PaintedBox(image.copy(ToQRect(bar.BarRect)), clBlack);
    bar.SetOptions(TOptions{opValue, opUnit});
    Paint(100, 20, 0);
    const TRect withUnit = PaintedBox(image.copy(ToQRect(bar.BarRect)), clBlack);
    EXPECT_GT(withUnit.Width(), alone.Width() + 5);
    EXPECT_EQ(withUnit.Top, alone.Top);
    EXPECT_EQ(withUnit.Bottom, alone.Bottom);
}

TEST_F(BarPaint, VerticalValueAboveTheMiddleAndUnitBelow) {
    bar.Font().SetSize(10);
    bar.SetOptions(TOptions{opValue, opUnit});
    const int h = 60;
    bar.ValueText = QStringLiteral("8");
    bar.UnitText = QString();
    Paint(30, h, 0);
    auto [valueFirst, valueLast] = WhiteRows(image, bar.BarRect);
    EXPECT_LT(valueLast, h / 2);
    EXPECT_GE(valueFirst, 0);

    bar.ValueText = QString();
    bar.UnitText = QStringLiteral("8");
    Paint(30, h, 0);
    auto [unitFirst, unitLast] = WhiteRows(image, bar.BarRect);
    EXPECT_GE(unitFirst, h / 2);
    EXPECT_LE(unitLast, h - 1);

    // Without the unit option the value alone sits across the middle.
    bar.SetOptions(TOptions{opValue});
    bar.ValueText = QStringLiteral("8");
    Paint(30, h, 0);
    auto [midFirst, midLast] = WhiteRows(image, bar.BarRect);
    EXPECT_LT(midFirst, h / 2);
    EXPECT_GE(midLast, h / 2);
}

} // namespace
} // namespace zk::gauges
