#include "zktools/platform/qt_message_service.h"

#include <QApplication>
#include <QMessageBox>

#include "zktools/platform/application_title.h"
#include "zktools/platform/modal_form.h"

namespace zk::platform {

namespace {
QWidget* Owner() {
    if (ModalForm* form = ModalForm::Innermost())
        return form;
    return QApplication::activeWindow();
}

QMessageBox::StandardButton Run(QMessageBox::Icon icon, const QString& caption, const QString& text,
                                QMessageBox::StandardButtons buttons,
                                QMessageBox::StandardButton preselected) {
    QMessageBox box(icon, caption, text, buttons, Owner());
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
