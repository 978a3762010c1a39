#include "zktools/gauges/qx_scale_settings.h"

#include "zktools/gauges/qx_math.h"
#include "zktools/gauges/qx_proc_text.h"

namespace zk::gauges {

namespace {

constexpr int kMaxSteps = 20;
constexpr int kMaxSubSteps = 10;

} // namespace

int TScaleSettings::SubTickLengthFor(int tickLength, int tickWidth) {
    return tickWidth == 1 ? tickLength / 2 : QxRound(tickLength / 1.4L);
}

TScaleSettings::TScaleSettings() {
    font_.OnChange = [this](TObject* sender) {
        Change(sender);
    };
    font_.SetName(QStringLiteral("Arial"));
    font_.SetSize(14);
    SetDrawLine(true);
}

TScaleSettings::~TScaleSettings() {
    font_.OnChange = nullptr;
}

void TScaleSettings::Change(TObject*) {
    if (OnChange)
        OnChange(this);
}

void TScaleSettings::SetColor(TColor value) {
    if (value == color_)
        return;
    color_ = value;
    Change(this);
}

void TScaleSettings::SetPointerColor(TColor value) {
    if (value == pointerColor_)
        return;
    pointerColor_ = value;
    Change(this);
}

void TScaleSettings::SetPosLeftTop(bool value) {
    if (value == posLeftTop_)
        return;
    posLeftTop_ = value;
    Change(this);
}

void TScaleSettings::SetValueFormat(const QString& value) {
    if (value == valueFormat_)
        return;
    valueFormat_ = value;
    Change(this);
}

void TScaleSettings::SetDrawLine(bool value) {
    drawLine_ = value;
    Change(this);
}

void TScaleSettings::SetFont(const TFont& value) {
    // The font's own notification is held back so that the copy notifies once.
    TNotifyEvent hook = std::move(font_.OnChange);
    font_.OnChange = nullptr;
    font_.Assign(value);
    font_.OnChange = std::move(hook);
    Change(this);
}

void TScaleSettings::SetSteps(int value) {
    if (value < 1 || value > kMaxSteps)
        return;
    steps_ = value;
    Change(this);
}

void TScaleSettings::SetSubSteps(int value) {
    if (value < 1 || value > kMaxSubSteps)
        return;
    subSteps_ = value;
    Change(this);
}

void TScaleSettings::PrepareCanvas(TCanvas& canvas) const {
    canvas.Font.Assign(font_);
    canvas.Pen.Color = color_;
}

void TScaleSettings::MeasureLabels(TCanvas& canvas) {
    QxGetMaxTokenSize(canvas, LabelWidth, LabelHeight, LabelList);
}

void TScaleSettings::CalcRSize(TCanvas& canvas, float from, float to) {
    PrepareCanvas(canvas);
    LabelList = QxRangeStr(to, from, steps_, valueFormat_);
    MeasureLabels(canvas);
    const int w = LabelWidth;
    const int h = LabelHeight;
    TickWidth = QxRound(h / 14.0L);
    LabelGap = (h > w ? h : w) / 2 + 1;
}

void TScaleSettings::CalcHSize(TCanvas& canvas, float from, float to) {
    PrepareCanvas(canvas);
    LabelList = QxRangeStr(to, from, steps_, valueFormat_);
    MeasureLabels(canvas);
    const int w = LabelWidth;
    const int h = LabelHeight;
    TickWidth = QxRound(h / 14.0L);
    LabelGap = h / 5;
    TickLength = QxRound(h / 1.4L);
    SubTickLength = SubTickLengthFor(TickLength, TickWidth);
    ScaleWidth = QxRound(static_cast<long double>(w) * steps_ * 1.4L);
    ScaleHeight = h / 2 + TickLength + LabelGap;
}

void TScaleSettings::CalcSize(TCanvas& canvas, float from, float to) {
    PrepareCanvas(canvas);
    LabelList = QxRangeStr(from, to, steps_, valueFormat_);
    MeasureLabels(canvas);
    const int w = LabelWidth;
    const int h = LabelHeight;
    TickWidth = QxRound(h / 14.0L);
    LabelGap = h / 3;
    TickLength = QxRound(h / 1.4L);
    SubTickLength = SubTickLengthFor(TickLength, TickWidth);
    ScaleWidth = w + TickLength + LabelGap;
    ScaleHeight = QxRound(static_cast<long double>(h) * steps_ * 1.4L);
}

} // namespace zk::gauges
