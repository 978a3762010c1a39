// The small painted shapes: knob dot, 3-D ellipse, slider thumb, button bevel.
#include "tests/gauges/canvas_test_support.h"
#include "zktools/gauges/qx_proc_shapes.h"

#include <gtest/gtest.h>

namespace zk::gauges {
namespace {

using testing::At;
using testing::CountColor;
using testing::Picture;

QImage BlueImage(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(ToQColor(clBlue));
    return image;
}

TEST(QxCircleAtPoint, WhiteOutlineWithTheUpperLeftHalfGreyAndNoPenColour) {
    QImage image = BlueImage(21, 21);
    TCanvas canvas(&image);
    QxCircleAtPoint(canvas, TPoint{10, 10}, 4, clBlack, clRed);
    canvas.Flush();
    // The box (6, 6, 15, 15): outline on columns and rows 6 and 14.
    EXPECT_EQ(At(image, 10, 10), clRed) << Picture(image);
    EXPECT_EQ(At(image, 10, 6), clGray) << Picture(image);   // top
    EXPECT_EQ(At(image, 6, 10), clGray) << Picture(image);   // left
    EXPECT_EQ(At(image, 14, 10), clWhite) << Picture(image); // right
    EXPECT_EQ(At(image, 10, 14), clWhite) << Picture(image); // bottom
    EXPECT_EQ(CountColor(image, clBlack, 0, 0, 21, 21), 0) << Picture(image);
    EXPECT_EQ(CountColor(image, clBlue, 15, 0, 21, 21), 21 * 6); // nothing right of the box
    EXPECT_EQ(CountColor(image, clBlue, 0, 15, 21, 21), 21 * 6); // nor below it
    EXPECT_EQ(canvas.Pen.Color, clGray);
}

TEST(QxEllipse3D, RaisedIsLitUpLeftSunkenDownRightAndTheRectBecomesTheFace) {
    for (const bool raised : {true, false}) {
        SCOPED_TRACE(raised ? "raised" : "sunken");
        QImage image = BlueImage(20, 20);
        TCanvas canvas(&image);
        TRect r{0, 0, 20, 20};
        QxEllipse3D(canvas, r, clRed, raised);
        canvas.Flush();
        EXPECT_EQ(r, (TRect{1, 1, 18, 18}));
        const TColor upperLeft = raised ? clWhite : clGray;
        const TColor lowerRight = raised ? clGray : clWhite;
        EXPECT_EQ(At(image, 9, 9), clRed) << Picture(image);
        // The rim toward the top-left corner and toward the bottom-right one.
        EXPECT_GT(CountColor(image, upperLeft, 0, 0, 4, 4), 0) << Picture(image);
        EXPECT_EQ(CountColor(image, lowerRight, 0, 0, 4, 4), 0) << Picture(image);
        EXPECT_GT(CountColor(image, lowerRight, 16, 16, 20, 20), 0) << Picture(image);
        EXPECT_EQ(CountColor(image, upperLeft, 16, 16, 20, 20), 0) << Picture(image);
        EXPECT_EQ(At(image, 0, 0), clBlue);
    }
}

TEST(QxThumb, FramedSilverBoxAroundAColouredFace) {
    struct Probe {
        int x, y;
        TColor color;
    };
    struct Case {
        const char* name;
        bool wide;
        TColor color;
        std::vector<Probe> probes;
    };
    // Size 20 about (12, 12): half sizes 4 across and 10 up-down (or swapped when
    // wide); two frames; then the face with a black (grey for a grey face) outline.
    const Case cases[] = {
        {"upright",
         false,
         clRed,
         {{8, 2, clGray},    // outer frame, top left
          {16, 2, clBlack},  // top-right corner takes the right colour
          {16, 22, clBlack}, // bottom right
          {9, 3, clWhite},   // inner frame
          {15, 21, clGray},
          {10, 4, clBlack}, // face outline
          {14, 20, clBlack},
          {12, 12, clRed},
          {7, 12, clBlue},
          {17, 12, clBlue},
          {12, 1, clBlue},
          {12, 23, clBlue}}},
        {"wide grey",
         true,
         clGray,
         {{2, 8, clGray},
          {22, 16, clGray},
          {3, 9, clWhite},
          {4, 10, clGray},
          {12, 12, clGray},
          {1, 12, clBlue},
          {23, 12, clBlue},
          {12, 7, clBlue},
          {12, 17, clBlue}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QImage image = BlueImage(25, 25);
        TCanvas canvas(&image);
        QxThumb(canvas, TPoint{12, 12}, 20, 0, c.wide, c.color);
        canvas.Flush();
        for (const Probe& p : c.probes)
            EXPECT_EQ(At(image, p.x, p.y), p.color) << p.x << "," << p.y << Picture(image);
    }
}

TEST(QxBtnBevel, TwoFramesAndTheRectShrinksByTwo) {
    struct Case {
        bool raised, filled;
        const char* picture;
    };
    const Case cases[] = {
        {true, true,
         "\n"
         ".........#\n"
         ".lllllllo#\n"
         ".lrrrrrro#\n"
         ".lrrrrrro#\n"
         ".lrrrrrro#\n"
         ".lrrrrrro#\n"
         ".oooooooo#\n"
         "##########\n"},
        {false, false,
         "\n"
         "#########.\n"
         "#oooooool.\n"
         "#obbbbbbl.\n"
         "#obbbbbbl.\n"
         "#obbbbbbl.\n"
         "#obbbbbbl.\n"
         "#llllllll.\n"
         "..........\n"},
    };
    for (const Case& c : cases) {
        QImage image = BlueImage(10, 8);
        TCanvas canvas(&image);
        canvas.Pen.Color = clBlack;
        TRect r{0, 0, 10, 8};
        QxBtnBevel(canvas, r, c.raised, c.filled, clRed);
        canvas.Flush();
        EXPECT_EQ(r, (TRect{2, 2, 8, 6}));
        EXPECT_EQ(Picture(image), c.picture);
    }
}

} // namespace
} // namespace zk::gauges
