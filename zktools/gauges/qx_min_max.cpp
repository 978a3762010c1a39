#include "zktools/gauges/qx_min_max.h"

namespace zk::gauges {

TMinMax::TMinMax() : maxDateTime_(Now()), minDateTime_(maxDateTime_) {}

void TMinMax::SetMax(float value) {
    max_ = value;
    maxDateTime_ = Now();
}

void TMinMax::SetMin(float value) {
    min_ = value;
    minDateTime_ = Now();
}

} // namespace zk::gauges
