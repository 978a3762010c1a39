// Bevel painting on small images: the graded rings of both bevel classes, the
// filled rectangular bevel with its lines and surface, and the round bevel.
#include "tests/gauges/canvas_test_support.h"
#include "tests/gauges/gauge_pixel_map.h"
#include "zktools/gauges/qx_bevel.h"
#include "zktools/gauges/qx_button_bevel.h"

#include <gtest/gtest.h>

#include <string>

namespace zk::gauges {
namespace {

using testing::Brightness;
using testing::FilledImage;
using testing::Legend;
using testing::Map;
using testing::PaintedBox;
using testing::PixelOf;

constexpr TColor kBackground = clBlue;

// Highlight 0xFFFFFF -> 0x7F7F7F and shadow 0x000000 -> 0x808080 over two rings.
constexpr TColor kHigh1 = 0xBFBFBF;
constexpr TColor kHigh2 = 0x7F7F7F;
constexpr TColor kShadow1 = 0x404040;
constexpr TColor kShadow2 = 0x808080;

const Legend kRingLegend = {{kBackground, '.'}, {kHigh1, 'A'},   {kHigh2, 'B'},
                            {kShadow1, 's'},    {kShadow2, 't'}, {clWhite, 'W'},
                            {clBlack, '#'},     {clRed, 'r'},    {clSilver, 'c'}};

// Two raised rings on (1, 1, 9, 9) filled red: the top-right and bottom-left
// corners take the bottom colour.
const std::string kRaisedRings = ".........."
                                 "\n.AAAAAAAs."
                                 "\n.ABBBBBts."
                                 "\n.ABrrrrts."
                                 "\n.ABrrrrts."
                                 "\n.ABrrrrts."
                                 "\n.ABrrrrts."
                                 "\n.Atttttts."
                                 "\n.ssssssss."
                                 "\n..........\n";

class BevelPaint : public ::testing::Test {
protected:
    QImage image = FilledImage(10, 10, kBackground);
    TCanvas canvas{&image};

    const QImage& Done() {
        canvas.Flush();
        return image;
    }

    static void GradedColours(TQxSBevel& bevel) {
        bevel.SetColorHighLightFrom(clWhite);
        bevel.SetColorHighLightTo(kHigh2);
        bevel.SetColorShadowFrom(clBlack);
        bevel.SetColorShadowTo(kShadow2);
    }
};

TEST_F(BevelPaint, RaisedRingsGradeFromTheOutsideInWithBottomColouredCorners) {
    TQxSBevel bevel;
    GradedColours(bevel);
    TRect r{1, 1, 9, 9};
    bevel.PaintGradBevel(canvas, r, true, true, clRed);
    EXPECT_EQ(r, (TRect{3, 3, 7, 7}));
    EXPECT_EQ(Map(Done(), kRingLegend), kRaisedRings);
}

TEST_F(BevelPaint, LoweredRingsSwapSidesAndEndOnTheFromColours) {
    TQxSBevel bevel;
    GradedColours(bevel);
    TRect r{1, 1, 9, 9};
    bevel.PaintGradBevel(canvas, r, false, false, clRed);
    // Top-left: shadow from To back to From; bottom-right: highlight likewise.
    EXPECT_EQ(Map(Done(), kRingLegend), ".........."
                                        "\n.sssssssA."
                                        "\n.s#####WA."
                                        "\n.s#....WA."
                                        "\n.s#....WA."
                                        "\n.s#....WA."
                                        "\n.s#....WA."
                                        "\n.sWWWWWWA."
                                        "\n.AAAAAAAA."
                                        "\n..........\n")
        << "the unfilled inside keeps the background";
}

TEST_F(BevelPaint, ShadowFromBlackToGreyInTwoSteps) {
    // From black to grey over two raised rings: 0x404040 outside, 0x808080 inside.
    TQxSBevel bevel;
    bevel.SetColorShadowFrom(0x000000);
    bevel.SetColorShadowTo(0x808080);
    TRect r{0, 0, 10, 10};
    bevel.PaintGradBevel(canvas, r, true, false, clWhite);
    const QImage& im = Done();
    EXPECT_EQ(PixelOf(im, 9, 5), 0x404040u);
    EXPECT_EQ(PixelOf(im, 8, 5), 0x808080u);
    EXPECT_EQ(PixelOf(im, 5, 9), 0x404040u);
}

TEST_F(BevelPaint, ButtonBevelPaintsTheSameRingsFromItsOwnColours) {
    TQxBtnBevel button;
    button.SetHighlightColFrom(clWhite);
    button.SetHighlightColTo(kHigh2);
    button.SetShadowColFrom(clBlack);
    button.SetShadowColTo(kShadow2);
    TRect r{1, 1, 9, 9};
    button.PaintBevel(canvas, r, true, true, clRed);
    EXPECT_EQ(r, (TRect{3, 3, 7, 7}));
    EXPECT_EQ(Map(Done(), kRingLegend), kRaisedRings);
}

TEST_F(BevelPaint, ButtonBevelDefaultsAndWidthZero) {
    TQxBtnBevel button;
    TRect r{0, 0, 10, 10};
    button.PaintBevel(canvas, r, true, false, clRed);
    const QImage& im = Done();
    // 0xD2D2D2 -> white and black -> grey in two steps (22.5 goes to the even 22).
    EXPECT_EQ(PixelOf(im, 0, 5), 0xE8E8E8u);
    EXPECT_EQ(PixelOf(im, 1, 5), 0xFFFFFFu);
    EXPECT_EQ(PixelOf(im, 9, 5), 0x404040u);
    EXPECT_EQ(PixelOf(im, 8, 5), 0x808080u);
    EXPECT_EQ(PixelOf(im, 5, 5), kBackground);

    QImage plain = FilledImage(10, 10, kBackground);
    TCanvas c(&plain);
    button.SetWidth(0);
    TRect none{0, 0, 10, 10};
    button.PaintBevel(c, none, true, false, clRed);
    EXPECT_EQ(none, (TRect{0, 0, 10, 10}));
    c.Flush();
    EXPECT_EQ(PaintedBox(plain, kBackground), TRect{});
}

class FilledBevelPaint : public BevelPaint {
protected:
    FilledBevelPaint() {
        image = FilledImage(12, 12, kBackground);
        canvas.Attach(&image);
        bevel.SetWidth(1);
        bevel.SetSpacing(2);
        bevel.SetBevelLine(blBoth);
    }
    TQxSBevel bevel;
};

TEST_F(FilledBevelPaint, LinesRingsFillAndTheContentRect) {
    TRect r{0, 0, 12, 12};
    bevel.PaintFilledBevel(canvas, r);
    EXPECT_EQ(r, (TRect{5, 5, 7, 7})); // BorderWidth 5 off every side
    const Legend legend = {{clBlack, '#'}, {clWhite, 'W'}, {clGray, 'o'}, {clSilver, 'c'}};
    EXPECT_EQ(Map(Done(), legend), "############"
                                   "\n#WWWWWWWWWo#"
                                   "\n#W########o#"
                                   "\n#W#cccccc#o#"
                                   "\n#W#cccccc#o#"
                                   "\n#W#cccccc#o#"
                                   "\n#W#cccccc#o#"
                                   "\n#W#cccccc#o#"
                                   "\n#W#cccccc#o#"
                                   "\n#W########o#"
                                   "\n#oooooooooo#"
                                   "\n############\n");
}

TEST_F(FilledBevelPaint, SurfaceGradientFillsInsideTheRingsUnderTheInnerLine) {
    bevel.SurfaceGrad().SetColorFrom(clRed);
    bevel.SurfaceGrad().SetColorTo(clRed);
    bevel.SurfaceGrad().SetVisible(true);
    TRect r{0, 0, 12, 12};
    bevel.PaintFilledBevel(canvas, r);
    const QImage& im = Done();
    EXPECT_EQ(PixelOf(im, 2, 5), clBlack); // inner line over the surface's edge
    EXPECT_EQ(PixelOf(im, 1, 5), clWhite); // ring
    for (int x = 3; x <= 8; ++x)
        EXPECT_EQ(PixelOf(im, x, 6), clRed) << x; // the spacing band lies on the surface
}

TEST_F(FilledBevelPaint, WidthZeroKeepsFillLinesAndSpacing) {
    bevel.SetWidth(0);
    EXPECT_EQ(bevel.BorderWidth, 4);
    TRect r{0, 0, 12, 12};
    bevel.PaintFilledBevel(canvas, r);
    EXPECT_EQ(r, (TRect{4, 4, 8, 8}));
    const QImage& im = Done();
    EXPECT_EQ(PixelOf(im, 0, 5), clBlack);
    EXPECT_EQ(PixelOf(im, 1, 5), clBlack);
    EXPECT_EQ(PixelOf(im, 2, 5), clSilver);
    EXPECT_EQ(PixelOf(im, 10, 5), clBlack);
    EXPECT_EQ(PixelOf(im, 11, 5), clBlack);
}

TEST_F(BevelPaint, FilledBevelWithInitialValuesAndBothLinesShrinksByNine) {
    QImage big = FilledImage(30, 30, kBackground);
    TCanvas c(&big);
    TQxSBevel bevel;
    bevel.SetBevelLine(blBoth);
    TRect r{2, 2, 28, 28};
    bevel.PaintFilledBevel(c, r);
    EXPECT_EQ(r, (TRect{11, 11, 19, 19}));
    c.Flush();
    EXPECT_EQ(PaintedBox(big, kBackground), (TRect{2, 2, 28, 28}));
}

TEST_F(BevelPaint, PlainBevelDrawsRingsOnlyAndSkipsTheSpacing) {
    TQxSBevel bevel;
    GradedColours(bevel);
    bevel.SetSpacing(1);
    bevel.SetBevelLine(blBoth); // ignored by the plain painter
    TRect r{1, 1, 9, 9};
    bevel.PaintBevel(canvas, r);
    EXPECT_EQ(r, (TRect{4, 4, 6, 6}));
    const QImage& im = Done();
    EXPECT_EQ(PixelOf(im, 1, 1), kHigh1);
    EXPECT_EQ(PixelOf(im, 8, 8), kShadow1);
    EXPECT_EQ(PixelOf(im, 0, 0), kBackground);
    EXPECT_EQ(PixelOf(im, 5, 5), kBackground);
}

// Round bevels, on a 24 x 24 image with the bevel at (2, 2, 22, 22).
class RoundBevelPaint : public ::testing::Test {
protected:
    RoundBevelPaint() {
        bevel.RoundBevel = true;
        bevel.SetColorShadowFrom(clWhite); // a bright spot up left, dark rim
        bevel.SetColorShadowTo(clBlack);
        bevel.SetColor(clRed);
        bevel.SetWidth(3);
        bevel.SetSpacing(1);
    }
    const QImage& Done() {
        canvas.Flush();
        return image;
    }
    QImage image = FilledImage(24, 24, kBackground);
    TCanvas canvas{&image};
    TQxSBevel bevel;
};

TEST_F(RoundBevelPaint, RaisedKnobFaceRingAndContentRect) {
    TRect r{2, 2, 22, 22};
    bevel.PaintRoundBevel(canvas, r, 0, 0);
    EXPECT_EQ(r, (TRect{6, 6, 18, 18})); // Width + Spacing
    EXPECT_EQ(bevel.BorderWidth, 4);
    const QImage& im = Done();
    for (const TPoint corner : {TPoint{2, 2}, TPoint{21, 2}, TPoint{2, 21}, TPoint{21, 21}})
        EXPECT_EQ(PixelOf(im, corner.X, corner.Y), kBackground) << corner.X << "," << corner.Y;
    EXPECT_EQ(PixelOf(im, 12, 12), clRed);
    EXPECT_EQ(PixelOf(im, 0, 12), kBackground);
    // The ring band, on the diagonal: lit up left, dark down right.
    EXPECT_GT(Brightness(PixelOf(im, 6, 6)), Brightness(PixelOf(im, 17, 17)) + 200);
    EXPECT_NE(PixelOf(im, 6, 6), clRed);
    EXPECT_NE(PixelOf(im, 17, 17), clRed);
}

TEST_F(RoundBevelPaint, LoweredKnobTurnsTheRingImageByHalfATurn) {
    bevel.SetStyle(bsLowered);
    TRect r{2, 2, 22, 22};
    bevel.PaintRoundBevel(canvas, r, 0, 0);
    const QImage& im = Done();
    EXPECT_GT(Brightness(PixelOf(im, 17, 17)), Brightness(PixelOf(im, 6, 6)) + 200);
    EXPECT_EQ(PixelOf(im, 12, 12), clRed);
}

TEST_F(RoundBevelPaint, OuterAndInnerLines) {
    bevel.SetBevelLine(blBoth);
    bevel.SetPenColor(clLime);
    TRect r{2, 2, 22, 22};
    bevel.PaintRoundBevel(canvas, r, 0, 0);
    EXPECT_EQ(r, (TRect{8, 8, 16, 16})); // Width + Spacing + 2 lines
    const QImage& im = Done();
    EXPECT_EQ(PixelOf(im, 21, 12), clLime); // outer line, right
    EXPECT_EQ(PixelOf(im, 12, 21), clLime); // outer line, bottom
    EXPECT_NE(PixelOf(im, 20, 12), clLime); // the ring inside it
    EXPECT_EQ(PixelOf(im, 6, 12), clLime);  // face outline, 1 + Width in
    EXPECT_EQ(PixelOf(im, 7, 12), clRed);   // face
}

TEST_F(RoundBevelPaint, SurfaceGradientFaceWithItsInnerLine) {
    bevel.SetBevelLine(blInner);
    bevel.SetPenColor(clLime);
    bevel.SurfaceGrad().SetColorFrom(clYellow);
    bevel.SurfaceGrad().SetColorTo(clYellow);
    bevel.SurfaceGrad().SetVisible(true);
    TRect r{2, 2, 22, 22};
    bevel.PaintRoundBevel(canvas, r, 0, 0);
    EXPECT_EQ(r, (TRect{7, 7, 17, 17}));
    const QImage& im = Done();
    EXPECT_EQ(PixelOf(im, 12, 12), clYellow); // the gradient, not Color
    EXPECT_EQ(PixelOf(im, 18, 12), clLime);   // its outline, Width in
    EXPECT_EQ(PixelOf(im, 17, 12), clYellow);
    EXPECT_EQ(PixelOf(im, 2, 2), kBackground); // the face clip kept the corners
    EXPECT_NE(PixelOf(im, 6, 6), clYellow);    // the ring stays around the face
}

TEST_F(RoundBevelPaint, WideRectGetsTheSquareImageSqueezedAndAnEllipticClip) {
    TRect r{2, 2, 22, 12};
    bevel.PaintRoundBevel(canvas, r, 0, 0);
    EXPECT_EQ(r, (TRect{6, 6, 18, 8}));
    const QImage& im = Done();
    const TRect box = PaintedBox(im, kBackground);
    EXPECT_GE(box.Left, 2);
    EXPECT_GE(box.Top, 2);
    EXPECT_LE(box.Right, 22);
    EXPECT_LE(box.Bottom, 12);
    EXPECT_EQ(PixelOf(im, 12, 7), clRed);
    EXPECT_EQ(PixelOf(im, 2, 2), kBackground);
    EXPECT_EQ(PixelOf(im, 21, 11), kBackground);
}

struct NoDrawCase {
    const char* name;
    TRect rect;
    bool round;
    bool changed;
};

TEST(RoundBevelRefusals, NarrowRectMissingFlagOrNoRingImageDrawNothing) {
    const NoDrawCase cases[] = {
        {"four pixels wide", {2, 2, 6, 22}, true, true},
        {"not a round bevel", {2, 2, 22, 22}, false, true},
        {"no ring image yet", {2, 2, 22, 22}, true, false},
    };
    for (const NoDrawCase& c : cases) {
        SCOPED_TRACE(c.name);
        QImage image = FilledImage(24, 24, kBackground);
        TCanvas canvas(&image);
        TQxSBevel bevel;
        bevel.RoundBevel = c.round;
        if (c.changed)
            bevel.SetColor(clRed);
        TRect r = c.rect;
        bevel.PaintRoundBevel(canvas, r, 0, 0);
        EXPECT_EQ(r, c.rect);
        canvas.Flush();
        EXPECT_EQ(PaintedBox(image, kBackground), TRect{});
    }
}

TEST_F(RoundBevelPaint, ClipInForceOnEntryIsBackAfterwards) {
    struct Case {
        bool clipped;
        int offsetX;
        int offsetY;
    };
    for (const Case c : {Case{false, 0, 0}, Case{true, 0, 0}, Case{true, 3, 2}}) {
        SCOPED_TRACE(::testing::Message() << c.clipped << " " << c.offsetX << "," << c.offsetY);
        bevel.SurfaceGrad().SetVisible(c.offsetX != 0); // both clip paths
        if (c.clipped)
            canvas.SelectClipRect(TRect{1, 1, 20, 23});
        else
            canvas.RemoveClip();
        TRect r{2, 2, 22, 22};
        bevel.PaintRoundBevel(canvas, r, c.offsetX, c.offsetY);
        EXPECT_EQ(canvas.HasClip(), c.clipped);
        if (c.clipped) {
            EXPECT_EQ(canvas.ClipRect(), (TRect{1, 1, 20, 23}));
        }
    }
}

// Round bevels one after another, each clipped to its ellipse and followed by
// unclipped drawing, keep their corners and show their outer line on all four sides, the
// same on an image, through a painter on an image and in a widget's paint event.
TEST(RoundBevelsInARow, EachKeepsItsCornersAndOuterLineOnEverySurface) {
    constexpr int kSide = 20;
    const int lefts[] = {2, 26, 50};
    const auto paint = [&](TCanvas& canvas) {
        for (const int left : lefts) {
            TQxSBevel bevel;
            bevel.RoundBevel = true;
            bevel.SetColorShadowFrom(clWhite);
            bevel.SetColorShadowTo(clBlack);
            bevel.SetColor(clRed);
            bevel.SetWidth(3);
            bevel.SetBevelLine(blBoth);
            bevel.SetPenColor(clLime);
            bevel.SurfaceGrad().SetVisible(left == 26); // both clip paths
            TRect r{left, 2, left + kSide, 2 + kSide};
            bevel.PaintRoundBevel(canvas, r, 0, 0);
            // A caption's worth of unclipped drawing before the next bevel.
            canvas.Brush.Style = bsSolid;
            canvas.Brush.Color = clSilver;
            canvas.FillRect(TRect{left, 23, left + kSide, 24});
        }
    };
    using testing::Surface;
    const QImage expected = testing::PaintOn(Surface::OwnImage, 74, 25, paint, kBackground);
    for (const Surface surface :
         {Surface::OwnImage, Surface::ImagePainter, Surface::WidgetPainter}) {
        SCOPED_TRACE(testing::SurfaceName(surface));
        const QImage im = testing::PaintOn(surface, 74, 25, paint, kBackground);
        const std::string picture = Map(im, kRingLegend);
        for (const int left : lefts) {
            SCOPED_TRACE(left);
            const int right = left + kSide - 1;
            const int middle = left + kSide / 2;
            for (const TPoint corner :
                 {TPoint{left, 2}, TPoint{right, 2}, TPoint{left, 21}, TPoint{right, 21}})
                EXPECT_EQ(PixelOf(im, corner.X, corner.Y), kBackground)
                    << corner.X << "," << corner.Y << picture;
            for (const TPoint line :
                 {TPoint{left, 12}, TPoint{right, 12}, TPoint{middle, 2}, TPoint{middle, 21}})
                EXPECT_EQ(PixelOf(im, line.X, line.Y), clLime)
                    << line.X << "," << line.Y << picture;
            EXPECT_EQ(PixelOf(im, middle, 23), clSilver) << picture;
        }
        EXPECT_EQ(picture, Map(expected, kRingLegend));
    }
}

} // namespace
} // namespace zk::gauges
