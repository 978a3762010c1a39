#include "zktools/forms/about_box.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

#include <cstdio>
#include <mutex>

#include "zkcomm/zkcomm.h"
#include "zktools/brand/brand_picture.h"
#include "zktools/model/link_lock.h"
#include "zktools/platform/application_title.h"
#include "zktools/platform/exception_guard.h"
#include "zktools/platform/modal_result.h"
#include "zktools/platform/platform.h"

namespace {

QLabel* MakeBoldLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->setAlignment(Qt::AlignHCenter);
    return label;
}

} // namespace

TAbout::TAbout(QWidget* parent) : ModalForm(parent) {
    setObjectName(QStringLiteral("About"));
    // Only the system menu: no minimise, maximise or help buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("About ") + zk::platform::ApplicationTitle());

    pnlAbout = new QFrame(this);
    pnlAbout->setObjectName(QStringLiteral("pnlAbout"));
    pnlAbout->setFrameShape(QFrame::Panel);
    pnlAbout->setFrameShadow(QFrame::Sunken);
    imgPicture = new TBrandPicture(pnlAbout);
    lblProduct = MakeBoldLabel(pnlAbout, "lblProduct", QStringLiteral("VantorTools"));
    lblVersion = MakeBoldLabel(pnlAbout, "lblVersion", QStringLiteral("Release 1.14"));
    auto* panelLayout = new QVBoxLayout(pnlAbout);
    panelLayout->setContentsMargins(8, 8, 8, 10);
    panelLayout->setSpacing(6);
    panelLayout->addWidget(imgPicture, 0, Qt::AlignHCenter);
    panelLayout->addWidget(lblProduct);
    panelLayout->addWidget(lblVersion);

    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnMore = new QPushButton(QStringLiteral("&More"), this);
    btnMore->setObjectName(QStringLiteral("btnMore"));
    // OK is both the default and the cancel button.
    BindModalResult(btnOK, zk::platform::kModalOk);
    btnOK->setDefault(true);
    SetCancelButton(btnOK);
    connect(btnMore, &QPushButton::clicked, this,
            zk::platform::Guarded([this] { btnMoreClick(); }));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnMore);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(10);
    layout->addWidget(pnlAbout);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString TAbout::LibraryVersionText() {
    char version[80] = {};
    char stamp[80] = {};
    {
        std::lock_guard<std::mutex> lock(LinkLock());
        CommZkDLLVersion(version);
        CommZkDLLCompileTime(stamp);
    }
    char text[256] = {};
    std::snprintf(text, sizeof text, "%s, %s\n", version, stamp);
    return QString::fromLatin1(text);
}

void TAbout::btnMoreClick() {
    zk::platform::Platform::Messages().ShowMessage(LibraryVersionText());
}

void TAbout::showEvent(QShowEvent* event) {
    if (const QScreen* screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    ModalForm::showEvent(event);
}
