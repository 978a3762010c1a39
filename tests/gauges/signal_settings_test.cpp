// Signal settings: setters notify once per real change, the zero ends, the
// derived spans and factors (kept when a span is invalid), per-mille positions,
// the wider display format, and the channel's digit/value mapping.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "zktools/gauges/qx_signal_settings.h"

namespace zk::gauges {
namespace {

// Counts OnChange calls and checks that the sender is the settings object.
struct ChangeCounter {
    explicit ChangeCounter(TSignalSettings& s) : settings(s) {
        settings.OnChange = [this](TObject* sender) {
            ++count;
            EXPECT_EQ(sender, &settings);
        };
    }
    TSignalSettings& settings;
    int count = 0;
};

TEST(SignalSettingsTest, ConstructionDerivesTheFactorsOfTheInitialRanges) {
    TSignalSettings s;
    EXPECT_EQ(s.DigitalFrom(), 0);
    EXPECT_EQ(s.DigitalTo(), 1000);
    EXPECT_EQ(s.Name1(), "SignalName1");
    EXPECT_EQ(s.Name2(), "SignalName2");
    EXPECT_EQ(s.ValueFormat(), "##0.0");
    EXPECT_EQ(s.ValueFrom(), 0.0f); // exactly 0, not 0.0001
    EXPECT_EQ(s.ValueTo(), 100.0f);
    EXPECT_EQ(s.ValueUnit(), "%");
    EXPECT_EQ(s.ValueSpan, 100.0f);
    EXPECT_EQ(s.DigitSpan, 1000);
    EXPECT_EQ(s.ValuePerDigit, 0.1f);
    EXPECT_EQ(s.DigitsPerValue, 10.0f);
    EXPECT_EQ(s.PPTFactor, 10.0f);
    EXPECT_EQ(s.MaxValueFormat, "##0.0");
}

struct SetterCase {
    const char* name;
    std::function<void(TSignalSettings&)> setNew;     // a value that differs
    std::function<void(TSignalSettings&)> setCurrent; // the value it then holds
    std::function<bool(const TSignalSettings&)> stored;
};

TEST(SignalSettingsTest, EverySetterNotifiesOncePerRealChangeAndNotForAnEqualValue) {
    const std::vector<SetterCase> cases = {
        {"DigitalFrom", [](auto& s) { s.SetDigitalFrom(-5); },
         [](auto& s) { s.SetDigitalFrom(-5); },
         [](auto& s) {
             return s.DigitalFrom() == -5;
         }},
        {"DigitalTo", [](auto& s) { s.SetDigitalTo(4095); }, [](auto& s) { s.SetDigitalTo(4095); },
         [](auto& s) {
             return s.DigitalTo() == 4095;
         }},
        {"Name1", [](auto& s) { s.SetName1("Speed"); }, [](auto& s) { s.SetName1("Speed"); },
         [](auto& s) {
             return s.Name1() == "Speed";
         }},
        {"Name2", [](auto& s) { s.SetName2("Motor"); }, [](auto& s) { s.SetName2("Motor"); },
         [](auto& s) {
             return s.Name2() == "Motor";
         }},
        {"ValueFormat", [](auto& s) { s.SetValueFormat("0.00"); },
         [](auto& s) { s.SetValueFormat("0.00"); },
         [](auto& s) {
             return s.ValueFormat() == "0.00";
         }},
        {"ValueUnit", [](auto& s) { s.SetValueUnit("rpm"); },
         [](auto& s) { s.SetValueUnit("rpm"); },
         [](auto& s) {
             return s.ValueUnit() == "rpm";
         }},
        {"ValueFrom", [](auto& s) { s.SetValueFrom(-20.5f); },
         [](auto& s) { s.SetValueFrom(-20.5f); },
         [](auto& s) {
             return s.ValueFrom() == -20.5f;
         }},
        {"ValueTo", [](auto& s) { s.SetValueTo(250.0f); }, [](auto& s) { s.SetValueTo(250.0f); },
         [](auto& s) {
             return s.ValueTo() == 250.0f;
         }},
        // Texts compare with regard to case.
        {"Name1 case", [](auto& s) { s.SetName1("SIGNALNAME1"); },
         [](auto& s) { s.SetName1("SIGNALNAME1"); },
         [](auto& s) {
             return s.Name1() == "SIGNALNAME1";
         }},
    };
    for (const SetterCase& c : cases) {
        SCOPED_TRACE(c.name);
        TSignalSettings s;
        ChangeCounter changes(s);
        c.setNew(s);
        EXPECT_TRUE(c.stored(s));
        EXPECT_EQ(changes.count, 1);
        c.setCurrent(s);
        EXPECT_EQ(changes.count, 1);
    }
}

TEST(SignalSettingsTest, ZeroValueEndsAreStoredAsOneTenThousandth) {
    struct Case {
        float from, to;
        float storedFrom, storedTo, span;
    };
    const Case cases[] = {
        {0.0f, 100.0f, 0.0f, 100.0f, 100.0f}, // 0 equals the initial 0.0: nothing
        {-100.0f, 0.0f, -100.0f, 0.0001f, 100.0001f},
        {0.0f, 50.0f, 0.0f, 50.0f, 50.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from << ".." << c.to);
        TSignalSettings s;
        s.SetValueFrom(c.from);
        s.SetValueTo(c.to);
        EXPECT_EQ(s.ValueFrom(), c.storedFrom);
        EXPECT_EQ(s.ValueTo(), c.storedTo);
        EXPECT_FLOAT_EQ(s.ValueSpan, c.span);
    }

    TSignalSettings s;
    s.SetValueFrom(5.0f);
    ChangeCounter changes(s);
    s.SetValueFrom(0.0f);
    EXPECT_EQ(s.ValueFrom(), 0.0001f);
    EXPECT_EQ(changes.count, 1);
    s.SetValueFrom(0.0f); // 0 differs from the stored 0.0001: stored and reported again
    EXPECT_EQ(s.ValueFrom(), 0.0001f);
    EXPECT_EQ(changes.count, 2);
    s.SetValueFrom(0.0001f); // the stored value itself: nothing
    EXPECT_EQ(changes.count, 2);
    s.SetValueTo(0.0f);
    EXPECT_EQ(s.ValueTo(), 0.0001f);
    EXPECT_EQ(changes.count, 3);
}

TEST(SignalSettingsTest, NonFiniteValueEndsAreIgnored) {
    TSignalSettings s;
    ChangeCounter changes(s);
    for (float bad :
         {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
          -std::numeric_limits<float>::infinity()}) {
        s.SetValueFrom(bad);
        s.SetValueTo(bad);
    }
    EXPECT_EQ(s.ValueFrom(), 0.0f);
    EXPECT_EQ(s.ValueTo(), 100.0f);
    EXPECT_EQ(changes.count, 0);
    EXPECT_EQ(s.GetPPT(50.0f), 500);
}

// Each step sets one end; the derived fields are checked after the last step.
struct SpanCase {
    const char* name;
    std::vector<std::function<void(TSignalSettings&)>> steps;
    float valueSpan;
    int digitSpan;
    float valuePerDigit;
    float digitsPerValue;
    float pptFactor;
};

TEST(SignalSettingsTest, ChangeDerivesSpansByTheSignsOfTheEndsAndKeepsFactorsOfInvalidSpans) {
    const std::vector<SpanCase> cases = {
        {"negative range",
         {[](auto& s) { s.SetValueFrom(-50.0f); },
          [](auto& s) {
              s.SetValueTo(-10.0f);
          }},
         40.0f,
         1000,
         0.04f,
         25.0f,
         25.0f},
        {"across zero",
         {[](auto& s) {
             s.SetValueFrom(-100.0f);
         }},
         200.0f,
         1000,
         0.2f,
         5.0f,
         5.0f},
        // 50..100 first (factors 20), then the reversed 50..20: the span goes
        // negative, only ValuePerDigit follows it.
        {"reversed",
         {[](auto& s) { s.SetValueFrom(50.0f); },
          [](auto& s) {
              s.SetValueTo(20.0f);
          }},
         -30.0f,
         1000,
         -0.03f,
         20.0f,
         20.0f},
        // 10..100 (span 90), then 10..-10: no case applies, the span stays 90.
        {"from positive to negative",
         {[](auto& s) { s.SetValueFrom(10.0f); },
          [](auto& s) {
              s.SetValueTo(-10.0f);
          }},
         90.0f,
         1000,
         0.09f,
         1000.0f / 90.0f,
         1000.0f / 90.0f},
        // 0..0 keeps the old digit span; 5..5 gives 0 and keeps ValuePerDigit.
        {"digits 0..0",
         {[](auto& s) {
             s.SetDigitalTo(0);
         }},
         100.0f,
         1000,
         0.1f,
         10.0f,
         10.0f},
        {"digits 5..5",
         {[](auto& s) { s.SetDigitalFrom(5); },
          [](auto& s) {
              s.SetDigitalTo(5);
          }},
         100.0f,
         0,
         100.0f / 995.0f,
         0.0f,
         10.0f},
        {"digits -100..-20",
         {[](auto& s) { s.SetDigitalFrom(-100); },
          [](auto& s) {
              s.SetDigitalTo(-20);
          }},
         100.0f,
         80,
         1.25f,
         0.8f,
         10.0f},
        {"digits reversed",
         {[](auto& s) { s.SetDigitalFrom(400); },
          [](auto& s) {
              s.SetDigitalTo(100);
          }},
         100.0f,
         -300,
         100.0f / 600.0f,
         -3.0f,
         10.0f},
        // Digit spans beyond int are not representable: the old one stays.
        {"digits over the whole int range",
         {[](auto& s) { s.SetDigitalFrom(INT_MIN); },
          [](auto& s) {
              s.SetDigitalTo(INT_MAX);
          }},
         100.0f,
         1000,
         0.1f,
         10.0f,
         10.0f},
    };
    for (const SpanCase& c : cases) {
        SCOPED_TRACE(c.name);
        TSignalSettings s;
        for (const auto& step : c.steps)
            step(s);
        EXPECT_FLOAT_EQ(s.ValueSpan, c.valueSpan);
        EXPECT_EQ(s.DigitSpan, c.digitSpan);
        EXPECT_FLOAT_EQ(s.ValuePerDigit, c.valuePerDigit);
        EXPECT_FLOAT_EQ(s.DigitsPerValue, c.digitsPerValue);
        EXPECT_FLOAT_EQ(s.PPTFactor, c.pptFactor);
    }
}

TEST(SignalSettingsTest, FactorsThatSingleCannotHoldKeepTheirLastValues) {
    TSignalSettings s;
    s.SetValueTo(2e-39f); // denormal span: 1000 / span is beyond single
    s.SetValueFrom(1e-39f);
    EXPECT_GT(s.ValueSpan, 0.0f);
    EXPECT_TRUE(std::isfinite(s.PPTFactor));
    EXPECT_TRUE(std::isfinite(s.DigitsPerValue));
    // Ends of opposite sign whose span is beyond single.
    TSignalSettings wide;
    wide.SetValueFrom(-3e38f);
    wide.SetValueTo(3e38f);
    EXPECT_EQ(wide.ValueSpan, 3e38f); // still the span of -3e38..100
    EXPECT_TRUE(std::isfinite(wide.ValuePerDigit));
    // A position beyond int is limited, not undefined.
    TSignalSettings narrow;
    narrow.SetValueTo(0.001f);
    EXPECT_EQ(narrow.GetPPT(std::numeric_limits<float>::max()), INT_MAX);
    EXPECT_EQ(narrow.GetPPT(-std::numeric_limits<float>::max()), INT_MIN);
}

TEST(SignalSettingsTest, MaxValueFormatFollowsOnlyWhileTheValueSpanIsPositive) {
    TSignalSettings s;
    s.SetValueFormat("0.000;0");
    EXPECT_EQ(s.MaxValueFormat, "0.000");
    s.SetValueFrom(150.0f); // reversed: factors and format are kept
    s.SetValueFormat("##0.0;-##0.0");
    EXPECT_EQ(s.MaxValueFormat, "0.000");
    s.SetValueTo(300.0f);
    EXPECT_EQ(s.MaxValueFormat, "-##0.0");
}

TEST(SignalSettingsTest, GetPPTRoundsHalvesToEvenAndIsNotLimited) {
    struct Case {
        float from, to, value;
        int ppt;
    };
    const Case cases[] = {
        {0.0f, 2000.0f, 1.0f, 0},   // 0.5
        {0.0f, 2000.0f, 3.0f, 2},   // 1.5
        {0.0f, 2000.0f, 5.0f, 2},   // 2.5
        {0.0f, 2000.0f, -1.0f, 0},  // -0.5
        {0.0f, 2000.0f, -3.0f, -2}, // -1.5
        {0.0f, 2000.0f, 2000.0f, 1000}, {0.0f, 2000.0f, 2600.0f, 1300}, {0.0f, 100.0f, 12.34f, 123},
        {0.0f, 100.0f, 100.05f, 1001}, // 1000.5 in single is a little above
        {-50.0f, 50.0f, 0.0f, 500},     {-50.0f, 50.0f, -60.0f, -100},  {20.0f, 30.0f, 25.0f, 500},
        {20.0f, 30.0f, 20.0005f, 0}, // 0.05
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from << ".." << c.to << " at " << c.value);
        TSignalSettings s;
        s.SetValueTo(c.to);
        s.SetValueFrom(c.from);
        EXPECT_EQ(s.GetPPT(c.value), c.ppt);
    }
}

TEST(SignalSettingsTest, QxGetValueFormatReturnsTheWiderPart) {
    struct Case {
        const char* format;
        const char* wider;
    };
    const Case cases[] = {
        {"##0.0", "##0.0"}, {"##0.0;-##0.0", "-##0.0"}, {"0.000;0", "0.000"}, {";", ""}, {"", ""},
        {"0;0", "0"},       {"0.0;0.00;0", "0.00;0"}, // the rest after the first ";" is one text
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.format);
        EXPECT_EQ(TSignalSettings::QxGetValueFormat(c.format), c.wider);
    }
}

TEST(ChSettingsTest, SetDigitMapsToTheValueAndReportsOnlyRealChanges) {
    TChSettings ch;
    EXPECT_TRUE(ch.Visible());
    EXPECT_EQ(ch.Value(), 0.0f);
    EXPECT_EQ(ch.Color(), clBlack);
    ch.SetDigitalFrom(100);
    ch.SetDigitalTo(1100);
    ch.SetValueFrom(-10.0f);
    ch.SetValueTo(10.0f);
    int valueChanges = 0;
    ch.OnValueChange = [&](TObject* sender) {
        ++valueChanges;
        EXPECT_EQ(sender, &ch);
    };
    struct Case {
        int digit;
        float value;
        int absDigit;
    };
    const Case cases[] = {{600, 0.0f, 500},
                          {100, -10.0f, 0},
                          {1100, 10.0f, 1000},
                          {1350, 15.0f, 1250},
                          {0, -12.0f, -100}};
    int expectedChanges = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.digit);
        ch.SetDigit(c.digit);
        ++expectedChanges;
        EXPECT_EQ(ch.Digit(), c.digit);
        EXPECT_NEAR(ch.Value(), c.value, 1e-5);
        EXPECT_EQ(ch.AbsDigit, c.absDigit);
        EXPECT_EQ(valueChanges, expectedChanges);
        ch.SetDigit(c.digit);
        EXPECT_EQ(valueChanges, expectedChanges);
    }
    EXPECT_NEAR(ch.AbsDigitToValue(250), -5.0f, 1e-5);
}

TEST(ChSettingsTest, SetValueStoresOutOfRangeValuesAndTheirDigitsAndAlwaysReports) {
    TChSettings ch; // digits 0..1000, values 0..100
    int valueChanges = 0;
    ch.OnValueChange = [&](TObject*) {
        ++valueChanges;
    };
    struct Case {
        float value;
        int digit;
    };
    const Case cases[] = {
        {12.34f, 123}, {150.0f, 1500}, {-7.0f, -70}, {0.25f, 2} /* 2.5 */, {0.75f, 8} /* 7.5 */};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        ch.SetValue(c.value);
        EXPECT_EQ(ch.Value(), c.value);
        EXPECT_EQ(ch.Digit(), c.digit);
        EXPECT_EQ(ch.AbsDigit, c.digit);
    }
    ch.SetValue(150.0f); // the same value once more still reports
    EXPECT_EQ(valueChanges, 6);
    ch.SetValue(std::numeric_limits<float>::quiet_NaN());
    EXPECT_EQ(ch.Value(), 150.0f);
    EXPECT_EQ(valueChanges, 6);
}

TEST(ChSettingsTest, ColourAndVisibilityNotifyOnEveryAssignmentButNotOnDestruction) {
    int changes = 0;
    {
        TChSettings ch;
        ch.OnChange = [&](TObject*) {
            ++changes;
        };
        ch.SetColor(clRed);
        ch.SetColor(clRed);
        ch.SetVisible(true);
        EXPECT_EQ(ch.Color(), clRed);
        EXPECT_EQ(changes, 3);
    }
    EXPECT_EQ(changes, 3);
}

} // namespace
} // namespace zk::gauges
