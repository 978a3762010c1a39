// The main window: the hub from which every other window opens modally. It selects
// and remembers the LPT port, holds the factory-mode flag, the program and
// parameter-file folders and the fields through which the other windows tell each
// other how they were opened, owns the drive status thread and routes help.
#ifndef ZKTOOLS_FORMS_MAIN_FORM_H
#define ZKTOOLS_FORMS_MAIN_FORM_H

#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>

#include "zktools/platform/help_requests.h"
#include "zktools/platform/main_window_form.h"

class QAction;
class QActionGroup;
class QMenu;
class QPushButton;
class TBrandPicture;
class TConnectionStatus;

class TMainForm : public zk::platform::MainWindowForm {
    Q_OBJECT
public:
    // `arguments` as typed, without the program's name; `programDir` the program's folder.
    TMainForm(const QStringList& arguments, const QString& programDir, QWidget* parent = nullptr);
    // Stops the status thread if Exit has not, then writes "PLTPort".
    ~TMainForm() override;

    TMainForm(const TMainForm&) = delete;
    TMainForm& operator=(const TMainForm&) = delete;

    // --- Fields the other windows read or write ---
    int32_t PortNo = 0;       // 0 off-line, 1 to 3 PLT1 to PLT3
    QString AppDir;           // the program's folder, ending in "/"
    QString ParamDir;         // the parameter-file folder, ending in "/"
    int32_t DialogMode = 0;   // value dialog opened by: 1 NV editor, 2 on-line editor
    int32_t EditMode = 0;     // NV editor reached: 0 from here, 1 control, 2 PWM V, 3 PWM I page
    bool FactoryMode = false; // set once by the constructor
    // Created suspended by FormCreate; stopped and destroyed when the window closes.
    std::unique_ptr<TConnectionStatus> StatusThread;

    // --- For the on-line editor; all three do nothing once the thread is gone ---
    void EnableStatusPolling();
    void DisableStatusPolling();
    // Starts the thread the first time; later calls have no effect.
    void ResumeStatusThread();

    // The application's help hook: true when it showed the help itself (a
    // partial-key search for the parameter of the focused editor's grid), false
    // to leave the request to the standard processing.
    bool AppHelp(const zk::platform::HelpRequest& request);

    // --- Handlers ---
    void FormCreate();
    void FormActivate();
    void FormDestroy();
    void mnuPLT1Click() { SelectPortFromMenu(1); }
    void mnuPLT2Click() { SelectPortFromMenu(2); }
    void mnuPLT3Click() { SelectPortFromMenu(3); }
    void mnuOfflineClick();
    void btnEditClick();
    void mnuEditClick() { btnEditClick(); }
    void btnOnlineClick();
    void mnuOnlineClick() { btnOnlineClick(); }
    // The configuration wizard: its first page, with the NV editor's result reset.
    void btnConfigurationWizardsClick();
    void mnuConfigurationClick() { btnConfigurationWizardsClick(); }
    void btnDiagnosticsClick();
    void mnuDiagnosticsClick() { btnDiagnosticsClick(); }
    void mnuContentsClick();
    void mnuTopicSearchClick();
    void mnuAboutClick();
    void mnuExitClick();

    // --- Controls, named as their objectName ---
    TBrandPicture* imgPicture = nullptr;
    QPushButton* btnEdit = nullptr;
    QPushButton* btnOnline = nullptr;
    QPushButton* btnConfigurationWizards = nullptr;
    QPushButton* btnDiagnostics = nullptr;

    QMenu* mnuPortSelection = nullptr;
    QAction* mnuPLT1 = nullptr;
    QAction* mnuPLT2 = nullptr;
    QAction* mnuPLT3 = nullptr;
    QAction* mnuOffline = nullptr;
    QMenu* mnuFunction = nullptr;
    QAction* mnuEdit = nullptr;
    QAction* mnuOnline = nullptr;
    QAction* mnuConfiguration = nullptr;
    QAction* mnuDiagnostics = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuContents = nullptr;
    QAction* mnuTopicSearch = nullptr;
    QAction* mnuN1 = nullptr;
    QAction* mnuAbout = nullptr;
    QAction* mnuExit = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    // Every way of closing stops the status thread first.
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildWindow();
    void BuildMenus();
    void ConnectHandlers();
    void InstallHelp();

    // Under LinkLock.
    static int32_t SelectPort(int32_t port);
    void SelectPortFromMenu(int32_t port);
    // The mark on port `port`'s item (0: "Off_line"), every other item unmarked.
    void CheckPortItem(int32_t port);
    QAction* PortItem(int32_t port) const;
    void StopStatusThread();

    QActionGroup* portGroup_ = nullptr;
    bool activated_ = false;
    bool activationQueued_ = false;
    zk::platform::HelpHook previousHelpHook_;
    QString previousHelpFile_;
};

#endif
