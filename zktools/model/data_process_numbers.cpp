#include "zktools/model/data_process.h"
#include "zktools/model/model_error.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

// White space of the C locale: a line read from a file may still end in CR.
bool IsBlank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// from_chars refused a well-formed number as beyond the double range: tell overflow from
// underflow by the decimal exponent of its first significant digit.
double BeyondRange(const char* first, const char* last) {
    bool seenPoint = false;
    bool found = false;
    long long intDigits = 0;
    long long fracZeros = 0;
    const char* p = first;
    for (; p != last && (IsDigit(*p) || *p == '.'); ++p) {
        if (*p == '.') {
            seenPoint = true;
        } else if (!found && *p == '0') {
            fracZeros += seenPoint ? 1 : 0;
        } else {
            found = true;
            intDigits += seenPoint ? 0 : 1;
        }
    }
    // Power of ten of the first significant digit.
    const long long leading = intDigits > 0 ? intDigits - 1 : -(fracZeros + 1);
    long long exponent = 0;
    if (p != last && (*p == 'e' || *p == 'E')) {
        ++p;
        const bool negative = p != last && *p == '-';
        if (p != last && (*p == '-' || *p == '+')) {
            ++p;
        }
        for (; p != last && IsDigit(*p); ++p) {
            exponent = std::min<long long>(exponent * 10 + (*p - '0'), 1'000'000'000);
        }
        exponent = negative ? -exponent : exponent;
    }
    return leading + exponent >= 0 ? std::numeric_limits<double>::infinity() : 0.0;
}

} // namespace

double DataProcess::ParseNumber(std::string_view text) {
    std::string_view s = text;
    while (!s.empty() && IsBlank(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && IsBlank(s.back())) {
        s.remove_suffix(1);
    }
    const char* first = s.data();
    const char* last = s.data() + s.size();
    bool negative = false;
    if (first != last && (*first == '+' || *first == '-')) {
        negative = *first == '-';
        ++first;
    }
    // from_chars alone would take "inf", "nan" and a second sign.
    if (first == last || !(IsDigit(*first) || *first == '.')) {
        throw ConversionError(text);
    }
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (ptr != last || (ec != std::errc() && ec != std::errc::result_out_of_range)) {
        throw ConversionError(text);
    }
    if (ec == std::errc::result_out_of_range) {
        value = BeyondRange(first, last);
    }
    return negative ? -value : value;
}

float DataProcess::ToSingle(double x) noexcept {
    // Halfway between the largest float and 2^128 already rounds to infinity.
    constexpr double overflow = 0x1.ffffffp127;
    if (x >= overflow) {
        return std::numeric_limits<float>::infinity();
    }
    if (x <= -overflow) {
        return -std::numeric_limits<float>::infinity();
    }
    return static_cast<float>(x);
}

std::string DataProcess::FormatFixed(double x, int decimals) {
    // Room for the widest double in fixed notation with 17 decimals.
    char buffer[340];
    const auto [ptr, ec] = std::to_chars(buffer, buffer + sizeof buffer, x,
                                         std::chars_format::fixed, std::clamp(decimals, 0, 17));
    return ec == std::errc() ? std::string(buffer, ptr) : std::string();
}
