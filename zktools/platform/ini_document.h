// Our own small INI text: "[key path]" sections holding typed, quoted values,
//   [SOFTWARE\Qorvel\Tamberlyne\Comm]
//   "PLTPort"=int:3
//   "row1"="IVMode"
// Inside quotes \\ \" \n \r \t are escapes; nothing else is special, so names may
// hold ";", "=", "\" or "#". Lines it does not understand (comments, hand edits)
// are kept as they are and written back unchanged.
#ifndef ZKTOOLS_PLATFORM_INI_DOCUMENT_H
#define ZKTOOLS_PLATFORM_INI_DOCUMENT_H

#include <QString>

#include <optional>
#include <vector>

#include "zktools/platform/settings_store.h"

namespace zk::platform {

class IniDocument {
public:
    static IniDocument Parse(const QString& text);
    QString Serialize() const;

    // Key paths and names compare without regard to letter case; the first match counts.
    std::optional<SettingValue> Get(const QString& key, const QString& name) const;
    // false when the key path holds a line break (no section line can carry it).
    bool Set(const QString& key, const QString& name, const SettingValue& value);

private:
    struct Entry {
        QString name;
        SettingValue value;
    };
    struct Line {
        QString text;
        std::optional<Entry> entry;
    };
    struct Section {
        std::optional<QString> key; // none: the lines before the first section
        std::vector<Line> lines;
    };

    std::vector<Section> sections_;
};

} // namespace zk::platform

#endif
