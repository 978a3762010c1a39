// The settings store: what the windows keep between runs under registry-style key
// paths such as "SOFTWARE\Qorvel\Tamberlyne\Comm", each holding named integer and
// string values. Failures are silent: a read gives nothing, a write gives false.
// Key paths and value names compare without regard to letter case.
#ifndef ZKTOOLS_PLATFORM_SETTINGS_STORE_H
#define ZKTOOLS_PLATFORM_SETTINGS_STORE_H

#include <QString>

#include <optional>
#include <variant>

namespace zk::platform {

using SettingValue = std::variant<int, QString>;

class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // Nothing when the key or value is missing, has the other type, or cannot be read.
    virtual std::optional<int> ReadInteger(const QString& key, const QString& name) = 0;
    virtual std::optional<QString> ReadString(const QString& key, const QString& name) = 0;
    // Creates the key when missing; replaces a value of either type.
    virtual bool WriteInteger(const QString& key, const QString& name, int value) = 0;
    virtual bool WriteString(const QString& key, const QString& name, const QString& value) = 0;
};

} // namespace zk::platform

#endif
