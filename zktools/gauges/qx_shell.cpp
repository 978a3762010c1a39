#include "zktools/gauges/qx_shell.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

#include <utility>

namespace zk::gauges {

namespace {

int DesktopLaunch(const QString& path, const QString& parameters, const QString& directory) {
    const QUrl url(path);
    if (!url.scheme().isEmpty() && url.scheme().size() > 1 && !QFileInfo::exists(path))
        return QDesktopServices::openUrl(url) ? kShellOk : kShellNoAssociation;
    const QFileInfo info(path);
    if (!info.dir().exists())
        return kShellPathNotFound;
    if (!info.exists())
        return kShellFileNotFound;
    if (info.isFile() && info.isExecutable()) {
        const bool started = QProcess::startDetached(info.absoluteFilePath(),
                                                     QProcess::splitCommand(parameters), directory);
        return started ? kShellOk : kShellFileNotFound;
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath()))
               ? kShellOk
               : kShellNoAssociation;
}

ShellLauncher& Launcher() {
    static ShellLauncher launcher;
    return launcher;
}

} // namespace

void SetShellLauncher(ShellLauncher launcher) {
    Launcher() = std::move(launcher);
}

// The strings go through whole: nothing here has a fixed-size buffer to overrun.
int QxExecuteFile(const QString& file, const QString& parameters, const QString& directory,
                  int /*show*/) {
    if (file.isEmpty())
        return kShellFileNotFound;
    QString path = file;
    if (!directory.isEmpty() && QFileInfo(file).isRelative() &&
        !file.contains(QLatin1String("://")))
        path = QDir(directory).filePath(file);
    const ShellLauncher& launcher = Launcher();
    return launcher ? launcher(path, parameters, directory)
                    : DesktopLaunch(path, parameters, directory);
}

} // namespace zk::gauges
