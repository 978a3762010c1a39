// The pixels of a thin line: limiting the work to a bounds rect must give exactly
// the pixels of the whole line that fall inside it.
#include "zktools/gauges/qx_line_pixels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace zk::gauges {
namespace {

std::vector<QPoint> Inside(const std::vector<QPoint>& all, const QRect& bounds) {
    std::vector<QPoint> kept;
    for (const QPoint& p : all)
        if (bounds.contains(p))
            kept.push_back(p);
    return kept;
}

TEST(LinePixels, BoundsCutTheLineWithoutChangingItsPixels) {
    const QRect everything(-1000, -1000, 2001, 2001);
    const QRect bounds(0, 0, 12, 9);
    const std::pair<TPoint, TPoint> lines[] = {
        {{-40, -3}, {50, 11}}, {{50, 11}, {-40, -3}}, {{-7, 30}, {14, -25}}, {{14, -25}, {-7, 30}},
        {{5, -100}, {6, 100}}, {{-300, 4}, {300, 5}}, {{11, 8}, {0, 0}},     {{-5, -5}, {20, 20}},
        {{3, 20}, {3, -20}},   {{20, 2}, {-20, 2}},   {{12, 0}, {30, 9}},    {{-1, -1}, {-9, 40}},
    };
    for (const auto& [from, to] : lines) {
        std::vector<QPoint> all;
        AppendLinePixels(from, to, everything, all);
        ASSERT_EQ(static_cast<int>(all.size()),
                  std::max(std::abs(to.X - from.X), std::abs(to.Y - from.Y)));
        EXPECT_EQ(all.front(), ToQPoint(from));
        std::vector<QPoint> cut;
        AppendLinePixels(from, to, bounds, cut);
        EXPECT_EQ(cut, Inside(all, bounds))
            << from.X << "," << from.Y << " to " << to.X << "," << to.Y;
    }
}

TEST(LinePixels, OnePixelPerStepAndTheEndLeftOut) {
    std::vector<QPoint> pixels;
    AppendLinePixels(TPoint{0, 0}, TPoint{3, -3}, QRect(-10, -10, 20, 20), pixels);
    EXPECT_EQ(pixels, (std::vector<QPoint>{{0, 0}, {1, -1}, {2, -2}}));
    pixels.clear();
    AppendLinePixels(TPoint{4, 4}, TPoint{4, 4}, QRect(-10, -10, 20, 20), pixels);
    EXPECT_TRUE(pixels.empty());
    AppendLinePixels(TPoint{0, 0}, TPoint{5, 0}, QRect(), pixels);
    EXPECT_TRUE(pixels.empty());
}

} // namespace
} // namespace zk::gauges
