// The settings store for tests: values in memory, every write attempt logged, and
// reads or writes refused on demand (as for a user without rights).
#ifndef ZKTOOLS_PLATFORM_MEMORY_SETTINGS_STORE_H
#define ZKTOOLS_PLATFORM_MEMORY_SETTINGS_STORE_H

#include <map>
#include <utility>
#include <vector>

#include "zktools/platform/settings_store.h"

namespace zk::platform {

class MemorySettingsStore : public SettingsStore {
public:
    struct WriteAttempt {
        QString key;
        QString name;
        SettingValue value;
        bool accepted;
        bool operator==(const WriteAttempt&) const = default;
    };

    std::optional<int> ReadInteger(const QString& key, const QString& name) override;
    std::optional<QString> ReadString(const QString& key, const QString& name) override;
    bool WriteInteger(const QString& key, const QString& name, int value) override;
    bool WriteString(const QString& key, const QString& name, const QString& value) override;

    void RefuseReads(bool refuse) { refuseReads_ = refuse; }
    void RefuseWrites(bool refuse) { refuseWrites_ = refuse; }
    void Refuse(bool refuse) { refuseReads_ = refuseWrites_ = refuse; }

    // What is stored, whatever is refused.
    std::optional<SettingValue> Value(const QString& key, const QString& name) const;
    // Stores without logging, whatever is refused (a test's starting state).
    void Preset(const QString& key, const QString& name, const SettingValue& value);
    const std::vector<WriteAttempt>& Writes() const { return writes_; }
    void Clear();

private:
    using Slot = std::pair<QString, QString>;
    static Slot Fold(const QString& key, const QString& name);
    bool Write(const QString& key, const QString& name, const SettingValue& value);

    std::map<Slot, SettingValue> values_;
    std::vector<WriteAttempt> writes_;
    bool refuseReads_ = false;
    bool refuseWrites_ = false;
};

} // namespace zk::platform

#endif
