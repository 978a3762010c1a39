#include "zktools/guided/wizard_numbers.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string>

#include "zktools/model/data_process.h"
#include "zktools/model/model_error.h"

namespace wizard {

double ReadNumber(const QString& text) {
    const std::string typed = text.toStdString();
    const double number = DataProcess::ParseNumber(typed);
    if (!std::isfinite(number))
        throw ConversionError(typed);
    return number;
}

bool IsBlank(const QString& text) {
    return text.isEmpty() || text == QStringLiteral("-");
}

double CutDecimals(double x, int decimals) {
    const double scale = std::pow(10.0, std::clamp(decimals, 0, 9));
    double scaled = x * scale;
    // So large that it has no decimals left to cut.
    if (!std::isfinite(scaled))
        return x;
    // Only the binary representation's few-ulp noise counts as on the step; a typed
    // value a real hair below it is still cut.
    const double step = std::round(scaled);
    if (std::fabs(scaled - step) <= 1e-12 * std::max(1.0, std::fabs(scaled)))
        scaled = step;
    return std::trunc(scaled) / scale;
}

namespace {

// The digits and decimal exponent of "%.15g" output written as d.ddde[+-]xx.
QString PlainFromExponent(const std::string& general) {
    const auto e = general.find('e');
    std::string mantissa = general.substr(0, e);
    const int exponent = std::stoi(general.substr(e + 1));
    const bool negative = !mantissa.empty() && mantissa.front() == '-';
    if (negative)
        mantissa.erase(0, 1);
    std::string digits;
    for (char c : mantissa) {
        if (c != '.')
            digits += c;
    }
    std::string plain;
    if (exponent >= 0) {
        const auto point = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= point) {
            plain = digits + std::string(point - digits.size(), '0');
        } else {
            plain = digits.substr(0, point) + "." + digits.substr(point);
        }
    } else {
        plain = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    }
    return QString::fromStdString((negative ? "-" : "") + plain);
}

} // namespace

QString GeneralText(double x) {
    if (std::isnan(x))
        return QStringLiteral("NAN");
    if (std::isinf(x))
        return x > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    if (x == 0)
        return QStringLiteral("0"); // also for -0
    std::array<char, 64> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x,
                                            std::chars_format::general, 15);
    if (error != std::errc())
        return QStringLiteral("NAN");
    const std::string general(buffer.data(), end);
    if (general.find('e') == std::string::npos)
        return QString::fromStdString(general);
    return PlainFromExponent(general);
}

} // namespace wizard
