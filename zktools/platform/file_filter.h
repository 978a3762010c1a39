// File-dialog filters in the windows' notation and their Qt form.
#ifndef ZKTOOLS_PLATFORM_FILE_FILTER_H
#define ZKTOOLS_PLATFORM_FILE_FILTER_H

#include <QStringList>

#include <vector>

namespace zk::platform {

struct FilterEntry {
    QString description;
    QStringList patterns;
    bool operator==(const FilterEntry&) const = default;
};

// "Desc|p1;p2|Desc2|p3": description and pattern list in pairs. A pair without
// patterns and a trailing description without its pattern part are dropped.
std::vector<FilterEntry> ParseFileFilter(const QString& filter);

// Qt name filters, "Desc (p1 p2)". A description that already ends in its own
// pattern list keeps its text; "*.*" (every file) becomes "*".
QStringList ToQtNameFilters(const QString& filter);

// `path` with "." + `defaultExt` added when its file name has no extension.
QString WithDefaultExtension(const QString& path, const QString& defaultExt);

} // namespace zk::platform

#endif
