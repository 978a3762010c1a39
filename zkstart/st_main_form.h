// The launcher's only window: a splash with the product picture. Two seconds
// after it is first shown its one timer does the whole work: on the NT family it
// makes sure the port driver runs, has it grant the LPT port ranges to the tool
// and starts the tool; on any other family it starts the tool straight away.
// Then the window closes, which ends the launcher. The user cannot close it.
#ifndef ZKSTART_ST_MAIN_FORM_H
#define ZKSTART_ST_MAIN_FORM_H

#include <QStringList>
#include <QWidget>

#include <cstdint>

#include "zkstart/platform/launcher_platform.h"
#include "zktools/platform/one_shot_timer.h"

class TBrandPicture;

class TstMainForm : public QWidget {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 404;
    static constexpr int kClientHeight = 147;

    // `arguments` without the program's name.
    TstMainForm(zk::start::LauncherPlatform& platform, const QStringList& arguments,
                QWidget* parent = nullptr);

    TstMainForm(const TstMainForm&) = delete;
    TstMainForm& operator=(const TstMainForm&) = delete;

    int32_t PlatformId = -1; // -1 until queried; 1 the 95/98/Me family, 2 the NT family
    bool FactoryMode = false;
    TBrandPicture* Image1 = nullptr;
    zk::platform::OneShotTimer Timer1;

    // --- Handlers ---
    void FormActivate();
    void Timer1Timer();

    int32_t QueryWindowsPlatform();
    bool IsWindowsNT();
    // Opens (installing it first if it does not exist) and starts the driver's
    // service; reports what goes wrong and leaves the verdict to the next device open.
    void StartPortTalkDriver();
    void InstallPortTalkDriver();

protected:
    void showEvent(QShowEvent* event) override;
    // Only the launcher itself closes the window.
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildWindow();
    void CentreOnDesktop();
    // The service opened, installing it once when it does not exist; reports
    // refusals. kNoServiceHandle when it cannot be opened.
    zk::start::ServiceHandle OpenPortTalkService(zk::start::ServiceHandle manager);
    // Starts the tool; reports a failure. `info` holds its handles when true.
    bool StartTool(zk::start::ProcessInformation& info);
    void CloseProcessHandles(const zk::start::ProcessInformation& info);
    void CloseWindow();

    zk::start::LauncherPlatform& platform_;
    bool activationQueued_ = false;
    bool closing_ = false;
};

// The program-wide instance while the launcher runs.
extern TstMainForm* stMainForm;

#endif
