// Scale drawing: the layout of round scales (radii, centre, returned square,
// tick and label angles, whole-degree sub ticks, minimum tick lengths) and of
// straight scales (positions, tick directions, label anchors) from given
// working fields, then pixels of a dial, a round and straight scales.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "scale_pixels.h"
#include "zktools/gauges/qx_proc_geometry.h"
#include "zktools/gauges/qx_scale_settings.h"

namespace zk::gauges {
namespace {

// Direction of p seen from c, clockwise from 12 o'clock, 0 to below 360.
double AngleOf(TPoint p, TPoint c) {
    const double deg = std::atan2(p.X - c.X, -(p.Y - c.Y)) * 180.0 / std::numbers::pi;
    return deg < 0 ? deg + 360.0 : deg;
}

double Distance(TPoint p, TPoint c) {
    return std::hypot(p.X - c.X, p.Y - c.Y);
}

// Difference of two directions, -180..180.
double AngleDiff(double a, double b) {
    double d = std::fmod(a - b + 540.0, 360.0) - 180.0;
    return d;
}

std::vector<TScaleMark> OfKind(const TScaleMarks& marks, TScaleMarkKind kind) {
    std::vector<TScaleMark> out;
    for (const TScaleMark& m : marks)
        if (m.Kind == kind)
            out.push_back(m);
    return out;
}

// Working fields as a measuring call would leave them, chosen by hand.
void SetRoundFields(TScaleSettings& s) {
    s.LabelList = "0;20;40;60;80;100;";
    s.LabelWidth = 30;
    s.LabelHeight = 20;
    s.LabelGap = 16;
    s.TickWidth = 2;
}

class DialLayoutTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetRoundFields(s);
        rect = Rect(10, 20, 410, 300);
        marks = s.DialScalaMarks(rect, 225, 270);
    }
    TScaleSettings s;
    TRect rect;
    TScaleMarks marks;
    // W 400: r = (400 - 32) div 2 + 16 - 15 = 185; centre x 210, y 20 + 185 + 10.
    const TPoint centre{210, 215};
};

TEST_F(DialLayoutTest, CentreHangsFromTheTopEdgeAndTheRectBecomesTheInnerSquare) {
    EXPECT_EQ(s.ScaleCenter, centre);
    EXPECT_EQ(s.TickLength, 26);    // 185 div 7
    EXPECT_EQ(s.SubTickLength, 19); // Round(26 / 1.4)
    // a = 15, t = 1: the square inside the labels.
    EXPECT_EQ(rect, Rect(41, 46, 380, 385));
    // The label list is copied, not consumed.
    EXPECT_EQ(s.LabelList, "0;20;40;60;80;100;");
}

TEST_F(DialLayoutTest, MainTicksAndLabelsSit54DegreesApartFromTheStartAngle) {
    const auto labels = OfKind(marks, smkLabel);
    const auto ticks = OfKind(marks, smkMainTick);
    ASSERT_EQ(labels.size(), 6u);
    ASSERT_EQ(ticks.size(), 6u);
    const char* texts[] = {"0", "20", "40", "60", "80", "100"};
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        const double expected = std::fmod(225.0 + 54.0 * i, 360.0);
        EXPECT_EQ(labels[i].Text, texts[i]);
        EXPECT_EQ(labels[i].Anchor, toMidCenter);
        EXPECT_NEAR(AngleDiff(AngleOf(labels[i].From, centre), expected), 0.0, 0.5);
        EXPECT_NEAR(Distance(labels[i].From, centre), 185.0, 1.5);
        // From the outer end (r - gap) inwards by the tick length.
        EXPECT_NEAR(AngleDiff(AngleOf(ticks[i].From, centre), expected), 0.0, 0.5);
        EXPECT_NEAR(Distance(ticks[i].From, centre), 169.0, 1.5);
        EXPECT_NEAR(Distance(ticks[i].To, centre), 143.0, 1.5);
        EXPECT_EQ(ticks[i].PenWidth, 2);
    }
    // The dial leaves its bottom quarter open: first label at 7:30, last at 4:30.
    EXPECT_LT(labels[0].From.X, centre.X);
    EXPECT_GT(labels[0].From.Y, centre.Y);
    EXPECT_GT(labels[5].From.X, centre.X);
    EXPECT_GT(labels[5].From.Y, centre.Y);
    EXPECT_EQ(labels[0].From.Y, labels[5].From.Y);
}

TEST_F(DialLayoutTest, SubTicksRunFromTheInnerCircleOutwardsMidwayBetweenMainTicks) {
    const auto subs = OfKind(marks, smkSubTick);
    ASSERT_EQ(subs.size(), 5u);
    const double past[] = {27, 81, 135, 189, 243};
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        EXPECT_NEAR(AngleDiff(AngleOf(subs[i].From, centre), 225.0 + past[i]), 0.0, 0.5);
        EXPECT_NEAR(Distance(subs[i].From, centre), 143.0, 1.5);
        EXPECT_NEAR(Distance(subs[i].To, centre), 162.0, 1.5); // shorter, from inside
        EXPECT_EQ(subs[i].PenWidth, 1);
    }
}

TEST_F(DialLayoutTest, MarksComeLabelThenTickPerStepWithTheSubTicksAfter) {
    const TScaleMarkKind order[] = {smkLabel,    smkMainTick, smkSubTick,  smkLabel,    smkMainTick,
                                    smkSubTick,  smkLabel,    smkMainTick, smkSubTick,  smkLabel,
                                    smkMainTick, smkSubTick,  smkLabel,    smkMainTick, smkSubTick,
                                    smkLabel,    smkMainTick};
    ASSERT_EQ(marks.size(), std::size(order));
    for (size_t i = 0; i < marks.size(); ++i)
        EXPECT_EQ(marks[i].Kind, order[i]) << i;
}

TEST(RoundScaleLayoutTest, SubTickAnglesAreWholeDegreesWhileMainTickAnglesAreNot) {
    TScaleSettings s;
    SetRoundFields(s);
    s.SetSteps(7);
    s.LabelList.clear();
    // Large enough that a fraction of a degree moves the sub ticks' ends.
    TRect rect = Rect(0, 0, 2000, 2000);
    const TScaleMarks marks = s.DialScalaMarks(rect, 225, 270);
    const TPoint c = s.ScaleCenter;
    // The unrotated ends straight above the centre, turned once to the start.
    const int r = (2000 - 32) / 2 + 16 - 15;
    const int outer = r - s.LabelGap;
    const int inner = outer - s.TickLength;
    const TPoint outer0 = QxRotate(TPoint{c.X, c.Y - outer}, c, 225, true);
    const TPoint inner0 = QxRotate(TPoint{c.X, c.Y - inner}, c, 225, true);

    const auto ticks = OfKind(marks, smkMainTick);
    ASSERT_EQ(ticks.size(), 8u);
    const float step = 2 * static_cast<float>(270.0 / 14);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(ticks[i].From, QxRotate(outer0, c, static_cast<float>(i * step), true)) << i;
    EXPECT_EQ(ticks[7].From, QxRotate(outer0, c, 270, true));

    const auto subs = OfKind(marks, smkSubTick);
    ASSERT_EQ(subs.size(), 7u);
    const int whole[] = {19, 58, 96};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(subs[i].From, QxRotate(inner0, c, static_cast<float>(whole[i]), true));
        const float exact = static_cast<float>(270.0 / 14 * (2 * i + 1));
        EXPECT_NE(subs[i].From, QxRotate(inner0, c, exact, true)); // the radius tells them apart
    }
    // No labels left: the label marks are empty texts, all ticks are there.
    for (const TScaleMark& m : OfKind(marks, smkLabel))
        EXPECT_TRUE(m.Text.isEmpty());
}

struct TickSizeCase {
    const char* name;
    bool dial;
    int tickWidth;
    int width; // of the rect
    int tickLength, subTickLength;
};

TEST(RoundScaleLayoutTest, TickLengthsFollowTheLabelRadiusWithMinimumsOnlyOnTheDial) {
    // LabelWidth 10, LabelGap 6: r = (W - 12) div 2 + 6 - 5.
    const TickSizeCase cases[] = {
        {"dial, small", true, 1, 30, 3, 1},     // r 10: 10 div 7 = 1, sub 0
        {"round, small", false, 1, 30, 1, 0},   // r 10: 10 div 8 = 1, sub 0
        {"dial, wide pen", true, 2, 30, 3, 1},  // sub Round(1 / 1.4) = 1
        {"dial, large", true, 2, 212, 14, 10},  // r 101: 14, Round(10)
        {"round, large", false, 2, 212, 12, 9}, // r 101: 12, Round(8.57)
        {"round, thin", false, 1, 212, 12, 6},
    };
    for (const TickSizeCase& c : cases) {
        SCOPED_TRACE(c.name);
        TScaleSettings s;
        s.LabelList = "a;b;c;d;e;f;";
        s.LabelWidth = 10;
        s.LabelHeight = 8;
        s.LabelGap = 6;
        s.TickWidth = c.tickWidth;
        TRect rect = Rect(0, 0, c.width, c.width);
        const TScaleMarks marks =
            c.dial ? s.DialScalaMarks(rect, 225, 270) : s.RoundScalaMarks(rect, 225, 270);
        EXPECT_EQ(s.TickLength, c.tickLength);
        EXPECT_EQ(s.SubTickLength, c.subTickLength);
        EXPECT_EQ(marks.size(), 6u + 6u + 5u);
    }
}

TEST(RoundScaleLayoutTest, ThinTicksMoveTheLeftAndTopEdgeOfTheSquareInward) {
    // TickWidth 0 and 1 share the same half width 0; only 1 moves the edges.
    TRect thin = Rect(0, 0, 200, 200);
    TRect none = thin;
    for (auto [width, rect] : {std::pair{1, &thin}, std::pair{0, &none}}) {
        TScaleSettings s;
        SetRoundFields(s);
        s.TickWidth = width;
        s.DialScalaMarks(*rect, 225, 270);
    }
    // r = (200 - 32) div 2 + 1 = 85, centre (100, 95), a = 15.
    EXPECT_EQ(none, Rect(30, 25, 169, 164));
    EXPECT_EQ(thin, Rect(31, 26, 169, 164));
}

TEST(RoundScaleLayoutTest, OneSubStepGivesNoSubTicks) {
    TScaleSettings s;
    SetRoundFields(s);
    s.SetSubSteps(1);
    TRect rect = Rect(0, 0, 300, 300);
    const TScaleMarks marks = s.RoundScalaMarks(rect, 0, 360);
    EXPECT_TRUE(OfKind(marks, smkSubTick).empty());
    const auto ticks = OfKind(marks, smkMainTick);
    ASSERT_EQ(ticks.size(), 6u);
    // A full circle: the closing tick lands on the first.
    EXPECT_EQ(ticks[0].From, ticks[5].From);
    EXPECT_NEAR(AngleOf(ticks[1].From, s.ScaleCenter), 72.0, 0.5);
}

// Straight scales: rect 101 pixels long, four steps of two sub steps, so the
// positions are 0, 25.25, 50.5 (to even: 50), 75.75 and 101 past the start.
struct StraightCase {
    const char* name;
    bool horizontal;
    bool posLeftTop;
    TRect rect;
    int base;       // across the scale
    int tickEnd;    // across, main tick's far end
    int subTickEnd; // across, sub tick's far end
    int labelAt;    // across
    toPos anchor;
    int start;
};

TEST(StraightScaleLayoutTest, TicksLabelsAndBaseLineFollowTheLayout) {
    // TickLength 10, SubTickLength 5, LabelGap 3, LabelHeight 12.
    const StraightCase cases[] = {
        {"horizontal, labels below", true, false, Rect(20, 30, 121, 90), 30, 40, 35, 43,
         toTopCenter, 20},
        {"horizontal, labels above", true, true, Rect(20, 30, 121, 90), 49, 39, 44, 30, toMidCenter,
         20},
        {"vertical, labels right", false, false, Rect(20, 30, 80, 131), 20, 30, 25, 33, toMidLeft,
         30},
        {"vertical, labels left", false, true, Rect(20, 30, 80, 131), 80, 70, 75, 68, toMidRight,
         30},
    };
    const int mainAt[] = {0, 25, 50, 76, 101};
    const int subAt[] = {0, 13, 25, 38, 50, 63, 76, 88}; // 12.625 apart, rounded
    for (const StraightCase& c : cases) {
        SCOPED_TRACE(c.name);
        TScaleSettings s;
        s.SetSteps(4);
        s.SetPosLeftTop(c.posLeftTop);
        s.LabelList = "a;b;c;d;e;";
        s.TickLength = 10;
        s.SubTickLength = 5;
        s.LabelGap = 3;
        s.LabelHeight = 12;
        s.TickWidth = 3;
        s.SubTickWidth = 2;
        const TScaleMarks marks =
            c.horizontal ? s.HorizScalaMarks(c.rect) : s.VertiScalaMarks(c.rect);
        auto at = [&](int along, int across) {
            return c.horizontal ? TPoint{along, across} : TPoint{across, along};
        };

        ASSERT_EQ(marks.size(), 1u + 4u * 4u + 2u);
        EXPECT_EQ(marks[0].Kind, smkBaseLine);
        EXPECT_EQ(marks[0].From, at(c.start, c.base));
        EXPECT_EQ(marks[0].To, at(c.start + 101, c.base));
        EXPECT_EQ(marks[0].PenWidth, 3);

        const auto ticks = OfKind(marks, smkMainTick);
        const auto labels = OfKind(marks, smkLabel);
        const auto subs = OfKind(marks, smkSubTick);
        ASSERT_EQ(ticks.size(), 5u);
        ASSERT_EQ(labels.size(), 5u);
        ASSERT_EQ(subs.size(), 8u);
        const char* texts[] = {"a", "b", "c", "d", "e"};
        for (int i = 0; i < 5; ++i) {
            SCOPED_TRACE(i);
            const int along = c.start + mainAt[i];
            EXPECT_EQ(ticks[i].From, at(along, c.base));
            EXPECT_EQ(ticks[i].To, at(along, c.tickEnd));
            EXPECT_EQ(ticks[i].PenWidth, 3);
            EXPECT_EQ(labels[i].From, at(along, c.labelAt));
            EXPECT_EQ(labels[i].Anchor, c.anchor);
            EXPECT_EQ(labels[i].Text, texts[i]);
        }
        for (int k = 0; k < 8; ++k) {
            SCOPED_TRACE(k);
            EXPECT_EQ(subs[k].From, at(c.start + subAt[k], c.base));
            EXPECT_EQ(subs[k].To, at(c.start + subAt[k], c.subTickEnd));
            EXPECT_EQ(subs[k].PenWidth, 2);
        }
        // Per interval: main tick, its label, then its sub ticks (the first on
        // the main tick).
        const TScaleMarkKind head[] = {smkBaseLine, smkMainTick, smkLabel, smkSubTick,
                                       smkSubTick,  smkMainTick, smkLabel};
        for (size_t i = 0; i < std::size(head); ++i)
            EXPECT_EQ(marks[i].Kind, head[i]) << i;
    }
}

TEST(StraightScaleLayoutTest, WithoutBaseLineAndWithOneSubStep) {
    TScaleSettings s;
    s.SetDrawLine(false);
    s.SetSubSteps(1);
    s.LabelList = "0;1;2;3;4;5;";
    // Length 10 over five steps of 2: every position whole.
    const TScaleMarks marks = s.HorizScalaMarks(Rect(0, 0, 10, 40));
    EXPECT_TRUE(OfKind(marks, smkBaseLine).empty());
    const auto ticks = OfKind(marks, smkMainTick);
    const auto subs = OfKind(marks, smkSubTick);
    ASSERT_EQ(ticks.size(), 6u);
    ASSERT_EQ(subs.size(), 5u); // one per interval, on its main tick
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(subs[i].From, ticks[i].From) << i;
}

TEST(StraightScaleLayoutTest, PositionsRoundHalvesToEven) {
    TScaleSettings s;
    s.SetSteps(4);
    s.SetSubSteps(1);
    // Length 10: 2.5 apart, so 2.5 -> 2 and 7.5 -> 8.
    const auto ticks = OfKind(s.HorizScalaMarks(Rect(0, 0, 10, 40)), smkMainTick);
    ASSERT_EQ(ticks.size(), 5u);
    const int x[] = {0, 2, 5, 8, 10};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(ticks[i].From.X, x[i]) << i;
}

// Pixels: the drawing calls paint their layout in the scale colour.
TEST(ScalePixelsTest, DialTicksAreDrawnInTheScaleColourAndTheBottomQuarterStaysOpen) {
    scaletest::Picture picture(220, 220);
    TCanvas& canvas = *picture.canvas;
    TScaleSettings s;
    s.SetColor(clBlue);
    s.Font().SetSize(9);
    s.CalcRSize(canvas, 0.0f, 100.0f);
    TRect rect = Rect(10, 10, 210, 210);
    TRect copy = rect;
    const TScaleMarks marks = s.DialScalaMarks(copy, 225, 270);
    s.DialScala(canvas, rect, 225, 270);
    EXPECT_EQ(rect, copy);
    EXPECT_EQ(canvas.Brush.Style, bsClear);

    for (const TScaleMark& m : marks) {
        if (m.Kind == smkLabel)
            continue;
        // The middle of each tick.
        const int x = (m.From.X + m.To.X) / 2;
        const int y = (m.From.Y + m.To.Y) / 2;
        EXPECT_EQ(picture.Count(Rect(x - 1, y - 1, x + 2, y + 2), clBlue) > 0, true)
            << m.Kind << " at " << x << "," << y;
    }
    // Every label leaves text pixels around its anchor.
    for (const TScaleMark& m : OfKind(marks, smkLabel)) {
        const TRect box = Rect(m.From.X - s.LabelWidth / 2, m.From.Y - s.LabelHeight / 2,
                               m.From.X + s.LabelWidth / 2 + 1, m.From.Y + s.LabelHeight / 2 + 1);
        EXPECT_GT(picture.CountNotWhite(box) - picture.Count(box, clBlue), 0)
            << m.Text.toStdString();
    }
    // Below the centre, between 5 and 7 o'clock, nothing is drawn.
    const TPoint c = s.ScaleCenter;
    int drawn = 0;
    for (int y = c.Y + 10; y < 220; ++y)
        for (int x = 0; x < 220; ++x) {
            const double a = AngleOf(TPoint{x, y}, c);
            if (a > 150 && a < 210 && picture.At(x, y) != clWhite)
                ++drawn;
        }
    EXPECT_EQ(drawn, 0);
}

TEST(ScalePixelsTest, HorizontalScaleDrawsBaseLineTicksAndLabelsOnTheirSide) {
    for (bool labelsAbove : {false, true}) {
        SCOPED_TRACE(labelsAbove ? "labels above" : "labels below");
        scaletest::Picture picture(260, 80);
        TCanvas& canvas = *picture.canvas;
        TScaleSettings s;
        s.SetColor(clRed);
        s.Font().SetSize(8);
        s.Font().SetColor(clBlack);
        s.SetPosLeftTop(labelsAbove);
        s.CalcHSize(canvas, 0.0f, 100.0f);
        s.TickWidth = 1; // one-pixel lines: exact pixels
        const TRect rect = Rect(20, 10, 220, 70);
        s.HorizScala(canvas, rect);
        const int base = labelsAbove ? 10 + s.LabelHeight / 2 + s.LabelGap + s.TickLength : 10;
        const int dir = labelsAbove ? -1 : 1;
        // The base line from the start edge to the closing tick.
        EXPECT_EQ(picture.Count(Rect(0, base, 260, base + 1), clRed), 201);
        // Steps of 40 pixels: a main tick at 60, a sub tick at 40.
        for (int i = 1; i < s.TickLength; ++i)
            EXPECT_EQ(picture.At(60, base + dir * i), clRed) << i;
        EXPECT_EQ(picture.At(60, base + dir * s.TickLength), clWhite);
        for (int i = 1; i < s.SubTickLength; ++i)
            EXPECT_EQ(picture.At(40, base + dir * i), clRed) << i;
        EXPECT_EQ(picture.At(40, base + dir * s.SubTickLength), clWhite);
        // Labels only on their side of the ticks.
        const TRect above = Rect(0, 0, 260, base - s.TickLength);
        const TRect below = Rect(0, base + s.TickLength + 1, 260, 80);
        EXPECT_GT(picture.Count(labelsAbove ? above : below, clBlack), 0);
        EXPECT_EQ(picture.Count(labelsAbove ? below : above, clBlack), 0);
        EXPECT_EQ(picture.Count(labelsAbove ? below : above, clRed), 0);
    }
}

TEST(ScalePixelsTest, VerticalScaleDrawsTicksTowardsItsLabels) {
    for (bool labelsLeft : {false, true}) {
        SCOPED_TRACE(labelsLeft ? "labels left" : "labels right");
        scaletest::Picture picture(120, 240);
        TCanvas& canvas = *picture.canvas;
        TScaleSettings s;
        s.SetColor(clGreen);
        s.Font().SetSize(8);
        s.Font().SetColor(clBlack);
        s.SetPosLeftTop(labelsLeft);
        s.CalcSize(canvas, 0.0f, 100.0f);
        s.TickWidth = 1;
        const TRect rect = Rect(30, 20, 90, 220);
        s.VertiScala(canvas, rect);
        const int base = labelsLeft ? 90 : 30;
        const int dir = labelsLeft ? -1 : 1;
        EXPECT_EQ(picture.Count(Rect(base, 20, base + 1, 220), clGreen), 200);
        // Main ticks every 40 pixels, sub ticks between.
        for (int y : {20, 60, 100, 140, 180})
            EXPECT_EQ(picture.At(base + dir * (s.TickLength - 1), y), clGreen) << y;
        EXPECT_EQ(picture.At(base + dir * (s.SubTickLength - 1), 40), clGreen);
        EXPECT_EQ(picture.At(base + dir * s.SubTickLength, 40), clWhite);
        // The top label is the upper end: the labels' side holds text pixels.
        const TRect side = labelsLeft ? Rect(0, 0, base - s.TickLength, 240)
                                      : Rect(base + s.TickLength + 1, 0, 120, 240);
        EXPECT_GT(picture.Count(side, clBlack), 0);
        EXPECT_TRUE(s.LabelList.startsWith("100;"));
    }
}

TEST(ScalePixelsTest, EmptyLabelsWriteNothingButTicksAreDrawn) {
    scaletest::Picture picture(120, 60);
    TScaleSettings s;
    s.CalcHSize(*picture.canvas, 0.0f, 100.0f);
    s.LabelList.clear(); // the owner emptied it
    s.HorizScala(*picture.canvas, Rect(10, 5, 110, 55));
    const TRect labels = Rect(0, 5 + s.TickLength + 2, 120, 60);
    EXPECT_EQ(picture.CountNotWhite(labels), 0);
    EXPECT_GT(picture.Count(Rect(0, 5, 120, 5 + s.TickLength), clBlack), 0);
}

} // namespace
} // namespace zk::gauges
