#include "table_fixture.h"

#include "zktools/model/data_process.h"
#include "zktools/model/model_error.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>
#include <locale>
#include <string>

namespace {

TEST(ParseNumber, AcceptsWhatAUserTypes) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    struct Case {
        std::string text;
        double value;
    };
    const Case cases[] = {
        {"0", 0.0},
        {"12", 12.0},
        {"-3.5", -3.5},
        {"+2", 2.0},
        {".5", 0.5},
        {"5.", 5.0},
        {" 12 ", 12.0},
        {"\t1.5\r\n", 1.5},
        {"1e3", 1000.0},
        {"1E-2", 0.01},
        {"-2.5e+1", -25.0},
        {"290.00", 290.0},
        {"007", 7.0},
        {"1e400", inf},
        {"-1e400", -inf},
        {"1e-400", 0.0},
        {"-1e-400", -0.0},
        {"0e999999", 0.0},
        {"1" + std::string(400, '0'), inf},
        {"0." + std::string(400, '0') + "1", 0.0},
        {"0.0001e99999999999999999999", inf},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DataProcess::ParseNumber(c.text), c.value) << "'" << c.text << "'";
    }
    EXPECT_TRUE(std::signbit(DataProcess::ParseNumber("-0")));
}

TEST(ParseNumber, RejectsEverythingElseNamingTheText) {
    for (const char* text : {"",     " ",     "abc",   "inf", "-inf", "nan", "NAN",  "infinity",
                             "1,5",  "1.2.3", "--1",   "+-1", "-+1",  "1e",  "e5",   "1e+",
                             "0x10", "1 2",   "12abc", ".",   "-",    "+",   " - 1", "1.5 V"}) {
        try {
            DataProcess::ParseNumber(text);
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const ConversionError& e) {
            EXPECT_EQ(std::string(e.what()),
                      "'" + std::string(text) + "' is not a valid floating point value");
        }
    }
    EXPECT_THROW(DataProcess::ParseNumber("x"), ModelError);
    EXPECT_THROW(DataProcess::ParseNumber("x"), std::runtime_error);
}

TEST(ToSingle, RoundsAndOverflowsToInfinity) {
    constexpr float inf = std::numeric_limits<float>::infinity();
    constexpr float max = std::numeric_limits<float>::max();
    EXPECT_EQ(DataProcess::ToSingle(0.1), 0.1f);
    EXPECT_EQ(DataProcess::ToSingle(max), max);
    EXPECT_EQ(DataProcess::ToSingle(0x1.fffffefffffffp127), max);
    EXPECT_EQ(DataProcess::ToSingle(0x1.ffffffp127), inf);
    EXPECT_EQ(DataProcess::ToSingle(1e300), inf);
    EXPECT_EQ(DataProcess::ToSingle(-1e300), -inf);
    EXPECT_TRUE(std::isnan(DataProcess::ToSingle(std::nan(""))));
}

std::string Printf(double x, int decimals) {
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, x);
    return buffer;
}

// The C library's printf in the C locale is the reference for the display format,
// exact halves (rounded to even) included.
TEST(FormatFixed, MatchesPrintfInTheCLocale) {
    ASSERT_NE(std::setlocale(LC_NUMERIC, "C"), nullptr);
    for (double x : {0.5, 1.5, 2.5, -2.5, 0.125, 0.375, -0.125, 0.005, 0.015, 1e-7, -1e-7, 0.0,
                     -0.0, 223.5, 670.5, 1e10, 123456789.125, 9.99999}) {
        for (int decimals = 0; decimals <= 3; ++decimals) {
            EXPECT_EQ(DataProcess::FormatFixed(x, decimals), Printf(x, decimals))
                << x << " " << decimals;
        }
    }
    // Single-precision products of the kind the display conversions print.
    for (double factor : {3.036 / 256, 0.14171122994652408 / 256, 0.14171122994652408 / 16,
                          6.18 / 255, 3.036, 10.6 / 74.8, 4.47}) {
        for (int32_t raw = -30000; raw <= 30000; raw += 7) {
            const double shown = DataProcess::ToSingle(raw * factor);
            for (int decimals = 0; decimals <= 2; ++decimals) {
                ASSERT_EQ(DataProcess::FormatFixed(shown, decimals), Printf(shown, decimals))
                    << shown << " " << decimals;
            }
        }
    }
}

struct CommaPoint : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
};

// The user's locale must change neither what is shown nor what is read.
class LocaleTest : public TableTest {
protected:
    void TearDown() override {
        std::locale::global(saved_);
        std::setlocale(LC_ALL, savedC_.c_str());
        TableTest::TearDown();
    }
    void Check() {
        EXPECT_EQ(DataProcess::FormatValue(14, 1, 255), "6.18");
        EXPECT_EQ(DataProcess::FormatValue(11, 0, -19149), "-10.60");
        EXPECT_EQ(DataProcess::ParseNumber("6.18"), 6.18);
        EXPECT_THROW(DataProcess::ParseNumber("6,18"), ConversionError);
        ASSERT_TRUE(DataProcess::SetValueFromText("Command", 1, "290.00"));
        int32_t v = 0;
        ASSERT_TRUE(SymTable.GetValue("Command", v));
        EXPECT_EQ(v, 24453);
        EXPECT_EQ(SymbolTable::NearestKey("Kip", 10.0f), 8);
    }

    std::locale saved_;
    std::string savedC_ = std::setlocale(LC_ALL, nullptr);
};

TEST_F(LocaleTest, CommaInTheProgramLocale) {
    std::locale::global(std::locale(std::locale::classic(), new CommaPoint));
    Check();
}

TEST_F(LocaleTest, CommaInTheCLibraryLocale) {
    const char* found = nullptr;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8", "de_DE"}) {
        if ((found = std::setlocale(LC_ALL, name)) != nullptr) {
            break;
        }
    }
    if (found == nullptr || std::localeconv()->decimal_point[0] != ',') {
        GTEST_SKIP() << "no installed locale writes a decimal comma";
    }
    Check();
}

} // namespace
