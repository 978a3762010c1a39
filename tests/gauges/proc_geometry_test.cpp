// The shared integer, rectangle and angle routines and the gauges' number rules:
// div truncates toward zero, rounding goes half to even, the right edge of a rect
// is outside and its bottom edge inside for hit tests.
#include "zktools/gauges/qx_math.h"
#include "zktools/gauges/qx_proc_geometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <limits>
#include <numbers>

namespace zk::gauges {
namespace {

TEST(QxNumbers, RoundHalvesToEvenAndTruncateTowardZero) {
    struct Case {
        long double value;
        int rounded;
        int truncated;
    };
    const Case cases[] = {
        {0.5L, 0, 0},
        {1.5L, 2, 1},
        {2.5L, 2, 2},
        {3.5L, 4, 3},
        {-0.5L, 0, 0},
        {-1.5L, -2, -1},
        {-2.5L, -2, -2},
        {2.4999L, 2, 2},
        {2.5001L, 3, 2},
        {-2.9L, -3, -2},
        {127.5L, 128, 127},
        {0.0L, 0, 0},
        {1e20L, INT_MAX, INT_MAX},
        {-1e20L, INT_MIN, INT_MIN},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(QxRound(c.value), c.rounded) << static_cast<double>(c.value);
        EXPECT_EQ(QxTrunc(c.value), c.truncated) << static_cast<double>(c.value);
    }
    EXPECT_EQ(QxRound(std::numeric_limits<long double>::quiet_NaN()), 0);
    EXPECT_EQ(QxTrunc(std::numeric_limits<long double>::infinity()), INT_MAX);
}

TEST(QxIntegers, MinMaxClampAndFlag) {
    EXPECT_EQ(QxMinInt(3, -4), -4);
    EXPECT_EQ(QxMaxInt(3, -4), 3);
    EXPECT_EQ(QxMinMaxInt(5, 0, 10), 5);
    EXPECT_EQ(QxMinMaxInt(-3, 0, 10), 0);
    EXPECT_EQ(QxMinMaxInt(12, 0, 10), 10);
    EXPECT_EQ(QxMinMaxInt(5, 10, 0), 10); // lower wins when the bounds cross
    EXPECT_EQ(QxBinToInt(true), 1);
    EXPECT_EQ(QxBinToInt(false), 0);
}

TEST(QxRects, BordersInsetEachSideAndNegativeGrows) {
    TRect r{0, 0, 10, 10};
    QxBorder(r, 2);
    EXPECT_EQ(r, (TRect{2, 2, 8, 8}));
    QxBorder(r, -3);
    EXPECT_EQ(r, (TRect{-1, -1, 11, 11}));
    TRect m{0, 0, 10, 10};
    QxMultiBorder(m, 1, 2, 3, 4);
    EXPECT_EQ(m, (TRect{1, 2, 7, 6}));
}

TEST(QxRects, CentreRadiusAndSquaresUseTruncatingDiv) {
    struct Case {
        TRect r;
        TPoint centre;
        int radius;
        TRect square;
        TRect centred;
    };
    const Case cases[] = {
        {{0, 0, 5, 5}, {2, 2}, 2, {0, 0, 5, 5}, {0, 0, 5, 5}},
        {{-5, -5, 0, 0}, {-3, -3}, 2, {-5, -5, 0, 0}, {-5, -5, 0, 0}},
        {{0, 0, 10, 4}, {5, 2}, 2, {0, 0, 4, 4}, {3, 0, 7, 4}},
        {{0, 0, 4, 9}, {2, 4}, 2, {0, 0, 4, 4}, {0, 2, 4, 6}},
        {{1, 1, 8, 4}, {4, 2}, 1, {1, 1, 4, 4}, {3, 1, 6, 4}},
        // Inverted rect: W = H = -5, and -5 div 2 is -2, not -3.
        {{0, 0, -5, -5}, {-2, -2}, -2, {0, 0, -5, -5}, {0, 0, -5, -5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << c.r.Left << "," << c.r.Top << "," << c.r.Right << "," << c.r.Bottom);
        EXPECT_EQ(QxCenterPoint(c.r), c.centre);
        EXPECT_EQ(QxGetRadius(c.r), c.radius);
        EXPECT_EQ(QxMakeSquare(c.r), c.square);
        EXPECT_EQ(QxMakeCenterSquare(c.r), c.centred);
    }
}

TEST(QxRects, GrowToAPointAndIntersect) {
    TRect r{0, 0, 10, 10};
    QxGetMaxRect(5, 5, r);
    EXPECT_EQ(r, (TRect{0, 0, 10, 10}));
    QxGetMaxRect(15, -2, r);
    EXPECT_EQ(r, (TRect{0, -2, 15, 10}));
    QxGetMaxRect(-1, 12, r);
    EXPECT_EQ(r, (TRect{-1, -2, 15, 12}));

    struct Case {
        TRect a, b;
        bool meets;
        TRect r;
    };
    const Case cases[] = {
        {{0, 0, 10, 10}, {10, 0, 20, 10}, true, {10, 0, 10, 10}}, // touching counts
        {{0, 0, 10, 10}, {11, 0, 20, 10}, false, {11, 0, 10, 10}},
        {{0, 0, 10, 10}, {5, 5, 20, 20}, true, {5, 5, 10, 10}},
        {{0, 0, 10, 10}, {2, 12, 4, 14}, false, {2, 12, 4, 10}},
    };
    for (const Case& c : cases) {
        TRect out{99, 99, 99, 99};
        EXPECT_EQ(QxRectIntersection(c.a, c.b, out), c.meets);
        EXPECT_EQ(out, c.r);
    }
}

TEST(QxHitTests, RectRightEdgeOutBottomEdgeInAndCircleOfTheWidth) {
    const TRect r{0, 0, 10, 10};
    EXPECT_TRUE(QxInRect(0, 0, r));
    EXPECT_TRUE(QxInRect(9, 10, r));  // bottom edge inside
    EXPECT_FALSE(QxInRect(10, 5, r)); // right edge outside
    EXPECT_FALSE(QxInRect(-1, 5, r));
    EXPECT_FALSE(QxInRect(5, -1, r));
    EXPECT_FALSE(QxInRect(5, 11, r));

    struct Case {
        TRect r;
        int x, y;
        bool inside;
    };
    const Case cases[] = {
        {{0, 0, 10, 20}, 5, 15, true}, // 5 from the centre (5, 10): on the circle
        {{0, 0, 10, 20}, 5, 16, false}, {{0, 0, 10, 20}, 0, 10, true},
        {{0, 0, 10, 20}, 1, 6, false}, // 5.66 away
        {{0, 0, 5, 5}, 0, 2, false},   // centre (2.5, 2.5): halves kept
        {{0, 0, 5, 5}, 1, 2, true},     {{0, 0, 0, 0}, 0, 0, true},
        {{0, 0, 0, 0}, 1, 0, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(QxInCircle(c.x, c.y, c.r), c.inside) << c.x << "," << c.y;
}

TEST(QxAngles, RotateTurnsClockwiseOnTheScreenAndRoundsEachCoordinate) {
    struct Case {
        TPoint p, centre;
        float angle;
        bool clockwise;
        TPoint result;
    };
    const Case cases[] = {
        {{10, 0}, {0, 0}, 90, true, {0, 10}}, // right of the centre lands below it
        {{10, 0}, {0, 0}, 90, false, {0, -10}},     {{15, 10}, {10, 10}, 90, true, {10, 15}},
        {{15, 10}, {10, 10}, 270, false, {10, 15}}, {{15, 10}, {10, 10}, -90, true, {10, 5}},
        {{10, 0}, {0, 0}, 45, true, {7, 7}},        {{3, 1}, {1, 1}, 180, true, {-1, 1}},
        {{0, -20}, {0, 0}, 30, true, {10, -17}},    {{5, 5}, {5, 5}, 123, true, {5, 5}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(QxRotate(c.p, c.centre, c.angle, c.clockwise), c.result)
            << c.p.X << "," << c.p.Y << " by " << c.angle;
}

TEST(QxAngles, GetAngleIsClockwiseFromStraightDownAndStaysIn0To360) {
    struct Case {
        TPoint b; // seen from (20, 20)
        float degrees;
    };
    const Case cases[] = {
        {{20, 20}, 90},  {{20, 30}, 0},  {{10, 20}, 90},  {{20, 10}, 180}, {{30, 20}, 270},
        {{30, 30}, 315}, {{10, 30}, 45}, {{10, 10}, 135}, {{30, 10}, 225},
    };
    const TPoint a{20, 20};
    for (const Case& c : cases)
        EXPECT_NEAR(QxGetAngle(a, c.b), c.degrees, 0.01) << c.b.X << "," << c.b.Y;
    // Just either side of straight down: close to 0 and close to 360, never outside.
    const float right = QxGetAngle(a, TPoint{21, 1020});
    const float left = QxGetAngle(a, TPoint{19, 1020});
    EXPECT_LT(right, 360.0f);
    EXPECT_GT(right, 359.9f);
    EXPECT_GE(left, 0.0f);
    EXPECT_LT(left, 0.1f);
}

// Along each axis and one pixel either side of it, near and very far: the result
// is in [0, 360) and, around the circle, within a hair of the true direction.
TEST(QxAngles, GetAngleStaysIn0To360AlongTheAxesAndBesideThemNearAndFar) {
    struct Axis {
        const char* name;
        TPoint direction;
        TPoint side; // one pixel across the axis
    };
    const Axis axes[] = {
        {"down", {0, 1}, {1, 0}},
        {"left", {-1, 0}, {0, 1}},
        {"up", {0, -1}, {1, 0}},
        {"right", {1, 0}, {0, 1}},
    };
    const TPoint a{20, 20};
    for (const Axis& axis : axes)
        for (const int distance : {10, 10'000'000})
            for (const int across : {-1, 0, 1}) {
                const int dx = axis.direction.X * distance + axis.side.X * across;
                const int dy = axis.direction.Y * distance + axis.side.Y * across;
                const float got = QxGetAngle(a, TPoint{a.X + dx, a.Y + dy});
                SCOPED_TRACE(::testing::Message() << axis.name << " at " << distance << ", "
                                                  << across << " across: " << got);
                EXPECT_GE(got, 0.0f);
                EXPECT_LT(got, 360.0f);
                // Clockwise on the screen from straight down, 90 to the left.
                const double expected =
                    std::atan2(-static_cast<double>(dx), dy) * 180 / std::numbers::pi;
                const double off = std::fmod(std::fabs(got - expected), 360.0);
                EXPECT_LT(std::min(off, 360.0 - off), 0.01);
            }
    EXPECT_EQ(QxGetAngle(a, TPoint{20, 30}), 0.0f);
    EXPECT_EQ(QxGetAngle(a, TPoint{20, 10'000'020}), 0.0f);
}

TEST(QxArrowSettings, PacksFourBytesIntoTheLowHalvesAndClearsTheRest) {
    TPoint p{-1, -1};
    QxArrowSettings(p, 12345, 1, 2, 3, 4);
    EXPECT_EQ(p, (TPoint{0x0201, 0x0403}));
    QxArrowSettings(p, 0, 255, 255, 0, 255);
    EXPECT_EQ(p, (TPoint{0xFFFF, 0xFF00}));
}

} // namespace
} // namespace zk::gauges
