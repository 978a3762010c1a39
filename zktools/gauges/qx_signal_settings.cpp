#include "zktools/gauges/qx_signal_settings.h"

#include "zktools/gauges/qx_canvas.h"
#include "zktools/gauges/qx_math.h"

#include <cfloat>
#include <climits>
#include <cmath>
#include <optional>

namespace zk::gauges {

namespace {

constexpr float kZeroEnd = 0.0001f;

// Single precision as the fields hold it; false when x has no finite single value.
bool ToSingle(long double x, float& out) {
    if (!std::isfinite(x) || std::fabs(x) > static_cast<long double>(FLT_MAX))
        return false;
    out = static_cast<float>(x);
    return true;
}

// Like ToSingle, but limited to the largest single instead of failing.
float SingleLimited(long double x) {
    if (std::isnan(x))
        return 0.0f;
    if (x > static_cast<long double>(FLT_MAX))
        return FLT_MAX;
    if (x < -static_cast<long double>(FLT_MAX))
        return -FLT_MAX;
    return static_cast<float>(x);
}

// The span from `from` to `to` by the signs of the two ends; none when `from`
// is not negative and `to` not positive (the span then keeps its value).
template <typename T> std::optional<T> SpanBySigns(T from, T to) {
    using std::abs;
    if (from < 0 && to < 0)
        return abs(from) - abs(to);
    if (from < 0 && to >= 0)
        return abs(from) + abs(to);
    if (from >= 0 && to > 0)
        return abs(to) - abs(from);
    return std::nullopt;
}

// An equal value changes nothing; 0 is stored as 0.0001 and reported even when
// the end already holds 0.0001.
bool SetValueEnd(float& end, float value) {
    if (!std::isfinite(value) || value == end)
        return false;
    end = value == 0.0f ? kZeroEnd : value;
    return true;
}

} // namespace

TSignalSettings::TSignalSettings() {
    Change();
}

void TSignalSettings::SetDigitalFrom(int value) {
    if (value == digitalFrom_)
        return;
    digitalFrom_ = value;
    Change();
}

void TSignalSettings::SetDigitalTo(int value) {
    if (value == digitalTo_)
        return;
    digitalTo_ = value;
    Change();
}

void TSignalSettings::SetName1(const QString& value) {
    if (value == name1_)
        return;
    name1_ = value;
    Change();
}

void TSignalSettings::SetName2(const QString& value) {
    if (value == name2_)
        return;
    name2_ = value;
    Change();
}

void TSignalSettings::SetValueFormat(const QString& value) {
    if (value == valueFormat_)
        return;
    valueFormat_ = value;
    Change();
}

void TSignalSettings::SetValueFrom(float value) {
    if (SetValueEnd(valueFrom_, value))
        Change();
}

void TSignalSettings::SetValueTo(float value) {
    if (SetValueEnd(valueTo_, value))
        Change();
}

void TSignalSettings::SetValueUnit(const QString& value) {
    if (value == valueUnit_)
        return;
    valueUnit_ = value;
    Change();
}

void TSignalSettings::Change() {
    if (const auto span = SpanBySigns<long double>(valueFrom_, valueTo_))
        ToSingle(*span, ValueSpan);
    // In 64 bits, so that the ends of the int range cannot overflow; a span
    // beyond int keeps the old one like an invalid span does.
    if (const auto span = SpanBySigns<long long>(digitalFrom_, digitalTo_)) {
        if (*span >= INT_MIN && *span <= INT_MAX)
            DigitSpan = static_cast<int>(*span);
    }
    if (DigitSpan > 0)
        ToSingle(static_cast<long double>(ValueSpan) / DigitSpan, ValuePerDigit);
    if (ValueSpan > 0) {
        ToSingle(DigitSpan / static_cast<long double>(ValueSpan), DigitsPerValue);
        ToSingle(1000.0L / ValueSpan, PPTFactor);
        MaxValueFormat = QxGetValueFormat(valueFormat_);
    }
    if (OnChange)
        OnChange(this);
}

int TSignalSettings::GetPPT(float value) const {
    return QxRound((static_cast<long double>(value) - valueFrom_) * PPTFactor);
}

QString TSignalSettings::QxGetValueFormat(const QString& format) {
    const qsizetype separator = format.indexOf(QLatin1Char(';'));
    if (separator < 0)
        return format;
    const QString first = format.left(separator);
    const QString rest = format.mid(separator + 1);
    // Not the control's font: the default font of a fresh canvas, for both parts.
    TBitmap measure(1, 1);
    TCanvas& canvas = measure.Canvas();
    return canvas.TextWidth(first) > canvas.TextWidth(rest) ? first : rest;
}

TChSettings::TChSettings() {
    visible_ = true;
}

TChSettings::~TChSettings() {
    // The owner may be half destroyed already: no Change from here.
    visible_ = false;
    OnValueChange = nullptr;
}

void TChSettings::SetDigit(int digit) {
    if (digit == digit_)
        return;
    digit_ = digit;
    value_ = SingleLimited((static_cast<long double>(digit) - DigitalFrom()) * ValuePerDigit +
                           ValueFrom());
    GetAbsDigit();
    ValueChange();
}

void TChSettings::SetValue(float value) {
    if (!std::isfinite(value))
        return;
    digit_ =
        QxRound((static_cast<long double>(value) - ValueFrom()) * DigitsPerValue + DigitalFrom());
    value_ = value;
    GetAbsDigit();
    ValueChange();
}

void TChSettings::SetColor(TColor color) {
    color_ = color;
    Change();
}

void TChSettings::SetVisible(bool visible) {
    visible_ = visible;
    Change();
}

void TChSettings::ValueChange() {
    if (OnValueChange)
        OnValueChange(this);
}

void TChSettings::GetAbsDigit() {
    const long long abs = static_cast<long long>(digit_) - DigitalFrom();
    AbsDigit = static_cast<int>(abs > INT_MAX ? INT_MAX : (abs < INT_MIN ? INT_MIN : abs));
}

float TChSettings::AbsDigitToValue(int digit) const {
    return SingleLimited(static_cast<long double>(digit) * ValuePerDigit + ValueFrom());
}

} // namespace zk::gauges
