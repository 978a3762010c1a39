// Clip regions: the elliptic region pixel by pixel, and clips that must take
// effect on every kind of surface, also after a step drawn without a clip.
#include "tests/gauges/canvas_test_support.h"

#include <gtest/gtest.h>

#include <cctype>
#include <climits>
#include <memory>
#include <ostream>
#include <string>

namespace zk::gauges {
namespace {

using testing::At;
using testing::CountColor;
using testing::PaintOn;
using testing::Picture;
using testing::Surface;
using testing::WhiteImage;

// The region as text, one row per line, '#' inside, over columns and rows 0..w-1.
std::string RegionPicture(const QRegion& region, int w, int h) {
    std::string out = "\n";
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x)
            out += region.contains(QPoint(x, y)) ? '#' : '.';
        out += '\n';
    }
    return out;
}

// Empty if the pixels of `color` inside `area` are exactly the region's, else
// the first pixel that differs and both pictures.
std::string Differences(const QImage& image, TColor color, const QRegion& region,
                        const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if ((At(image, x, y) == color) != region.contains(QPoint(x, y)))
                return "first difference at " + std::to_string(x) + "," + std::to_string(y) +
                       Picture(image) + RegionPicture(region, image.width(), image.height());
    return {};
}

struct EllipseCase {
    const char* name;
    TRect rect;
};

void PrintTo(const EllipseCase& c, std::ostream* os) {
    *os << c.name;
}

const EllipseCase kEllipses[] = {
    {"reported 21 x 21 at (2, 2)", {2, 2, 23, 23}},
    {"odd circle", {0, 0, 11, 11}},
    {"even circle", {1, 1, 11, 11}},
    {"odd by even", {1, 2, 10, 9}},
    {"tall", {3, 1, 8, 13}},
    {"flat and wide", {0, 4, 30, 7}},
    {"two pixels wide, very tall", {5, 0, 7, 40}},
    {"one pixel", {4, 4, 5, 5}},
    {"two by two", {4, 4, 6, 6}},
    {"three by three", {4, 4, 7, 7}},
};

class EllipticRegionShape : public ::testing::TestWithParam<EllipseCase> {};

// Every row is one span centred on the ellipse; the rows and columns mirror each
// other around the centre, and the extreme rows and columns are the rect's own.
TEST_P(EllipticRegionShape, SymmetricConvexAndBoundedByTheRect) {
    const TRect r = GetParam().rect;
    const QRegion region = EllipticRegion(r);
    const std::string picture = RegionPicture(region, r.Right + 2, r.Bottom + 2);
    EXPECT_EQ(FromQRect(region.boundingRect()), r) << picture;
    // Row y over the columns Left-1..Right, which mirror each other.
    const auto row = [&](int y) {
        std::string text;
        for (int x = r.Left - 1; x <= r.Right; ++x)
            text += region.contains(QPoint(x, y)) ? '#' : '.';
        return text;
    };
    EXPECT_EQ(row(r.Top - 1).find('#'), std::string::npos) << picture;
    EXPECT_EQ(row(r.Bottom).find('#'), std::string::npos) << picture;
    for (int y = r.Top; y < r.Bottom; ++y) {
        const std::string text = row(y);
        const std::size_t first = text.find('#');
        const std::size_t last = text.rfind('#');
        ASSERT_NE(first, std::string::npos) << "row " << y << " is empty" << picture;
        EXPECT_GE(first, 1u) << "row " << y << picture;
        EXPECT_LE(last, text.size() - 2) << "row " << y << picture;
        EXPECT_EQ(text.find('.', first), last + 1) << "row " << y << " has a gap" << picture;
        EXPECT_EQ(text, std::string(text.rbegin(), text.rend())) << "row " << y << picture;
        EXPECT_EQ(text, row(r.Top + r.Bottom - 1 - y)) << "rows " << y << picture;
    }
    if (r.Width() >= 4 && r.Height() >= 4) { // a 3 x 3 ellipse holds all nine centres
        EXPECT_FALSE(region.contains(QPoint(r.Left, r.Top))) << picture;
        EXPECT_FALSE(region.contains(QPoint(r.Right - 1, r.Bottom - 1))) << picture;
    }
}

// A fill through the clip paints exactly the region, on an image canvas and on a
// canvas over someone else's painter.
TEST_P(EllipticRegionShape, FillThroughTheClipCoversTheRegion) {
    const TRect r = GetParam().rect;
    const QRegion region = EllipticRegion(r);
    const int w = r.Right + 2;
    const int h = r.Bottom + 2;
    for (const bool external : {false, true}) {
        SCOPED_TRACE(external ? "painter canvas" : "image canvas");
        QImage image = WhiteImage(w, h);
        {
            QPainter painter;
            std::unique_ptr<TCanvas> canvas;
            if (external) {
                painter.begin(&image);
                canvas = std::make_unique<TCanvas>(&painter);
            } else {
                canvas = std::make_unique<TCanvas>(&image);
            }
            canvas->SelectClipEllipse(r);
            EXPECT_EQ(canvas->ClipRect(), r);
            canvas->Brush.Color = clRed;
            canvas->FillRect(TRect{0, 0, w, h});
        }
        EXPECT_EQ(Differences(image, clRed, region, QRect(0, 0, w, h)), "");
    }
}

INSTANTIATE_TEST_SUITE_P(Ellipses, EllipticRegionShape, ::testing::ValuesIn(kEllipses),
                         [](const ::testing::TestParamInfo<EllipseCase>& param) {
                             std::string name;
                             for (const char* c = param.param.name; *c != '\0'; ++c)
                                 if (std::isalnum(static_cast<unsigned char>(*c)))
                                     name += *c;
                             return name;
                         });

// Pixel centres inside the ellipse, as Windows fills an elliptic region.
TEST(EllipticRegion, SmallShapesPixelByPixel) {
    struct Case {
        TRect rect;
        const char* picture;
    };
    const Case cases[] = {
        {{0, 0, 7, 7},
         "\n"
         "..###..\n"
         ".#####.\n"
         "#######\n"
         "#######\n"
         "#######\n"
         ".#####.\n"
         "..###..\n"},
        {{0, 0, 6, 4},
         "\n"
         ".####.\n"
         "######\n"
         "######\n"
         ".####.\n"},
        {{1, 1, 5, 5},
         "\n"
         "......\n"
         "..##..\n"
         ".####.\n"
         ".####.\n"
         "..##..\n"
         "......\n"},
    };
    for (const Case& c : cases) {
        const int w = c.rect.Left == 0 ? c.rect.Right : c.rect.Right + 1;
        const int h = c.rect.Top == 0 ? c.rect.Bottom : c.rect.Bottom + 1;
        EXPECT_EQ(RegionPicture(EllipticRegion(c.rect), w, h), c.picture);
    }
}

TEST(EllipticRegion, ReversedEdgesGiveTheSameRegionEmptyRectsNoneHugeOnesStayInside) {
    EXPECT_EQ(EllipticRegion(TRect{23, 23, 2, 2}), EllipticRegion(TRect{2, 2, 23, 23}));
    EXPECT_EQ(EllipticRegion(TRect{2, 23, 23, 2}), EllipticRegion(TRect{2, 2, 23, 23}));
    EXPECT_TRUE(EllipticRegion(TRect{2, 2, 2, 10}).isEmpty());
    EXPECT_TRUE(EllipticRegion(TRect{2, 2, 10, 2}).isEmpty());
    // The largest sides with exact regions, and beyond them.
    EXPECT_EQ(FromQRect(EllipticRegion(TRect{0, 0, 65536, 65536}).boundingRect()),
              (TRect{0, 0, 65536, 65536}));
    for (const TRect huge : {TRect{-50000, 3, 150000, 40}, TRect{INT_MIN, -10, INT_MAX, 10}}) {
        const QRegion region = EllipticRegion(huge);
        EXPECT_FALSE(region.isEmpty());
        EXPECT_TRUE(QRect(huge.Left, huge.Top, INT_MAX, huge.Bottom - huge.Top)
                        .contains(region.boundingRect()))
            << huge.Left << "," << huge.Top << "," << huge.Right << "," << huge.Bottom;
    }
}

// A clip as the gauges select it: a rect, an ellipse, or a region of our own (an
// ellipse with a hole).
struct Clip {
    enum Kind { Rect, Ellipse, Holed } kind;
    TRect rect;

    QRegion Region() const {
        switch (kind) {
        case Rect:
            return QRegion(ToQRect(rect));
        case Ellipse:
            return EllipticRegion(rect);
        case Holed:
            break;
        }
        const QRect box = ToQRect(rect);
        return EllipticRegion(rect) - QRegion(box.center().x() - 1, box.center().y() - 1, 3, 3);
    }
    void SelectOn(TCanvas& canvas) const {
        switch (kind) {
        case Rect:
            canvas.SelectClipRect(rect);
            return;
        case Ellipse:
            canvas.SelectClipEllipse(rect);
            return;
        case Holed:
            canvas.SelectClipRegion(Region());
            return;
        }
    }
};

class ClipAfterUnclippedStep : public ::testing::TestWithParam<Surface> {};

// A clip, a step without one, then another clip: the last clip alone decides
// what the last fill paints, and the unclipped step reaches the whole surface.
TEST_P(ClipAfterUnclippedStep, TheLaterClipTakesEffect) {
    constexpr int kW = 30;
    constexpr int kH = 26;
    const Clip ellipseA{Clip::Ellipse, {1, 1, 12, 12}};
    const Clip rectA{Clip::Rect, {2, 2, 9, 9}};
    const Clip ellipseB{Clip::Ellipse, {14, 10, 29, 25}};
    const Clip rectB{Clip::Rect, {16, 3, 24, 9}};
    const Clip holedB{Clip::Holed, {14, 10, 29, 25}};
    struct Case {
        const char* name;
        Clip first;
        Clip last;
    };
    const Case cases[] = {
        {"ellipse, none, ellipse", ellipseA, ellipseB},
        {"rect, none, ellipse", rectA, ellipseB},
        {"ellipse, none, rect", ellipseA, rectB},
        {"ellipse, none, own region", ellipseA, holedB},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QImage image = PaintOn(GetParam(), kW, kH, [&](TCanvas& canvas) {
            canvas.Brush.Color = clRed;
            c.first.SelectOn(canvas);
            canvas.FillRect(TRect{0, 0, 13, 13});
            canvas.RemoveClip();
            canvas.Brush.Color = clLime;
            canvas.FillRect(TRect{0, kH - 1, kW, kH}); // the unclipped step: the last row
            c.last.SelectOn(canvas);
            canvas.Brush.Color = clBlue;
            canvas.FillRect(TRect{0, 0, kW, kH - 1});
        });
        ASSERT_EQ(image.size(), QSize(kW, kH));
        EXPECT_EQ(CountColor(image, clLime, 0, kH - 1, kW, kH), kW) << Picture(image);
        EXPECT_EQ(Differences(image, clBlue, c.last.Region(), QRect(0, 0, kW, kH - 1)), "");
    }
}

// After the last clip is removed a fill reaches every pixel again.
TEST_P(ClipAfterUnclippedStep, RemovingTheClipFreesTheWholeSurface) {
    const QImage image = PaintOn(GetParam(), 12, 10, [](TCanvas& canvas) {
        canvas.SelectClipEllipse(TRect{1, 1, 8, 8});
        canvas.Brush.Color = clRed;
        canvas.FillRect(TRect{0, 0, 12, 10});
        canvas.RemoveClip();
        canvas.SelectClipEllipse(TRect{3, 2, 11, 9});
        canvas.RemoveClip();
        canvas.Brush.Color = clBlue;
        canvas.FillRect(TRect{0, 0, 12, 10});
    });
    EXPECT_EQ(CountColor(image, clBlue, 0, 0, 12, 10), 120) << Picture(image);
}

INSTANTIATE_TEST_SUITE_P(Surfaces, ClipAfterUnclippedStep,
                         ::testing::Values(Surface::OwnImage, Surface::ImagePainter,
                                           Surface::WidgetPainter),
                         [](const ::testing::TestParamInfo<Surface>& param) {
                             return testing::SurfaceName(param.param);
                         });

} // namespace
} // namespace zk::gauges
