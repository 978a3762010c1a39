// Read-only view of the machine's hardware description, shaped like the
// registry calls the port search makes: keys opened by their full path below
// the machine root, subkeys enumerated by index, values read as bytes.
#ifndef ZKCOMM_PLATFORM_REGISTRY_TREE_H
#define ZKCOMM_PLATFORM_REGISTRY_TREE_H

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace zkcomm {

class RegistryTree {
public:
    using Key = uint32_t;
    static constexpr Key NoKey = 0;

    virtual ~RegistryTree() = default;
    // Opens the key at path ("A\B\C", below the machine root) for reading.
    virtual bool OpenKey(std::string_view path, Key& key) = 0;
    // Name of the subkey at index, zero-terminated in name; length is set to
    // the name's length without the zero. Fails past the last subkey and when
    // the name and its zero do not fit.
    virtual bool EnumSubKey(Key key, uint32_t index, std::span<char> name, size_t& length) = 0;
    // Bytes of the named value of key; size is set to their number. Fails when
    // the value does not exist or is longer than data.
    virtual bool QueryValue(Key key, std::string_view valueName, std::span<uint8_t> data,
                            size_t& size) = 0;
    virtual void CloseKey(Key key) = 0;
};

} // namespace zkcomm

#endif
