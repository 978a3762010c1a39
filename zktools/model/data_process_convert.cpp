#include "zktools/model/data_process.h"
#include "zktools/model/symbol_table.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace {

// 10.6 / 74.8 as the conversions of types 11 (current) and 13 multiply by it.
constexpr double CurrentFactor = 0.14171122994652408;

constexpr double Int32Min = std::numeric_limits<int32_t>::min();
constexpr double Int32Max = std::numeric_limits<int32_t>::max();

std::string IntegerText(long long value) {
    char buffer[24];
    const auto [ptr, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, ec == std::errc() ? ptr : buffer);
}

// The product is held in single precision before it is printed, as the drive tools always
// showed it.
std::string Shown(double product, int decimals) {
    return DataProcess::FormatFixed(DataProcess::ToSingle(product), decimals);
}

// Nearest integer with halves upward, kept as a double so that a caller can see a result
// beyond 32 bits. The difference is taken in double: in float it could round a value just
// below a half up to the half.
double RoundWide(float x) {
    const double v = x;
    const double c = std::ceil(v);
    return (c - v > 0.5) ? std::floor(v) : c;
}

int32_t Saturate(double wide) {
    if (std::isnan(wide)) {
        return 0;
    }
    if (wide <= Int32Min) {
        return std::numeric_limits<int32_t>::min();
    }
    if (wide >= Int32Max) {
        return std::numeric_limits<int32_t>::max();
    }
    return static_cast<int32_t>(wide);
}

// Display to raw before the conversion to 32 bits: an integral double, an infinity or NaN.
double ScaleWide(int32_t type, bool voltage, float display) {
    const double x = display;
    double product = 0.0;
    switch (type) {
    case 11:
        product = voltage ? x * 256 / 3.036 : x * 74.8 * 256 / 10.6;
        break;
    case 12:
        product = x * 2047 / 180;
        break;
    case 13:
        product = x * 16 * 74.8 / 10.6;
        break;
    case 14:
        product = x * 255 / 6.18;
        break;
    case 15:
        product = voltage ? x / 3.036 : x * 74.8 / 10.6;
        break;
    case 16:
        product = x / 4.47;
        break;
    case 17:
        return std::fabs(std::trunc(x));
    default:
        return RoundWide(display);
    }
    return RoundWide(DataProcess::ToSingle(product));
}

} // namespace

std::string DataProcess::FormatValue(int32_t type, int32_t ivMode, int32_t raw) {
    const bool voltage = ivMode == 1;
    const double r = raw;
    switch (type) {
    case 11:
        return voltage ? Shown(r * 3.036 / 256, 2) : Shown(r * CurrentFactor / 256, 2);
    case 12:
        // In 64 bits any raw value is safe; the quotient truncates toward zero, so -1 gives 0.
        return IntegerText(static_cast<long long>(raw) * 180 / 2047);
    case 13:
        return Shown(r * CurrentFactor / 16, 1);
    case 14:
        return Shown(r * 6.18 / 255, 2);
    case 15:
        return voltage ? Shown(r * 3.036, 0) : Shown(r * 10.6 / 74.8, 2);
    case 16:
        return Shown(r * 4.47, 0);
    default:
        return IntegerText(raw);
    }
}

int32_t DataProcess::ScaleToRaw(int32_t type, int32_t ivMode, float display) {
    return Saturate(ScaleWide(type, ivMode == 1, display));
}

int32_t DataProcess::RoundToInt(float x) {
    return Saturate(RoundWide(x));
}

int32_t DataProcess::Magnitude(int32_t x) {
    if (x == std::numeric_limits<int32_t>::min()) {
        return std::numeric_limits<int32_t>::max();
    }
    return x < 0 ? -x : x;
}

int32_t DataProcess::ParseAndCheck(std::string_view name, int32_t ivMode, float display,
                                   int32_t& raw) {
    const std::optional<Limits> limits = LimitsOf(name, ivMode);
    if (!limits) {
        return 2;
    }
    const double wide = ScaleWide(limits->Type, ivMode == 1, display);
    // Written so that NaN fails too; the limits lie inside 32 bits.
    if (!(wide >= limits->Min && wide <= limits->Max)) {
        return 3;
    }
    raw = static_cast<int32_t>(wide);
    return 1;
}

bool DataProcess::SetValueFromText(std::string_view name, int32_t ivMode, std::string_view text) {
    const int32_t type = SymTable.GetType(name);
    if (type == 0 || type == 1) {
        const int32_t key = SymbolTable::GetKeyByToken(name, text);
        if (key == -1) {
            return false;
        }
        return SymTable.SetValue(name, key);
    }
    // The text is read first: a non-number raises even for an unknown name.
    const double number = ParseNumber(text);
    if (type == 1000) {
        return false;
    }
    const double wide = ScaleWide(type, ivMode == 1, ToSingle(number));
    if (!(wide >= Int32Min && wide <= Int32Max)) {
        return false;
    }
    return SymTable.SetValue(name, static_cast<int32_t>(wide));
}
