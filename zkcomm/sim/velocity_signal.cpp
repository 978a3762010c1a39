#include "zkcomm/sim/velocity_signal.h"

#include <algorithm>

#include "zkcomm/sim/register_packing.h"

namespace zkcomm::sim {

void VelocitySignal::Reset() {
    value_ = 0;
    direction_ = 1;
}

void VelocitySignal::Advance(int samples) {
    for (int i = 0; i < samples; ++i) {
        if (direction_ > 0 && value_ >= kAmplitude) {
            direction_ = -1;
        } else if (direction_ < 0 && value_ <= -kAmplitude) {
            direction_ = 1;
        }
        value_ = std::clamp(value_ + direction_ * kStep, -kLimit, kLimit);
    }
}

void VelocitySignal::Set(int raw) {
    value_ = std::clamp(raw, -kLimit, kLimit);
}

uint8_t VelocitySignal::HighByte() const {
    return HighPart(value_, kLowWidth);
}

uint8_t VelocitySignal::LowByte() const {
    return LowPart(value_, kLowWidth);
}

} // namespace zkcomm::sim
