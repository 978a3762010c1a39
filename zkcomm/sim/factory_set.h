// The NV contents a drive leaves the factory with.
#ifndef ZKCOMM_SIM_FACTORY_SET_H
#define ZKCOMM_SIM_FACTORY_SET_H

#include <array>
#include <cstdint>

namespace zkcomm::sim {

inline constexpr int kNvWords = 256;
// Words 0 to 14 mirror logic registers 1 to 15.
inline constexpr int kNvParameterWords = 15;

using NvImage = std::array<uint16_t, kNvWords>;

// Model 50 with every parameter at its default, drive disabled; words 15 to
// 255 erased.
NvImage FactoryNvImage();

} // namespace zkcomm::sim

#endif
