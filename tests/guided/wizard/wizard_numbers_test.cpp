// Numbers as the wizard pages write them back: cut toward zero, never rounded up,
// and shown in the shortest plain decimal form.
#include <gtest/gtest.h>

#include <QString>

#include <limits>
#include <string>

#include "zktools/guided/wizard_numbers.h"
#include "zktools/model/model_error.h"

namespace {

TEST(WizardNumbers, CutTowardZeroAndWrittenPlain) {
    struct Case {
        double x;
        int decimals;
        std::string text;
    };
    const Case cases[] = {
        {2.0009, 3, "2"},
        {-2.0009, 3, "-2"},
        {1.24049, 3, "1.24"},
        {3333.33333333, 3, "3333.333"},
        {37.02, 3, "37.02"}, // 37.02 x 1000 lies a hair below 37020
        {8.854, 4, "8.854"}, // and 8.854 x 10000 below 88540
        {-8.854, 4, "-8.854"},
        {0.99999, 4, "0.9999"},
        {2.9999999995, 3, "2.999"}, // a typed value just below a step is cut, not rounded up
        {-7.99999999999, 3, "-7.999"},
        {-0.00004, 4, "0"}, // no "-0"
        {123456789012.5, 3, "123456789012.5"},
        {1e20, 3, "100000000000000000000"},
        {0.0001, 4, "0.0001"},
        {-1.5e305, 4, "-15" + std::string(304, '0')}, // no "-INF" from the cut
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.x);
        EXPECT_EQ(wizard::GeneralText(wizard::CutDecimals(c.x, c.decimals)).toStdString(), c.text);
    }
}

TEST(WizardNumbers, GeneralTextKeepsFifteenDigitsWithoutExponent) {
    struct Case {
        double x;
        const char* text;
    };
    const Case cases[] = {
        {9666.7000000000007, "9666.7"},
        {1.0 / 3.0, "0.333333333333333"},
        {1.5e-7, "0.00000015"},
        {-2.5e16, "-25000000000000000"},
        {std::numeric_limits<double>::infinity(), "INF"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.x);
        EXPECT_EQ(wizard::GeneralText(c.x).toStdString(), c.text);
    }
}

TEST(WizardNumbers, ReadsWithADotAndRefusesTheRest) {
    EXPECT_DOUBLE_EQ(wizard::ReadNumber(QStringLiteral(" -12.5 ")), -12.5);
    EXPECT_DOUBLE_EQ(wizard::ReadNumber(QStringLiteral("1e3")), 1000.0);
    for (const char* text : {"abc", "-", "1,5", "12a", "inf", "nan", "1e400", ""}) {
        SCOPED_TRACE(text);
        EXPECT_THROW(wizard::ReadNumber(QString::fromLatin1(text)), ConversionError);
    }
    EXPECT_TRUE(wizard::IsBlank(QString()));
    EXPECT_TRUE(wizard::IsBlank(QStringLiteral("-")));
    EXPECT_FALSE(wizard::IsBlank(QStringLiteral("-1")));
}

} // namespace
