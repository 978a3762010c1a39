#include "zktools/platform/qt_message_service.h"

#include <QMessageBox>

#include "zktools/platform/application_title.h"
#include "zktools/platform/window_owner.h"

namespace zk::platform {

namespace {
QMessageBox::StandardButton Run(QMessageBox::Icon icon, const QString& caption, const QString& text,
                                QMessageBox::StandardButtons buttons,
                                QMessageBox::StandardButton preselected) {
    QMessageBox box(icon, caption, text, buttons, DialogOwner());
    box.setDefaultButton(preselected);
    box.setTextFormat(Qt::PlainText);
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    return clicked == nullptr ? QMessageBox::NoButton : box.standardButton(clicked);
}
} // namespace

void QtMessageService::ShowMessage(const QString& text) {
    Run(QMessageBox::NoIcon, ApplicationTitle(), text, QMessageBox::Ok, QMessageBox::Ok);
}

Answer QtMessageService::AskWarningYesNo(const QString& text) {
    const auto chosen = Run(QMessageBox::Warning, QStringLiteral("Warning"), text,
                            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    return chosen == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

void QtMessageService::ShowExceptionText(const QString& text) {
    Run(QMessageBox::Critical, ApplicationTitle(), text, QMessageBox::Ok, QMessageBox::Ok);
}

} // namespace zk::platform
