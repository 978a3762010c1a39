#include "zktools/platform/desktop_help_service.h"

#include <QDesktopServices>
#include <QFileInfo>

namespace zk::platform {

DesktopHelpService::DesktopHelpService()
    : opener_([](const QUrl& url) { return QDesktopServices::openUrl(url); }) {}

bool DesktopHelpService::Show(const QString& helpFile, const HelpRequest&) {
    if (helpFile.isEmpty() || !QFileInfo(helpFile).isFile())
        return false;
    return opener_(QUrl::fromLocalFile(QFileInfo(helpFile).absoluteFilePath()));
}

} // namespace zk::platform
