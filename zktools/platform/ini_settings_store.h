// The settings store kept in a per-user INI file (ini_document.h). The file is
// read afresh for every access and replaced as a whole through a temporary file,
// so a failed write leaves the old file intact. A file that exists but cannot be
// read is never overwritten; one that is not valid UTF-8 is moved aside at the next
// write (registry.ini.damaged, .damaged-1, ...; a stderr line names both paths) and
// a new file takes its place.
#ifndef ZKTOOLS_PLATFORM_INI_SETTINGS_STORE_H
#define ZKTOOLS_PLATFORM_INI_SETTINGS_STORE_H

#include <optional>

#include "zktools/platform/settings_store.h"

namespace zk::platform {

class IniDocument;

class IniSettingsStore : public SettingsStore {
public:
    // Follows DefaultPath() at every access.
    IniSettingsStore() = default;
    explicit IniSettingsStore(QString path) : fixedPath_(std::move(path)) {}

    // $ZKTOOLS_SETTINGS_FILE when set, else <user config folder>/VantorTools/registry.ini.
    static QString DefaultPath();
    QString Path() const;

    std::optional<int> ReadInteger(const QString& key, const QString& name) override;
    std::optional<QString> ReadString(const QString& key, const QString& name) override;
    bool WriteInteger(const QString& key, const QString& name, int value) override;
    bool WriteString(const QString& key, const QString& name, const QString& value) override;

private:
    std::optional<SettingValue> Read(const QString& key, const QString& name) const;
    bool Write(const QString& key, const QString& name, const SettingValue& value) const;

    std::optional<QString> fixedPath_;
};

} // namespace zk::platform

#endif
