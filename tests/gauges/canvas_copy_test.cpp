// Bitmap copies, copy modes, the 3-D frame, clipping and text placement.
#include "tests/gauges/canvas_test_support.h"

#include <gtest/gtest.h>

namespace zk::gauges {
namespace {

using testing::At;
using testing::CountColor;
using testing::Picture;
using testing::WhiteImage;

void Fill(TBitmap& bitmap, TColor color) {
    bitmap.Canvas().Brush.Color = color;
    bitmap.Canvas().FillRect(TRect{0, 0, bitmap.Width(), bitmap.Height()});
}

struct CopyModeCase {
    TCopyMode mode;
    TColor result; // source 0x0F0F0F onto destination 0x3C3C3C
};

class CanvasCopyModes : public ::testing::TestWithParam<CopyModeCase> {};

TEST_P(CanvasCopyModes, CombineOnlyTheColourBits) {
    TBitmap dest(2, 2);
    Fill(dest, 0x3C3C3C);
    TBitmap source(1, 1);
    Fill(source, 0x0F0F0F);
    dest.Canvas().CopyMode = GetParam().mode;
    dest.Canvas().Draw(1, 0, source);
    EXPECT_EQ(At(dest.Image(), 1, 0), GetParam().result);
    EXPECT_EQ(At(dest.Image(), 0, 0), TColor{0x3C3C3C});
    EXPECT_EQ(qAlpha(dest.Image().pixel(1, 0)), 255);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, CanvasCopyModes,
    ::testing::Values(CopyModeCase{cmSrcCopy, 0x0F0F0F}, CopyModeCase{cmSrcInvert, 0x333333},
                      CopyModeCase{cmSrcAnd, 0x0C0C0C}, CopyModeCase{cmSrcPaint, 0x3F3F3F},
                      CopyModeCase{cmNotSrcCopy, 0xF0F0F0}, CopyModeCase{cmDstInvert, 0xC3C3C3},
                      CopyModeCase{cmBlackness, 0x000000}, CopyModeCase{cmWhiteness, 0xFFFFFF}));

TEST(CanvasCopy, XorTwiceRestoresTheDestination) {
    TBitmap dest(3, 1);
    dest.Canvas().SetPixel(0, 0, clRed);
    dest.Canvas().SetPixel(1, 0, clLime);
    TBitmap text(3, 1);
    Fill(text, clBlack);
    text.Canvas().SetPixel(1, 0, clWhite);
    dest.Canvas().CopyMode = cmSrcInvert;
    dest.Canvas().Draw(0, 0, text);
    EXPECT_EQ(At(dest.Image(), 0, 0), clRed);     // black leaves it
    EXPECT_EQ(At(dest.Image(), 1, 0), clFuchsia); // white inverts lime
    dest.Canvas().Draw(0, 0, text);
    EXPECT_EQ(At(dest.Image(), 1, 0), clLime);
}

TEST(CanvasCopy, StretchDrawScalesByNearestPixel) {
    TBitmap source(2, 1);
    source.Canvas().SetPixel(0, 0, clRed);
    source.Canvas().SetPixel(1, 0, clBlue);
    QImage image = WhiteImage(6, 2);
    TCanvas canvas(&image);
    canvas.StretchDraw(TRect{1, 0, 5, 2}, source);
    canvas.Flush();
    EXPECT_EQ(Picture(image), "\n.rrbb.\n.rrbb.\n");
}

// Shrinking by one pixel drops the last source column, as the Windows stretch
// copy does; the gradients' square work surfaces rely on it.
TEST(CanvasCopy, StretchDrawShrinksByDroppingTheLastColumn) {
    TBitmap source(3, 1);
    source.Canvas().SetPixel(0, 0, clRed);
    source.Canvas().SetPixel(1, 0, clBlue);
    source.Canvas().SetPixel(2, 0, clLime);
    QImage image = WhiteImage(2, 1);
    TCanvas canvas(&image);
    canvas.StretchDraw(TRect{0, 0, 2, 1}, source);
    canvas.Flush();
    EXPECT_EQ(Picture(image), "\nrb\n");
}

TEST(CanvasCopy, ReversedEdgesMirrorTheImage) {
    TBitmap source(2, 2);
    source.Canvas().SetPixel(0, 0, clRed);
    source.Canvas().SetPixel(1, 1, clBlue);
    QImage image = WhiteImage(4, 4);
    TCanvas canvas(&image);
    // Right < Left and Bottom < Top: half a turn, covering [min, max).
    canvas.StretchDraw(TRect{3, 3, 1, 1}, source);
    canvas.Flush();
    EXPECT_EQ(Picture(image), "\n....\n.b..\n..r.\n....\n");
}

TEST(CanvasCopy, CopyRectTakesASourcePartAndMayCopyOntoItself) {
    QImage image = WhiteImage(4, 1);
    TCanvas canvas(&image);
    canvas.SetPixel(0, 0, clRed);
    canvas.SetPixel(1, 0, clBlue);
    canvas.CopyRect(TRect{2, 0, 4, 1}, canvas, TRect{0, 0, 2, 1});
    canvas.Flush();
    EXPECT_EQ(Picture(image), "\nrbrb\n");
}

TEST(CanvasCopy, CopiesHonourTheClip) {
    TBitmap source(4, 4);
    Fill(source, clRed);
    QImage image = WhiteImage(4, 4);
    TCanvas canvas(&image);
    canvas.SelectClipRect(TRect{1, 1, 3, 3});
    canvas.Draw(0, 0, source);
    canvas.Flush();
    EXPECT_EQ(CountColor(image, clRed, 0, 0, 4, 4), 4) << Picture(image);
    EXPECT_EQ(CountColor(image, clRed, 1, 1, 3, 3), 4);
}

TEST(CanvasClip, ClipRectIsTheWholeSurfaceUntilOneIsSelected) {
    QImage image = WhiteImage(10, 8);
    TCanvas canvas(&image);
    EXPECT_FALSE(canvas.HasClip());
    EXPECT_EQ(canvas.ClipRect(), (TRect{0, 0, 10, 8}));
    canvas.SelectClipRect(TRect{2, 1, 6, 5});
    EXPECT_EQ(canvas.ClipRect(), (TRect{2, 1, 6, 5}));
    canvas.Brush.Color = clRed;
    canvas.FillRect(TRect{0, 0, 10, 8});
    canvas.RemoveClip();
    EXPECT_EQ(canvas.ClipRect(), (TRect{0, 0, 10, 8}));
    canvas.Flush();
    EXPECT_EQ(CountColor(image, clRed, 0, 0, 10, 8), 16) << Picture(image);
}

TEST(CanvasClip, AnEllipticClipSparesTheCorners) {
    QImage image = WhiteImage(11, 11);
    TCanvas canvas(&image);
    canvas.SelectClipEllipse(TRect{0, 0, 11, 11});
    EXPECT_EQ(canvas.ClipRect(), (TRect{0, 0, 11, 11}));
    canvas.Brush.Color = clRed;
    canvas.FillRect(TRect{0, 0, 11, 11});
    canvas.Flush();
    EXPECT_EQ(At(image, 0, 0), clWhite) << Picture(image);
    EXPECT_EQ(At(image, 10, 10), clWhite);
    EXPECT_EQ(At(image, 5, 5), clRed);
    EXPECT_EQ(At(image, 5, 0), clRed);
    EXPECT_EQ(At(image, 0, 5), clRed);
    EXPECT_EQ(At(image, 10, 5), clRed);
}

TEST(CanvasFrame3D, LeftAndTopInTheFirstColourCornersOppositeInTheSecond) {
    QImage image = WhiteImage(7, 6);
    TCanvas canvas(&image);
    TRect r{1, 1, 6, 5};
    Frame3D(canvas, r, clRed, clBlue, 1);
    EXPECT_EQ(r, (TRect{2, 2, 5, 4}));
    EXPECT_EQ(canvas.Pen.Width, 1);
    canvas.Flush();
    EXPECT_EQ(Picture(image), "\n"
                              ".......\n"
                              ".rrrrb.\n"
                              ".r...b.\n"
                              ".r...b.\n"
                              ".bbbbb.\n"
                              "......."
                              "\n");
}

TEST(CanvasFrame3D, SeveralRingsShrinkOnePixelEach) {
    QImage image = WhiteImage(6, 6);
    TCanvas canvas(&image);
    TRect r{0, 0, 6, 6};
    Frame3D(canvas, r, clRed, clBlue, 2);
    EXPECT_EQ(r, (TRect{2, 2, 4, 4}));
    canvas.Flush();
    EXPECT_EQ(At(image, 1, 1), clRed);
    EXPECT_EQ(At(image, 4, 4), clBlue);
    EXPECT_EQ(At(image, 2, 2), clWhite);
}

TEST(CanvasText, TopLeftCornerAndOpaqueBackground) {
    QImage image = WhiteImage(80, 30);
    TCanvas canvas(&image);
    canvas.Font.SetColor(clBlack);
    canvas.Brush.Color = clRed;
    const QString text = QStringLiteral("Ag8");
    const int w = canvas.TextWidth(text);
    const int h = canvas.TextHeight(text);
    ASSERT_GT(w, 0);
    ASSERT_GT(h, 0);
    canvas.TextOut(5, 4, text);
    EXPECT_EQ(canvas.PenPos(), (TPoint{5 + w, 4}));
    canvas.Flush();
    // The whole cell is painted (background or glyph), nothing outside it.
    EXPECT_EQ(CountColor(image, clWhite, 5, 4, 5 + w, 4 + h), 0) << Picture(image);
    EXPECT_EQ(CountColor(image, clWhite, 0, 0, 80, 30), 80 * 30 - w * h);
    EXPECT_GT(CountColor(image, clBlack, 5, 4, 5 + w, 4 + h), 0);
}

TEST(CanvasText, ClearBrushWritesOnlyTheGlyphsBelowTheCorner) {
    QImage image = WhiteImage(80, 30);
    TCanvas canvas(&image);
    canvas.Font.SetColor(clBlack);
    canvas.Brush.Style = bsClear;
    const QString text = QStringLiteral("Hg");
    canvas.TextOut(10, 6, text);
    const int w = canvas.TextWidth(text);
    const int h = canvas.TextHeight(text);
    canvas.Flush();
    const int inside = CountColor(image, clBlack, 10, 6, 10 + w, 6 + h);
    EXPECT_GT(inside, 0);
    EXPECT_EQ(CountColor(image, clBlack, 0, 0, 80, 30), inside) << Picture(image);
    EXPECT_GT(CountColor(image, clWhite, 10, 6, 10 + w, 6 + h), 0);
}

TEST(CanvasText, BiggerFontsMeasureBigger) {
    QImage image = WhiteImage(4, 4);
    TCanvas canvas(&image);
    canvas.Font.SetSize(8);
    const int small = canvas.TextHeight(QStringLiteral("0"));
    const int smallWidth = canvas.TextWidth(QStringLiteral("100"));
    canvas.Font.SetSize(14);
    EXPECT_GT(canvas.TextHeight(QStringLiteral("0")), small);
    EXPECT_GT(canvas.TextWidth(QStringLiteral("100")), smallWidth);
    EXPECT_EQ(canvas.TextWidth(QString()), 0);
}

TEST(Bitmap, StartsWhiteAndKeepsItsPictureWhenResized) {
    TBitmap bitmap(3, 2);
    EXPECT_EQ(CountColor(bitmap.Image(), clWhite, 0, 0, 3, 2), 6);
    bitmap.Canvas().Pen.Color = clRed;
    bitmap.Canvas().SetPixel(2, 1, clRed);
    bitmap.SetSize(5, 4);
    EXPECT_EQ(bitmap.Width(), 5);
    EXPECT_EQ(bitmap.Height(), 4);
    EXPECT_EQ(At(bitmap.Image(), 2, 1), clRed);
    EXPECT_EQ(At(bitmap.Image(), 4, 3), clWhite);
    // The canvas keeps its pen and draws on the new picture.
    EXPECT_EQ(bitmap.Canvas().Pen.Color, clRed);
    bitmap.Canvas().MoveTo(0, 3);
    bitmap.Canvas().LineTo(5, 3);
    EXPECT_EQ(CountColor(bitmap.Image(), clRed, 0, 3, 5, 4), 5);
}

TEST(Bitmap, EmptyBitmapsDrawNothingAndDoNotFail) {
    TBitmap empty;
    EXPECT_TRUE(empty.Empty());
    empty.Canvas().Rectangle(0, 0, 5, 5);
    empty.Canvas().TextOut(0, 0, QStringLiteral("x"));
    QImage image = WhiteImage(3, 3);
    TCanvas canvas(&image);
    canvas.Draw(0, 0, empty);
    canvas.StretchDraw(TRect{0, 0, 3, 3}, empty);
    canvas.Flush();
    EXPECT_EQ(CountColor(image, clWhite, 0, 0, 3, 3), 9);
    empty.SetSize(2, 2);
    EXPECT_EQ(At(empty.Image(), 1, 1), clWhite);
}

TEST(Font, SettersNotifyOnlyRealChanges) {
    TFont font;
    int changes = 0;
    font.OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, &font);
        ++changes;
    };
    font.SetSize(8); // the default
    font.SetName(QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(changes, 0);
    font.SetSize(14);
    font.SetColor(clWhite);
    font.SetStyle(fsBold | fsItalic);
    font.SetName(QStringLiteral("Arial"));
    EXPECT_EQ(changes, 4);
    TFont other;
    font.Assign(other);
    EXPECT_EQ(changes, 5);
    EXPECT_EQ(font.Size(), 8);
    EXPECT_EQ(font.Name(), QStringLiteral("MS Sans Serif"));
    font.Assign(other);
    EXPECT_EQ(changes, 5);
    EXPECT_EQ(TFont().Height(), 11); // 8 points at 96 dots per inch
}

} // namespace
} // namespace zk::gauges
