#include "zktools/forms/program_folders.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString WithTrailingSeparator(QString path) {
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

// True when `dir` holds a folder "zkc" afterwards.
bool MakeParamFolder(const QString& dir) {
    if (dir.isEmpty())
        return false;
    QDir(dir).mkpath(QStringLiteral("zkc"));
    return QFileInfo(dir + QStringLiteral("zkc")).isDir();
}

} // namespace

ProgramFolders PrepareProgramFolders(const QString& programDir) {
    ProgramFolders folders;
    folders.appDir = WithTrailingSeparator(QDir::cleanPath(programDir));
    folders.paramDir = folders.appDir + QStringLiteral("zkc/");
    if (MakeParamFolder(folders.appDir))
        return folders;

    const QString userData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (!userData.isEmpty()) {
        const QString userDir = WithTrailingSeparator(userData);
        QDir().mkpath(userDir);
        if (MakeParamFolder(userDir))
            folders.paramDir = userDir + QStringLiteral("zkc/");
    }
    return folders;
}
