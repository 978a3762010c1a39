// The rotary dial's layout, written out for the default dial at three sizes and
// for the diagnostics window's progress dial, and the cheap redraw of a
// position change: what reaches the screen lies inside the knob and the value
// box, and the face is not painted again.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QPaintEvent>
#include <QRegion>

#include <functional>
#include <ostream>
#include <string>

#include "tests/gauges/dial_support.h"
#include "zktools/gauges/qx_dial.h"
#include "zktools/gauges/qx_proc_shapes.h"
#include "zktools/guided/progress_dial.h"

namespace zk::gauges {
namespace {

using namespace zk::gauges::testing;

// Records what each paint event was asked to show.
class RecordingDial : public CountingDial {
public:
    QRegion shown;
    const QString& Text() const { return ValueText; }

protected:
    void paintEvent(QPaintEvent* event) override {
        shown += event->region();
        CountingDial::paintEvent(event);
    }
};

enum class Kind { Default, Progress };

struct LayoutCase {
    const char* name;
    Kind kind;
    int width, height;
    TRect face, value, tick, slide, knob;
};

void PrintTo(const LayoutCase& c, std::ostream* os) {
    *os << c.name;
}

void Configure(TQxDial& dial, const LayoutCase& c) {
    if (c.kind == Kind::Progress)
        diagnostics::SetUpProgressDial(dial, 13);
    dial.resize(c.width, c.height);
}

class DialRects : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(DialRects, FaceValueBoxTicksAndKnob) {
    const LayoutCase& c = GetParam();
    RecordingDial d;
    Configure(d, c);
    ASSERT_TRUE(ShowPainted(d));
    EXPECT_EQ(d.FaceRect(), c.face);
    EXPECT_EQ(d.ValueRect(), c.value);
    EXPECT_EQ(d.TickRect(), c.tick);
    EXPECT_EQ(d.SlideRect, c.slide);
    EXPECT_EQ(d.KnobRect(), c.knob);
}

TEST_P(DialRects, APositionChangeShowsOnlyTheKnobAndTheValueBoxAnew) {
    const LayoutCase& c = GetParam();
    RecordingDial d;
    Configure(d, c);
    ASSERT_TRUE(ShowPainted(d));
    QCoreApplication::processEvents();
    const int paints = d.paints;
    const QRegion allowed = QRegion(ToQRect(d.KnobRect())) + QRegion(ToQRect(d.ValueRect()));
    const int from = d.SignalSettings().DigitalFrom();
    const int to = d.SignalSettings().DigitalTo();
    for (const int digit : {to, (from + to) / 2, from + 1, from}) {
        SCOPED_TRACE(digit);
        d.shown = QRegion();
        d.SetDigit(digit);
        QCoreApplication::processEvents();
        EXPECT_FALSE(d.shown.isEmpty());
        EXPECT_TRUE((d.shown - allowed).isEmpty()) << "shown beyond the knob and the value box: "
                                                   << (d.shown - allowed).boundingRect().width();
        EXPECT_TRUE(d.shown.intersects(ToQRect(d.ValueRect())));
        EXPECT_EQ(d.paints, paints);
    }
}

// The dot a position change sets on the knob is, pixel for pixel, the one
// QxCircleAtPoint draws there, and nothing else of the knob changes: at each
// digit, the knob as shown equals the knob of a far digit with the dot drawn
// over it, around the dot.
TEST_P(DialRects, EachPositionShowsTheDotAsItIsDrawn) {
    const LayoutCase& c = GetParam();
    RecordingDial d;
    Configure(d, c);
    ASSERT_TRUE(ShowPainted(d));
    const int from = d.SignalSettings().DigitalFrom();
    const int to = d.SignalSettings().DigitalTo();
    const QRect knob = ToQRect(d.KnobRect());
    const int step = (to - from) / 100;
    for (const bool enabled : {true, false}) {
        d.setEnabled(enabled);
        const TColor colour = enabled ? d.ColorNonFocus() : clGray;
        for (int digit = from; digit <= to; digit += step) {
            const int far = digit < (from + to) / 2 ? to : from;
            d.SetDigit(far);
            QImage expected = d.Surface().copy(knob);
            d.SetDigit(digit);
            const QImage shown = d.Surface().copy(knob);
            const TPoint dot = d.DotPos();
            {
                TCanvas canvas(&expected);
                QxCircleAtPoint(canvas, dot, d.DotRadius(), clBlack, colour);
            }
            const int r = d.DotRadius() + 2;
            int differ = 0;
            for (int y = dot.Y - r; y <= dot.Y + r; ++y)
                for (int x = dot.X - r; x <= dot.X + r; ++x)
                    differ += shown.valid(x, y) && shown.pixel(x, y) != expected.pixel(x, y);
            EXPECT_EQ(differ, 0) << "digit " << digit << (enabled ? "" : ", disabled");
        }
    }
}

// The value box as a position change leaves it is the box colour with the value
// text written on it by TextOut, right-aligned on the top edge: the first time a
// text is shown and every time after.
TEST_P(DialRects, EachPositionShowsTheValueTextAsTextOutWritesIt) {
    const LayoutCase& c = GetParam();
    RecordingDial d;
    Configure(d, c);
    ASSERT_TRUE(ShowPainted(d));
    const int from = d.SignalSettings().DigitalFrom();
    const int to = d.SignalSettings().DigitalTo();
    const QRect box = ToQRect(d.ValueRect());
    const int step = (to - from) / 100;
    for (int round = 0; round < 2; ++round)
        for (int digit = from; digit <= to; digit += step) {
            d.SetDigit(digit == d.Digit() ? digit + 1 : digit);
            d.SetDigit(digit);
            TBitmap expected(box.width(), box.height());
            TCanvas& canvas = expected.Canvas();
            canvas.Brush.Color = d.BevelValue().Color();
            canvas.FillRect(TRect{0, 0, box.width(), box.height()});
            canvas.Font.Assign(d.FontValue());
            canvas.Brush.Style = bsClear;
            canvas.TextOut(box.width() - canvas.TextWidth(d.Text()), 0, d.Text());
            EXPECT_EQ(d.Surface().copy(box), expected.Image())
                << "digit " << digit << " \"" << d.Text().toStdString() << "\", round " << round;
        }
}

// A position change redraws only what it changes; the control must then show
// exactly what a full paint at that position shows: the dot where it was is gone,
// the one where it is drawn, the value text written, after a paint as before.
TEST_P(DialRects, APositionChangeLeavesTheControlAsAFullPaintDoes) {
    const LayoutCase& c = GetParam();
    RecordingDial d;
    Configure(d, c);
    ASSERT_TRUE(ShowPainted(d));
    const int from = d.SignalSettings().DigitalFrom();
    const int to = d.SignalSettings().DigitalTo();
    const int mid = (from + to) / 2;
    // Far jumps, steps of one with the dots overlapping, and back; then the same
    // on a knob of another colour.
    for (const TColor knob : {d.BevelDial().Color(), clRed}) {
        d.BevelDial().SetColor(knob);
        d.grab();
        for (const int digit : {to, from, from + 1, from + 2, mid, mid + 1, to - 1, to, mid}) {
            d.SetDigit(digit);
            const QImage changed = d.Surface().copy();
            d.Invalidate();
            d.grab();
            ASSERT_FALSE(d.PaintPending());
            EXPECT_EQ(changed, d.Surface()) << "digit " << digit << ", knob " << knob;
        }
    }
}

// A clip selected on the control's canvas holds for a position change too: with
// the clip on the knob, the value box keeps its pixels.
TEST_P(DialRects, APositionChangeKeepsToTheCanvasClip) {
    const LayoutCase& c = GetParam();
    RecordingDial d;
    Configure(d, c);
    ASSERT_TRUE(ShowPainted(d));
    const QRect box = ToQRect(d.ValueRect());
    const QRect knob = ToQRect(d.KnobRect());
    const QImage before = d.Surface().copy();
    d.Canvas().SelectClipRect(d.KnobRect());
    d.SetDigit(d.SignalSettings().DigitalTo());
    d.Canvas().RemoveClip();
    EXPECT_EQ(d.Surface().copy(box), before.copy(box));
    EXPECT_NE(d.Surface().copy(knob), before.copy(knob));
}

// clang-format off
const LayoutCase kLayouts[] = {
    //                             size      face inside frame    value text         tick square          knob with ring       knob face
    {"Default",    Kind::Default,  113, 161, {8, 8, 105, 153},    {29, 10, 71, 25},  {29, 49, 84, 104},   {38, 58, 75, 95},    {42, 62, 71, 91}},
    {"Progress",   Kind::Progress, 145, 177, {11, 11, 134, 166},  {45, 13, 87, 28},  {32, 52, 113, 133},  {43, 63, 102, 122},  {50, 70, 95, 115}},
    {"Default160", Kind::Default,  160, 228, {8, 8, 152, 220},    {52, 10, 94, 25},  {29, 49, 132, 152},  {41, 61, 120, 140},  {45, 65, 116, 136}},
    {"Default200", Kind::Default,  200, 285, {8, 8, 192, 277},    {72, 10, 114, 25}, {29, 49, 172, 192},  {44, 64, 157, 177},  {48, 68, 153, 173}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(DefaultAndProgress, DialRects, ::testing::ValuesIn(kLayouts),
                         [](const ::testing::TestParamInfo<LayoutCase>& param) {
                             return std::string(param.param.name);
                         });

} // namespace
} // namespace zk::gauges
