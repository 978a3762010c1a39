#include "zktools/platform/application_title.h"

#include <QCoreApplication>

#include <optional>

namespace zk::platform {

namespace {
std::optional<QString>& TitleSlot() {
    static std::optional<QString> title;
    return title;
}
} // namespace

void SetApplicationTitle(const QString& title) {
    TitleSlot() = title;
}

QString ApplicationTitle() {
    if (const auto& title = TitleSlot())
        return *title;
    return QCoreApplication::applicationName();
}

} // namespace zk::platform
