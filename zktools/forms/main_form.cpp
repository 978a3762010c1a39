// The main window's construction: folders, command line, help, the controls and menus.
#include "zktools/forms/main_form.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "zktools/brand/brand_picture.h"
#include "zktools/forms/connection_status.h"
#include "zktools/forms/program_folders.h"
#include "zktools/model/file_process.h"
#include "zktools/platform/command_line.h"
#include "zktools/platform/exception_guard.h"

using zk::platform::Guarded;
using zk::platform::IsFactoryCommandLine;

namespace {

const QColor kTeal(0x00, 0x80, 0x80);
constexpr int kButtonWidth = 300;
constexpr int kButtonHeight = 40;

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    QFont font(QStringLiteral("Verdana"));
    font.setPixelSize(13);
    font.setBold(true);
    button->setFont(font);
    button->setFixedSize(kButtonWidth, kButtonHeight);
    return button;
}

QAction* MakeItem(QMenu* menu, const char* name, const QString& caption) {
    QAction* item = menu->addAction(caption);
    item->setObjectName(QString::fromLatin1(name));
    return item;
}

QMenu* MakeMenu(QMenuBar* bar, const char* name, const QString& caption) {
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

} // namespace

TMainForm::TMainForm(const QStringList& arguments, const QString& programDir, QWidget* parent)
    : MainWindowForm(parent) {
    setObjectName(QStringLiteral("MainForm"));
    BuildWindow();

    const ProgramFolders folders = PrepareProgramFolders(programDir);
    AppDir = folders.appDir;
    ParamDir = folders.paramDir;
    FactoryMode = IsFactoryCommandLine(arguments);
    FileProc.SetFactoryMode(FactoryMode);
    InstallHelp();

    FormCreate();
}

TMainForm::~TMainForm() {
    zk::platform::Guard([this] { StopStatusThread(); });
    zk::platform::Guard([this] { FormDestroy(); });
    zk::platform::SetHelpHook(std::move(previousHelpHook_));
    zk::platform::SetHelpFile(previousHelpFile_);
}

void TMainForm::BuildWindow() {
    setWindowTitle(QStringLiteral("Vantor Tools"));
    // The window keeps its size: a maximise button would do nothing.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("pnlClient"));
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, kTeal);
    client->setPalette(palette);
    client->setAutoFillBackground(true);

    imgPicture = new TBrandPicture(client);
    // Created in the tab order, so that the focus chain starts at the bottom button and the
    // window's first focus lands there.
    btnDiagnostics = MakeButton(client, "btnDiagnostics", QStringLiteral("Diagnostics"));
    btnEdit = MakeButton(client, "btnEdit", QStringLiteral("Edit NV Parameters"));
    btnOnline = MakeButton(client, "btnOnline", QStringLiteral("Edit Drive Variables Online"));
    btnConfigurationWizards =
        MakeButton(client, "btnConfigurationWizards", QStringLiteral("Configuration Wizard"));

    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(12, 12, 12, 18);
    layout->setSpacing(10);
    layout->addWidget(imgPicture, 0, Qt::AlignHCenter);
    layout->addSpacing(8);
    for (QPushButton* button : {btnEdit, btnOnline, btnConfigurationWizards, btnDiagnostics})
        layout->addWidget(button, 0, Qt::AlignHCenter);
    setCentralWidget(client);
    BuildMenus();

    // The bottom button comes first in the tab order, then the others from the top.
    setTabOrder(btnDiagnostics, btnEdit);
    setTabOrder(btnEdit, btnOnline);
    setTabOrder(btnOnline, btnConfigurationWizards);

    ConnectHandlers();

    setFixedSize(sizeHint());
}

void TMainForm::BuildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    mnuPortSelection = MakeMenu(bar, "mnuPortSelection", QStringLiteral("Port Selection"));
    mnuPLT1 = MakeItem(mnuPortSelection, "mnuPLT1", QStringLiteral("PLT1"));
    mnuPLT2 = MakeItem(mnuPortSelection, "mnuPLT2", QStringLiteral("PLT2"));
    mnuPLT3 = MakeItem(mnuPortSelection, "mnuPLT3", QStringLiteral("PLT3"));
    mnuOffline = MakeItem(mnuPortSelection, "mnuOffline", QStringLiteral("Off_line"));
    // A radio group shown by check marks; the handlers set the mark themselves.
    portGroup_ = new QActionGroup(this);
    portGroup_->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    for (QAction* item : {mnuPLT1, mnuPLT2, mnuPLT3, mnuOffline}) {
        item->setCheckable(true);
        portGroup_->addAction(item);
    }
    for (QAction* item : {mnuPLT1, mnuPLT2, mnuPLT3})
        item->setEnabled(false);

    mnuFunction = MakeMenu(bar, "mnuFunction", QStringLiteral("Functions"));
    mnuEdit = MakeItem(mnuFunction, "mnuEdit", QStringLiteral("Edit NV Parameters"));
    mnuOnline = MakeItem(mnuFunction, "mnuOnline", QStringLiteral("Edit Drive Variables Online"));
    mnuConfiguration =
        MakeItem(mnuFunction, "mnuConfiguration", QStringLiteral("Configuration Wizard"));
    mnuDiagnostics = MakeItem(mnuFunction, "mnuDiagnostics", QStringLiteral("Diagnostics"));

    mnuHelp = MakeMenu(bar, "mnuHelp", QStringLiteral("Help"));
    mnuContents = MakeItem(mnuHelp, "mnuContents", QStringLiteral("Contents"));
    mnuTopicSearch = MakeItem(mnuHelp, "mnuTopicSearch", QStringLiteral("Topic Search"));
    mnuN1 = mnuHelp->addSeparator();
    mnuN1->setObjectName(QStringLiteral("mnuN1"));
    mnuAbout = MakeItem(mnuHelp, "mnuAbout", QStringLiteral("About"));

    // A command in the menu bar itself.
    mnuExit = bar->addAction(QStringLiteral("Exit"));
    mnuExit->setObjectName(QStringLiteral("mnuExit"));
}

void TMainForm::ConnectHandlers() {
    const auto bind = [this](auto* sender, auto signal, void (TMainForm::*handler)()) {
        connect(sender, signal, this, Guarded([this, handler] { (this->*handler)(); }));
    };
    bind(mnuPLT1, &QAction::triggered, &TMainForm::mnuPLT1Click);
    bind(mnuPLT2, &QAction::triggered, &TMainForm::mnuPLT2Click);
    bind(mnuPLT3, &QAction::triggered, &TMainForm::mnuPLT3Click);
    bind(mnuOffline, &QAction::triggered, &TMainForm::mnuOfflineClick);
    bind(btnEdit, &QPushButton::clicked, &TMainForm::btnEditClick);
    bind(mnuEdit, &QAction::triggered, &TMainForm::mnuEditClick);
    bind(btnOnline, &QPushButton::clicked, &TMainForm::btnOnlineClick);
    bind(mnuOnline, &QAction::triggered, &TMainForm::mnuOnlineClick);
    bind(btnConfigurationWizards, &QPushButton::clicked, &TMainForm::btnConfigurationWizardsClick);
    bind(mnuConfiguration, &QAction::triggered, &TMainForm::mnuConfigurationClick);
    bind(btnDiagnostics, &QPushButton::clicked, &TMainForm::btnDiagnosticsClick);
    bind(mnuDiagnostics, &QAction::triggered, &TMainForm::mnuDiagnosticsClick);
    bind(mnuContents, &QAction::triggered, &TMainForm::mnuContentsClick);
    bind(mnuTopicSearch, &QAction::triggered, &TMainForm::mnuTopicSearchClick);
    bind(mnuAbout, &QAction::triggered, &TMainForm::mnuAboutClick);
    bind(mnuExit, &QAction::triggered, &TMainForm::mnuExitClick);
}

void TMainForm::showEvent(QShowEvent* event) {
    MainWindowForm::showEvent(event);
    // Activation work waits until the window is on screen, so a message it shows
    // appears above it.
    if (!activated_ && !activationQueued_) {
        activationQueued_ = true;
        QMetaObject::invokeMethod(
            this, [this] { zk::platform::Guard([this] { FormActivate(); }); },
            Qt::QueuedConnection);
    }
}
