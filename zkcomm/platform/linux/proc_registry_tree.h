// The Linux hardware description: LPT1 to LPT3 are parport0 to parport2 of
// the kernel's table, shown as MultifunctionAdapter\0\ParallelController\<n-1>
// so that the port search runs over it unchanged. The tree is read afresh
// whenever a search opens its first key.
#ifndef ZKCOMM_PLATFORM_LINUX_PROC_REGISTRY_TREE_H
#define ZKCOMM_PLATFORM_LINUX_PROC_REGISTRY_TREE_H

#include "zkcomm/platform/in_memory_registry_tree.h"

#include <string>

namespace zkcomm::linux_platform {

class ProcRegistryTree : public RegistryTree {
public:
    explicit ProcRegistryTree(std::string procRoot = "/proc") : procRoot_(std::move(procRoot)) {}

    bool OpenKey(std::string_view path, Key& key) override;
    bool EnumSubKey(Key key, uint32_t index, std::span<char> name, size_t& length) override {
        return snapshot_.EnumSubKey(key, index, name, length);
    }
    bool QueryValue(Key key, std::string_view valueName, std::span<uint8_t> data,
                    size_t& size) override {
        return snapshot_.QueryValue(key, valueName, data, size);
    }
    void CloseKey(Key key) override { snapshot_.CloseKey(key); }

private:
    void Rebuild();

    std::string procRoot_;
    InMemoryRegistryTree snapshot_;
};

} // namespace zkcomm::linux_platform

#endif
