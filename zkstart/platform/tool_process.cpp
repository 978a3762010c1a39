#include "zkstart/platform/tool_process.h"

#include <QDir>
#include <QRegularExpression>

namespace zk::start {

std::optional<ToolProcess> ToolProcessFor(const QString& commandLine, const QString& launcherDir) {
    static const QRegularExpression blanks(QStringLiteral("[ \t]+"));
    QStringList words = commandLine.split(blanks, Qt::SkipEmptyParts);
    if (words.isEmpty())
        return std::nullopt;
    QString name = words.takeFirst();
    if (name.endsWith(QStringLiteral(".exe"), Qt::CaseInsensitive))
        name.chop(4);
    if (name.isEmpty())
        return std::nullopt;
    const QString program = QDir::isAbsolutePath(name) ? name : QDir(launcherDir).filePath(name);
    return ToolProcess{QDir::cleanPath(program), words};
}

} // namespace zk::start
