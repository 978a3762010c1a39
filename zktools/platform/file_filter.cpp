#include "zktools/platform/file_filter.h"

#include <QRegularExpression>

namespace zk::platform {

namespace {
QStringList SplitPatterns(const QString& text, const QRegularExpression& separators) {
    QStringList patterns;
    for (const QString& part : text.split(separators, Qt::SkipEmptyParts)) {
        const QString pattern = part.trimmed();
        if (!pattern.isEmpty())
            patterns << pattern;
    }
    return patterns;
}

QString QtPattern(const QString& pattern) {
    return pattern == QLatin1String("*.*") ? QStringLiteral("*") : pattern;
}
} // namespace

std::vector<FilterEntry> ParseFileFilter(const QString& filter) {
    static const QRegularExpression separators(QStringLiteral(";"));
    std::vector<FilterEntry> entries;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = SplitPatterns(parts[i + 1], separators);
        if (!patterns.isEmpty())
            entries.push_back({parts[i], std::move(patterns)});
    }
    return entries;
}

QStringList ToQtNameFilters(const QString& filter) {
    static const QRegularExpression listed(QStringLiteral("[;\\s]+"));
    QStringList result;
    for (const FilterEntry& entry : ParseFileFilter(filter)) {
        QStringList mapped;
        for (const QString& pattern : entry.patterns)
            mapped << QtPattern(pattern);
        const QString list = QLatin1Char('(') + mapped.join(QLatin1Char(' ')) + QLatin1Char(')');

        const QString& description = entry.description;
        const qsizetype open = description.lastIndexOf(QLatin1Char('('));
        const bool endsInOwnList =
            open >= 0 && description.endsWith(QLatin1Char(')')) &&
            SplitPatterns(description.mid(open + 1, description.size() - open - 2), listed) ==
                entry.patterns;
        if (endsInOwnList)
            result << description.left(open) + list;
        else if (description.trimmed().isEmpty())
            result << mapped.join(QLatin1Char(' '));
        else
            result << description + QLatin1Char(' ') + list;
    }
    return result;
}

QString WithDefaultExtension(const QString& path, const QString& defaultExt) {
    QString ext = defaultExt;
    while (ext.startsWith(QLatin1Char('.')))
        ext.remove(0, 1);
    const QString name = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    if (ext.isEmpty() || name.isEmpty() || name.contains(QLatin1Char('.')))
        return path;
    return path + QLatin1Char('.') + ext;
}

} // namespace zk::platform
