#include "zktools/gauges/qx_arrow_settings.h"

namespace zk::gauges {

namespace {

// Stores a different value and reports it.
template <typename T> void Store(T& field, T value, TArrowSettings& owner) {
    if (field == value)
        return;
    field = value;
    owner.Change();
}

} // namespace

void TArrowSettings::SetShape(int value) {
    Store(shape_, value, *this);
}
void TArrowSettings::SetColorPen(TColor value) {
    Store(colorPen_, value, *this);
}
void TArrowSettings::SetColorBrush(TColor value) {
    Store(colorBrush_, value, *this);
}
void TArrowSettings::SetColorCP1Pen(TColor value) {
    Store(colorCP1Pen_, value, *this);
}
void TArrowSettings::SetColorCP1Brush(TColor value) {
    Store(colorCP1Brush_, value, *this);
}
void TArrowSettings::SetColorCP2Pen(TColor value) {
    Store(colorCP2Pen_, value, *this);
}
void TArrowSettings::SetColorCP2Brush(TColor value) {
    Store(colorCP2Brush_, value, *this);
}

void TArrowSettings::Change() {
    if (OnChange)
        OnChange(this);
}

} // namespace zk::gauges
