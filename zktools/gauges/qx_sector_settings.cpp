#include "zktools/gauges/qx_sector_settings.h"

namespace zk::gauges {

void TSectorSettings::Change() {
    if (OnChange)
        OnChange(this);
}

void TSectorSettings::SetColor(int i, TColor value) {
    if (sectors_[i].color == value)
        return;
    sectors_[i].color = value;
    Change();
}

void TSectorSettings::SetFrom(int i, int value) {
    if (sectors_[i].from == value)
        return;
    sectors_[i].from = value;
    Change();
}

void TSectorSettings::SetTo(int i, int value) {
    if (sectors_[i].to == value)
        return;
    sectors_[i].to = value;
    Change();
}

} // namespace zk::gauges
