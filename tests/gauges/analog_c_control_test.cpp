// The windowed analog base: the digit/value mapping with its clamping and the
// cases that fire nothing, keys, wheel and mouse slides as tables, the pending
// OnValueChanged, and which Qt events reach ValueChange and ParamChange.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "tests/gauges/control_event_support.h"
#include "zktools/gauges/qx_analog_c_control.h"
#include "zktools/gauges/qx_cursors.h"

namespace zk::gauges {
namespace {

using namespace zk::gauges::testing;

// Counts the three hooks; a slide maps x straight to the digit.
class Probe : public TQxAnalogCControl {
public:
    using TQxAnalogCControl::LastSlidePoint;
    using TQxAnalogCControl::MouseInSlideArea;
    using TQxAnalogCControl::NormalCursor;
    using TQxAnalogCControl::SlideAreaRound;
    using TQxAnalogCControl::SlideRect;
    using TQxAnalogCControl::Sliding;
    using TQxAnalogCControl::ValueChangedPending;
    using TQxAnalogCControl::ValueText;

    Probe() {
        OnValueChange = [this](TObject* sender) {
            EXPECT_EQ(sender, this);
            ++valueChangeEvents;
        };
        OnValueChanged = [this](TObject* sender) {
            EXPECT_EQ(sender, this);
            ++valueChangedEvents;
        };
    }

    void ValueChange() override {
        TQxAnalogCControl::ValueChange();
        ++valueChangeCalls;
    }
    void ParamChange(TObject* sender) override {
        TQxAnalogCControl::ParamChange(sender);
        ++paramChangeCalls;
        lastParamSender = sender;
    }
    void MouseSlide(TShiftState shift, int x, int y, TPoint last) override {
        TQxAnalogCControl::MouseSlide(shift, x, y, last);
        slides.push_back({x, y});
        lasts.push_back(last);
        SetDigit(x);
    }

    void ResetCounts() {
        valueChangeEvents = valueChangedEvents = valueChangeCalls = paramChangeCalls = 0;
        slides.clear();
        lasts.clear();
    }

    int valueChangeEvents = 0;
    int valueChangedEvents = 0;
    int valueChangeCalls = 0;
    int paramChangeCalls = 0;
    TObject* lastParamSender = nullptr;
    std::vector<TPoint> slides;
    std::vector<TPoint> lasts;
};

// Digits 0..100 onto values 0..100.
void OneToOne(Probe& c) {
    c.SignalSettings().SetDigitalTo(100);
}

TEST(AnalogCControlTest, StartsAtDigitZeroWithTheDocumentedSettings) {
    Probe c;
    EXPECT_EQ(c.Digit(), 0);
    EXPECT_EQ(c.Value(), 0.0f);
    EXPECT_EQ(c.ChangeLarge(), 10);
    EXPECT_EQ(c.ChangeSmall(), 1);
    EXPECT_EQ(c.ColorFocus(), 0x00FF00u);
    EXPECT_EQ(c.ColorNonFocus(), 0x008000u);
    EXPECT_EQ(c.CursorSlide(), 5);
    EXPECT_TRUE(c.EnableKeyboard());
    EXPECT_TRUE(c.TabStop());
    EXPECT_EQ(c.width(), 100);
    EXPECT_EQ(c.height(), 100);
    EXPECT_EQ(c.Font().Name(), "MS Sans Serif");
    EXPECT_EQ(c.Font().Size(), 10);
    EXPECT_FALSE(c.SlideAreaRound);
    EXPECT_FALSE(c.ValueChangedPending);
    EXPECT_EQ(c.SignalSettings().DigitalTo(), 1000);
    // The slide cursor's slot holds the hand from the first control on.
    EXPECT_TRUE(QxScreenCursors().Installed(crHandSlot));
}

struct ValueCase {
    const char* name;
    bool oneToOne; // digits 0..100 instead of 0..1000
    int startDigit;
    float set;
    int digit;
    float value;
    int events; // OnValueChange calls
};

TEST(AnalogCControlTest, SetValueClampsAndMovesToTheNearestDigitHalvesToEven) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const std::vector<ValueCase> cases = {
        {"default mapping", false, 0, 12.34f, 123, 12.3f, 1},
        {"above the range", false, 0, 150.0f, 1000, 100.0f, 1},
        {"below the range at the start", false, 0, -5.0f, 0, 0.0f, 0},
        {"infinity clamps", false, 0, inf, 1000, 100.0f, 1},
        {"NaN is ignored", false, 500, nan, 500, 50.0f, 0},
        {"same digit keeps the raw value", true, 10, 10.3f, 10, 10.3f, 0},
        {"half goes to even (down)", true, 10, 10.5f, 10, 10.5f, 0},
        {"half goes to even (up)", true, 10, 11.5f, 12, 12.0f, 1},
        {"a changed digit snaps the value", true, 10, 33.4f, 33, 33.0f, 1},
    };
    for (const ValueCase& k : cases) {
        SCOPED_TRACE(k.name);
        Probe c;
        if (k.oneToOne)
            OneToOne(c);
        c.SetDigit(k.startDigit);
        c.ResetCounts();
        c.SetValue(k.set);
        EXPECT_EQ(c.Digit(), k.digit);
        EXPECT_FLOAT_EQ(c.Value(), k.value);
        EXPECT_EQ(c.valueChangeEvents, k.events);
        EXPECT_EQ(c.valueChangeCalls, k.events);
    }
}

TEST(AnalogCControlTest, SetValueOfTheCurrentValueDoesNothing) {
    Probe c;
    c.SetValue(25.0f);
    c.ResetCounts();
    c.SetValue(25.0f);
    EXPECT_EQ(c.valueChangeEvents, 0);
    EXPECT_EQ(c.Digit(), 250);
}

TEST(AnalogCControlTest, ANegativeValueRangeMapsAroundZero) {
    Probe c;
    c.SignalSettings().SetValueFrom(-50.0f);
    c.SignalSettings().SetValueTo(50.0f);
    c.SetValue(0.0f); // Value is 0 already: nothing
    EXPECT_EQ(c.Digit(), 0);
    c.SetValue(0.04f);
    EXPECT_EQ(c.Digit(), 500);
    EXPECT_NEAR(c.Value(), 0.0f, 1e-5f); // the single-precision step leaves a trace
    c.SetValue(-50.0f);
    EXPECT_EQ(c.Digit(), 0);
    EXPECT_FLOAT_EQ(c.Value(), -50.0f);
}

struct DigitCase {
    const char* name;
    int start;
    int set;
    int digit;
    float value;
    int events;
};

TEST(AnalogCControlTest, SetDigitClampsAfterComparingTheUnclampedArgument) {
    const std::vector<DigitCase> cases = {
        {"inside", 0, 123, 123, 12.3f, 1},
        {"equal does nothing", 123, 123, 123, 12.3f, 0},
        {"above the end fires though the position stays", 1000, 1050, 1000, 100.0f, 1},
        {"below the start", 5, -3, 0, 0.0f, 1},
        {"far below at the start fires", 0, std::numeric_limits<int>::min(), 0, 0.0f, 1},
    };
    for (const DigitCase& k : cases) {
        SCOPED_TRACE(k.name);
        Probe c;
        c.SetDigit(k.start);
        c.ResetCounts();
        c.ValueChangedPending = false;
        c.SetDigit(k.set);
        EXPECT_EQ(c.Digit(), k.digit);
        EXPECT_FLOAT_EQ(c.Value(), k.value);
        EXPECT_EQ(c.valueChangeEvents, k.events);
        EXPECT_EQ(c.valueChangeCalls, k.events);
        EXPECT_EQ(c.ValueChangedPending, k.events > 0);
    }
}

TEST(AnalogCControlTest, ValueChangeFormatsTheValueWithTheSignalFormat) {
    Probe c;
    c.SignalSettings().SetValueFormat(QStringLiteral("0.00"));
    c.SetDigit(123);
    EXPECT_EQ(c.ValueText, "12.30");
}

TEST(AnalogCControlTest, DoChangeStepsUpOrDownAndClampsWithoutOverflow) {
    Probe c;
    c.SetDigit(500);
    c.DoChange(7, 3);
    EXPECT_EQ(c.Digit(), 507);
    c.DoChange(0, 3);
    EXPECT_EQ(c.Digit(), 504);
    c.DoChange(std::numeric_limits<int>::max(), 0);
    EXPECT_EQ(c.Digit(), 1000);
    c.DoChange(0, std::numeric_limits<int>::max());
    EXPECT_EQ(c.Digit(), 0);
}

struct KeyCase {
    const char* name;
    int key;
    int start;
    bool keyboard;
    int digit;
    int events;
};

TEST(AnalogCControlTest, KeysMoveThePositionOnlyWithEnableKeyboard) {
    const std::vector<KeyCase> cases = {
        {"Page Up", Qt::Key_PageUp, 500, true, 510, 1},
        {"Page Down", Qt::Key_PageDown, 500, true, 490, 1},
        {"End", Qt::Key_End, 500, true, 1000, 1},
        {"Home", Qt::Key_Home, 500, true, 0, 1},
        {"Left", Qt::Key_Left, 500, true, 499, 1},
        {"Down", Qt::Key_Down, 500, true, 499, 1},
        {"Up", Qt::Key_Up, 500, true, 501, 1},
        {"Right", Qt::Key_Right, 500, true, 501, 1},
        {"Page Up at the end (clamped before SetDigit)", Qt::Key_PageUp, 1000, true, 1000, 0},
        {"Page Down near the start", Qt::Key_PageDown, 4, true, 0, 1},
        {"Home at the start", Qt::Key_Home, 0, true, 0, 0},
        {"another key", Qt::Key_A, 500, true, 500, 0},
        {"Page Up without keyboard", Qt::Key_PageUp, 500, false, 500, 0},
        {"End without keyboard", Qt::Key_End, 500, false, 500, 0},
    };
    for (const KeyCase& k : cases) {
        SCOPED_TRACE(k.name);
        Probe c;
        c.SetDigit(k.start);
        c.SetEnableKeyboard(k.keyboard);
        c.ResetCounts();
        SendKey(c, QEvent::KeyPress, k.key);
        EXPECT_EQ(c.Digit(), k.digit);
        EXPECT_EQ(c.valueChangeEvents, k.events);
    }
}

TEST(AnalogCControlTest, AKeyDownHandlerCanSwallowTheKey) {
    Probe c;
    c.SetDigit(500);
    int seen = 0;
    c.OnKeyDown = [&](TObject*, int& key, TShiftState) {
        ++seen;
        if (key == Qt::Key_Up)
            key = 0;
    };
    SendKey(c, QEvent::KeyPress, Qt::Key_Up);
    SendKey(c, QEvent::KeyPress, Qt::Key_Down);
    EXPECT_EQ(seen, 2);
    EXPECT_EQ(c.Digit(), 499);
}

TEST(AnalogCControlTest, ArrowsStayWithTheControlWhileReturnAndEscapeGoToTheDialog) {
    Probe c;
    c.SetEnableKeyboard(false);
    EXPECT_TRUE(SendKey(c, QEvent::KeyPress, Qt::Key_Left));
    EXPECT_TRUE(SendKey(c, QEvent::KeyPress, Qt::Key_Up));
    EXPECT_FALSE(SendKey(c, QEvent::KeyPress, Qt::Key_Return));
    EXPECT_FALSE(SendKey(c, QEvent::KeyPress, Qt::Key_Escape));
}

TEST(AnalogCControlTest, AHeldKeyFiresEveryRepeatAndValueChangedOnceAtTheRelease) {
    Probe c;
    c.SetDigit(500);
    c.ValueChangedPending = false;
    c.ResetCounts();
    SendKey(c, QEvent::KeyPress, Qt::Key_Up);
    for (int i = 0; i < 3; ++i) {
        SendKey(c, QEvent::KeyRelease, Qt::Key_Up, true);
        SendKey(c, QEvent::KeyPress, Qt::Key_Up, true);
    }
    EXPECT_EQ(c.valueChangedEvents, 0);
    SendKey(c, QEvent::KeyRelease, Qt::Key_Up);
    EXPECT_EQ(c.Digit(), 504);
    EXPECT_EQ(c.valueChangeEvents, 4);
    EXPECT_EQ(c.valueChangedEvents, 1);
    EXPECT_FALSE(c.ValueChangedPending);
}

TEST(AnalogCControlTest, AnyKeyReleaseFiresAPendingChangeEvenWithoutKeyboard) {
    Probe c;
    c.SetEnableKeyboard(false);
    c.SetDigit(42); // from code: pending
    c.ResetCounts();
    SendKey(c, QEvent::KeyRelease, Qt::Key_A);
    EXPECT_EQ(c.valueChangedEvents, 1);
    SendKey(c, QEvent::KeyRelease, Qt::Key_A);
    EXPECT_EQ(c.valueChangedEvents, 1);
}

struct WheelCase {
    const char* name;
    int delta;
    bool keyboard;
    bool designing;
    int digit;
};

TEST(AnalogCControlTest, OneWheelNotchStepsBySmallChangeAndTheWheelIsAlwaysConsumed) {
    const std::vector<WheelCase> cases = {
        {"notch away", 120, true, false, 503},
        {"notch toward", -120, true, false, 497},
        {"notch toward without keyboard", -120, false, false, 497},
        {"two notches at once", 240, true, false, 500},
        {"fine delta", 15, true, false, 500},
        {"minus 136 (low byte of +120)", -136, true, false, 500},
        {"design state", 120, true, true, 500},
    };
    for (const WheelCase& k : cases) {
        SCOPED_TRACE(k.name);
        Probe c;
        c.SetDigit(500);
        c.SetChangeSmall(3);
        c.SetEnableKeyboard(k.keyboard);
        c.SetDesigning(k.designing);
        EXPECT_TRUE(SendWheel(c, k.delta));
        EXPECT_EQ(c.Digit(), k.digit);
    }
}

// A visible, active window, so that presses can take the focus.
class AnalogCControlMouse : public ::testing::Test {
protected:
    void SetUp() override {
        c.SlideRect = Rect(10, 10, 60, 60);
        c.show();
        c.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&c));
        c.clearFocus();
        c.SetDigit(0);
        c.ValueChangedPending = false;
        c.ResetCounts();
    }
    Probe c;
};

struct PressCase {
    const char* name;
    Qt::MouseButton button;
    QPoint at;
    bool round;
    bool slides;
};

TEST_F(AnalogCControlMouse, OnlyALeftPressInsideTheSlideAreaStartsASlideButEveryPressFocuses) {
    const std::vector<PressCase> cases = {
        {"left inside", Qt::LeftButton, {30, 30}, false, true},
        {"left on the bottom edge (inside)", Qt::LeftButton, {30, 60}, false, true},
        {"left on the right edge (outside)", Qt::LeftButton, {60, 30}, false, false},
        {"left outside", Qt::LeftButton, {80, 80}, false, false},
        {"right inside", Qt::RightButton, {30, 30}, false, false},
        {"left in the corner, round area", Qt::LeftButton, {12, 12}, true, false},
        {"left in the middle, round area", Qt::LeftButton, {35, 35}, true, true},
    };
    for (const PressCase& k : cases) {
        SCOPED_TRACE(k.name);
        c.clearFocus();
        c.SlideAreaRound = k.round;
        c.ResetCounts();
        Press(c, k.at, k.button);
        EXPECT_TRUE(c.hasFocus());
        EXPECT_EQ(c.Sliding, k.slides);
        EXPECT_EQ(c.slides.size(), k.slides ? 1u : 0u);
        Release(c, k.at, k.button);
        EXPECT_FALSE(c.Sliding);
    }
}

struct FocusOrderCase {
    const char* name;
    Qt::MouseButton button;
    bool tabStop;
};

// A click as the window system delivers it: OnMouseDown comes first, then the
// control takes the focus itself (OnEnter and the marker's redraw).
TEST_F(AnalogCControlMouse, APressIsReportedBeforeTheControlTakesTheFocus) {
    const std::vector<FocusOrderCase> cases = {
        {"left, tab stop", Qt::LeftButton, true},
        {"right, tab stop", Qt::RightButton, true},
        {"left, no tab stop", Qt::LeftButton, false},
        {"right, no tab stop", Qt::RightButton, false},
    };
    for (const FocusOrderCase& k : cases) {
        SCOPED_TRACE(k.name);
        c.SetTabStop(k.tabStop);
        c.clearFocus();
        std::vector<std::string> log;
        c.OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) {
            log.push_back(c.hasFocus() ? "down, focused" : "down");
        };
        c.OnEnter = [&](TObject*) {
            log.push_back("enter");
        };
        QTest::mousePress(&c, k.button, Qt::NoModifier, QPoint(80, 80));
        QTest::mouseRelease(&c, k.button, Qt::NoModifier, QPoint(80, 80));
        EXPECT_EQ(log, (std::vector<std::string>{"down", "enter"}));
        EXPECT_TRUE(c.hasFocus());
    }
}

TEST_F(AnalogCControlMouse, ASlideFiresForEveryDigitAndValueChangedOnceAtTheLeftRelease) {
    Press(c, {20, 30});
    Move(c, {25, 31}, Qt::LeftButton);
    Move(c, {90, 90}, Qt::LeftButton); // outside the area the slide goes on
    ASSERT_EQ(c.slides.size(), 3u);
    EXPECT_EQ(c.lasts[0], Point(0, 0));
    EXPECT_EQ(c.lasts[1], Point(20, 30));
    EXPECT_EQ(c.LastSlidePoint, Point(90, 90));
    EXPECT_EQ(c.Digit(), 90);
    EXPECT_EQ(c.valueChangeEvents, 3);
    EXPECT_EQ(c.valueChangedEvents, 0);
    Release(c, {90, 90}, Qt::RightButton); // not the left button: the slide goes on
    EXPECT_TRUE(c.Sliding);
    Release(c, {90, 90});
    EXPECT_EQ(c.valueChangedEvents, 1);
    Move(c, {30, 30});
    EXPECT_EQ(c.slides.size(), 3u); // no button held, no slide
}

TEST_F(AnalogCControlMouse, AClickThatChangesNothingStillFiresAChangeMadeFromCode) {
    c.SetDigit(7);
    c.ResetCounts();
    Press(c, {80, 80});
    Release(c, {80, 80});
    EXPECT_EQ(c.valueChangedEvents, 1);
}

TEST_F(AnalogCControlMouse, TheCursorTurnsToTheSlideCursorOverTheAreaAndBack) {
    c.SetCursor(crCross);
    c.ParamChange(&c);
    EXPECT_EQ(c.NormalCursor, crCross);
    Move(c, {30, 30});
    EXPECT_TRUE(c.MouseInSlideArea);
    EXPECT_EQ(c.Cursor(), crHandSlot);
    EXPECT_EQ(c.cursor().shape(), Qt::BitmapCursor);
    // A setting that changes while the pointer rests there keeps the normal cursor.
    c.SetColorFocus(clRed);
    EXPECT_EQ(c.NormalCursor, crCross);
    Move(c, {80, 80});
    EXPECT_FALSE(c.MouseInSlideArea);
    EXPECT_EQ(c.Cursor(), crCross);
}

TEST_F(AnalogCControlMouse, FocusEnabledAndSizeReachTheirHooks) {
    int entered = 0, exited = 0;
    c.OnEnter = [&](TObject*) {
        ++entered;
    };
    c.OnExit = [&](TObject*) {
        ++exited;
    };
    c.setFocus();
    EXPECT_EQ(entered, 1);
    EXPECT_EQ(c.valueChangeCalls, 1);
    c.clearFocus();
    EXPECT_EQ(exited, 1);
    EXPECT_EQ(c.valueChangeCalls, 2);
    c.setEnabled(false);
    EXPECT_EQ(c.valueChangeCalls, 3);
    c.setEnabled(true);
    EXPECT_EQ(c.valueChangeCalls, 4);
    EXPECT_EQ(c.paramChangeCalls, 0);
    c.resize(120, 90);
    EXPECT_EQ(c.paramChangeCalls, 1);
    EXPECT_EQ(c.valueChangeEvents, 0); // none of these moved the position
}

TEST(AnalogCControlTest, SettingsAndFocusColoursReportToParamChange) {
    Probe c;
    c.SignalSettings().SetName1(QStringLiteral("Load"));
    EXPECT_EQ(c.paramChangeCalls, 1);
    EXPECT_EQ(c.lastParamSender, &c.SignalSettings());
    c.SetColorFocus(clRed);
    c.SetColorNonFocus(clBlue);
    EXPECT_EQ(c.paramChangeCalls, 3);
    EXPECT_EQ(c.ColorNonFocus(), clBlue);
    // A range change does not move the position.
    c.SetDigit(500);
    c.SignalSettings().SetDigitalTo(100);
    EXPECT_EQ(c.Digit(), 500);
    c.ResetCounts();
    c.SetChangeLarge(20);
    c.SetChangeSmall(2);
    c.SetCursorSlide(crCross);
    EXPECT_EQ(c.paramChangeCalls, 0);
}

} // namespace
} // namespace zk::gauges
