// The splash window: its look, its one activation and its closing.
#include "zkstart/st_main_form.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QShowEvent>

#include <chrono>

#include "zkstart/tool_command_line.h"
#include "zktools/brand/brand_picture.h"
#include "zktools/platform/exception_guard.h"

using namespace std::chrono_literals;

TstMainForm* stMainForm = nullptr;

TstMainForm::TstMainForm(zk::start::LauncherPlatform& platform, const QStringList& arguments,
                         QWidget* parent)
    : QWidget(parent), Timer1(2000ms), platform_(platform) {
    setObjectName(QStringLiteral("stMainForm"));
    BuildWindow();
    FactoryMode = zk::start::IsFactoryCommandLine(arguments);
    Timer1.SetHandler([this] { Timer1Timer(); });
}

void TstMainForm::BuildWindow() {
    // A title bar without any of its buttons.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowTitle(QStringLiteral("VantorTools"));
    setFixedSize(kClientWidth, kClientHeight);

    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::HighlightedText));
    setPalette(colours);
    setAutoFillBackground(true);

    Image1 = new TBrandPicture(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFixedSize(289, 89);
    Image1->move(72, 24);

    CentreOnDesktop();
}

void TstMainForm::CentreOnDesktop() {
    // The whole window, frame included; the frame is known once the window exists.
    // move() places the frame's corner.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), frameGeometry().size());
        frame.moveCenter(screen->geometry().center());
        move(frame.topLeft());
    }
}

void TstMainForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The first showing only: a message box closing later does not start the
    // work again. Queued, so the splash is on screen before the timer runs.
    if (!activationQueued_) {
        activationQueued_ = true;
        CentreOnDesktop();
        QMetaObject::invokeMethod(
            this, [this] { zk::platform::Guard([this] { FormActivate(); }); },
            Qt::QueuedConnection);
    }
}

void TstMainForm::FormActivate() {
    Timer1.Start();
}

void TstMainForm::closeEvent(QCloseEvent* event) {
    if (closing_)
        event->accept();
    else
        event->ignore();
}

void TstMainForm::CloseWindow() {
    closing_ = true;
    close();
}
