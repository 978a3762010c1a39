// The button bevel, LED and arrow settings: initial values, and setters that
// store and notify only a real change (LED sizes only within 4..30).
#include "zktools/gauges/qx_arrow_settings.h"
#include "zktools/gauges/qx_button_bevel.h"
#include "zktools/gauges/qx_led.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace zk::gauges {
namespace {

// One setter of an object of type T: a new value, and whether it is stored.
template <typename T> struct Setter {
    std::string name;
    std::function<void(T&)> setNew;
    std::function<void(T&)> setCurrent;
    std::function<bool(const T&)> holdsNew;
};

// Each setter: the current value changes nothing and is silent; a new one is
// stored and notified once, with the object as sender.
template <typename T> void CheckSetters(const std::vector<Setter<T>>& setters) {
    for (const Setter<T>& s : setters) {
        SCOPED_TRACE(s.name);
        T object;
        int count = 0;
        TObject* sender = nullptr;
        object.OnChange = [&](TObject* from) {
            ++count;
            sender = from;
        };
        s.setCurrent(object);
        EXPECT_EQ(count, 0);
        EXPECT_FALSE(s.holdsNew(object));
        s.setNew(object);
        EXPECT_EQ(count, 1);
        EXPECT_EQ(sender, &object);
        EXPECT_TRUE(s.holdsNew(object));
        s.setNew(object);
        EXPECT_EQ(count, 1);
    }
}

TEST(ButtonBevelSettings, InitialValues) {
    const TQxBtnBevel b;
    EXPECT_EQ(b.ShadowColFrom(), 0x000000u);
    EXPECT_EQ(b.ShadowColTo(), 0x808080u);
    EXPECT_EQ(b.HighlightColFrom(), 0xD2D2D2u);
    EXPECT_EQ(b.HighlightColTo(), 0xFFFFFFu);
    EXPECT_EQ(b.Width(), 2);
}

TEST(ButtonBevelSettings, SettersNotifyRealChangesOnly) {
    using B = TQxBtnBevel;
    CheckSetters<B>({
        {"ShadowColFrom", [](B& b) { b.SetShadowColFrom(clRed); },
         [](B& b) { b.SetShadowColFrom(b.ShadowColFrom()); },
         [](const B& b) {
             return b.ShadowColFrom() == clRed;
         }},
        {"ShadowColTo", [](B& b) { b.SetShadowColTo(clRed); },
         [](B& b) { b.SetShadowColTo(b.ShadowColTo()); },
         [](const B& b) {
             return b.ShadowColTo() == clRed;
         }},
        {"HighlightColFrom", [](B& b) { b.SetHighlightColFrom(clRed); },
         [](B& b) { b.SetHighlightColFrom(b.HighlightColFrom()); },
         [](const B& b) {
             return b.HighlightColFrom() == clRed;
         }},
        {"HighlightColTo", [](B& b) { b.SetHighlightColTo(clRed); },
         [](B& b) { b.SetHighlightColTo(b.HighlightColTo()); },
         [](const B& b) {
             return b.HighlightColTo() == clRed;
         }},
        {"Width 0", [](B& b) { b.SetWidth(0); }, [](B& b) { b.SetWidth(b.Width()); },
         [](const B& b) {
             return b.Width() == 0;
         }},
    });
}

TEST(ButtonBevelSettings, NegativeWidthIsIgnored) {
    TQxBtnBevel b;
    int count = 0;
    b.OnChange = [&](TObject*) {
        ++count;
    };
    b.SetWidth(-1);
    EXPECT_EQ(b.Width(), 2);
    EXPECT_EQ(count, 0);
}

TEST(LedSettings, InitialValues) {
    const TLED led;
    EXPECT_EQ(led.Shape(), sRound);
    EXPECT_EQ(led.ColorOn(), 0x00FF00u);
    EXPECT_EQ(led.ColorOff(), 0xC0C0C0u);
    EXPECT_EQ(led.Width(), 13);
    EXPECT_EQ(led.Height(), 13);
}

TEST(LedSettings, SettersNotifyRealChangesOnly) {
    CheckSetters<TLED>({
        {"Shape", [](TLED& l) { l.SetShape(sArrowDown); }, [](TLED& l) { l.SetShape(l.Shape()); },
         [](const TLED& l) {
             return l.Shape() == sArrowDown;
         }},
        {"ColorOn", [](TLED& l) { l.SetColorOn(clRed); },
         [](TLED& l) { l.SetColorOn(l.ColorOn()); },
         [](const TLED& l) {
             return l.ColorOn() == clRed;
         }},
        {"ColorOff", [](TLED& l) { l.SetColorOff(clRed); },
         [](TLED& l) { l.SetColorOff(l.ColorOff()); },
         [](const TLED& l) {
             return l.ColorOff() == clRed;
         }},
        {"Width", [](TLED& l) { l.SetWidth(20); }, [](TLED& l) { l.SetWidth(l.Width()); },
         [](const TLED& l) {
             return l.Width() == 20;
         }},
        {"Height", [](TLED& l) { l.SetHeight(20); }, [](TLED& l) { l.SetHeight(l.Height()); },
         [](const TLED& l) {
             return l.Height() == 20;
         }},
    });
}

TEST(LedSettings, SizesOutside4To30AreRefused) {
    struct Case {
        int value;
        bool stored;
    };
    const Case cases[] = {{3, false}, {4, true}, {30, true}, {31, false}, {0, false}, {-5, false}};
    for (const Case c : cases) {
        SCOPED_TRACE(c.value);
        for (const bool height : {false, true}) {
            TLED led;
            int count = 0;
            led.OnChange = [&](TObject*) {
                ++count;
            };
            if (height)
                led.SetHeight(c.value);
            else
                led.SetWidth(c.value);
            const int now = height ? led.Height() : led.Width();
            EXPECT_EQ(now, c.stored ? c.value : 13);
            EXPECT_EQ(count, c.stored ? 1 : 0);
            EXPECT_EQ(height ? led.Width() : led.Height(), 13); // the other one stays
        }
    }
}

TEST(ArrowSettings, InitialValues) {
    const TArrowSettings a;
    EXPECT_EQ(a.Shape(), 0);
    EXPECT_EQ(a.ColorPen(), 0x000000u);
    EXPECT_EQ(a.ColorBrush(), 0x00FF00u);
    EXPECT_EQ(a.ColorCP1Pen(), 0x000000u);
    EXPECT_EQ(a.ColorCP1Brush(), 0x000000u);
    EXPECT_EQ(a.ColorCP2Pen(), 0x000000u);
    EXPECT_EQ(a.ColorCP2Brush(), 0xC0C0C0u);
}

TEST(ArrowSettings, SettersNotifyRealChangesOnly) {
    using A = TArrowSettings;
    CheckSetters<A>({
        {"Shape", [](A& a) { a.SetShape(7); }, [](A& a) { a.SetShape(a.Shape()); },
         [](const A& a) {
             return a.Shape() == 7;
         }},
        {"ColorPen", [](A& a) { a.SetColorPen(clRed); }, [](A& a) { a.SetColorPen(a.ColorPen()); },
         [](const A& a) {
             return a.ColorPen() == clRed;
         }},
        {"ColorBrush", [](A& a) { a.SetColorBrush(clRed); },
         [](A& a) { a.SetColorBrush(a.ColorBrush()); },
         [](const A& a) {
             return a.ColorBrush() == clRed;
         }},
        {"ColorCP1Pen", [](A& a) { a.SetColorCP1Pen(clRed); },
         [](A& a) { a.SetColorCP1Pen(a.ColorCP1Pen()); },
         [](const A& a) {
             return a.ColorCP1Pen() == clRed;
         }},
        {"ColorCP1Brush", [](A& a) { a.SetColorCP1Brush(clRed); },
         [](A& a) { a.SetColorCP1Brush(a.ColorCP1Brush()); },
         [](const A& a) {
             return a.ColorCP1Brush() == clRed;
         }},
        {"ColorCP2Pen", [](A& a) { a.SetColorCP2Pen(clRed); },
         [](A& a) { a.SetColorCP2Pen(a.ColorCP2Pen()); },
         [](const A& a) {
             return a.ColorCP2Pen() == clRed;
         }},
        {"ColorCP2Brush", [](A& a) { a.SetColorCP2Brush(clRed); },
         [](A& a) { a.SetColorCP2Brush(a.ColorCP2Brush()); },
         [](const A& a) {
             return a.ColorCP2Brush() == clRed;
         }},
    });
}

} // namespace
} // namespace zk::gauges
