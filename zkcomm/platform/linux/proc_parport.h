// The kernel's parallel port table: /proc/sys/dev/parport/parportN/base-addr
// holds decimal numbers separated by white space, the first of them the base.
#ifndef ZKCOMM_PLATFORM_LINUX_PROC_PARPORT_H
#define ZKCOMM_PLATFORM_LINUX_PROC_PARPORT_H

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zkcomm::linux_platform {

// The first number of a base-addr file's text, when it is a 16-bit number.
std::optional<uint16_t> ParseBaseAddr(std::string_view text);
// Base address of parport<index> below procRoot (normally "/proc").
std::optional<uint16_t> ReadParportBase(const std::string& procRoot, int index);

} // namespace zkcomm::linux_platform

#endif
