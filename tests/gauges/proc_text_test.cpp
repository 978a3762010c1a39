// Label lists, picture formatting, text measuring and anchored text output.
#include "tests/gauges/canvas_test_support.h"
#include "zktools/gauges/qx_format.h"
#include "zktools/gauges/qx_proc_text.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zk::gauges {
namespace {

using testing::At;
using testing::CountColor;
using testing::WhiteImage;

TEST(QxStrToken, TakesThePieceBeforeTheFirstSeparator) {
    struct Case {
        const char* s;
        char separator;
        const char* token;
        const char* rest;
    };
    const Case cases[] = {
        {"a;b;c", ';', "a", "b;c"}, {";x", ';', "", "x"}, {"abc", ';', "abc", ""},
        {"", ';', "", ""},          {"a;", ';', "a", ""}, {"1,5;2", ',', "1", "5;2"},
    };
    for (const Case& c : cases) {
        QString s = QString::fromLatin1(c.s);
        EXPECT_EQ(QxStrToken(s, QLatin1Char(c.separator)), QString::fromLatin1(c.token)) << c.s;
        EXPECT_EQ(s, QString::fromLatin1(c.rest)) << c.s;
    }
}

TEST(FormatFloat, PicturesRoundHalfAwayFromZeroOnTheDecimalValue) {
    struct Case {
        const char* format;
        long double value;
        const char* text;
    };
    const Case cases[] = {
        {"##0", 0, "0"},
        {"##0", 12.5L, "13"},
        {"##0", 1234, "1234"}, // more digits than placeholders
        {"##0", -3.6L, "-4"},
        {"##0", -0.4L, "0"}, // no minus sign on a zero
        {"##0.0", 2.25L, "2.3"},
        {"##0.0", 99.96L, "100.0"},
        {"##0.0", 7, "7.0"},
        {"0.00", 2.675, "2.68"}, // the double just below 2.675 still counts as 2.675
        {"000", 7, "007"},
        {"##0.0#", 1.5L, "1.5"},
        {"##0.0#", 1.257L, "1.26"},
        {"#,##0", 1234567, "1,234,567"},
        {"0.0E+00", 12345, "1.2E+04"},
        {"0.0E+00", 0.00012345L, "1.2E-04"},
        {"##0;(##0)", -5, "(5)"},
        {"##0;-##0;\"zero\"", 0, "zero"},
        {"\"V=\"0.0", 3, "V=3.0"},
        {"0.000", 0.0625, "0.063"}, // a double exactly, below one
        {"0.00", 0.1f, "0.10"},
        // 15 significant digits, whether the value is a double or not.
        {"0.0000000000000000", 1.0 / 3.0, "0.3333333333333330"},
        {"0.0000000000000000", 1.0L / 3.0L, "0.3333333333333330"},
        {"0.0E+00", 1e-300L * 1e-300L, "1.0E-600"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatFloat(QString::fromLatin1(c.format), c.value), QString::fromLatin1(c.text))
            << c.format << " " << static_cast<double>(c.value);
}

// Pictures of one length and pictures with more sections one after another, each
// twice: every call formats with its own picture, not the one before.
TEST(FormatFloat, EachCallUsesItsOwnPicture) {
    struct Case {
        const char* format;
        long double value;
        const char* text;
    };
    const Case cases[] = {
        {"0.00", 1.5L, "1.50"},      {"00.0", 1.5L, "01.5"},
        {"0.00", 1.5L, "1.50"},      {"##0", -2, "-2"},
        {"##0;(##0)", -2, "(2)"},    {"##0", -2, "-2"},
        {"##0;(##0)", -2, "(2)"},    {"0;0;\"z\"", 0, "z"},
        {"0;0;\"y\"", 0, "y"},       {"0.0E+00", 1234, "1.2E+03"},
        {"0.0E-00", 1234, "1.2E03"}, {"0.0E+00", 1234, "1.2E+03"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatFloat(QString::fromLatin1(c.format), c.value), QString::fromLatin1(c.text))
            << c.format << " " << static_cast<double>(c.value);
}

TEST(QxRangeStr, LabelsRunFromBToAEachFollowedByASemicolon) {
    struct Case {
        float a, b;
        int steps;
        const char* format;
        const char* text;
    };
    const Case cases[] = {
        {100, 0, 5, "##0", "0;20;40;60;80;100;"},
        {0, 100, 4, "##0", "100;75;50;25;0;"},
        {1, 0, 4, "0.00", "0.00;0.25;0.50;0.75;1.00;"},
        // A step of 3.3333333 in single precision: the first label lands a hair
        // above 0 and still shows as 0.
        {10, 0, 3, "##0.0", "0.0;3.3;6.7;10.0;"},
        {100, 0, 0, "##0", "0;"},
        {100, 0, -1, "##0", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(QxRangeStr(c.a, c.b, c.steps, QString::fromLatin1(c.format)),
                  QString::fromLatin1(c.text))
            << c.a << " " << c.b << " " << c.steps;
}

class QxText : public ::testing::Test {
protected:
    QImage image = WhiteImage(120, 60);
    TCanvas canvas{&image};
};

TEST_F(QxText, SizesMeasureTheTextAndTheWidestLabel) {
    int w = -1;
    int h = -1;
    TPoint half;
    QxGetTextSize(canvas, w, h, half, QStringLiteral("Speed"));
    EXPECT_EQ(w, canvas.TextWidth(QStringLiteral("Speed")));
    EXPECT_EQ(h, canvas.TextHeight(QStringLiteral("Speed")));
    EXPECT_EQ(half, (TPoint{w / 2, h / 2}));

    const int wide = canvas.TextWidth(QStringLiteral("1000"));
    ASSERT_GT(wide, canvas.TextWidth(QStringLiteral("50")));
    struct Case {
        const char* text;
        int width;
    };
    const Case cases[] = {
        {"0;50;1000;", wide}, // a list as QxRangeStr makes it
        {"0;50;1000", wide},  // the piece after the last ";" counts too
        {"1000", wide},       // no separator: the whole text
        {";;1000;;", wide},   {"", 0}, {";;", 0},
    };
    for (const Case& c : cases) {
        w = -1;
        h = -1;
        QxGetMaxTokenSize(canvas, w, h, QString::fromLatin1(c.text));
        EXPECT_EQ(w, c.width) << c.text;
        EXPECT_EQ(h, canvas.TextHeight(QString::fromLatin1(c.text))) << c.text;
    }
}

// Bounding box of the pixels that are not white.
TRect PaintedBox(const QImage& im) {
    TRect box{im.width(), im.height(), 0, 0};
    for (int y = 0; y < im.height(); ++y)
        for (int x = 0; x < im.width(); ++x)
            if (At(im, x, y) != clWhite) {
                box.Left = std::min(box.Left, x);
                box.Top = std::min(box.Top, y);
                box.Right = std::max(box.Right, x + 1);
                box.Bottom = std::max(box.Bottom, y + 1);
            }
    return box;
}

TEST_F(QxText, AnchorsPlaceTheTextCellAroundThePoint) {
    const QString text = QStringLiteral("Ag7");
    canvas.Brush.Color = clRed; // the cell is painted whole
    canvas.Font.SetColor(clBlack);
    const int w = canvas.TextWidth(text);
    const int h = canvas.TextHeight(text);
    const int x = 60;
    const int y = 30;
    struct Case {
        toPos anchor;
        int left, top;
    };
    const Case cases[] = {
        {toTopLeft, x, y},
        {toTopCenter, x - w / 2, y},
        {toTopRight, x - w, y},
        {toMidLeft, x, y - h / 2},
        {toMidCenter, x - w / 2, y - h / 2},
        {toMidRight, x - w, y - h / 2},
        {tobotLeft, x, y - h},
        {toBotCenter, x - w / 2, y - h},
        {toBotRight, x - w, y - h},
    };
    for (const Case& c : cases) {
        image.fill(Qt::white);
        QxTextOut(canvas, x, y, text, c.anchor);
        canvas.Flush();
        EXPECT_EQ(PaintedBox(image), (TRect{c.left, c.top, c.left + w, c.top + h}))
            << "anchor " << c.anchor;
    }
    EXPECT_EQ(static_cast<int>(tobotLeft), 6);
    EXPECT_EQ(static_cast<int>(toBotRight), 8);
}

TEST_F(QxText, EmbossedTextHasShadowBelowRightHighlightAboveLeftAndKeepsTheFace) {
    canvas.Brush.Style = bsClear;
    const QString text = QStringLiteral("H");
    QxTextOut3D(canvas, 60, 30, clBlack, clRed, clBlue, text, toMidCenter, true);
    EXPECT_EQ(canvas.Font.Color(), clBlack);
    canvas.Flush();
    auto box = [&](TColor color) {
        QImage only = WhiteImage(image.width(), image.height());
        for (int yy = 0; yy < image.height(); ++yy)
            for (int xx = 0; xx < image.width(); ++xx)
                if (At(image, xx, yy) == color)
                    only.setPixel(xx, yy, qRgb(0, 0, 0));
        return PaintedBox(only);
    };
    const TRect face = box(clBlack);
    const TRect shadow = box(clBlue);
    const TRect highlight = box(clRed);
    ASSERT_LT(face.Left, face.Right);
    // The face is drawn last, so each copy shows only where it sticks out.
    EXPECT_EQ(shadow.Right, face.Right + 1);
    EXPECT_EQ(shadow.Bottom, face.Bottom + 1);
    EXPECT_EQ(highlight.Left, face.Left - 1);
    EXPECT_EQ(highlight.Top, face.Top - 1);

    image.fill(Qt::white);
    QxTextOut3D(canvas, 60, 30, clLime, clRed, clBlue, text, toMidCenter, false);
    canvas.Flush();
    EXPECT_GT(CountColor(image, clLime, 0, 0, 120, 60), 0);
    EXPECT_EQ(CountColor(image, clRed, 0, 0, 120, 60), 0);
    EXPECT_EQ(CountColor(image, clBlue, 0, 0, 120, 60), 0);
    EXPECT_EQ(canvas.Font.Color(), clLime);
}

} // namespace
} // namespace zk::gauges
