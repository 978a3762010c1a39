// The signal an analog gauge shows: a range of raw steps (digits) that maps
// linearly onto a range of physical values, with names, unit and display format.
// Change keeps the derived spans and factors; a span that is zero, reversed or
// not representable leaves the factors that would divide by it as they were.
#ifndef ZKTOOLS_GAUGES_QX_SIGNAL_SETTINGS_H
#define ZKTOOLS_GAUGES_QX_SIGNAL_SETTINGS_H

#include "zktools/gauges/qx_types.h"

#include <QString>

namespace zk::gauges {

class TSignalSettings : public TPersistent {
public:
    TSignalSettings();
    ~TSignalSettings() override = default;
    TSignalSettings(const TSignalSettings&) = delete;
    TSignalSettings& operator=(const TSignalSettings&) = delete;

    int DigitalFrom() const { return digitalFrom_; }
    int DigitalTo() const { return digitalTo_; }
    const QString& Name1() const { return name1_; }
    const QString& Name2() const { return name2_; }
    const QString& ValueFormat() const { return valueFormat_; }
    float ValueFrom() const { return valueFrom_; }
    float ValueTo() const { return valueTo_; }
    const QString& ValueUnit() const { return valueUnit_; }

    // Each stores a different value and calls Change; an equal one does nothing.
    void SetDigitalFrom(int value);
    void SetDigitalTo(int value);
    void SetName1(const QString& value);
    void SetName2(const QString& value);
    void SetValueFormat(const QString& value);
    // 0 is stored as 0.0001; NaN and infinities are ignored.
    void SetValueFrom(float value);
    void SetValueTo(float value);
    void SetValueUnit(const QString& value);

    TNotifyEvent OnChange;

    // Derived by Change only.
    float ValueSpan = 0;
    int DigitSpan = 0;
    float ValuePerDigit = 0;
    float DigitsPerValue = 0;
    float PPTFactor = 0;
    QString MaxValueFormat;

    // Recomputes the derived fields, then calls OnChange (sender: this).
    void Change();
    // Position of value in per mille of the value range; not limited to 0..1000.
    int GetPPT(float value) const;
    // The wider of the two ";"-separated parts of format (the second on a tie),
    // measured in one fixed font; format itself without ";".
    static QString QxGetValueFormat(const QString& format);

private:
    int digitalFrom_ = 0;
    int digitalTo_ = 1000;
    QString name1_ = QStringLiteral("SignalName1");
    QString name2_ = QStringLiteral("SignalName2");
    QString valueFormat_ = QStringLiteral("##0.0");
    float valueFrom_ = 0.0f;
    float valueTo_ = 100.0f;
    QString valueUnit_ = QStringLiteral("%");
};

// One channel of a multi-channel gauge: the signal plus its current position, a
// colour and a visibility flag.
class TChSettings : public TSignalSettings {
public:
    TChSettings();
    // Hides the channel and drops OnValueChange without notifying anyone.
    ~TChSettings() override;

    TNotifyEvent OnValueChange;

    float Value() const { return value_; }
    int Digit() const { return digit_; }
    TColor Color() const { return color_; }
    bool Visible() const { return visible_; }

    // An equal digit does nothing; otherwise Value follows the linear mapping.
    void SetDigit(int digit);
    // Stores value and its digit without comparing or limiting; NaN and
    // infinities are ignored.
    void SetValue(float value);
    // Store without comparing, then Change.
    void SetColor(TColor color);
    void SetVisible(bool visible);

    // Digit - DigitalFrom, updated by GetAbsDigit.
    int AbsDigit = 0;

    void ValueChange();
    void GetAbsDigit();
    // The value of a digit counted from DigitalFrom.
    float AbsDigitToValue(int digit) const;

private:
    float value_ = 0.0f;
    int digit_ = 0;
    TColor color_ = clBlack;
    bool visible_ = true;
};

} // namespace zk::gauges

#endif
