// The diagnostics window over a fresh simulated drive, with every platform seam recorded
// and the table at its defaults; pauses return at once and note the dial as they pass.
#ifndef TESTS_GUIDED_DIAGNOSTICS_DIAGNOSTICS_FIXTURE_H
#define TESTS_GUIDED_DIAGNOSTICS_DIAGNOSTICS_FIXTURE_H

#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>

#include <functional>
#include <mutex>
#include <ostream>
#include <string_view>
#include <vector>

#include "tests/platform/platform_fakes.h"
#include "zkcomm/sim/simulated_drive.h"
#include "zkcomm/testing.h"
#include "zktools/gauges/qx_dial.h"
#include "zktools/guided/trouble.h"
#include "zktools/model/data_process.h"
#include "zktools/model/link_lock.h"
#include "zktools/model/symbol_table.h"
#include "zktools/platform/modal_hooks.h"
#include "zktools/platform/modal_result.h"

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace diagtest {

using zk::platform::MessageKind;

class DiagnosticsTest : public ::testing::Test {
public: // the case tables set up the drive through these
    DiagnosticsTest() {
        SymTable.ResetToDefaults();
        fakes.pauses.SetOnPause([this](std::chrono::milliseconds) {
            dialAtPauses.push_back(window.QxDial1->Value());
            if (onPause)
                onPause(static_cast<int>(dialAtPauses.size()));
        });
    }
    ~DiagnosticsTest() override {
        zk::platform::SetModalStartHook({});
        SymTable.ResetToDefaults();
    }
    void SetUp() override { ASSERT_TRUE(sim.Selected()); }

    zkcomm::sim::SimulatedDrive& Drive() { return sim.Drive(); }

    // Puts a raw value into the drive's registers over the link, before the run.
    static void OnDrive(std::string_view name, int32_t raw) {
        int32_t status = 0;
        ASSERT_EQ(DataProc.WriteVarToDrive(name, raw, status), LinkOk) << name;
    }
    // The ten values of a drive that breaks no rule.
    static void CleanDrive() {
        OnDrive("ILmtPlus", 3);
        OnDrive("ILmtMinus", 3);
        OnDrive("PWMPlus", 96);
        OnDrive("PWMMinus", -96);
        OnDrive("AutoDis", 0);
        OnDrive("IrComp", 0);
        OnDrive("IVMode", 1);
        OnDrive("IrCompSrc", 1);
        OnDrive("CommOff", 0);
        OnDrive("CmdSrc", 0);
    }
    static void SwitchLinkOff() {
        std::lock_guard<std::mutex> lock(LinkLock());
        UseParallelPort(0);
    }

    // Shows the window as the main window does, presses Start, runs `armed` while the
    // timer is armed, lets the timer fire and closes the window with Cancel. Keeps the
    // report and the dial as the run left them.
    void RunOnce(const std::function<void()>& armed = {}) {
        zk::platform::SetModalStartHook([this, armed](zk::platform::ModalForm& form) {
            if (&form != &window)
                return;
            window.btnStart->click();
            if (armed)
                armed();
            EXPECT_TRUE(window.Timer1.Fire()) << "Start did not arm the timer";
            report = window.ChecklistLines();
            dialAtEnd = window.QxDial1->Value();
            startEnabledAtEnd = window.btnStart->isEnabled();
            window.btnCancel->click();
        });
        modalResult = window.ShowModal();
        zk::platform::SetModalStartHook({});
    }

    // The lines of the status part of a run on a disabled drive that answered.
    static QStringList StatusLines(int32_t model, int32_t faultCode) {
        return {QStringLiteral("Checking Drive Model and Status:"),
                QStringLiteral("Drive Model:"),
                Label("Model", model),
                QStringLiteral("Drive Status:"),
                Label("FaultCode", faultCode),
                QStringLiteral("Drive Disabled"),
                QString(),
                QStringLiteral("Uploading from drive..."),
                QStringLiteral("Done!"),
                QString()};
    }
    static QString Label(const char* list, int32_t key) {
        const auto label = SymbolTable::GetLabel(list, key);
        return label ? QString::fromUtf8(label->data(), static_cast<qsizetype>(label->size()))
                     : QString();
    }
    static int32_t TableValue(std::string_view name) {
        int32_t value = 0;
        EXPECT_TRUE(SymTable.GetValue(name, value)) << name;
        return value;
    }

    zk::platform::testing::PlatformFakes fakes;
    zkcomm::testing::ScopedSimulator sim;
    TTroubleshooting window;

    // Filled by the pauses and by RunOnce.
    std::vector<float> dialAtPauses;
    std::function<void(int pause)> onPause; // 1-based count of the pause under way
    QStringList report;
    float dialAtEnd = -1;
    bool startEnabledAtEnd = false;
    int modalResult = -1;
};

} // namespace diagtest

#endif
