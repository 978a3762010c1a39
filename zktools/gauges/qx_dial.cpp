#include "zktools/gauges/qx_dial.h"

#include "zktools/gauges/qx_math.h"
#include "zktools/gauges/qx_proc_geometry.h"

#include <algorithm>
#include <climits>

namespace zk::gauges {

TQxDial::TQxDial(QWidget* parent)
    : TQxAnalogCControl(parent), bevelOuter_(std::make_unique<TQxSBevel>()),
      bevelValue_(std::make_unique<TQxSBevel>()), bevelDial_(std::make_unique<TQxSBevel>()),
      scaleSettings_(std::make_unique<TScaleSettings>()),
      faceCache_(std::make_unique<TBitmap>(1, 1)) {
    resize(113, 161);
    options_ = kAllDialOptions;
    const auto toParamChange = [this](TObject* sender) {
        ParamChange(sender);
    };

    bevelOuter_->OnChange = toParamChange;
    bevelOuter_->SetSpacing(5);
    bevelOuter_->SetBevelLine(blOuter);
    bevelOuter_->SetWidth(2);

    bevelValue_->OnChange = toParamChange;
    bevelValue_->SetStyle(bsLowered);
    bevelValue_->SetWidth(2);
    bevelValue_->SetColor(clBlack);
    bevelValue_->SetSpacing(0);

    // Shadow colours first, then RoundBevel, so that the next change builds the
    // round ring image from them.
    bevelDial_->OnChange = toParamChange;
    bevelDial_->SetColorShadowFrom(clWhite);
    bevelDial_->SetColorShadowTo(clGray);
    bevelDial_->RoundBevel = true;
    bevelDial_->SetBevelLine(blOuter);
    bevelDial_->SetPenColor(clGray);
    bevelDial_->SetSpacing(1);

    scaleSettings_->Font().SetSize(8);
    maxDotRadius_ = 6;
    scaleSettings_->OnChange = toParamChange;

    TFont value;
    value.SetColor(0x00FF00);
    value.SetName(QStringLiteral("System"));
    value.SetSize(10);
    fontValue_.Assign(value);
    fontValue_.OnChange = toParamChange;

    SlideAreaRound = true;
    SetValue(10.0f);
    constructed_ = true;
}

TQxDial::~TQxDial() {
    bevelOuter_->OnChange = nullptr;
    bevelValue_->OnChange = nullptr;
    bevelDial_->OnChange = nullptr;
    scaleSettings_->OnChange = nullptr;
    fontValue_.OnChange = nullptr;
}

void TQxDial::SetOptions(TDialOptions options) {
    options_ = options & kAllDialOptions;
    ParamChange(this);
}

void TQxDial::SetFontValue(const TFont& font) {
    // Assign notifies only on a real difference; the setter always re-measures.
    const TNotifyEvent notify = fontValue_.OnChange;
    fontValue_.OnChange = nullptr;
    fontValue_.Assign(font);
    fontValue_.OnChange = notify;
    ParamChange(this);
}

void TQxDial::CalcSize() {
    if (!constructed_)
        return;
    TCanvas& canvas = Canvas();
    const TSignalSettings& s = SignalSettings();
    canvas.Font.Assign(fontValue_);
    valueTextWidth_ = canvas.TextWidth(s.MaxValueFormat);
    valueTextHeight_ = canvas.TextHeight(s.MaxValueFormat);
    unitTextWidth_ = canvas.TextWidth(s.ValueUnit());
    canvas.Font.Assign(scaleSettings_->Font());
    scaleSettings_->CalcRSize(canvas, s.ValueFrom(), s.ValueTo());
}

void TQxDial::ParamChange(TObject* sender) {
    TQxAnalogCControl::ParamChange(sender);
    // Font, colours or format may have changed: the value box is written anew.
    valueShown_ = false;
    CalcSize();
    Invalidate();
}

void TQxDial::MouseSlide(TShiftState shift, int x, int y, TPoint last) {
    TQxAnalogCControl::MouseSlide(shift, x, y, last);
    const TPoint p{x - knobRect_.Left, y - knobRect_.Top};
    float a = QxGetAngle(knobCenter_, p);
    if (a < 45)
        a = 45;
    if (a > 315)
        a = 315;
    const TSignalSettings& s = SignalSettings();
    const float perDegree = static_cast<float>(s.DigitSpan) / 270.0f;
    // In 64 bits: a start near the int limits must not overflow.
    const long long digit =
        static_cast<long long>(QxRound((static_cast<long double>(a) - 45) * perDegree)) +
        s.DigitalFrom();
    SetDigit(static_cast<int>(std::clamp<long long>(digit, INT_MIN, INT_MAX)));
}

} // namespace zk::gauges
