#include "zktools/platform/exception_guard.h"

#include <QString>

#include "zktools/platform/platform.h"

namespace zk::platform {

namespace {
void Show(const QString& text) noexcept {
    try {
        Platform::Messages().ShowExceptionText(text);
    } catch (...) {
        // The display itself failed; nothing more can be shown.
    }
}
} // namespace

void ReportException(const std::exception& error) noexcept {
    QString text;
    try {
        text = QString::fromUtf8(error.what());
    } catch (...) {
    }
    Show(text);
}

void ReportUnknownException() noexcept {
    Show(QStringLiteral("Unexpected error"));
}

} // namespace zk::platform
