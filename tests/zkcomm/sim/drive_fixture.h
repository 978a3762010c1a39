// A fresh drive with a line driver on it, and small reply helpers.
#ifndef TESTS_ZKCOMM_SIM_DRIVE_FIXTURE_H
#define TESTS_ZKCOMM_SIM_DRIVE_FIXTURE_H

#include <gtest/gtest.h>

#include <cstdint>

#include "line_driver.h"
#include "zkcomm/sim/simulated_drive.h"

namespace zkcomm::sim::test {

inline uint8_t StatusOf(uint16_t reply) {
    return static_cast<uint8_t>(reply >> 8);
}
inline uint8_t ValueOf(uint16_t reply) {
    return static_cast<uint8_t>(reply & 0xFF);
}
inline bool HasMarker(uint16_t reply) {
    return (reply & 0xE000) == 0xA000;
}

class DriveTest : public ::testing::Test {
protected:
    SimulatedDrive drive;
    LineDriver line{drive};
};

} // namespace zkcomm::sim::test

#endif
