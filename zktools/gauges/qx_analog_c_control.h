// The base of the focusable gauges a user can turn or drag. The position is
// kept as an integer Digit and as a floating Value, which the linear mapping of
// SignalSettings keeps in step; keys, the wheel and mouse drags change the digit.
// It paints nothing: a descendant paints and overrides MouseSlide (map a drag
// point to a digit), ValueChange (redraw the position) and ParamChange
// (measure and repaint after a setting changed).
#ifndef ZKTOOLS_GAUGES_QX_ANALOG_C_CONTROL_H
#define ZKTOOLS_GAUGES_QX_ANALOG_C_CONTROL_H

#include "zktools/gauges/qx_custom_control.h"
#include "zktools/gauges/qx_signal_settings.h"
#include "zktools/gauges/qx_types.h"

#include <QString>

#include <memory>

namespace zk::gauges {

class TQxAnalogCControl : public TQxCustomControl {
    Q_OBJECT
public:
    explicit TQxAnalogCControl(QWidget* parent = nullptr);
    ~TQxAnalogCControl() override;

    int Digit() const { return digit_; }
    float Value() const { return value_; }
    int ChangeLarge() const { return changeLarge_; }
    int ChangeSmall() const { return changeSmall_; }
    TColor ColorFocus() const { return colorFocus_; }
    TColor ColorNonFocus() const { return colorNonFocus_; }
    TCursor CursorSlide() const { return cursorSlide_; }
    bool EnableKeyboard() const { return enableKeyboard_; }
    // Owned; its changes reach ParamChange.
    TSignalSettings& SignalSettings() { return *signalSettings_; }
    const TSignalSettings& SignalSettings() const { return *signalSettings_; }

    // Clamps to the value range and moves to the nearest digit; when the digit
    // stays, only Value changes (nothing is redrawn or fired). NaN is ignored.
    void SetValue(float value);
    // Clamps to the digit range and snaps Value to it; every d other than the
    // current digit redraws and fires, even when clamping keeps the position.
    void SetDigit(int digit);
    // Moves up by up (if up > 0) or else down by down, clamped.
    void DoChange(int up, int down);

    void SetChangeLarge(int value) { changeLarge_ = value; }
    void SetChangeSmall(int value) { changeSmall_ = value; }
    void SetCursorSlide(TCursor value) { cursorSlide_ = value; }
    void SetEnableKeyboard(bool value) { enableKeyboard_ = value; }
    void SetColorFocus(TColor value);
    void SetColorNonFocus(TColor value);

    // After every change of Digit.
    TNotifyEvent OnValueChange;
    // At the next key release or left release on the control after a change of Digit.
    TNotifyEvent OnValueChanged;

protected:
    // Records the point; descendants call it first, then map the point.
    virtual void MouseSlide(TShiftState shift, int x, int y, TPoint last);
    // Formats ValueText; descendants then redraw the position.
    virtual void ValueChange();
    // Records the normal cursor; descendants then measure and repaint.
    virtual void ParamChange(TObject* sender);

    void KeyDown(int& key, TShiftState shift) override;
    void KeyUp(int& key, TShiftState shift) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void FocusEnter() override;
    void FocusExit() override;
    bool MouseWheel(int delta, TShiftState shift) override;
    void Resize() override;
    void EnabledChange() override;

    bool InSlideArea(int x, int y) const;

    QString ValueText;
    bool ValueChangedPending = false;
    bool Sliding = false;
    TPoint LastSlidePoint;
    TRect SlideRect;
    bool SlideAreaRound = false;
    bool MouseInSlideArea = false;
    TCursor NormalCursor = crDefault;

private:
    void FireValueChanged();

    std::unique_ptr<TSignalSettings> signalSettings_;
    int digit_ = 0;
    float value_ = 0.0f;
    int changeLarge_ = 10;
    int changeSmall_ = 1;
    TColor colorFocus_ = 0x00FF00;
    TColor colorNonFocus_ = 0x008000;
    TCursor cursorSlide_ = crHandSlot;
    bool enableKeyboard_ = true;
};

} // namespace zk::gauges

#endif
