// The thin control bases: mouse events with their buttons, a click only for a
// left press released on the control, the double click, the font's repaint,
// the custom control's surface and pending paint, and the hand cursor.
#include <gtest/gtest.h>

#include <QBitmap>
#include <QImage>

#include <string>
#include <vector>

#include "tests/gauges/control_event_support.h"
#include "zktools/gauges/qx_cursors.h"
#include "zktools/gauges/qx_custom_control.h"

namespace zk::gauges {
namespace {

using namespace zk::gauges::testing;

class Recorder : public TQxCustomControl {
public:
    Recorder() {
        resize(40, 30);
        OnMouseDown = [this](TObject*, TMouseButton b, TShiftState s, int x, int y) {
            log.push_back("down " + std::to_string(b) + " " + std::to_string(x) + "," +
                          std::to_string(y) + ((s & ssDouble) ? " double" : ""));
        };
        OnMouseUp = [this](TObject*, TMouseButton b, TShiftState, int, int) {
            log.push_back("up " + std::to_string(b));
        };
        OnClick = [this](TObject*) {
            log.push_back("click");
        };
        OnDblClick = [this](TObject*) {
            log.push_back("dblclick");
        };
    }
    void Paint() override {
        ++paints;
        Canvas().Brush.Color = clRed;
        Canvas().FillRect(Rect(0, 0, width(), height()));
    }
    std::vector<std::string> log;
    int paints = 0;
};

TEST(ControlBaseTest, AClickIsALeftPressReleasedOnTheControlReportedBeforeTheRelease) {
    Recorder c;
    Press(c, {5, 6});
    Release(c, {5, 6});
    Press(c, {5, 6}, Qt::RightButton);
    Release(c, {5, 6}, Qt::RightButton);
    Press(c, {5, 6});
    Release(c, {45, 6}); // released beside the control
    const std::vector<std::string> expected = {"down 0 5,6", "click",      "up 0", "down 1 5,6",
                                               "up 1",       "down 0 5,6", "up 0"};
    EXPECT_EQ(c.log, expected);
}

TEST(ControlBaseTest, TheSecondPressOfADoubleClickIsMarkedDouble) {
    Recorder c;
    SendMouse(c, QEvent::MouseButtonDblClick, {3, 4}, Qt::LeftButton, Qt::LeftButton);
    const std::vector<std::string> expected = {"dblclick", "down 0 3,4 double"};
    EXPECT_EQ(c.log, expected);
}

TEST(ControlBaseTest, PaintRunsOnlyWhenInvalidatedAndTheSurfaceKeepsThePicture) {
    Recorder c;
    EXPECT_TRUE(c.PaintPending());
    c.grab();
    EXPECT_EQ(c.paints, 1);
    EXPECT_FALSE(c.PaintPending());
    EXPECT_EQ(FromQColor(QColor(c.Surface().pixel(39, 29))), clRed);
    c.grab(); // a plain exposure shows the surface again
    EXPECT_EQ(c.paints, 1);
    c.Font().SetSize(14); // a font change repaints
    EXPECT_TRUE(c.PaintPending());
    c.grab();
    EXPECT_EQ(c.paints, 2);
}

TEST(ControlBaseTest, TheHandCursorIsABlackOutlinedWhiteHandWithItsHotSpotAtTheFingertip) {
    const QCursor hand = QxScreenCursors().Cursor(crHandSlot);
    EXPECT_EQ(hand.shape(), Qt::BitmapCursor);
    EXPECT_EQ(hand.hotSpot(), QPoint(2, 1));
    const QImage shape = hand.bitmap().toImage();
    const QImage mask = hand.mask().toImage();
    ASSERT_EQ(shape.size(), QSize(32, 32));
    // Opaque and white under the hot spot, black on the fingertip's edge above it,
    // transparent in the far corner.
    EXPECT_EQ(qGray(mask.pixel(2, 1)), 0);
    EXPECT_NE(qGray(shape.pixel(2, 1)), 0);
    EXPECT_EQ(qGray(mask.pixel(2, 0)), 0);
    EXPECT_EQ(qGray(shape.pixel(2, 0)), 0);
    EXPECT_NE(qGray(mask.pixel(31, 31)), 0);
    EXPECT_EQ(QxScreenCursors().Cursor(12345).shape(), Qt::ArrowCursor);
}

} // namespace
} // namespace zk::gauges
