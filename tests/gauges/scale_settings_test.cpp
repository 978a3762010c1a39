// Scale settings: defaults, which setters notify when, the owned font's
// notifications, and the three measuring operations (label lists and the sizes
// derived from the label font).
#include <gtest/gtest.h>

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "scale_pixels.h"
#include "zktools/gauges/qx_scale_settings.h"

namespace zk::gauges {
namespace {

struct ChangeCounter {
    explicit ChangeCounter(TScaleSettings& s) : settings(s) {
        settings.OnChange = [this](TObject* sender) {
            ++count;
            EXPECT_EQ(sender, &settings);
        };
    }
    TScaleSettings& settings;
    int count = 0;
};

TEST(ScaleSettingsTest, ConstructionSetsTheDefaultsAndWorkingFields) {
    TScaleSettings s;
    EXPECT_EQ(s.Color(), clBlack);
    EXPECT_EQ(s.PointerColor(), 0x00FF00u);
    EXPECT_TRUE(s.DrawLine());
    EXPECT_EQ(s.Font().Name(), "Arial");
    EXPECT_EQ(s.Font().Size(), 14);
    EXPECT_FALSE(s.PosLeftTop());
    EXPECT_EQ(s.Steps(), 5);
    EXPECT_EQ(s.SubSteps(), 2);
    EXPECT_EQ(s.ValueFormat(), "##0");
    EXPECT_FALSE(s.OnChange);

    EXPECT_EQ(s.TickLength, 14);
    EXPECT_EQ(s.SubTickLength, 7);
    EXPECT_EQ(s.ScaleCenter, (TPoint{0, 0}));
    EXPECT_EQ(s.TickWidth, 2);
    EXPECT_EQ(s.SubTickWidth, 1);
    EXPECT_EQ(s.LabelGap, 4);
    EXPECT_TRUE(s.LabelList.isEmpty());
    EXPECT_EQ(s.LabelWidth, 0);
    EXPECT_EQ(s.LabelHeight, 0);
    EXPECT_EQ(s.ScaleWidth, 0);
    EXPECT_EQ(s.ScaleHeight, 0);
}

struct SetterCase {
    const char* name;
    std::function<void(TScaleSettings&)> set; // applied twice with the same value
    std::function<bool(const TScaleSettings&)> stored;
    int changesAfterFirst;
    int changesAfterSecond;
};

TEST(ScaleSettingsTest, SettersNotifyAsTheirRulesSay) {
    const std::vector<SetterCase> cases = {
        {"Color", [](auto& s) { s.SetColor(clRed); }, [](auto& s) { return s.Color() == clRed; }, 1,
         1},
        {"PointerColor", [](auto& s) { s.SetPointerColor(clBlue); },
         [](auto& s) { return s.PointerColor() == clBlue; }, 1, 1},
        {"PosLeftTop", [](auto& s) { s.SetPosLeftTop(true); },
         [](auto& s) { return s.PosLeftTop(); }, 1, 1},
        {"ValueFormat", [](auto& s) { s.SetValueFormat("0.0"); },
         [](auto& s) { return s.ValueFormat() == "0.0"; }, 1, 1},
        // These notify on every assignment, equal or not.
        {"DrawLine", [](auto& s) { s.SetDrawLine(false); }, [](auto& s) { return !s.DrawLine(); },
         1, 2},
        {"DrawLine unchanged", [](auto& s) { s.SetDrawLine(true); },
         [](auto& s) { return s.DrawLine(); }, 1, 2},
        {"Steps", [](auto& s) { s.SetSteps(20); }, [](auto& s) { return s.Steps() == 20; }, 1, 2},
        {"Steps lowest", [](auto& s) { s.SetSteps(1); }, [](auto& s) { return s.Steps() == 1; }, 1,
         2},
        {"Steps unchanged", [](auto& s) { s.SetSteps(5); }, [](auto& s) { return s.Steps() == 5; },
         1, 2},
        {"SubSteps", [](auto& s) { s.SetSubSteps(10); }, [](auto& s) { return s.SubSteps() == 10; },
         1, 2},
        {"SubSteps lowest", [](auto& s) { s.SetSubSteps(1); },
         [](auto& s) { return s.SubSteps() == 1; }, 1, 2},
        // Out of range: ignored without a notification.
        {"Steps 0", [](auto& s) { s.SetSteps(0); }, [](auto& s) { return s.Steps() == 5; }, 0, 0},
        {"Steps 21", [](auto& s) { s.SetSteps(21); }, [](auto& s) { return s.Steps() == 5; }, 0, 0},
        {"Steps negative", [](auto& s) { s.SetSteps(-3); }, [](auto& s) { return s.Steps() == 5; },
         0, 0},
        {"SubSteps 0", [](auto& s) { s.SetSubSteps(0); }, [](auto& s) { return s.SubSteps() == 2; },
         0, 0},
        {"SubSteps 11", [](auto& s) { s.SetSubSteps(11); },
         [](auto& s) { return s.SubSteps() == 2; }, 0, 0},
    };
    for (const SetterCase& c : cases) {
        SCOPED_TRACE(c.name);
        TScaleSettings s;
        ChangeCounter changes(s);
        c.set(s);
        EXPECT_TRUE(c.stored(s));
        EXPECT_EQ(changes.count, c.changesAfterFirst);
        c.set(s);
        EXPECT_TRUE(c.stored(s));
        EXPECT_EQ(changes.count, c.changesAfterSecond);
    }
}

TEST(ScaleSettingsTest, TheOwnedFontNotifiesOncePerChangeAndSetFontCopiesIt) {
    TScaleSettings s;
    ChangeCounter changes(s);
    s.Font().SetSize(20);
    EXPECT_EQ(changes.count, 1);
    s.Font().SetSize(20); // no real change of the font
    EXPECT_EQ(changes.count, 1);
    s.Font().SetStyle(fsBold);
    EXPECT_EQ(changes.count, 2);

    TFont other;
    other.SetName("Courier New");
    other.SetSize(9);
    other.SetColor(clNavy);
    s.SetFont(other);
    EXPECT_EQ(changes.count, 3); // once, though four attributes changed
    EXPECT_EQ(s.Font().Name(), "Courier New");
    EXPECT_EQ(s.Font().Size(), 9);
    EXPECT_EQ(s.Font().Style(), 0u);
    EXPECT_EQ(s.Font().Color(), clNavy);
    EXPECT_EQ(&s.Font() == &other, false);

    // Later edits of the copy leave the owned font alone; the owned one still reports.
    other.SetSize(30);
    EXPECT_EQ(s.Font().Size(), 9);
    s.Font().SetSize(11);
    EXPECT_EQ(changes.count, 4);
}

TEST(ScaleSettingsTest, ChangeReportsTheSettingsWhateverTheSender) {
    TScaleSettings s;
    TObject stranger;
    ChangeCounter changes(s); // checks the sender
    s.Change(&stranger);
    s.Change(nullptr);
    EXPECT_EQ(changes.count, 2);
}

// The sizes each measuring operation derives from the label width w and the
// text height h of the label font.
struct Derived {
    int tickWidth, labelGap, tickLength, subTickLength, scaleWidth, scaleHeight;
};

int RoundEven(long double x) {
    return static_cast<int>(std::nearbyint(x));
}

int SubTick(int tickLength, int tickWidth) {
    return tickWidth == 1 ? tickLength / 2 : RoundEven(tickLength / 1.4L);
}

struct MeasureCase {
    const char* name;
    int fontSize;
    int steps;
    float from, to;
    const char* rangeLabels; // from the lower end up
    const char* widest;
};

TEST(ScaleSettingsTest, MeasuringBuildsTheLabelsAndDerivesTheSizesFromTheLabelFont) {
    const MeasureCase cases[] = {
        {"dial", 14, 5, 0.0f, 100.0f, "0;20;40;60;80;100;", "100"},
        {"small font, labels narrower than high", 6, 5, 0.0f, 5.0f, "0;1;2;3;4;5;", "0"},
        {"big font", 30, 4, -200.0f, 200.0f, "-200;-100;0;100;200;", "-200"},
        {"one step", 10, 1, 10.0f, 20.0f, "10;20;", "10"},
    };
    for (const MeasureCase& c : cases) {
        SCOPED_TRACE(c.name);
        scaletest::Picture picture(10, 10);
        TCanvas& canvas = *picture.canvas;
        TScaleSettings s;
        s.SetColor(clMaroon);
        s.Font().SetSize(c.fontSize);
        s.SetSteps(c.steps);

        // The reference sizes in the label font.
        QImage other(1, 1, QImage::Format_RGB32);
        TCanvas reference(&other);
        reference.Font.Assign(s.Font());
        const int w = reference.TextWidth(c.widest);
        const int h = reference.TextHeight(c.rangeLabels);
        ASSERT_GT(w, 0);
        ASSERT_GT(h, 0);

        // Round: only the tick width and the label gap; the tick lengths stay.
        s.CalcRSize(canvas, c.from, c.to);
        EXPECT_EQ(s.LabelList, c.rangeLabels);
        EXPECT_EQ(s.LabelWidth, w);
        EXPECT_EQ(s.LabelHeight, h);
        EXPECT_EQ(canvas.Font.Size(), c.fontSize);
        EXPECT_EQ(canvas.Pen.Color, clMaroon);
        EXPECT_EQ(s.TickWidth, RoundEven(h / 14.0L));
        EXPECT_EQ(s.LabelGap, (h > w ? h : w) / 2 + 1);
        EXPECT_EQ(s.TickLength, 14);
        EXPECT_EQ(s.SubTickLength, 7);
        EXPECT_EQ(s.ScaleWidth, 0);
        EXPECT_EQ(s.ScaleHeight, 0);

        // Horizontal: same label order.
        s.CalcHSize(canvas, c.from, c.to);
        EXPECT_EQ(s.LabelList, c.rangeLabels);
        const int tickWidth = RoundEven(h / 14.0L);
        const int tickLength = RoundEven(h / 1.4L);
        const Derived horizontal{tickWidth,
                                 h / 5,
                                 tickLength,
                                 SubTick(tickLength, tickWidth),
                                 RoundEven(static_cast<long double>(w) * c.steps * 1.4L),
                                 h / 2 + tickLength + h / 5};
        EXPECT_EQ(s.TickWidth, horizontal.tickWidth);
        EXPECT_EQ(s.LabelGap, horizontal.labelGap);
        EXPECT_EQ(s.TickLength, horizontal.tickLength);
        EXPECT_EQ(s.SubTickLength, horizontal.subTickLength);
        EXPECT_EQ(s.ScaleWidth, horizontal.scaleWidth);
        EXPECT_EQ(s.ScaleHeight, horizontal.scaleHeight);

        // Vertical: labels from the upper end down.
        s.CalcSize(canvas, c.from, c.to);
        QStringList reversed = QString(c.rangeLabels).split(';', Qt::SkipEmptyParts);
        std::reverse(reversed.begin(), reversed.end());
        EXPECT_EQ(s.LabelList, reversed.join(';') + ';');
        EXPECT_EQ(s.LabelWidth, w);
        const Derived vertical{tickWidth,
                               h / 3,
                               tickLength,
                               SubTick(tickLength, tickWidth),
                               w + tickLength + h / 3,
                               RoundEven(static_cast<long double>(h) * c.steps * 1.4L)};
        EXPECT_EQ(s.TickWidth, vertical.tickWidth);
        EXPECT_EQ(s.LabelGap, vertical.labelGap);
        EXPECT_EQ(s.TickLength, vertical.tickLength);
        EXPECT_EQ(s.SubTickLength, vertical.subTickLength);
        EXPECT_EQ(s.ScaleWidth, vertical.scaleWidth);
        EXPECT_EQ(s.ScaleHeight, vertical.scaleHeight);
    }
}

TEST(ScaleSettingsTest, MeasuringDrawsNothingAndFollowsTheFormat) {
    scaletest::Picture picture(40, 40);
    TScaleSettings s;
    s.SetValueFormat("0.0");
    s.SetSteps(2);
    s.CalcHSize(*picture.canvas, 0.0f, 1.0f);
    EXPECT_EQ(s.LabelList, "0.0;0.5;1.0;");
    EXPECT_EQ(picture.CountNotWhite(Rect(0, 0, 40, 40)), 0);
}

} // namespace
} // namespace zk::gauges
