#include "zkcomm/platform/linux/proc_parport.h"

#include <charconv>
#include <fstream>
#include <iterator>

namespace zkcomm::linux_platform {

std::optional<uint16_t> ParseBaseAddr(std::string_view text) {
    size_t start = 0;
    while (start < text.size() && (text[start] == ' ' || text[start] == '\t' ||
                                   text[start] == '\n' || text[start] == '\r')) {
        ++start;
    }
    const char* first = text.data() + start;
    const char* last = text.data() + text.size();
    uint32_t value = 0;
    const auto [end, ec] = std::from_chars(first, last, value, 10);
    if (ec != std::errc{} || end == first || value > 0xFFFF) {
        return std::nullopt;
    }
    if (end != last && *end != ' ' && *end != '\t' && *end != '\n' && *end != '\r') {
        return std::nullopt;
    }
    return static_cast<uint16_t>(value);
}

std::optional<uint16_t> ReadParportBase(const std::string& procRoot, int index) {
    std::ifstream file(procRoot + "/sys/dev/parport/parport" + std::to_string(index) +
                       "/base-addr");
    if (!file) {
        return std::nullopt;
    }
    std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    return ParseBaseAddr(text);
}

} // namespace zkcomm::linux_platform
