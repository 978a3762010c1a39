// Our own small ini file: "[Section]" lines and "Key=Value" lines. Section and
// key names compare without regard to letter case; values are taken verbatim
// after the first "=" (surrounding blanks trimmed), so ";", "#" and "=" inside a
// value are data. Lines starting with ";" and lines it does not understand are
// kept and written back unchanged. Every write goes to the file at once.
#ifndef ZKTOOLS_GAUGES_QX_INI_FILE_H
#define ZKTOOLS_GAUGES_QX_INI_FILE_H

#include <QString>
#include <QStringList>

#include <stdexcept>
#include <vector>

namespace zk::gauges {

// A write that could not reach the file; the message names the file.
class EIniFileException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TIniFile {
public:
    // Reads the file if it exists; a missing or unreadable file reads as empty.
    explicit TIniFile(const QString& fileName);

    const QString& FileName() const { return fileName_; }

    QString ReadString(const QString& section, const QString& ident,
                       const QString& defaultValue) const;
    // Decimal or 0x hexadecimal; anything else gives defaultValue.
    int ReadInteger(const QString& section, const QString& ident, int defaultValue) const;
    // "0" is false, any other number true; anything else gives defaultValue.
    bool ReadBool(const QString& section, const QString& ident, bool defaultValue) const;
    // "." decimal separator whatever the locale; non-finite or bad text gives defaultValue.
    double ReadFloat(const QString& section, const QString& ident, double defaultValue) const;

    // Throw EIniFileException when the file cannot be written; the value stays
    // in memory and a section or key name with a line break or "]" / "=" is refused.
    void WriteString(const QString& section, const QString& ident, const QString& value);
    void WriteInteger(const QString& section, const QString& ident, int value);
    void WriteBool(const QString& section, const QString& ident, bool value);
    void WriteFloat(const QString& section, const QString& ident, double value);

    bool SectionExists(const QString& section) const;
    bool ValueExists(const QString& section, const QString& ident) const;
    QStringList ReadSections() const;
    QStringList ReadSection(const QString& section) const; // key names
    void EraseSection(const QString& section);
    void DeleteKey(const QString& section, const QString& ident);

    // The file's text as it would be written.
    QString Text() const;

private:
    struct Line {
        QString text; // verbatim for comments and unknown lines
        bool isEntry = false;
        QString key;
        QString value;
    };
    struct Section {
        QString name;
        bool hasHeader = false; // false: lines before the first section
        QString headerText;
        std::vector<Line> lines;
    };

    void Parse(const QString& text);
    const Line* Find(const QString& section, const QString& ident) const;
    Section* FindSection(const QString& section);
    const Section* FindSection(const QString& section) const;
    void Save() const;

    QString fileName_;
    std::vector<Section> sections_;
};

} // namespace zk::gauges

#endif
