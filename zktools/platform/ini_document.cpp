#include "zktools/platform/ini_document.h"

#include <QStringList>

#include <charconv>
#include <iterator>

namespace zk::platform {

namespace {
bool SameName(const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseInsensitive) == 0;
}

bool IsBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

void SkipBlanks(const QString& line, qsizetype& pos) {
    while (pos < line.size() && IsBlank(line[pos]))
        ++pos;
}

// Reads "..." starting at pos (which must be at the opening quote).
std::optional<QString> ReadQuoted(const QString& line, qsizetype& pos) {
    if (pos >= line.size() || line[pos] != QLatin1Char('"'))
        return std::nullopt;
    QString text;
    for (++pos; pos < line.size(); ++pos) {
        const QChar c = line[pos];
        if (c == QLatin1Char('"')) {
            ++pos;
            return text;
        }
        if (c != QLatin1Char('\\')) {
            text += c;
            continue;
        }
        if (++pos >= line.size())
            return std::nullopt;
        switch (line[pos].unicode()) {
        case '\\':
            text += QLatin1Char('\\');
            break;
        case '"':
            text += QLatin1Char('"');
            break;
        case 'n':
            text += QLatin1Char('\n');
            break;
        case 'r':
            text += QLatin1Char('\r');
            break;
        case 't':
            text += QLatin1Char('\t');
            break;
        default:
            return std::nullopt;
        }
    }
    return std::nullopt;
}

std::optional<int> ReadInteger(const QString& digits) {
    const QByteArray latin = digits.toLatin1();
    if (latin.isEmpty() || latin.contains('+') || digits.size() != latin.size())
        return std::nullopt;
    int value = 0;
    const char* end = latin.constData() + latin.size();
    const auto [stop, error] = std::from_chars(latin.constData(), end, value);
    if (error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

QString Quote(const QString& text) {
    QString quoted = QStringLiteral("\"");
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '\\':
            quoted += QLatin1String("\\\\");
            break;
        case '"':
            quoted += QLatin1String("\\\"");
            break;
        case '\n':
            quoted += QLatin1String("\\n");
            break;
        case '\r':
            quoted += QLatin1String("\\r");
            break;
        default:
            quoted += c;
        }
    }
    return quoted + QLatin1Char('"');
}

QString FormatEntry(const QString& name, const SettingValue& value) {
    QString text = Quote(name) + QLatin1Char('=');
    if (const int* number = std::get_if<int>(&value))
        return text + QLatin1String("int:") + QString::number(*number);
    return text + Quote(std::get<QString>(value));
}

struct ParsedEntry {
    QString name;
    SettingValue value;
};

std::optional<ParsedEntry> ParseEntry(const QString& line) {
    qsizetype pos = 0;
    SkipBlanks(line, pos);
    std::optional<QString> name = ReadQuoted(line, pos);
    if (!name)
        return std::nullopt;
    SkipBlanks(line, pos);
    if (pos >= line.size() || line[pos] != QLatin1Char('='))
        return std::nullopt;
    ++pos;
    SkipBlanks(line, pos);

    SettingValue value;
    if (pos < line.size() && line[pos] == QLatin1Char('"')) {
        std::optional<QString> text = ReadQuoted(line, pos);
        if (!text)
            return std::nullopt;
        value = *text;
        SkipBlanks(line, pos);
        if (pos != line.size())
            return std::nullopt;
    } else if (line.mid(pos).startsWith(QLatin1String("int:"))) {
        std::optional<int> number = ReadInteger(line.mid(pos + 4).trimmed());
        if (!number)
            return std::nullopt;
        value = *number;
    } else {
        return std::nullopt;
    }
    return ParsedEntry{*name, value};
}
} // namespace

IniDocument IniDocument::Parse(const QString& text) {
    IniDocument document;
    document.sections_.push_back({});
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.pop_back();
    if (!lines.isEmpty() && lines.front().startsWith(QChar(0xFEFF)))
        lines.front().remove(0, 1);

    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const QString trimmed = line.trimmed();
        if (trimmed.size() >= 2 && trimmed.startsWith(QLatin1Char('[')) &&
            trimmed.endsWith(QLatin1Char(']'))) {
            document.sections_.push_back({trimmed.mid(1, trimmed.size() - 2), {}});
            continue;
        }
        Section& section = document.sections_.back();
        std::optional<Entry> entry;
        if (section.key && !trimmed.startsWith(QLatin1Char(';')) &&
            !trimmed.startsWith(QLatin1Char('#'))) {
            if (auto parsed = ParseEntry(line))
                entry = Entry{parsed->name, parsed->value};
        }
        section.lines.push_back({line, std::move(entry)});
    }
    return document;
}

QString IniDocument::Serialize() const {
    QString text;
    for (const Section& section : sections_) {
        if (section.key)
            text += QLatin1Char('[') + *section.key + QLatin1String("]\n");
        for (const Line& line : section.lines)
            text += line.text + QLatin1Char('\n');
    }
    return text;
}

std::optional<SettingValue> IniDocument::Get(const QString& key, const QString& name) const {
    for (const Section& section : sections_) {
        if (!section.key || !SameName(*section.key, key))
            continue;
        for (const Line& line : section.lines) {
            if (line.entry && SameName(line.entry->name, name))
                return line.entry->value;
        }
    }
    return std::nullopt;
}

bool IniDocument::Set(const QString& key, const QString& name, const SettingValue& value) {
    if (key.contains(QLatin1Char('\n')) || key.contains(QLatin1Char('\r')))
        return false;

    Section* home = nullptr;
    for (Section& section : sections_) {
        if (!section.key || !SameName(*section.key, key))
            continue;
        if (home == nullptr)
            home = &section;
        for (Line& line : section.lines) {
            if (line.entry && SameName(line.entry->name, name)) {
                // The stored spelling of the name stays.
                line.entry->value = value;
                line.text = FormatEntry(line.entry->name, value);
                return true;
            }
        }
    }

    Line added{FormatEntry(name, value), Entry{name, value}};
    if (home != nullptr) {
        // After the section's last non-blank line, so blank separators stay at its end.
        auto at = home->lines.end();
        while (at != home->lines.begin() && std::prev(at)->text.trimmed().isEmpty())
            --at;
        home->lines.insert(at, std::move(added));
        return true;
    }
    if (sections_.empty())
        sections_.push_back({});
    const Section& last = sections_.back();
    const bool printsSomething = last.key.has_value() || !last.lines.empty();
    const bool endsBlank = !last.lines.empty() && last.lines.back().text.trimmed().isEmpty();
    if (printsSomething && !endsBlank)
        sections_.back().lines.push_back({QString(), std::nullopt});
    sections_.push_back({key, {std::move(added)}});
    return true;
}

} // namespace zk::platform
