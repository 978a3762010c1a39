#include "zktools/gauges/qx_analog_c_control.h"

#include "zktools/gauges/qx_format.h"
#include "zktools/gauges/qx_math.h"
#include "zktools/gauges/qx_proc_geometry.h"

#include <cmath>

namespace zk::gauges {

TQxAnalogCControl::TQxAnalogCControl(QWidget* parent)
    : TQxCustomControl(parent), signalSettings_(std::make_unique<TSignalSettings>()) {
    resize(100, 100);
    SetTabStop(true);
    signalSettings_->OnChange = [this](TObject* sender) {
        ParamChange(sender);
    };
    TFont font;
    font.SetName(QStringLiteral("MS Sans Serif"));
    font.SetSize(10);
    Font().Assign(font);
    // Hover needs moves without a button, for the slide cursor.
    setMouseTracking(true);
    // The hand of the slide cursor's slot is installed on the table's first use.
    QxScreenCursors();
}

TQxAnalogCControl::~TQxAnalogCControl() {
    signalSettings_->OnChange = nullptr;
}

void TQxAnalogCControl::SetValue(float value) {
    if (std::isnan(value) || value == value_)
        return;
    const TSignalSettings& s = *signalSettings_;
    value_ = value;
    if (value_ > s.ValueTo())
        value_ = s.ValueTo();
    if (value_ < s.ValueFrom())
        value_ = s.ValueFrom();
    SetDigit(QxRound((static_cast<long double>(value_) - s.ValueFrom()) * s.DigitsPerValue +
                     s.DigitalFrom()));
}

void TQxAnalogCControl::SetDigit(int digit) {
    if (digit == digit_)
        return;
    const TSignalSettings& s = *signalSettings_;
    digit_ = digit;
    if (digit_ > s.DigitalTo())
        digit_ = s.DigitalTo();
    if (digit_ < s.DigitalFrom())
        digit_ = s.DigitalFrom();
    value_ = static_cast<float>(
        (static_cast<long double>(digit_) - s.DigitalFrom()) * s.ValuePerDigit + s.ValueFrom());
    ValueChange();
    if (OnValueChange)
        OnValueChange(this);
    ValueChangedPending = true;
}

void TQxAnalogCControl::DoChange(int up, int down) {
    // Wide arithmetic: a step near the int limits must not overflow.
    const long long moved =
        up > 0 ? static_cast<long long>(digit_) + up : static_cast<long long>(digit_) - down;
    const TSignalSettings& s = *signalSettings_;
    long long limited = moved;
    if (limited > s.DigitalTo())
        limited = s.DigitalTo();
    if (limited < s.DigitalFrom())
        limited = s.DigitalFrom();
    SetDigit(static_cast<int>(limited));
}

void TQxAnalogCControl::SetColorFocus(TColor value) {
    colorFocus_ = value;
    ParamChange(this);
}

void TQxAnalogCControl::SetColorNonFocus(TColor value) {
    colorNonFocus_ = value;
    ParamChange(this);
}

void TQxAnalogCControl::MouseSlide(TShiftState /*shift*/, int x, int y, TPoint /*last*/) {
    LastSlidePoint = TPoint{x, y};
}

void TQxAnalogCControl::ValueChange() {
    ValueText = FormatFloat(signalSettings_->ValueFormat(), value_);
}

void TQxAnalogCControl::ParamChange(TObject* /*sender*/) {
    // While the pointer rests on the slide area the control shows the slide
    // cursor; that one must not become the normal cursor.
    if (!(MouseInSlideArea && Cursor() == cursorSlide_))
        NormalCursor = Cursor();
}

void TQxAnalogCControl::FireValueChanged() {
    if (!ValueChangedPending)
        return;
    ValueChangedPending = false;
    if (OnValueChanged)
        OnValueChanged(this);
}

void TQxAnalogCControl::KeyDown(int& key, TShiftState shift) {
    TQxCustomControl::KeyDown(key, shift);
    if (!enableKeyboard_)
        return;
    const TSignalSettings& s = *signalSettings_;
    switch (key) {
    case Qt::Key_PageUp:
        DoChange(changeLarge_, 0);
        break;
    case Qt::Key_PageDown:
        DoChange(0, changeLarge_);
        break;
    case Qt::Key_End:
        SetDigit(s.DigitalTo());
        break;
    case Qt::Key_Home:
        SetDigit(s.DigitalFrom());
        break;
    case Qt::Key_Left:
    case Qt::Key_Down:
        DoChange(0, changeSmall_);
        break;
    case Qt::Key_Up:
    case Qt::Key_Right:
        DoChange(changeSmall_, 0);
        break;
    default:
        break;
    }
}

void TQxAnalogCControl::KeyUp(int& key, TShiftState shift) {
    TQxCustomControl::KeyUp(key, shift);
    FireValueChanged();
}

bool TQxAnalogCControl::InSlideArea(int x, int y) const {
    return SlideAreaRound ? QxInCircle(x, y, SlideRect) : QxInRect(x, y, SlideRect);
}

void TQxAnalogCControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TQxCustomControl::MouseDown(button, shift, x, y);
    setFocus(Qt::MouseFocusReason);
    if (button != mbLeft)
        return;
    MouseInSlideArea = InSlideArea(x, y);
    if (MouseInSlideArea) {
        Sliding = true;
        MouseSlide(shift, x, y, LastSlidePoint);
        LastSlidePoint = TPoint{x, y};
    }
}

void TQxAnalogCControl::MouseMove(TShiftState shift, int x, int y) {
    TQxCustomControl::MouseMove(shift, x, y);
    MouseInSlideArea = InSlideArea(x, y);
    const TCursor wanted = MouseInSlideArea ? cursorSlide_ : NormalCursor;
    if (Cursor() != wanted)
        SetCursor(wanted);
    if (Sliding)
        MouseSlide(shift, x, y, LastSlidePoint);
}

void TQxAnalogCControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TQxCustomControl::MouseUp(button, shift, x, y);
    if (button != mbLeft)
        return;
    Sliding = false;
    FireValueChanged();
}

void TQxAnalogCControl::FocusEnter() {
    ValueChange();
}

void TQxAnalogCControl::FocusExit() {
    ValueChange();
}

// One notch either way; larger deltas (several notches at once, or a fine
// touchpad delta) do nothing. Always consumed, also without EnableKeyboard.
bool TQxAnalogCControl::MouseWheel(int delta, TShiftState /*shift*/) {
    if (Designing())
        return true;
    if (delta == 120)
        DoChange(changeSmall_, 0);
    else if (delta == -120)
        DoChange(0, changeSmall_);
    return true;
}

void TQxAnalogCControl::Resize() {
    ParamChange(this);
}

void TQxAnalogCControl::EnabledChange() {
    ValueChange();
}

} // namespace zk::gauges
