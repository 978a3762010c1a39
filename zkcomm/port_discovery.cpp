#include "zkcomm/port_discovery.h"

#include "zkcomm/platform/hardware_description.h"

#include <array>

namespace zkcomm {

namespace {

constexpr uint32_t SubkeysSearched = 11; // indexes 0 to 10 of every level
constexpr size_t NameBufferSize = 255;
constexpr size_t ValueBufferSize = 255;
constexpr uint32_t BiosLptTable = 0x408;

// Closes its key on every way out of a scope.
class OpenedKey {
public:
    explicit OpenedKey(RegistryTree& registry) : registry_(registry) {}
    ~OpenedKey() {
        if (open_) {
            registry_.CloseKey(key_);
        }
    }
    OpenedKey(const OpenedKey&) = delete;
    OpenedKey& operator=(const OpenedKey&) = delete;

    bool Open(std::string_view path) {
        open_ = registry_.OpenKey(path, key_);
        return open_;
    }
    RegistryTree::Key Key() const { return key_; }

private:
    RegistryTree& registry_;
    RegistryTree::Key key_ = RegistryTree::NoKey;
    bool open_ = false;
};

bool EnumName(RegistryTree& registry, RegistryTree::Key key, uint32_t index,
              std::array<char, NameBufferSize>& buffer, std::string_view& name) {
    size_t length = 0;
    if (!registry.EnumSubKey(key, index, buffer, length) || length >= buffer.size()) {
        return false;
    }
    name = std::string_view(buffer.data(), length);
    return true;
}

std::string Join(std::string_view parent, std::string_view name) {
    std::string path(parent);
    path += '\\';
    path += name;
    return path;
}

} // namespace

int32_t FindParallelControllerKey(RegistryTree& registry, std::string* path) {
    if (path == nullptr) {
        return PortNotFound;
    }
    path->clear();
    OpenedKey root(registry);
    if (!root.Open(HardwareDescriptionRoot)) {
        return PortNotFound;
    }
    std::array<char, NameBufferSize> buffer1{};
    std::array<char, NameBufferSize> buffer2{};
    std::array<char, NameBufferSize> buffer3{};
    for (uint32_t i1 = 0; i1 < SubkeysSearched; ++i1) {
        std::string_view name1;
        if (!EnumName(registry, root.Key(), i1, buffer1, name1)) {
            continue;
        }
        const std::string path1 = Join(HardwareDescriptionRoot, name1);
        OpenedKey level1(registry);
        if (!level1.Open(path1)) {
            return PortNotFound;
        }
        for (uint32_t i2 = 0; i2 < SubkeysSearched; ++i2) {
            std::string_view name2;
            if (!EnumName(registry, level1.Key(), i2, buffer2, name2)) {
                continue;
            }
            const std::string path2 = Join(path1, name2);
            OpenedKey level2(registry);
            if (!level2.Open(path2)) {
                return PortNotFound;
            }
            for (uint32_t i3 = 0; i3 < SubkeysSearched; ++i3) {
                std::string_view name3;
                if (!EnumName(registry, level2.Key(), i3, buffer3, name3)) {
                    continue;
                }
                if (name3 == ParallelControllerName) {
                    *path = Join(path2, ParallelControllerName);
                    return 0;
                }
            }
        }
    }
    return PortNotFound;
}

int32_t GetPortBaseFromRegistry(RegistryTree& registry, int32_t n) {
    std::string controller;
    if (FindParallelControllerKey(registry, &controller) != 0) {
        return PortNotFound;
    }
    OpenedKey port(registry);
    if (!port.Open(Join(controller, std::to_string(n - 1)))) {
        return PortNotFound;
    }
    std::array<uint8_t, ValueBufferSize> data{};
    size_t size = 0;
    if (!registry.QueryValue(port.Key(), ConfigurationDataValue, data, size)) {
        return PortNotFound;
    }
    // A value too short to hold the first port descriptor names no port.
    if (size < 22 || size > data.size()) {
        return PortNotFound;
    }
    return data[20] + 256 * data[21];
}

int32_t GetPortBaseFromBiosArea(BiosAreaReader& bios, int32_t n) {
    if (n < 1 || n > 3) {
        return PortNotFound;
    }
    std::array<uint8_t, 8> table{};
    if (!bios.Read(BiosLptTable, table)) {
        return PortNotFound;
    }
    const size_t at = static_cast<size_t>(n - 1) * 2;
    const int32_t base = table[at] | (table[at + 1] << 8);
    if (base == 0 || base >= 0x1000) {
        return PortNotFound;
    }
    return base;
}

int32_t GetPortBase(int32_t n, const DiscoveryPlatform& platform) {
    if (n < 1 || n > 3) {
        return PortNotFound;
    }
    if ((platform.version.GetVersion() & Win9xFamilyBit) == 0) {
        return GetPortBaseFromRegistry(platform.registry, n);
    }
    return GetPortBaseFromBiosArea(platform.bios, n);
}

} // namespace zkcomm
