// The graphic analog base: value/digit mapping without limits, the per-mille
// position with its sector, limit, overflow and min/max transitions and their
// events in order (as sequences of steps), the design state, the automatic
// hint, and the sector and min/max settings objects.
#include <gtest/gtest.h>

#include <QStringList>

#include <functional>
#include <string>
#include <vector>

#include "zktools/gauges/qx_analog_g_control.h"
#include "zktools/gauges/qx_datetime.h"
#include "zktools/gauges/qx_min_max.h"
#include "zktools/gauges/qx_sector_settings.h"

namespace zk::gauges {
namespace {

using Log = std::vector<std::string>;

// Writes every event and hook call into one log, in order.
class Probe : public TQxAnalogGControl {
public:
    Probe() {
        OnMinMaxChange = [this](TObject* s) {
            Note(s, "minmax");
        };
        OnOverflow = [this](TObject* s, int ppt) {
            Note(s, "overflow " + std::to_string(ppt));
        };
        OnSectorChange = [this](TObject* s, bool a, bool b, bool c, bool enter) {
            Note(s, std::string("sector ") + (a ? "1" : "0") + (b ? "1" : "0") + (c ? "1" : "0") +
                        (enter ? " in" : " out"));
        };
        OnSettingsChange = [this](TObject* s) {
            Note(s, "settings");
        };
        OnValueChange = [this](TObject* s) {
            Note(s, "value");
        };
        OnLimit = [this](TObject* s, bool lower, bool upper) {
            Note(s, std::string("limit ") + (lower ? "1" : "0") + (upper ? "1" : "0"));
        };
    }
    void OverflowChange(int ppt) override { log.push_back("hook overflow " + std::to_string(ppt)); }
    void LimitChange() override { log.push_back("hook limit"); }

    Log Take() {
        Log taken;
        taken.swap(log);
        return taken;
    }
    Log log;

private:
    void Note(TObject* sender, const std::string& what) {
        EXPECT_EQ(sender, this) << what;
        log.push_back(what);
    }
};

TEST(AnalogGControlTest, StartsBelowTheLowerLimitWithTheDocumentedSettings) {
    Probe g;
    EXPECT_EQ(g.width(), 50);
    EXPECT_EQ(g.height(), 50);
    EXPECT_EQ(g.Font().Name(), "Arial");
    EXPECT_EQ(g.Font().Size(), 8);
    EXPECT_EQ(g.focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(g.Value(), 0.0f);
    EXPECT_EQ(g.Digit(), 0);
    EXPECT_EQ(g.LimitUpper(), 90.0f);
    EXPECT_EQ(g.LimitLower(), 10.0f);
    EXPECT_EQ(g.HintOptions(), kAllHintOptions);
    EXPECT_TRUE(g.BelowLimit);
    EXPECT_FALSE(g.AboveLimit);
    EXPECT_EQ(g.PPT, 0);
    EXPECT_FALSE(g.InSector1 || g.InSector2 || g.InSector3 || g.UnderRange || g.OverRange);
    EXPECT_EQ(g.SectorColor, 0u);
    EXPECT_TRUE(g.ValueText.isEmpty());
    EXPECT_EQ(g.MinMax().Min(), 0.0f);
    EXPECT_EQ(g.MinMax().Max(), 0.0f);
    EXPECT_LE(g.MinMax().MinDateTime().secsTo(Now()), 1);
    EXPECT_EQ(g.MinMax().MinDateTime(), g.MinMax().MaxDateTime());
}

struct Step {
    float value;
    int ppt; // after the change, limited
    Log events;
};

void RunSteps(Probe& g, const std::vector<Step>& steps) {
    for (const Step& s : steps) {
        SCOPED_TRACE(testing::Message() << "value " << s.value);
        g.SetValue(s.value);
        EXPECT_EQ(g.PPT, s.ppt);
        EXPECT_EQ(g.Take(), s.events);
    }
}

TEST(AnalogGControlTest, SectorsAndOverflowReportEachTransitionOnceBeforeTheValueEvent) {
    Probe g;
    RunSteps(g, {
                    {50.0f, 500, {"minmax", "sector 010 in", "hook limit", "limit 00", "value"}},
                    {33.3f, 333, {"sector 100 in", "sector 010 out", "value"}},
                    {33.4f, 334, {"sector 100 out", "sector 010 in", "value"}},
                    {80.0f, 800, {"minmax", "sector 010 out", "sector 001 in", "value"}},
                    // Sectors see the unlimited position, so 1200 leaves sector 3.
                    {120.0f,
                     1000,
                     {"minmax", "sector 001 out", "hook limit", "limit 01", "hook overflow 1200",
                      "overflow 1200", "value"}},
                    {130.0f, 1000, {"minmax", "value"}},
                    {50.0f,
                     500,
                     {"sector 010 in", "hook limit", "limit 00", "hook overflow 500",
                      "overflow 500", "value"}},
                    {-5.0f,
                     0,
                     {"minmax", "sector 010 out", "hook limit", "limit 10", "hook overflow -50",
                      "overflow -50", "value"}},
                    {-6.0f, 0, {"minmax", "value"}},
                    // Straight from under- to over-range.
                    {150.0f,
                     1000,
                     {"minmax", "hook limit", "limit 01", "hook overflow 1500", "overflow 1500",
                      "value"}},
                });
    EXPECT_TRUE(g.OverRange);
    EXPECT_FALSE(g.UnderRange);
    EXPECT_EQ(g.SectorColor, clGreen); // outside every sector the colour stays
    EXPECT_EQ(g.MinPPT, 0);
    EXPECT_EQ(g.MaxPPT, 1000);
}

TEST(AnalogGControlTest, OverlappingSectorsLeaveTheColourToTheHighestOne) {
    Probe g;
    g.SectorSettings().SetSector3From(400);
    g.SetValue(50.0f);
    EXPECT_TRUE(g.InSector2);
    EXPECT_TRUE(g.InSector3);
    EXPECT_EQ(g.SectorColor, clRed);
}

TEST(AnalogGControlTest, LimitsAreStrictAndNewLimitsWaitForTheNextValue) {
    Probe g;
    RunSteps(
        g, {
               {50.0f, 500, {"minmax", "sector 010 in", "hook limit", "limit 00", "value"}},
               {90.0f, 900, {"minmax", "sector 010 out", "sector 001 in", "value"}},
               {95.0f, 950, {"minmax", "hook limit", "limit 01", "value"}},
               {10.0f, 100, {"sector 100 in", "sector 001 out", "hook limit", "limit 00", "value"}},
           });
    g.SetLimitUpper(5.0f);
    EXPECT_EQ(g.LimitUpper(), 5.0f);
    EXPECT_TRUE(g.Take().empty());
    EXPECT_FALSE(g.AboveLimit);
    g.SetValue(11.0f);
    EXPECT_TRUE(g.AboveLimit);
    EXPECT_EQ(g.Take(), (Log{"hook limit", "limit 01", "value"}));

    g.SetLimitLower(0.0f);
    EXPECT_EQ(g.LimitLower(), 0.0001f);
    g.SetLimitLower(-3.0f);
    EXPECT_EQ(g.LimitLower(), -3.0f);
}

TEST(AnalogGControlTest, ValueAndDigitFollowEachOtherWithoutLimits) {
    Probe g;
    g.SetValue(12.34f);
    EXPECT_EQ(g.Digit(), 123);
    EXPECT_FLOAT_EQ(g.Value(), 12.34f); // not snapped
    EXPECT_EQ(g.DigitText, "123");
    EXPECT_EQ(g.ValueText, "12.3");
    g.SetValue(150.0f);
    EXPECT_EQ(g.Digit(), 1500);
    g.SetDigit(-20);
    EXPECT_FLOAT_EQ(g.Value(), -2.0f);
    g.SetValue(0.25f);
    EXPECT_EQ(g.Digit(), 2); // 2.5 goes to the even neighbour
    g.Take();
    g.SetValue(0.25f);
    g.SetDigit(2);
    g.SetValue(std::numeric_limits<float>::quiet_NaN());
    EXPECT_TRUE(g.Take().empty());
    EXPECT_FLOAT_EQ(g.Value(), 0.25f);
}

TEST(AnalogGControlTest, AtDesignTimeAChangeOnlyRaisesSettingsChange) {
    Probe g;
    g.SetDesigning(true);
    g.SetValue(50.0f);
    g.SetDigit(700);
    EXPECT_EQ(g.Take(), (Log{"settings", "settings"}));
    EXPECT_FLOAT_EQ(g.Value(), 70.0f);
    EXPECT_EQ(g.PPT, 0);
    EXPECT_TRUE(g.Hint().isEmpty());
}

TEST(AnalogGControlTest, SettingsFontAndSectorChangesReachParamChangeOnly) {
    Probe g;
    g.SignalSettings().SetName1(QStringLiteral("Speed"));
    g.SectorSettings().SetSector1Color(clBlue);
    g.Font().SetSize(11);
    EXPECT_EQ(g.Take(), (Log{"settings", "settings", "settings"}));
    // A range change does not move the position until the next value change.
    g.SetValue(50.0f);
    g.Take();
    g.SignalSettings().SetValueTo(200.0f);
    EXPECT_EQ(g.PPT, 500);
    g.SetValue(60.0f);
    EXPECT_EQ(g.PPT, 300);
}

TEST(AnalogGControlTest, EqualValueEndsFallBackOnTheLastValidFactor) {
    Probe g;
    g.SignalSettings().SetValueFrom(5.0f);
    g.SignalSettings().SetValueTo(5.0f);
    ASSERT_EQ(g.SignalSettings().ValueSpan, 0.0f);
    g.SetValue(6.0f);
    // The last valid span was 5..100: 1000 / 95 per value unit.
    EXPECT_EQ(g.PPT, 11);
}

TEST(AnalogGControlTest, MinimumStaysAtZeroForPositiveValuesUntilReset) {
    Probe g;
    for (float v : {20.0f, 70.0f, 40.0f})
        g.SetValue(v);
    EXPECT_EQ(g.MinMax().Min(), 0.0f);
    EXPECT_EQ(g.MinPPT, 0);
    EXPECT_EQ(g.MinMax().Max(), 70.0f);
    EXPECT_EQ(g.MaxPPT, 700);
    g.Take();

    const TDateTime before = g.MinMax().MinDateTime();
    g.ResetMinMax();
    EXPECT_EQ(g.Take(), (Log{"minmax"}));
    EXPECT_EQ(g.MinMax().Min(), 40.0f);
    EXPECT_EQ(g.MinMax().Max(), 40.0f);
    EXPECT_GE(g.MinMax().MinDateTime(), before);
    EXPECT_EQ(g.MinPPT, 0); // reset leaves the positions
    EXPECT_EQ(g.MaxPPT, 700);
    g.SetValue(30.0f);
    EXPECT_EQ(g.MinPPT, 300);
    EXPECT_EQ(g.Take(), (Log{"minmax", "sector 100 in", "sector 010 out", "value"}));

    const TDateTime when = QDateTime(QDate(2024, 3, 1), QTime(8, 15, 0));
    g.SetMin(-1.0f, when);
    g.SetMax(99.0f, when);
    EXPECT_EQ(g.Take(), (Log{"minmax", "minmax"}));
    EXPECT_EQ(g.MinMax().MinDateTime(), when);
    EXPECT_EQ(g.MinMax().MaxDateTime(), when);
    EXPECT_EQ(g.MinMax().Max(), 99.0f);
}

TEST(AnalogGControlTest, TheAutomaticHintHasValueMinimumMaximumAndTheNames) {
    Probe g;
    g.SetValue(50.0f);
    const TMinMax& m = g.MinMax();
    const QString stamp = [](const TDateTime& t) {
        return ShortDateText(t) + QLatin1Char(' ') + LongTimeText(t);
    }(m.MinDateTime());
    const QStringList lines = g.Hint().split(QChar(13));
    ASSERT_EQ(lines.size(), 5) << g.Hint().toStdString();
    EXPECT_EQ(lines[0], "Value= 50.0 %");
    EXPECT_EQ(lines[1], "MIN= 0.0 % " + stamp);
    EXPECT_EQ(lines[2], "MAX= 50.0 % " + ShortDateText(m.MaxDateTime()) + " " +
                            LongTimeText(m.MaxDateTime()));
    EXPECT_EQ(lines[3], "SignalName1");
    EXPECT_EQ(lines[4], "SignalName2");
    // The tool tip breaks the same lines the Qt way.
    EXPECT_EQ(g.toolTip().split(QLatin1Char('\n')).size(), 5);
}

struct HintCase {
    const char* name;
    THintOptions options;
    const char* hint;
};

TEST(AnalogGControlTest, HintOptionsPickThePartsAndDateAndTimeOnlyApplyToMinAndMax) {
    const std::vector<HintCase> cases = {
        {"value", hoAutoHint | hoValue, "Value= 50.0 %"},
        {"minimum without date", hoAutoHint | hoMin, "MIN= 0.0 %"},
        {"names", hoAutoHint | hoName1 | hoName2, "SignalName1\rSignalName2"},
        {"value and second name", hoAutoHint | hoValue | hoName2, "Value= 50.0 %\rSignalName2"},
        {"date alone", hoAutoHint | hoMinMaxDate | hoMinMaxTime, ""},
    };
    for (const HintCase& k : cases) {
        SCOPED_TRACE(k.name);
        Probe g;
        g.SetHintOptions(k.options);
        g.SetValue(50.0f);
        EXPECT_EQ(g.Hint(), QString::fromUtf8(k.hint));
    }
}

TEST(AnalogGControlTest, SwitchingAutoHintOnRebuildsItAndOffLeavesTheLastText) {
    Probe g;
    g.SetHintOptions(hoValue);
    g.SetValue(50.0f);
    EXPECT_TRUE(g.Hint().isEmpty());
    g.Take();
    g.SetHintOptions(hoValue | hoAutoHint);
    EXPECT_EQ(g.Hint(), "Value= 50.0 %");
    EXPECT_EQ(g.Take(), (Log{"value"}));
    g.SetHintOptions(hoValue | hoAutoHint | hoName1); // already on: nothing runs
    EXPECT_TRUE(g.Take().empty());
    g.SetHintOptions(hoValue);
    g.SetValue(60.0f);
    EXPECT_EQ(g.Hint(), "Value= 50.0 %");
}

struct SectorSetter {
    const char* name;
    std::function<void(TSectorSettings&, int)> set;
    std::function<int(const TSectorSettings&)> get;
    int initial;
};

TEST(SectorSettingsTest, EachSetterNotifiesOnlyForADifferentValue) {
    const std::vector<SectorSetter> cases = {
        {"1 colour", [](auto& s, int v) { s.SetSector1Color(v); },
         [](const auto& s) { return static_cast<int>(s.Sector1Color()); }, 0x00FFFF},
        {"1 from", [](auto& s, int v) { s.SetSector1From(v); },
         [](const auto& s) { return s.Sector1From(); }, 0},
        {"1 to", [](auto& s, int v) { s.SetSector1To(v); },
         [](const auto& s) { return s.Sector1To(); }, 333},
        {"2 colour", [](auto& s, int v) { s.SetSector2Color(v); },
         [](const auto& s) { return static_cast<int>(s.Sector2Color()); }, 0x008000},
        {"2 from", [](auto& s, int v) { s.SetSector2From(v); },
         [](const auto& s) { return s.Sector2From(); }, 334},
        {"2 to", [](auto& s, int v) { s.SetSector2To(v); },
         [](const auto& s) { return s.Sector2To(); }, 666},
        {"3 colour", [](auto& s, int v) { s.SetSector3Color(v); },
         [](const auto& s) { return static_cast<int>(s.Sector3Color()); }, 0x0000FF},
        {"3 from", [](auto& s, int v) { s.SetSector3From(v); },
         [](const auto& s) { return s.Sector3From(); }, 667},
        {"3 to", [](auto& s, int v) { s.SetSector3To(v); },
         [](const auto& s) { return s.Sector3To(); }, 1000},
    };
    for (const SectorSetter& k : cases) {
        SCOPED_TRACE(k.name);
        TSectorSettings s;
        int calls = 0;
        s.OnChange = [&](TObject* sender) {
            EXPECT_EQ(sender, &s);
            ++calls;
        };
        EXPECT_EQ(k.get(s), k.initial);
        k.set(s, k.initial);
        EXPECT_EQ(calls, 0);
        k.set(s, 500);
        EXPECT_EQ(k.get(s), 500);
        EXPECT_EQ(calls, 1);
    }
}

TEST(MinMaxTest, SettingAValueStampsItWhileTheTimesCanBeWrittenDirectly) {
    TMinMax m;
    const TDateTime old = QDateTime(QDate(2020, 1, 2), QTime(3, 4, 5));
    m.SetMaxDateTime(old);
    m.SetMinDateTime(old);
    m.SetMax(7.5f);
    EXPECT_EQ(m.Max(), 7.5f);
    EXPECT_GT(m.MaxDateTime(), old);
    EXPECT_EQ(m.MinDateTime(), old);
    m.SetMin(-2.0f);
    EXPECT_EQ(m.Min(), -2.0f);
    EXPECT_GT(m.MinDateTime(), old);
}

} // namespace
} // namespace zk::gauges
