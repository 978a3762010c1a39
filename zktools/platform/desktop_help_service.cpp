#include "zktools/platform/desktop_help_service.h"

#include <QDesktopServices>
#include <QFileInfo>

#include "zktools/platform/platform.h"

namespace zk::platform {

namespace {
QString FullPath(const QString& helpFile) {
    return helpFile.isEmpty() ? QString() : QFileInfo(helpFile).absoluteFilePath();
}
} // namespace

DesktopHelpService::DesktopHelpService()
    : opener_([](const QUrl& url) { return QDesktopServices::openUrl(url); }) {}

QString DesktopHelpService::NotFoundText(const QString& helpFile) {
    const QString path = FullPath(helpFile);
    return path.isEmpty() ? QStringLiteral("Cannot find the help file.")
                          : QStringLiteral("Cannot find the help file %1.").arg(path);
}

QString DesktopHelpService::NoViewerText(const QString& helpFile) {
    return QStringLiteral("Cannot open the help file %1: no program to show it could be started.")
        .arg(FullPath(helpFile));
}

bool DesktopHelpService::Show(const QString& helpFile, const HelpRequest&) {
    if (helpFile.isEmpty() || !QFileInfo(helpFile).isFile()) {
        Platform::Messages().ShowMessage(NotFoundText(helpFile));
        return false;
    }
    if (!opener_(QUrl::fromLocalFile(FullPath(helpFile)))) {
        Platform::Messages().ShowMessage(NoViewerText(helpFile));
        return false;
    }
    return true;
}

} // namespace zk::platform
