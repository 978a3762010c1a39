#include "zktools/platform/ini_settings_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringDecoder>

#include "zktools/platform/ini_document.h"
#include "zktools/platform/move_aside.h"

#include <cstdio>
#include <cstring>

namespace zk::platform {

namespace {
struct Loaded {
    IniDocument document;
    bool lossless = true; // false: rewriting would change bytes we could not decode
};

// Nothing when the file exists but cannot be read; a missing file is empty.
std::optional<Loaded> Load(const QString& path) {
    if (path.isEmpty())
        return std::nullopt;
    QFile file(path);
    if (!file.exists())
        return Loaded{};
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(bytes);
    return Loaded{IniDocument::Parse(text), !decoder.hasError()};
}

// Rewriting a file we could not decode would change bytes we never understood, and leaving
// it would keep every later store from being kept. So it goes aside under a name of its own
// (through a link, the file the link names) and the store starts afresh; false when it could
// not be moved, and then it stays where it is.
bool MoveDamagedAside(const QString& path) {
    QString file = QFileInfo(path).canonicalFilePath();
    if (file.isEmpty())
        file = path;
    const QByteArray from = QFile::encodeName(file);
    const MovedAside aside = MoveAside(from.toStdString(), ".damaged");
    if (!aside.moved) {
        std::fprintf(stderr,
                     "zktools: settings file %s cannot be read back unchanged and could not be "
                     "moved aside (%s); settings are not stored\n",
                     from.constData(), std::strerror(aside.error));
        return false;
    }
    std::fprintf(stderr,
                 "zktools: settings file %s cannot be read back unchanged; moved it to %s and "
                 "starting a new one\n",
                 from.constData(), aside.to.c_str());
    return true;
}
} // namespace

QString IniSettingsStore::DefaultPath() {
    const QString overridden = qEnvironmentVariable("ZKTOOLS_SETTINGS_FILE");
    if (!overridden.isEmpty())
        return overridden;
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (base.isEmpty())
        return QString();
    return base + QLatin1String("/VantorTools/registry.ini");
}

QString IniSettingsStore::Path() const {
    return fixedPath_ ? *fixedPath_ : DefaultPath();
}

std::optional<SettingValue> IniSettingsStore::Read(const QString& key, const QString& name) const {
    const std::optional<Loaded> loaded = Load(Path());
    if (!loaded)
        return std::nullopt;
    return loaded->document.Get(key, name);
}

bool IniSettingsStore::Write(const QString& key, const QString& name,
                             const SettingValue& value) const {
    const QString path = Path();
    std::optional<Loaded> loaded = Load(path);
    if (!loaded)
        return false;
    if (!loaded->lossless) {
        if (!MoveDamagedAside(path))
            return false;
        loaded = Loaded{};
    }
    if (!loaded->document.Set(key, name, value))
        return false;
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = loaded->document.Serialize().toUtf8();
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

std::optional<int> IniSettingsStore::ReadInteger(const QString& key, const QString& name) {
    const auto value = Read(key, name);
    if (value && std::holds_alternative<int>(*value))
        return std::get<int>(*value);
    return std::nullopt;
}

std::optional<QString> IniSettingsStore::ReadString(const QString& key, const QString& name) {
    const auto value = Read(key, name);
    if (value && std::holds_alternative<QString>(*value))
        return std::get<QString>(*value);
    return std::nullopt;
}

bool IniSettingsStore::WriteInteger(const QString& key, const QString& name, int value) {
    return Write(key, name, value);
}

bool IniSettingsStore::WriteString(const QString& key, const QString& name, const QString& value) {
    return Write(key, name, value);
}

} // namespace zk::platform
