// The rotary dial: its construction, the dot's place for a digit, the knob
// sizes that decide the dot radius and the cache, the mouse-to-position
// mapping, and which changes repaint the whole face and which only the knob
// and the value box.
#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/gauges/control_event_support.h"
#include "tests/gauges/dial_support.h"
#include "zktools/gauges/qx_dial.h"
#include "zktools/gauges/qx_proc_geometry.h"

namespace zk::gauges {
namespace {

using namespace zk::gauges::testing;

TEST(DialTest, ConstructionSetsUpTheSubObjectsAndStartsAtTenPercent) {
    TQxDial d;
    EXPECT_EQ(d.width(), 113);
    EXPECT_EQ(d.height(), 161);
    EXPECT_EQ(d.Options(), kAllDialOptions);
    EXPECT_FLOAT_EQ(d.Value(), 10.0f);
    EXPECT_EQ(d.Digit(), 100);
    EXPECT_EQ(d.BevelOuter().Spacing(), 5);
    EXPECT_EQ(d.BevelOuter().BevelLine(), blOuter);
    EXPECT_EQ(d.BevelOuter().Width(), 2);
    EXPECT_EQ(d.BevelValue().Style(), bsLowered);
    EXPECT_EQ(d.BevelValue().Width(), 2);
    EXPECT_EQ(d.BevelValue().Color(), clBlack);
    EXPECT_EQ(d.BevelValue().Spacing(), 0);
    EXPECT_EQ(d.BevelDial().ColorShadowFrom(), clWhite);
    EXPECT_EQ(d.BevelDial().ColorShadowTo(), clGray);
    EXPECT_TRUE(d.BevelDial().RoundBevel);
    EXPECT_NE(d.BevelDial().RingBitmap(), nullptr);
    EXPECT_EQ(d.BevelDial().BevelLine(), blOuter);
    EXPECT_EQ(d.BevelDial().PenColor(), clGray);
    EXPECT_EQ(d.BevelDial().Spacing(), 1);
    EXPECT_EQ(d.FontValue().Color(), 0x00FF00u);
    EXPECT_EQ(d.FontValue().Name(), "System");
    EXPECT_EQ(d.FontValue().Size(), 10);
    EXPECT_EQ(d.ScaleSettings().Font().Size(), 8);
    EXPECT_FALSE(d.FaceCached());
}

TEST(DialTest, MeasuringFollowsTheValueFontAndTheUnit) {
    TQxDial d;
    d.CalcSize();
    const int unit = d.UnitTextWidth();
    const int box = d.ValueTextWidth();
    ASSERT_GT(unit, 0);
    d.SignalSettings().SetValueUnit(QStringLiteral("%%%"));
    EXPECT_GT(d.UnitTextWidth(), unit);
    d.SignalSettings().SetValueFormat(QStringLiteral("##0.000"));
    EXPECT_GT(d.ValueTextWidth(), box);
    TFont big = d.FontValue();
    big.SetSize(20);
    d.SetFontValue(big);
    EXPECT_GT(d.ValueTextHeight(), 20);
}

TEST(DialTest, TheDotStartsAtTheLowerLeftAndTurnsWithTheDigit) {
    TQxDial d;
    ASSERT_TRUE(ShowPainted(d));
    const TPoint c = d.KnobCenter();
    EXPECT_EQ(c.X * 2, d.KnobRect().Width() - d.KnobRect().Width() % 2);
    EXPECT_EQ(d.DotStart(), QxRotate(TPoint{c.X, d.DotRadius()}, c, 225, true));
    EXPECT_LT(d.DotStart().X, c.X);
    EXPECT_GT(d.DotStart().Y, c.Y);
    // 10 of 0..100 on 1000 digits: 27 degrees past the start.
    EXPECT_EQ(d.DotPos(), QxRotate(d.DotStart(), c, 27, true));
    d.SetValue(100);
    EXPECT_EQ(d.DotPos(), QxRotate(d.DotStart(), c, 270, true));
    EXPECT_GT(d.DotPos().X, c.X);
    EXPECT_GT(d.DotPos().Y, c.Y);

    d.SignalSettings().SetDigitalTo(100);
    for (int digit : {0, 1, 37, 50, 99}) {
        d.SetDigit(digit);
        EXPECT_EQ(d.DotPos(), QxRotate(d.DotStart(), c, 2.7f * digit, true)) << digit;
    }
    d.SetDigit(50);
    EXPECT_EQ(d.DotPos().X, c.X); // straight up
    EXPECT_LT(d.DotPos().Y, c.Y);
}

TEST(DialTest, WithoutADigitSpanTheDotStaysAtTheStart) {
    TQxDial d;
    ASSERT_TRUE(ShowPainted(d));
    d.SignalSettings().SetDigitalFrom(5);
    d.SignalSettings().SetDigitalTo(5);
    ASSERT_EQ(d.SignalSettings().DigitSpan, 0);
    d.grab();
    d.SetDigit(5);
    EXPECT_EQ(d.DotPos(), d.DotStart());
}

// Digit ends near the int limits (whose span the signal settings cannot hold
// and so keep the last one) must neither overflow nor throw the dot off its
// scale; the sanitizer build traps any overflow.
// Digit ends near the int limits, whose span the signal settings cannot hold
// (they keep the last one): the dot's angle and a drag's digit are worked out
// without overflow (the sanitizer build traps one), and the drag stays in range.
TEST(DialTest, DigitEndsNearTheIntLimitsKeepTheDotAndTheDragInRange) {
    struct Ends {
        const char* name;
        int from, to;
        bool toFirst;
    };
    const std::vector<Ends> cases = {
        // The dial still stands at digit 100, far from the new start.
        {"both ends of the int range", -2147483647, 2147483647, false},
        // The span stays 1000, so a drag maps beyond the int range.
        {"start near the top, end at or below 0", 2147483000, -5, true},
    };
    for (const Ends& k : cases) {
        SCOPED_TRACE(k.name);
        TQxDial d;
        TSignalSettings& s = d.SignalSettings();
        if (k.toFirst)
            s.SetDigitalTo(k.to);
        s.SetDigitalFrom(k.from);
        s.SetDigitalTo(k.to);
        ASSERT_EQ(s.DigitSpan, 1000);
        ASSERT_TRUE(ShowPainted(d));
        const long long fromStart = static_cast<long long>(d.Digit()) - k.from;
        EXPECT_EQ(d.DotPos(), QxRotate(d.DotStart(), d.KnobCenter(),
                                       270.0f / 1000 * static_cast<float>(fromStart), true));
        // A press on the knob's right maps far beyond the start and is clamped.
        const TPoint right = OnControl(d, TPoint{d.KnobCenter().X + 12, d.KnobCenter().Y});
        Press(d, QPoint(right.X, right.Y));
        Release(d, QPoint(right.X, right.Y));
        EXPECT_GE(d.Digit(), std::min(k.from, k.to));
        EXPECT_LE(d.Digit(), std::max(k.from, k.to));
    }
}

struct KnobCase {
    int side; // knob inside the round bevel
    int dotRadius;
    bool cached;
};

TEST(DialTest, TheKnobSideSetsTheDotRadiusAndWhetherTheFaceIsCached) {
    const std::vector<KnobCase> cases = {
        {52, 4, true},
        {13, 2, true},
        {130, 6, true},
        {11, 2, true},
        {10, 2, false},
        // A thirteenth, not a twelfth: these give 3 and 5 by the other.
        {36, 2, true},
        {60, 4, true}};
    for (const KnobCase& k : cases) {
        SCOPED_TRACE(k.side);
        TQxDial d;
        // Without frame, value box and scale the knob is the control's width,
        // less the round bevel.
        d.SetOptions(0);
        const int ring = d.BevelDial().BorderWidth;
        d.resize(k.side + 2 * ring, k.side + 2 * ring + 10);
        ASSERT_TRUE(ShowPainted(d));
        EXPECT_EQ(d.KnobRect().Width(), k.side);
        EXPECT_EQ(d.KnobRect().Left, ring);
        EXPECT_EQ(d.KnobRect().Top, ring);
        EXPECT_EQ(d.DotRadius(), k.dotRadius);
        EXPECT_EQ(d.FaceCached(), k.cached);
        if (k.cached) {
            // Drawn so: the dot's white edge k.dotRadius right of its centre, the face beyond.
            const TPoint dot = d.DotPos();
            EXPECT_EQ(SurfaceAt(d, OnControl(d, TPoint{dot.X + k.dotRadius, dot.Y})), clWhite);
            EXPECT_EQ(SurfaceAt(d, OnControl(d, TPoint{dot.X + k.dotRadius + 1, dot.Y})),
                      d.BevelDial().Color());
        }
    }
}

struct SlideCase {
    const char* name;
    int dx, dy; // from the knob centre
    int digit;  // of 0..100
};

TEST(DialTest, ADragPutsTheDotUnderTheMouseAndSticksToTheEndsBelow) {
    const std::vector<SlideCase> cases = {
        {"straight below", 0, 12, 0},         {"a pixel right of straight below", 1, 12, 100},
        {"lower left (the start)", -8, 8, 0}, {"left", -12, 0, 17},
        {"straight up", 0, -12, 50},          {"right", 12, 0, 83},
        {"lower right (the end)", 8, 8, 100}, {"open quarter, left half", -3, 12, 0},
    };
    CountingDial d;
    d.SignalSettings().SetDigitalTo(100);
    ASSERT_TRUE(ShowPainted(d));
    for (const SlideCase& k : cases) {
        SCOPED_TRACE(k.name);
        d.SetDigit(40);
        const TPoint at = OnControl(d, TPoint{d.KnobCenter().X + k.dx, d.KnobCenter().Y + k.dy});
        Press(d, QPoint(at.X, at.Y));
        EXPECT_EQ(d.Digit(), k.digit);
        Release(d, QPoint(at.X, at.Y));
    }
    // Moving with the button held follows the mouse out of the knob too.
    const TPoint c = OnControl(d, d.KnobCenter());
    Press(d, QPoint(c.X - 12, c.Y));
    Move(d, QPoint(c.X, c.Y - 60), Qt::LeftButton);
    EXPECT_EQ(d.Digit(), 50);
    Release(d, QPoint(c.X, c.Y - 60));
    // A press outside the knob's circle starts nothing.
    d.SetDigit(40);
    Press(d, QPoint(d.SlideRect.Left + 1, d.SlideRect.Top + 1));
    EXPECT_EQ(d.Digit(), 40);
}

// Pixels of the surface that differ between two pictures of it.
QRegion Changed(const QImage& a, const QImage& b) {
    QRegion r;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                r += QRect(x, y, 1, 1);
    return r;
}

TEST(DialTest, APositionChangeRedrawsOnlyTheKnobAndTheValueBox) {
    CountingDial d;
    ASSERT_TRUE(ShowPainted(d));
    ASSERT_EQ(d.paints, 1);
    const QImage before = d.Surface().copy();
    d.SetValue(63);
    const QRegion changed = Changed(before, d.Surface());
    EXPECT_FALSE(changed.isEmpty());
    const QRegion allowed = QRegion(ToQRect(d.KnobRect())) + QRegion(ToQRect(d.ValueRect()));
    EXPECT_TRUE((changed - allowed).isEmpty());
    EXPECT_TRUE(changed.intersects(ToQRect(d.ValueRect())));
    EXPECT_FALSE(d.PaintPending());
    d.grab();
    EXPECT_EQ(d.paints, 1);
}

TEST(DialTest, SettingsChangesRepaintTheWholeFace) {
    CountingDial d;
    ASSERT_TRUE(ShowPainted(d));
    const std::vector<std::pair<std::string, std::function<void()>>> changes = {
        {"name",
         [&] {
             d.SignalSettings().SetName1(QStringLiteral("Progress"));
         }},
        {"options",
         [&] {
             d.SetOptions(kAllDialOptions & ~opName2);
         }},
        {"value font",
         [&] {
             d.SetFontValue(d.FontValue());
         }},
        {"outer bevel",
         [&] {
             d.BevelOuter().SetColor(clTeal);
         }},
        {"value bevel",
         [&] {
             d.BevelValue().SetColor(clNavy);
         }},
        {"knob bevel",
         [&] {
             d.BevelDial().SetColor(clWhite);
         }},
        {"scale",
         [&] {
             d.ScaleSettings().SetSteps(4);
         }},
        {"focus colour",
         [&] {
             d.SetColorFocus(clRed);
         }},
        {"size",
         [&] {
             d.resize(120, 170);
         }},
    };
    for (const auto& [name, change] : changes) {
        SCOPED_TRACE(name);
        const int paints = d.paints;
        change();
        EXPECT_TRUE(d.PaintPending());
        d.grab();
        EXPECT_EQ(d.paints, paints + 1);
    }
}

TEST(DialTest, AHiddenDialMovesWithoutDrawingAndShowsThePositionAtTheNextPaint) {
    TQxDial d;
    ASSERT_TRUE(ShowPainted(d));
    d.hide();
    const QImage before = d.Surface().copy();
    d.SetValue(80);
    EXPECT_EQ(d.Digit(), 800);
    EXPECT_TRUE(Changed(before, d.Surface()).isEmpty());
    d.show();
    d.Invalidate();
    d.grab();
    EXPECT_EQ(d.DotPos(), QxRotate(d.DotStart(), d.KnobCenter(), 216, true));
}

// The diagnostics window sets its dial back to 0 while the window is closed;
// showing the window again must show that position, not the last one drawn.
TEST(DialTest, AValueSetWhileTheWindowIsClosedShowsWhenItOpensAgain) {
    QWidget window;
    window.resize(200, 200);
    auto* d = new TQxDial(&window);
    d->SignalSettings().SetDigitalTo(100);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    d->SetValue(100);
    const TPoint end = OnControl(*d, d->DotPos());
    window.grab();
    window.hide();
    d->SetValue(0);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QImage shown = window.grab().toImage();
    const TPoint start = OnControl(*d, QxRotate(d->DotStart(), d->KnobCenter(), 0, true));
    EXPECT_EQ(FromQColor(QColor(shown.pixel(d->x() + start.X, d->y() + start.Y))),
              d->ColorNonFocus());
    EXPECT_NE(FromQColor(QColor(shown.pixel(d->x() + end.X, d->y() + end.Y))), d->ColorNonFocus());
}

TEST(DialTest, TheDotShowsFocusAndEnabledAtOnce) {
    TQxDial d;
    ASSERT_TRUE(ShowPainted(d));
    const auto dot = [&] {
        return SurfaceAt(d, OnControl(d, d.DotPos()));
    };
    EXPECT_EQ(dot(), d.ColorNonFocus());
    d.setFocus();
    EXPECT_EQ(dot(), d.ColorFocus());
    d.clearFocus();
    EXPECT_EQ(dot(), d.ColorNonFocus());
    d.setEnabled(false);
    EXPECT_EQ(dot(), clGray);
    d.setEnabled(true);
    EXPECT_EQ(dot(), d.ColorNonFocus());
}

TEST(DialTest, OnAWindowEachNewValueReachesTheScreenAtTheNextPaint) {
    QWidget window;
    window.resize(300, 220);
    auto* d = new TQxDial(&window);
    d->setGeometry(100, 16, 145, 177);
    d->SignalSettings().SetDigitalTo(100);
    d->SetTabStop(false);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    for (float v : {0.0f, 10.0f, 55.0f, 100.0f}) {
        SCOPED_TRACE(v);
        d->SetValue(v);
        const QImage shown = window.grab().toImage();
        const TPoint dot = OnControl(*d, d->DotPos());
        EXPECT_EQ(FromQColor(QColor(shown.pixel(100 + dot.X, 16 + dot.Y))), d->ColorNonFocus());
        EXPECT_EQ(d->DotPos(), QxRotate(d->DotStart(), d->KnobCenter(), 2.7f * v, true));
    }
}

} // namespace
} // namespace zk::gauges
