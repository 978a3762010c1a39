#include "zktools/platform/memory_settings_store.h"

namespace zk::platform {

MemorySettingsStore::Slot MemorySettingsStore::Fold(const QString& key, const QString& name) {
    return {key.toCaseFolded(), name.toCaseFolded()};
}

std::optional<SettingValue> MemorySettingsStore::Value(const QString& key,
                                                       const QString& name) const {
    const auto found = values_.find(Fold(key, name));
    if (found == values_.end())
        return std::nullopt;
    return found->second;
}

void MemorySettingsStore::Preset(const QString& key, const QString& name,
                                 const SettingValue& value) {
    values_[Fold(key, name)] = value;
}

std::optional<int> MemorySettingsStore::ReadInteger(const QString& key, const QString& name) {
    const auto value = refuseReads_ ? std::nullopt : Value(key, name);
    if (value && std::holds_alternative<int>(*value))
        return std::get<int>(*value);
    return std::nullopt;
}

std::optional<QString> MemorySettingsStore::ReadString(const QString& key, const QString& name) {
    const auto value = refuseReads_ ? std::nullopt : Value(key, name);
    if (value && std::holds_alternative<QString>(*value))
        return std::get<QString>(*value);
    return std::nullopt;
}

bool MemorySettingsStore::Write(const QString& key, const QString& name,
                                const SettingValue& value) {
    writes_.push_back({key, name, value, !refuseWrites_});
    if (refuseWrites_)
        return false;
    values_[Fold(key, name)] = value;
    return true;
}

bool MemorySettingsStore::WriteInteger(const QString& key, const QString& name, int value) {
    return Write(key, name, value);
}

bool MemorySettingsStore::WriteString(const QString& key, const QString& name,
                                      const QString& value) {
    return Write(key, name, value);
}

void MemorySettingsStore::Clear() {
    values_.clear();
    writes_.clear();
    refuseReads_ = refuseWrites_ = false;
}

} // namespace zk::platform
