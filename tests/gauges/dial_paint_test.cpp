// Key pixels of a painted dial: the value box (bevel colour behind the value
// text, right-aligned, unit beside it), the knob face and dot, the outer frame
// or its fill, the name lines, and what each drawing option leaves out.
#include <gtest/gtest.h>

#include <QImage>

#include "tests/gauges/dial_support.h"
#include "zktools/gauges/qx_dial.h"

namespace zk::gauges {
namespace {

using namespace zk::gauges::testing;

int CountColour(const QImage& image, const TRect& r, TColor colour) {
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            if (FromQColor(QColor(image.pixel(x, y))) == colour)
                ++n;
    return n;
}

// Leftmost and rightmost column of r holding the colour, or -1.
std::pair<int, int> ColumnsOf(const QImage& image, const TRect& r, TColor colour) {
    int first = -1, last = -1;
    for (int x = r.Left; x < r.Right; ++x)
        for (int y = r.Top; y < r.Bottom; ++y)
            if (FromQColor(QColor(image.pixel(x, y))) == colour) {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
    return {first, last};
}

TEST(DialPaintTest, TheValueBoxShowsTheValueRightAlignedOnTheBevelColourWithTheUnitBeside) {
    TQxDial d;
    ASSERT_TRUE(ShowPainted(d));
    const QImage& s = d.Surface();
    const TRect v = d.ValueRect();
    EXPECT_EQ(v.Width(), d.ValueTextWidth());
    EXPECT_EQ(v.Height(), d.ValueTextHeight());
    // "10.0" is narrower than the measured "##0.0": black on the left, text on the right.
    EXPECT_EQ(SurfaceAt(d, TPoint{v.Left, v.Top + v.Height() / 2}), clBlack);
    const auto [first, last] = ColumnsOf(s, v, 0x00FF00);
    ASSERT_GE(first, 0);
    EXPECT_GT(first, v.Left + 3);
    EXPECT_GE(last, v.Right - 3);
    // The unit in the control font's colour right of the box.
    const TRect unit{v.Right, v.Top, d.width(), v.Bottom};
    EXPECT_GT(CountColour(s, unit, ColorToRGB(d.Font().Color())), 0);

    const int lit = CountColour(s, v, 0x00FF00);
    d.SetValue(88.8f); // more digits, more lit pixels
    EXPECT_GT(CountColour(d.Surface(), v, 0x00FF00), lit);
}

TEST(DialPaintTest, TheKnobFaceIsTheDialBevelColourAroundTheDot) {
    TQxDial d;
    d.SignalSettings().SetDigitalTo(100);
    ASSERT_TRUE(ShowPainted(d));
    d.SetDigit(0);
    const TPoint centre = OnControl(d, d.KnobCenter());
    EXPECT_EQ(SurfaceAt(d, centre), d.BevelDial().Color());
    EXPECT_EQ(SurfaceAt(d, OnControl(d, d.DotPos())), d.ColorNonFocus());
    // The dot's ring is white on its lower right side.
    const TPoint ring{d.DotPos().X + d.DotRadius(), d.DotPos().Y};
    EXPECT_EQ(SurfaceAt(d, OnControl(d, ring)), clWhite);
}

TEST(DialPaintTest, TheFrameOrItsColourSurroundTheFace) {
    TQxDial framed;
    ASSERT_TRUE(ShowPainted(framed));
    EXPECT_NE(SurfaceAt(framed, TPoint{0, 0}), framed.BevelOuter().Color());
    EXPECT_EQ(SurfaceAt(framed, TPoint{framed.BevelOuter().BorderWidth, framed.ValueRect().Top}),
              framed.BevelOuter().Color());

    TQxDial bare;
    bare.SetOptions(kAllDialOptions & ~opBevelOuter);
    bare.BevelOuter().SetColor(clTeal);
    ASSERT_TRUE(ShowPainted(bare));
    EXPECT_EQ(SurfaceAt(bare, TPoint{0, 0}), clTeal);
    EXPECT_EQ(SurfaceAt(bare, TPoint{bare.width() - 1, bare.height() - 1}), clTeal);
}

TEST(DialPaintTest, NameLinesSitAtTheBottomSecondBelowFirst) {
    const auto inkBelowKnob = [](TDialOptions options, const char* name1, const char* name2) {
        TQxDial d;
        d.SetOptions(options);
        d.SignalSettings().SetName1(QString::fromUtf8(name1));
        d.SignalSettings().SetName2(QString::fromUtf8(name2));
        EXPECT_TRUE(ShowPainted(d));
        const int frame = d.BevelOuter().BorderWidth;
        const TRect bottom{frame, d.height() - 40, d.width() - frame, d.height() - frame};
        return CountColour(d.Surface(), bottom, ColorToRGB(d.Font().Color()));
    };
    EXPECT_EQ(inkBelowKnob(kAllDialOptions, "", ""), 0);
    const int both = inkBelowKnob(kAllDialOptions, "Load", "Axis");
    const int second = inkBelowKnob(kAllDialOptions & ~opName1, "Load", "Axis");
    const int first = inkBelowKnob(kAllDialOptions & ~opName2, "Load", "Axis");
    EXPECT_GT(second, 0);
    EXPECT_GT(first, 0);
    EXPECT_GT(both, second);
    EXPECT_GT(both, first);
}

TEST(DialPaintTest, WithoutTheScaleTheKnobFillsTheWidthAtTheTop) {
    TQxDial d;
    d.SetOptions(kAllDialOptions & ~opScale);
    ASSERT_TRUE(ShowPainted(d));
    const int outer = d.BevelOuter().BorderWidth;
    const int ring = d.BevelDial().BorderWidth;
    EXPECT_EQ(d.KnobRect().Left, outer + ring);
    EXPECT_EQ(d.KnobRect().Width(), d.width() - 2 * outer - 2 * ring);
    EXPECT_EQ(d.KnobRect().Width(), d.KnobRect().Height());
}

TEST(DialPaintTest, WithoutScaleTextNoLabelsAndTheTicksStayTwoPixelsWide) {
    TQxDial labelled;
    ASSERT_TRUE(ShowPainted(labelled));
    EXPECT_FALSE(labelled.ScaleSettings().LabelList.isEmpty());
    TQxDial d;
    d.SetOptions(kAllDialOptions & ~opScaleText);
    ASSERT_TRUE(ShowPainted(d));
    EXPECT_TRUE(d.ScaleSettings().LabelList.isEmpty());
    EXPECT_EQ(d.ScaleSettings().LabelHeight, 0);
    EXPECT_EQ(d.ScaleSettings().TickWidth, 2);
    // Without labels the knob grows.
    EXPECT_GT(d.KnobRect().Width(), labelled.KnobRect().Width());
}

TEST(DialPaintTest, WithoutTheValueBoxTheKnobMovesUpAndNothingIsWrittenThere) {
    TQxDial boxed;
    ASSERT_TRUE(ShowPainted(boxed));
    TQxDial d;
    d.SetOptions(kAllDialOptions & ~opValue);
    ASSERT_TRUE(ShowPainted(d));
    EXPECT_LT(d.KnobRect().Top, boxed.KnobRect().Top);
    const TRect top{0, 0, d.width(), 20};
    EXPECT_EQ(CountColour(d.Surface(), top, 0x00FF00), 0);
}

TEST(DialPaintTest, ATinyKnobShowsNeitherDotNorValueText) {
    TQxDial d;
    d.SetOptions(opValue);
    d.resize(14, 60);
    ASSERT_TRUE(ShowPainted(d));
    ASSERT_FALSE(d.FaceCached());
    EXPECT_EQ(CountColour(d.Surface(), TRect{0, 0, d.width(), d.height()}, 0x00FF00), 0);
    EXPECT_EQ(CountColour(d.Surface(), TRect{0, 0, d.width(), d.height()}, d.ColorNonFocus()), 0);
}

TEST(DialPaintTest, InTheDesignStateTheBoxShowsTheWidestFormat) {
    const auto box = [](bool designing) {
        TQxDial d;
        d.SetDesigning(designing);
        EXPECT_TRUE(ShowPainted(d));
        return d.Surface().copy(ToQRect(d.ValueRect()));
    };
    EXPECT_NE(box(true), box(false));
}

} // namespace
} // namespace zk::gauges
