#include "zktools/gauges/qx_ini_file.h"

#include <QFile>
#include <QSaveFile>
#include <QStringConverter>
#include <QTextStream>

#include <cmath>
#include <iterator>
#include <utility>

namespace zk::gauges {

namespace {

bool SameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool BadName(const QString& name, bool isKey) {
    if (name.contains(u'\n') || name.contains(u'\r'))
        return true;
    if (isKey)
        return name.contains(u'=') || name.trimmed().isEmpty() || name.trimmed() != name ||
               name.startsWith(u'[') || name.startsWith(u';');
    return name.contains(u']');
}

} // namespace

TIniFile::TIniFile(const QString& fileName) : fileName_(fileName) {
    QFile file(fileName_);
    if (file.open(QIODevice::ReadOnly)) {
        QTextStream in(&file);
        in.setEncoding(QStringConverter::Utf8);
        Parse(in.readAll());
    }
}

void TIniFile::Parse(const QString& text) {
    sections_.clear();
    sections_.push_back(Section{});
    QString body = text;
    body.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QStringList lines = body.split(u'\n');
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    for (const QString& raw : lines) {
        const QString trimmed = raw.trimmed();
        if (trimmed.startsWith(u'[')) {
            const qsizetype close = trimmed.indexOf(u']');
            if (close > 0) {
                Section s;
                s.name = trimmed.mid(1, close - 1).trimmed();
                s.hasHeader = true;
                s.headerText = raw;
                sections_.push_back(std::move(s));
                continue;
            }
        }
        Line line;
        line.text = raw;
        const qsizetype eq = raw.indexOf(u'=');
        if (!trimmed.startsWith(u';') && eq > 0 && !raw.left(eq).trimmed().isEmpty()) {
            line.isEntry = true;
            line.key = raw.left(eq).trimmed();
            line.value = raw.mid(eq + 1).trimmed();
        }
        sections_.back().lines.push_back(std::move(line));
    }
}

const TIniFile::Section* TIniFile::FindSection(const QString& section) const {
    for (const Section& s : sections_)
        if (s.hasHeader && SameName(s.name, section))
            return &s;
    return nullptr;
}

TIniFile::Section* TIniFile::FindSection(const QString& section) {
    return const_cast<Section*>(std::as_const(*this).FindSection(section));
}

const TIniFile::Line* TIniFile::Find(const QString& section, const QString& ident) const {
    const Section* s = FindSection(section);
    if (s == nullptr)
        return nullptr;
    for (const Line& line : s->lines)
        if (line.isEntry && SameName(line.key, ident))
            return &line;
    return nullptr;
}

QString TIniFile::ReadString(const QString& section, const QString& ident,
                             const QString& defaultValue) const {
    const Line* line = Find(section, ident);
    return line != nullptr ? line->value : defaultValue;
}

int TIniFile::ReadInteger(const QString& section, const QString& ident, int defaultValue) const {
    const QString text = ReadString(section, ident, QString()).trimmed();
    bool ok = false;
    int value = 0;
    if (text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        value = text.mid(2).toInt(&ok, 16);
    else
        value = text.toInt(&ok, 10);
    return ok ? value : defaultValue;
}

bool TIniFile::ReadBool(const QString& section, const QString& ident, bool defaultValue) const {
    const int sentinel = defaultValue ? 1 : 0;
    return ReadInteger(section, ident, sentinel) != 0;
}

double TIniFile::ReadFloat(const QString& section, const QString& ident,
                           double defaultValue) const {
    const QString text = ReadString(section, ident, QString()).trimmed();
    bool ok = false;
    const double value = text.toDouble(&ok); // QString::toDouble is locale-independent
    return ok && std::isfinite(value) ? value : defaultValue;
}

void TIniFile::WriteString(const QString& section, const QString& ident, const QString& value) {
    if (BadName(section, false) || BadName(ident, true) || value.contains(u'\n') ||
        value.contains(u'\r'))
        throw EIniFileException(QStringLiteral("Unable to write to %1: bad name or value")
                                    .arg(fileName_)
                                    .toStdString());
    Section* s = FindSection(section);
    if (s == nullptr) {
        Section fresh;
        fresh.name = section;
        fresh.hasHeader = true;
        fresh.headerText = QLatin1Char('[') + section + QLatin1Char(']');
        sections_.push_back(std::move(fresh));
        s = &sections_.back();
    }
    Line* found = nullptr;
    for (Line& line : s->lines)
        if (line.isEntry && SameName(line.key, ident)) {
            found = &line;
            break;
        }
    if (found == nullptr) {
        Line line;
        line.isEntry = true;
        line.key = ident;
        // New keys go after the section's last entry, before trailing blank lines.
        auto at = s->lines.end();
        while (at != s->lines.begin() && std::prev(at)->text.trimmed().isEmpty() &&
               !std::prev(at)->isEntry)
            --at;
        found = &*s->lines.insert(at, std::move(line));
    }
    found->value = value;
    found->text = found->key + QLatin1Char('=') + value;
    Save();
}

void TIniFile::WriteInteger(const QString& section, const QString& ident, int value) {
    WriteString(section, ident, QString::number(value));
}

void TIniFile::WriteBool(const QString& section, const QString& ident, bool value) {
    WriteString(section, ident, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void TIniFile::WriteFloat(const QString& section, const QString& ident, double value) {
    WriteString(section, ident, QString::number(value, 'g', 17));
}

bool TIniFile::SectionExists(const QString& section) const {
    return FindSection(section) != nullptr;
}

bool TIniFile::ValueExists(const QString& section, const QString& ident) const {
    return Find(section, ident) != nullptr;
}

QStringList TIniFile::ReadSections() const {
    QStringList names;
    for (const Section& s : sections_)
        if (s.hasHeader)
            names << s.name;
    return names;
}

QStringList TIniFile::ReadSection(const QString& section) const {
    QStringList keys;
    if (const Section* s = FindSection(section))
        for (const Line& line : s->lines)
            if (line.isEntry)
                keys << line.key;
    return keys;
}

void TIniFile::EraseSection(const QString& section) {
    bool erased = false;
    for (auto it = sections_.begin(); it != sections_.end();) {
        if (it->hasHeader && SameName(it->name, section)) {
            it = sections_.erase(it);
            erased = true;
        } else {
            ++it;
        }
    }
    if (erased)
        Save();
}

void TIniFile::DeleteKey(const QString& section, const QString& ident) {
    Section* s = FindSection(section);
    if (s == nullptr)
        return;
    for (auto it = s->lines.begin(); it != s->lines.end(); ++it)
        if (it->isEntry && SameName(it->key, ident)) {
            s->lines.erase(it);
            Save();
            return;
        }
}

QString TIniFile::Text() const {
    QString out;
    for (const Section& s : sections_) {
        if (s.hasHeader)
            out += s.headerText + QLatin1Char('\n');
        for (const Line& line : s.lines)
            out += line.text + QLatin1Char('\n');
    }
    return out;
}

void TIniFile::Save() const {
    // Written whole to a temporary file and renamed, so a failed write leaves the
    // old file as it was.
    QSaveFile file(fileName_);
    if (!file.open(QIODevice::WriteOnly))
        throw EIniFileException(
            QStringLiteral("Unable to write to %1").arg(fileName_).toStdString());
    const QByteArray bytes = Text().toUtf8();
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw EIniFileException(
            QStringLiteral("Unable to write to %1").arg(fileName_).toStdString());
}

} // namespace zk::gauges
