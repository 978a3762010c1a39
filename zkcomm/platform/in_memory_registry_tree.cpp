#include "zkcomm/platform/in_memory_registry_tree.h"

#include <algorithm>
#include <cstring>

namespace zkcomm {

namespace {

constexpr size_t npos = static_cast<size_t>(-1);

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return Lower(x) == Lower(y); });
}

} // namespace

InMemoryRegistryTree::InMemoryRegistryTree() {
    Clear();
}

void InMemoryRegistryTree::Clear() {
    nodes_.assign(1, Node{});
    openKeys_.clear();
    openCalls_ = 0;
}

size_t InMemoryRegistryTree::Find(std::string_view path, bool create) {
    size_t node = 0;
    while (!path.empty()) {
        const size_t cut = path.find('\\');
        const std::string_view part = path.substr(0, cut);
        path = (cut == std::string_view::npos) ? std::string_view{} : path.substr(cut + 1);
        if (part.empty() || (cut != std::string_view::npos && path.empty())) {
            return npos;
        }
        size_t next = npos;
        for (size_t child : nodes_[node].children) {
            if (SameName(nodes_[child].name, part)) {
                next = child;
                break;
            }
        }
        if (next == npos) {
            if (!create) {
                return npos;
            }
            nodes_.push_back(Node{std::string(part), {}, {}, false});
            next = nodes_.size() - 1;
            nodes_[node].children.push_back(next);
        }
        node = next;
    }
    return node;
}

void InMemoryRegistryTree::AddKey(std::string_view path) {
    Find(path, true);
}

void InMemoryRegistryTree::SetValue(std::string_view path, std::string_view valueName,
                                    std::vector<uint8_t> data) {
    const size_t node = Find(path, true);
    if (node == npos) {
        return;
    }
    for (Value& value : nodes_[node].values) {
        if (SameName(value.name, valueName)) {
            value.data = std::move(data);
            return;
        }
    }
    nodes_[node].values.push_back(Value{std::string(valueName), std::move(data)});
}

void InMemoryRegistryTree::DenyOpen(std::string_view path) {
    const size_t node = Find(path, true);
    if (node != npos) {
        nodes_[node].denyOpen = true;
    }
}

size_t InMemoryRegistryTree::OpenKeyCount() const {
    return static_cast<size_t>(
        std::count_if(openKeys_.begin(), openKeys_.end(), [](size_t n) { return n != npos; }));
}

const InMemoryRegistryTree::Node* InMemoryRegistryTree::NodeOf(Key key) const {
    if (key == NoKey || key > openKeys_.size() || openKeys_[key - 1] == npos) {
        return nullptr;
    }
    return &nodes_[openKeys_[key - 1]];
}

bool InMemoryRegistryTree::OpenKey(std::string_view path, Key& key) {
    // The machine root itself is not a key one opens by path.
    const size_t node = path.empty() ? npos : Find(path, false);
    if (node == npos || nodes_[node].denyOpen) {
        return false;
    }
    auto slot = std::find(openKeys_.begin(), openKeys_.end(), npos);
    if (slot == openKeys_.end()) {
        openKeys_.push_back(node);
        slot = openKeys_.end() - 1;
    } else {
        *slot = node;
    }
    key = static_cast<Key>(slot - openKeys_.begin() + 1);
    ++openCalls_;
    return true;
}

bool InMemoryRegistryTree::EnumSubKey(Key key, uint32_t index, std::span<char> name,
                                      size_t& length) {
    const Node* node = NodeOf(key);
    if (node == nullptr || index >= node->children.size()) {
        return false;
    }
    const std::string& childName = nodes_[node->children[index]].name;
    if (childName.size() + 1 > name.size()) {
        return false;
    }
    std::memcpy(name.data(), childName.data(), childName.size());
    name[childName.size()] = '\0';
    length = childName.size();
    return true;
}

bool InMemoryRegistryTree::QueryValue(Key key, std::string_view valueName, std::span<uint8_t> data,
                                      size_t& size) {
    const Node* node = NodeOf(key);
    if (node == nullptr) {
        return false;
    }
    for (const Value& value : node->values) {
        if (SameName(value.name, valueName)) {
            if (value.data.size() > data.size()) {
                return false;
            }
            std::copy(value.data.begin(), value.data.end(), data.begin());
            size = value.data.size();
            return true;
        }
    }
    return false;
}

void InMemoryRegistryTree::CloseKey(Key key) {
    if (NodeOf(key) != nullptr) {
        openKeys_[key - 1] = npos;
    }
}

} // namespace zkcomm
