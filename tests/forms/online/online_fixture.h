// The on-line editor over the simulated drive: recording platform seams, a main window that
// owns the status thread, the editor, the NV editor and the value dialogs as the program
// creates them.
#ifndef TESTS_FORMS_ONLINE_ONLINE_FIXTURE_H
#define TESTS_FORMS_ONLINE_ONLINE_FIXTURE_H

#include "zktools/forms/connection_status.h"
#include "zktools/forms/edit_form.h"
#include "zktools/forms/main_form.h"
#include "zktools/forms/online_form.h"
#include "zktools/forms/val_bool_dlg.h"
#include "zktools/forms/val_cmb_dlg.h"
#include "zktools/forms/val_edit_dlg.h"
#include "zktools/forms/windows.h"
#include "zktools/platform/modal_hooks.h"

#include "tests/forms/online/status_fixture.h"
#include "tests/platform/platform_fakes.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

#include <functional>
#include <map>
#include <memory>
#include <ostream>

// Readable QStrings in failure messages.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace online_test {

class OnlineFormTest : public SimulatedDriveTest {
protected:
    using Scene = std::function<void()>;

    ~OnlineFormTest() override {
        zk::platform::SetModalStartHook({});
        DestroyWindows();
    }

    // Builds the windows as the program does; factory mode by the command line.
    void CreateWindows(bool factory = false) {
        MainForm = new TMainForm(factory ? QStringList{"-factory"} : QStringList{}, dir_.path());
        ValEditdlg = new TValEditdlg();
        ValBooldlg = new TValBooldlg();
        ValCmbdlg = new TValCmbdlg();
        EditForm = new TEditForm();
        OnlineForm = new TOnlineForm();
    }

    static void DestroyWindows() {
        // As the program ends: the main window's close stops the thread, then the windows go.
        if (MainForm != nullptr && MainForm->StatusThread) {
            MainForm->StatusThread->StopAndWait();
        }
        delete OnlineForm;
        OnlineForm = nullptr;
        delete EditForm;
        EditForm = nullptr;
        delete ValCmbdlg;
        ValCmbdlg = nullptr;
        delete ValBooldlg;
        ValBooldlg = nullptr;
        delete ValEditdlg;
        ValEditdlg = nullptr;
        delete MainForm; // stops the status thread
        MainForm = nullptr;
    }

    // Shows the editor modally and plays `scene` inside its run; then Close ends it,
    // unless the scene closed it itself. A scene for another form plays when that opens.
    void Open(const Scene& scene) {
        scenes_[OnlineForm] = scene;
        PlayScenes();
        OnlineForm->ShowModal();
        zk::platform::SetModalStartHook({});
    }
    // Shows the NV editor as the main window does and plays `scene`, which closes it.
    void OpenNvEditor(const Scene& scene) {
        scenes_[EditForm] = scene;
        PlayScenes();
        MainForm->EditMode = 0;
        EditForm->ShowModal();
        zk::platform::SetModalStartHook({});
    }
    // Plays when `form` is shown modally above the editor.
    void OnShow(zk::platform::ModalForm* form, const Scene& scene) { scenes_[form] = scene; }

    TConnectionStatus& Thread() { return *MainForm->StatusThread; }
    static QString Cell(int column, int row) { return OnlineForm->Cell(column, row); }
    // Until the status thread has handed over `count` more refreshes.
    bool WaitForRefreshes(int count);
    bool WaitForStatus(const std::function<bool()>& shown) {
        return QTest::qWaitFor(shown, WaitMs);
    }
    static void PresetRow(zk::platform::MemorySettingsStore& store, int row, const QString& name) {
        store.Preset(TOnlineForm::SettingsKey, QStringLiteral("row%1").arg(row), name);
    }
    static QString StoredRow(zk::platform::MemorySettingsStore& store, int row) {
        const auto value = store.Value(TOnlineForm::SettingsKey, QStringLiteral("row%1").arg(row));
        if (!value) {
            return QStringLiteral("<missing>");
        }
        const QString* text = std::get_if<QString>(&*value);
        return text != nullptr ? *text : QStringLiteral("<not a string>");
    }

    zk::platform::testing::PlatformFakes fakes_;

private:
    // Plays each form's scene when it is shown modally; the editor is closed after its own.
    void PlayScenes() {
        zk::platform::SetModalStartHook([this](zk::platform::ModalForm& form) {
            const auto found = scenes_.find(&form);
            if (found == scenes_.end()) {
                return;
            }
            const Scene play = found->second;
            // Focus and keys need the window active, which the platform makes it a little later.
            EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
            play();
            if (&form == OnlineForm && OnlineForm->IsRunning()) {
                OnlineForm->btnClose->click();
            }
        });
    }

    QTemporaryDir dir_;
    std::map<zk::platform::ModalForm*, Scene> scenes_;
};

inline bool OnlineFormTest::WaitForRefreshes(int count) {
    // Connected after the editor, so the editor has refreshed when this one counts.
    int seen = 0;
    QObject probe;
    Thread().ConnectHandOvers(&probe, {}, [&seen] { ++seen; });
    return QTest::qWaitFor([&] { return seen >= count; }, WaitMs);
}

} // namespace online_test

#endif
