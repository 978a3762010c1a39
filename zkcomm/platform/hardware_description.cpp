#include "zkcomm/platform/hardware_description.h"

#include <string>

namespace zkcomm {

namespace {

void PutLittleEndian(std::vector<uint8_t>& out, uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
    }
}

} // namespace

std::vector<uint8_t> PortResourceDescriptor(uint16_t base, uint32_t length) {
    std::vector<uint8_t> data;
    data.reserve(32);
    PutLittleEndian(data, 1, 4);      // interface type: ISA
    PutLittleEndian(data, 0, 4);      // bus number
    PutLittleEndian(data, 1, 2);      // list version
    PutLittleEndian(data, 1, 2);      // list revision
    PutLittleEndian(data, 1, 4);      // one partial descriptor
    PutLittleEndian(data, 1, 1);      // type: port
    PutLittleEndian(data, 1, 1);      // share disposition: device exclusive
    PutLittleEndian(data, 1, 2);      // flags: I/O space
    PutLittleEndian(data, base, 8);   // start address
    PutLittleEndian(data, length, 4); // length
    return data;
}

void AddParallelPort(InMemoryRegistryTree& tree, int index, uint16_t base) {
    std::string path(HardwareDescriptionRoot);
    path += "\\MultifunctionAdapter\\0\\ParallelController\\";
    path += std::to_string(index);
    tree.SetValue(path, ConfigurationDataValue, PortResourceDescriptor(base));
}

} // namespace zkcomm
