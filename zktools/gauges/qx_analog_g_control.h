// The base of the non-windowed analog gauges. It keeps the value as Value and
// as Digit, turns it into a position in per mille of the range (PPT), and on
// every change evaluates the three sectors, the range overflow, the upper and
// lower limits and the minimum and maximum seen, reporting each transition
// through its event; it can build its hint from the value and min/max. It
// paints nothing: descendants override the hooks and paint.
#ifndef ZKTOOLS_GAUGES_QX_ANALOG_G_CONTROL_H
#define ZKTOOLS_GAUGES_QX_ANALOG_G_CONTROL_H

#include "zktools/gauges/qx_datetime.h"
#include "zktools/gauges/qx_graphic_control.h"
#include "zktools/gauges/qx_min_max.h"
#include "zktools/gauges/qx_sector_settings.h"
#include "zktools/gauges/qx_signal_settings.h"
#include "zktools/gauges/qx_types.h"

#include <QString>

#include <functional>
#include <memory>

namespace zk::gauges {

enum THintOption : unsigned {
    hoAutoHint = 1u << 0,
    hoValue = 1u << 1,
    hoName1 = 1u << 2,
    hoName2 = 1u << 3,
    hoMin = 1u << 4,
    hoMax = 1u << 5,
    hoMinMaxDate = 1u << 6,
    hoMinMaxTime = 1u << 7
};
using THintOptions = unsigned;
inline constexpr THintOptions kAllHintOptions = 0xFF;

using TOverflowEvent = std::function<void(TObject* sender, int ppt)>;
using TSectorChangeEvent =
    std::function<void(TObject* sender, bool sector1, bool sector2, bool sector3, bool enter)>;
using TLimitEvent = std::function<void(TObject* sender, bool lower, bool upper)>;

class TQxAnalogGControl : public TQxGraphicControl {
    Q_OBJECT
public:
    explicit TQxAnalogGControl(QWidget* parent = nullptr);
    ~TQxAnalogGControl() override;

    int Digit() const { return digit_; }
    float Value() const { return value_; }
    float LimitUpper() const { return limitUpper_; }
    float LimitLower() const { return limitLower_; }
    THintOptions HintOptions() const { return hintOptions_; }
    TSectorSettings& SectorSettings() { return *sectorSettings_; }
    TSignalSettings& SignalSettings() { return *signalSettings_; }
    TMinMax& MinMax() { return *minMax_; }
    const TMinMax& MinMax() const { return *minMax_; }

    // Not limited to the ranges; an equal value does nothing, NaN is ignored.
    // At design time only ParamChange runs, otherwise ValueChange.
    void SetValue(float value);
    void SetDigit(int digit);
    // Take effect at the next value change. A lower limit of 0 is stored as 0.0001.
    void SetLimitUpper(float value);
    void SetLimitLower(float value);
    // Switching hoAutoHint on rebuilds the hint through ValueChange.
    void SetHintOptions(THintOptions options);

    // Both to the current value, stamped now; MinPPT and MaxPPT stay.
    void ResetMinMax();
    void SetMin(float value, const TDateTime& when);
    void SetMax(float value, const TDateTime& when);

    void LimitCheck();
    using TQxGraphicControl::SetHint;
    // Builds the hint from HintOptions (with hoAutoHint, outside design time).
    void SetHint();
    void MinMaxChange(TObject* sender);

    TNotifyEvent OnMinMaxChange;
    TOverflowEvent OnOverflow;
    TSectorChangeEvent OnSectorChange;
    TNotifyEvent OnSettingsChange;
    TNotifyEvent OnValueChange;
    TLimitEvent OnLimit;

    // Written by ValueChange unless said otherwise.
    QString ValueText;
    QString DigitText;
    int PPT = 0; // 0..1000 after each ValueChange
    int MinPPT = 0;
    int MaxPPT = 0;
    bool InSector1 = false;
    bool InSector2 = false;
    bool InSector3 = false;
    TColor SectorColor = 0;
    bool UnderRange = false;
    bool OverRange = false;
    // Maintained by LimitCheck.
    bool AboveLimit = true;
    bool BelowLimit = true;

protected:
    // Fires OnSettingsChange; descendants repaint.
    virtual void ParamChange(TObject* sender);
    virtual void ValueChange();
    virtual void OverflowChange(int /*ppt*/) {}
    virtual void LimitChange() {}

    void FontChange() override;

private:
    void ValueMoved();
    void CheckSectors();
    void CheckOverflow();
    QString MinMaxPart(const char* label, float value, const TDateTime& when) const;

    std::unique_ptr<TSectorSettings> sectorSettings_;
    std::unique_ptr<TSignalSettings> signalSettings_;
    std::unique_ptr<TMinMax> minMax_;
    int digit_ = 0;
    float value_ = 0.0f;
    float limitUpper_ = 90.0f;
    float limitLower_ = 10.0f;
    THintOptions hintOptions_ = kAllHintOptions;
};

} // namespace zk::gauges

#endif
