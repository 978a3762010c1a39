// The help seam on the desktop: the help file opens in the desktop's viewer for
// it when the file exists. A generic viewer cannot jump to a key or context, so
// every request opens the file. As a help system does, it says in a message box
// when it cannot find the file or when no viewer opens it.
#ifndef ZKTOOLS_PLATFORM_DESKTOP_HELP_SERVICE_H
#define ZKTOOLS_PLATFORM_DESKTOP_HELP_SERVICE_H

#include <QUrl>

#include <functional>

#include "zktools/platform/help_service.h"

namespace zk::platform {

class DesktopHelpService : public HelpService {
public:
    using Opener = std::function<bool(const QUrl&)>;
    // Default opener: QDesktopServices::openUrl.
    DesktopHelpService();
    explicit DesktopHelpService(Opener opener) : opener_(std::move(opener)) {}

    bool Show(const QString& helpFile, const HelpRequest& request) override;

    // The texts of its message boxes, with the file's full path.
    static QString NotFoundText(const QString& helpFile);
    static QString NoViewerText(const QString& helpFile);

private:
    Opener opener_;
};

} // namespace zk::platform

#endif
