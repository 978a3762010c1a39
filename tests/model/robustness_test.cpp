#include "zktools/model/data_process.h"
#include "zktools/model/symbol_table.h"

#include <gtest/gtest.h>

#include <bit>
#include <climits>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

namespace {

// Raw values across the whole 32-bit range: both ends densely, the rest in strides.
std::vector<int32_t> RawSamples() {
    std::vector<int32_t> raws;
    for (int64_t v = INT32_MIN; v <= INT32_MAX; v += 65521) {
        raws.push_back(static_cast<int32_t>(v));
    }
    for (int32_t d = 0; d < 2048; ++d) {
        raws.insert(raws.end(), {INT32_MIN + d, INT32_MAX - d, d, -d});
    }
    return raws;
}

// Floats of every kind: all exponents, both signs, NaNs, infinities, subnormals.
std::vector<float> FloatSamples() {
    std::vector<float> floats;
    for (uint64_t bits = 0; bits <= UINT32_MAX; bits += 65519) {
        floats.push_back(std::bit_cast<float>(static_cast<uint32_t>(bits)));
    }
    constexpr float big = 2147483648.0f;
    for (float f :
         {0.0f, -0.0f, 0.5f, -0.5f, big, -big, std::nextafter(big, 0.0f),
          std::nextafter(-big, 0.0f), std::nextafter(big, 1e30f), std::nextafter(-big, -1e30f),
          std::numeric_limits<float>::max(), std::numeric_limits<float>::lowest(),
          std::numeric_limits<float>::min(), std::numeric_limits<float>::denorm_min(),
          std::numeric_limits<float>::infinity(), -std::numeric_limits<float>::infinity(),
          std::numeric_limits<float>::quiet_NaN(), -std::nanf("")}) {
        floats.push_back(f);
    }
    return floats;
}

TEST(Robustness, FormatValueOfAnyRawValueFitsAndReadsBack) {
    const std::vector<int32_t> raws = RawSamples();
    for (int32_t type : {11, 12, 13, 14, 15, 16, 17, 0, 1, 1000}) {
        for (int32_t iv : {0, 1}) {
            for (int32_t raw : raws) {
                const std::string text = DataProcess::FormatValue(type, iv, raw);
                ASSERT_LE(text.size(), 13u) << type << " " << raw << " " << text;
                ASSERT_NO_THROW(DataProcess::ParseNumber(text)) << text;
            }
        }
    }
}

TEST(Robustness, ConversionsOfAnyFloatStayDefined) {
    const std::vector<float> floats = FloatSamples();
    const char* names[] = {"Command", "CommOff",  "IdCmd",  "IrComp", "PWMPlus",
                           "HVF",     "LogicVer", "IVMode", "Model"};
    for (float x : floats) {
        const int32_t rounded = DataProcess::RoundToInt(x);
        if (std::isfinite(x) && std::fabs(x) < 1e9f) {
            ASSERT_LE(std::fabs(static_cast<double>(rounded) - x), 0.5) << x;
        }
        for (int32_t type : {11, 12, 13, 14, 15, 16, 17, 0, 1000}) {
            for (int32_t iv : {0, 1}) {
                (void)DataProcess::ScaleToRaw(type, iv, x);
            }
        }
        for (const char* name : names) {
            for (int32_t iv : {0, 1}) {
                int32_t raw = 0;
                const int32_t r = DataProcess::ParseAndCheck(name, iv, x, raw);
                ASSERT_TRUE(r == 1 || r == 3) << name << " " << x;
                if (!std::isfinite(x)) {
                    ASSERT_EQ(r, 3) << name << " " << x;
                }
            }
        }
        ASSERT_GE(SymbolTable::NearestKey("Kip", x), 0);
        ASSERT_GE(SymbolTable::FloorKey("ILmtPlus", x), 0);
    }
}

TEST(Robustness, PackingOfAnyValueStaysDefined) {
    const std::vector<int32_t> raws = RawSamples();
    for (int32_t v : raws) {
        for (int32_t width = -1; width <= 9; ++width) {
            (void)DataProcess::CombineBytes(v, v, width);
            (void)DataProcess::HighByte(v, width);
            const int32_t low = DataProcess::LowByte(v, width);
            ASSERT_GE(low, 0);
            ASSERT_LE(low, 255);
            for (int32_t msb = -1; msb <= 32; msb += 3) {
                (void)DataProcess::ExtractBits(v, msb, width);
                (void)DataProcess::InsertBits(v, v, msb, width);
            }
        }
        ASSERT_GE(DataProcess::Magnitude(v), 0);
    }
}

} // namespace
