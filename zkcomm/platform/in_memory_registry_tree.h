// A registry tree held in memory: the hardware description of the simulated
// machine, the snapshot of the Linux description, and any tree a test needs.
// Paths and value names compare without regard to ASCII case, as the registry
// does; subkeys enumerate in the order they were added.
#ifndef ZKCOMM_PLATFORM_IN_MEMORY_REGISTRY_TREE_H
#define ZKCOMM_PLATFORM_IN_MEMORY_REGISTRY_TREE_H

#include "zkcomm/platform/registry_tree.h"

#include <string>
#include <vector>

namespace zkcomm {

class InMemoryRegistryTree : public RegistryTree {
public:
    InMemoryRegistryTree();

    // Adds the key at path and any missing key above it.
    void AddKey(std::string_view path);
    // Adds the key if needed and sets its value.
    void SetValue(std::string_view path, std::string_view valueName, std::vector<uint8_t> data);
    // Makes opening the key at path fail, as for a key the caller may not read.
    void DenyOpen(std::string_view path);
    void Clear();
    // Keys opened and not yet closed.
    size_t OpenKeyCount() const;
    // Number of OpenKey calls that succeeded.
    size_t OpenCalls() const { return openCalls_; }

    bool OpenKey(std::string_view path, Key& key) override;
    bool EnumSubKey(Key key, uint32_t index, std::span<char> name, size_t& length) override;
    bool QueryValue(Key key, std::string_view valueName, std::span<uint8_t> data,
                    size_t& size) override;
    void CloseKey(Key key) override;

private:
    struct Value {
        std::string name;
        std::vector<uint8_t> data;
    };
    struct Node {
        std::string name;
        std::vector<size_t> children;
        std::vector<Value> values;
        bool denyOpen = false;
    };

    // Index of the node at path; creates missing nodes when create is set.
    // Returns npos when the path is malformed or (without create) absent.
    size_t Find(std::string_view path, bool create);
    const Node* NodeOf(Key key) const;

    std::vector<Node> nodes_;      // nodes_[0] is the machine root
    std::vector<size_t> openKeys_; // handle - 1 -> node index, npos when closed
    size_t openCalls_ = 0;
};

} // namespace zkcomm

#endif
