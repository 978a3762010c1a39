// The application's title: the caption of plain message boxes and of the
// exception display. Kept apart from QGuiApplication::applicationDisplayName,
// which some platforms append to every window caption.
#ifndef ZKTOOLS_PLATFORM_APPLICATION_TITLE_H
#define ZKTOOLS_PLATFORM_APPLICATION_TITLE_H

#include <QString>

namespace zk::platform {

void SetApplicationTitle(const QString& title);
// The title set last; before any, the application name.
QString ApplicationTitle();

} // namespace zk::platform

#endif
