// Scaled and mirrored copies, and the square gradients squeezed onto rects of
// another shape, give the same pixels on an image canvas as through someone
// else's painter: on an image and in a widget's paint event.
#include "tests/gauges/canvas_test_support.h"
#include "zktools/gauges/qx_grad.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <tuple>

namespace zk::gauges {
namespace {

using testing::PaintOn;
using testing::Surface;
using testing::SurfaceName;

constexpr int kSide = 70;

// Every pixel its own colour, so that each source pick shows.
void Pattern(TBitmap& bitmap) {
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            bitmap.Canvas().SetPixel(x, y,
                                     static_cast<TColor>(((x * 37) & 0xFF) |
                                                         (((y * 53) & 0xFF) << 8) |
                                                         (((x * y * 11) & 0xFF) << 16)));
}

struct ScaledCase {
    std::string name;
    std::function<void(TCanvas&)> paint;
};

void PrintTo(const ScaledCase& c, std::ostream* os) {
    *os << c.name;
}

ScaledCase Stretch(const char* name, int w, int h, TRect dest) {
    return {name, [=](TCanvas& canvas) {
                TBitmap source(w, h);
                Pattern(source);
                canvas.StretchDraw(dest, source);
            }};
}

ScaledCase Copy(const char* name, TRect dest, TRect from) {
    return {name, [=](TCanvas& canvas) {
                TBitmap source(23, 17);
                Pattern(source);
                canvas.CopyRect(dest, source.Canvas(), from);
            }};
}

ScaledCase Grad(TGradientStyle style, const char* styleName, int w, int h) {
    return {std::string(styleName) + "_" + std::to_string(w) + "x" + std::to_string(h),
            [=](TCanvas& canvas) {
                QxGradFill(canvas, TRect{3, 4, 3 + w, 4 + h}, clRed, clBlue, style);
            }};
}

std::vector<ScaledCase> Cases() {
    std::vector<ScaledCase> cases = {
        Stretch("StretchGrow", 7, 5, TRect{2, 3, 59, 22}),
        Stretch("StretchShrink", 40, 33, TRect{1, 1, 18, 59}),
        Stretch("StretchMirroredBothWays", 9, 11, TRect{60, 50, 3, 2}),
        Stretch("StretchPartlyOffTheSurface", 9, 11, TRect{-13, 40, 50, 95}),
        Copy("CopyRectGrow", TRect{0, 0, 57, 19}, TRect{2, 2, 12, 9}),
        Copy("CopyRectMirroredSource", TRect{5, 5, 44, 43}, TRect{20, 15, 1, 2}),
        Copy("CopyRectSourcePartlyOutside", TRect{1, 2, 39, 40}, TRect{-5, 10, 30, 30}),
        {"DrawOneToOne",
         [](TCanvas& canvas) {
             TBitmap source(31, 29);
             Pattern(source);
             canvas.Draw(50, -7, source);
         }},
        {"StretchThroughAnEllipticClip",
         [](TCanvas& canvas) {
             TBitmap source(6, 9);
             Pattern(source);
             canvas.SelectClipEllipse(TRect{4, 6, 61, 51});
             canvas.StretchDraw(TRect{0, 0, 66, 57}, source);
             canvas.RemoveClip();
         }},
    };
    const std::pair<TGradientStyle, const char*> squares[] = {
        {gsElliptic1, "Elliptic1"}, {gsElliptic2, "Elliptic2"}, {gsElliptic3, "Elliptic3"},
        {gsRectangle, "Rectangle"}, {gsDiamond1, "Diamond1"},   {gsDiamond2, "Diamond2"},
        {gsTopLeft, "TopLeft"},     {gsTopRight, "TopRight"},
    };
    for (const auto& [style, name] : squares)
        for (const auto& [w, h] : {std::pair{57, 19}, std::pair{17, 58}, std::pair{39, 38}})
            cases.push_back(Grad(style, name, w, h));
    return cases;
}

class ScaledCopySurfaces : public ::testing::TestWithParam<std::tuple<ScaledCase, Surface>> {};

TEST_P(ScaledCopySurfaces, GiveTheImageCanvasPixels) {
    const auto& [c, surface] = GetParam();
    const QImage own = PaintOn(Surface::OwnImage, kSide, kSide, c.paint, clSilver);
    const QImage other = PaintOn(surface, kSide, kSide, c.paint, clSilver);
    ASSERT_EQ(other.size(), own.size());
    int differ = 0;
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x)
            differ += (own.pixel(x, y) & 0xFFFFFF) != (other.pixel(x, y) & 0xFFFFFF);
    EXPECT_EQ(differ, 0);
    // The drawing did something: not all the background.
    EXPECT_LT(testing::CountColor(own, clSilver, 0, 0, kSide, kSide), kSide * kSide);
}

INSTANTIATE_TEST_SUITE_P(
    PainterSurfaces, ScaledCopySurfaces,
    ::testing::Combine(::testing::ValuesIn(Cases()),
                       ::testing::Values(Surface::ImagePainter, Surface::WidgetPainter)),
    [](const ::testing::TestParamInfo<std::tuple<ScaledCase, Surface>>& param) {
        return std::get<0>(param.param).name + "_" + SurfaceName(std::get<1>(param.param));
    });

} // namespace
} // namespace zk::gauges
