// The drive's filtered Hall velocity: a slow triangle wave that moves one
// step per sample, so successive polls see it change.
#ifndef ZKCOMM_SIM_VELOCITY_SIGNAL_H
#define ZKCOMM_SIM_VELOCITY_SIGNAL_H

#include <cstdint>

namespace zkcomm::sim {

class VelocitySignal {
public:
    static constexpr int kStep = 5;
    static constexpr int kAmplitude = 1000;
    static constexpr int kLimit = 8191; // 14-bit signed, symmetric
    static constexpr int kLowWidth = 6; // bits held in the low register

    // 0, rising.
    void Reset();
    void Advance(int samples);
    int Value() const { return value_; }
    // Clamped to +-kLimit; the wave goes on from there.
    void Set(int raw);

    uint8_t HighByte() const; // register 29
    uint8_t LowByte() const;  // register 28

private:
    int value_ = 0;
    int direction_ = 1;
};

} // namespace zkcomm::sim

#endif
