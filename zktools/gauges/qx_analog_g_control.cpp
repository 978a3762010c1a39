#include "zktools/gauges/qx_analog_g_control.h"

#include "zktools/gauges/qx_format.h"
#include "zktools/gauges/qx_math.h"
#include "zktools/gauges/qx_proc_geometry.h"

#include <cmath>

namespace zk::gauges {

TQxAnalogGControl::TQxAnalogGControl(QWidget* parent)
    : TQxGraphicControl(parent), sectorSettings_(std::make_unique<TSectorSettings>()),
      signalSettings_(std::make_unique<TSignalSettings>()), minMax_(std::make_unique<TMinMax>()) {
    resize(50, 50);
    TFont font;
    font.SetName(QStringLiteral("Arial"));
    font.SetSize(8);
    Font().Assign(font);
    signalSettings_->OnChange = [this](TObject* sender) {
        ParamChange(sender);
    };
    sectorSettings_->OnChange = [this](TObject* sender) {
        ParamChange(sender);
    };
    // Both limit states start set, so that this first check reports the real state.
    AboveLimit = true;
    BelowLimit = true;
    LimitCheck();
}

TQxAnalogGControl::~TQxAnalogGControl() {
    signalSettings_->OnChange = nullptr;
    sectorSettings_->OnChange = nullptr;
}

void TQxAnalogGControl::FontChange() {
    ParamChange(&Font());
}

void TQxAnalogGControl::ValueMoved() {
    if (Designing())
        ParamChange(this);
    else
        ValueChange();
}

void TQxAnalogGControl::SetValue(float value) {
    if (std::isnan(value) || value == value_)
        return;
    const TSignalSettings& s = *signalSettings_;
    value_ = value;
    digit_ = QxRound((static_cast<long double>(value) - s.ValueFrom()) * s.DigitsPerValue +
                     s.DigitalFrom());
    ValueMoved();
}

void TQxAnalogGControl::SetDigit(int digit) {
    if (digit == digit_)
        return;
    const TSignalSettings& s = *signalSettings_;
    digit_ = digit;
    value_ = static_cast<float>(
        (static_cast<long double>(digit) - s.DigitalFrom()) * s.ValuePerDigit + s.ValueFrom());
    ValueMoved();
}

void TQxAnalogGControl::SetLimitUpper(float value) {
    if (value != limitUpper_)
        limitUpper_ = value;
}

void TQxAnalogGControl::SetLimitLower(float value) {
    if (value != limitLower_)
        limitLower_ = value == 0.0f ? 0.0001f : value;
}

void TQxAnalogGControl::SetHintOptions(THintOptions options) {
    const bool autoHintOn = !(hintOptions_ & hoAutoHint) && (options & hoAutoHint);
    hintOptions_ = options;
    if (autoHintOn)
        ValueChange();
}

void TQxAnalogGControl::ValueChange() {
    const TSignalSettings& s = *signalSettings_;
    DigitText = QString::number(digit_);
    ValueText = FormatFloat(s.ValueFormat(), value_);

    // Equal value ends leave no span to divide by; the settings keep the
    // factor of the last valid span for that case.
    const long double perValue =
        s.ValueSpan != 0.0f ? 1000.0L / s.ValueSpan : static_cast<long double>(s.PPTFactor);
    PPT = QxRound(perValue * (static_cast<long double>(value_) - s.ValueFrom()));

    if (minMax_->Min() > value_) {
        minMax_->SetMin(value_);
        MinPPT = QxMinMaxInt(PPT, 0, 1000);
        MinMaxChange(this);
    }
    if (minMax_->Max() < value_) {
        minMax_->SetMax(value_);
        MaxPPT = QxMinMaxInt(PPT, 0, 1000);
        MinMaxChange(this);
    }
    CheckSectors();
    LimitCheck();
    CheckOverflow();
    SetHint();
    if (OnValueChange)
        OnValueChange(this);
}

// Against the unlimited position; with overlapping sectors the highest one
// found sets the colour, outside all of them the colour stays.
void TQxAnalogGControl::CheckSectors() {
    bool* flags[3] = {&InSector1, &InSector2, &InSector3};
    const TSectorSettings& sectors = *sectorSettings_;
    for (int k = 1; k <= 3; ++k) {
        bool& flag = *flags[k - 1];
        const bool was = flag;
        flag = sectors.From(k) <= PPT && PPT <= sectors.To(k);
        if (flag)
            SectorColor = sectors.Color(k);
        if (flag != was && OnSectorChange)
            OnSectorChange(this, k == 1, k == 2, k == 3, flag);
    }
}

// Reports each passage into under-range, into over-range and back into the
// range once, with the unlimited position; then limits PPT.
void TQxAnalogGControl::CheckOverflow() {
    const auto report = [this] {
        OverflowChange(PPT);
        if (OnOverflow)
            OnOverflow(this, PPT);
    };
    if (PPT < 0) {
        if (!UnderRange)
            report();
        UnderRange = true;
        OverRange = false;
        PPT = 0;
    } else if (PPT > 1000) {
        if (!OverRange)
            report();
        OverRange = true;
        UnderRange = false;
        PPT = 1000;
    } else {
        if (UnderRange || OverRange)
            report();
        UnderRange = false;
        OverRange = false;
    }
}

void TQxAnalogGControl::LimitCheck() {
    const bool above = value_ > limitUpper_;
    const bool below = value_ < limitLower_;
    if (above == AboveLimit && below == BelowLimit)
        return;
    AboveLimit = above;
    BelowLimit = below;
    LimitChange();
    if (OnLimit)
        OnLimit(this, BelowLimit, AboveLimit);
}

QString TQxAnalogGControl::MinMaxPart(const char* label, float value, const TDateTime& when) const {
    const TSignalSettings& s = *signalSettings_;
    QString part = QString::fromLatin1(label) + FormatFloat(s.ValueFormat(), value) +
                   QLatin1Char(' ') + s.ValueUnit();
    if (hintOptions_ & hoMinMaxDate)
        part += QLatin1Char(' ') + ShortDateText(when);
    if (hintOptions_ & hoMinMaxTime)
        part += QLatin1Char(' ') + LongTimeText(when);
    return part;
}

void TQxAnalogGControl::SetHint() {
    if (!(hintOptions_ & hoAutoHint) || Designing())
        return;
    const TSignalSettings& s = *signalSettings_;
    QString text;
    const auto add = [&text](const QString& part) {
        if (!text.isEmpty())
            text += QChar(13);
        text += part;
    };
    if (hintOptions_ & hoValue)
        text = QStringLiteral("Value= ") + ValueText + QLatin1Char(' ') + s.ValueUnit();
    if (hintOptions_ & hoMin)
        add(MinMaxPart("MIN= ", minMax_->Min(), minMax_->MinDateTime()));
    if (hintOptions_ & hoMax)
        add(MinMaxPart("MAX= ", minMax_->Max(), minMax_->MaxDateTime()));
    if (hintOptions_ & hoName1)
        add(s.Name1());
    if (hintOptions_ & hoName2)
        add(s.Name2());
    SetHint(text);
}

void TQxAnalogGControl::ResetMinMax() {
    minMax_->SetMin(value_);
    minMax_->SetMax(value_);
    MinMaxChange(this);
    SetHint();
}

void TQxAnalogGControl::SetMin(float value, const TDateTime& when) {
    minMax_->SetMin(value);
    minMax_->SetMinDateTime(when);
    MinMaxChange(this);
    SetHint();
}

void TQxAnalogGControl::SetMax(float value, const TDateTime& when) {
    minMax_->SetMax(value);
    minMax_->SetMaxDateTime(when);
    MinMaxChange(this);
    SetHint();
}

void TQxAnalogGControl::MinMaxChange(TObject* /*sender*/) {
    if (OnMinMaxChange)
        OnMinMaxChange(this);
}

void TQxAnalogGControl::ParamChange(TObject* /*sender*/) {
    if (OnSettingsChange)
        OnSettingsChange(this);
}

} // namespace zk::gauges
