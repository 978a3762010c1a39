// The main window on the real link library: a machine with the LPT ports a test
// asks for, all leading to the simulated drive, the recording platform seams, and
// a program folder of its own.
#ifndef TESTS_FORMS_MAIN_MAIN_FORM_FIXTURE_H
#define TESTS_FORMS_MAIN_MAIN_FORM_FIXTURE_H

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "tests/platform/platform_fakes.h"
#include "zkcomm/sim/simulated_drive.h"
#include "zkcomm/testing.h"
#include "zkcomm/zkcomm.h"
#include "zktools/forms/main_form.h"
#include "zktools/model/file_process.h"
#include "zktools/model/link_lock.h"
#include "zktools/model/symbol_table.h"

namespace zk::forms::test {

inline const QString kCommKey = QStringLiteral("SOFTWARE\\Qorvel\\Tamberlyne\\Comm");
inline const QString kPortValue = QStringLiteral("PLTPort");

// The data and status registers of every standard LPT base wired to the
// simulated drive, so a test sees which port is selected by its base and still
// talks to a drive.
class DriveOnEveryPort : public zkcomm::PortIo {
public:
    bool Out(uint16_t port, uint8_t value) override { return Drive().Out(Rewire(port), value); }
    bool In(uint16_t port, uint8_t& value) override { return Drive().In(Rewire(port), value); }

private:
    static zkcomm::sim::SimulatedDrive& Drive() { return zkcomm::testing::SimDrive(); }
    static uint16_t Rewire(uint16_t port) {
        for (uint16_t base : {0x378, 0x278, 0x3BC})
            if (port == base || port == base + 1)
                return static_cast<uint16_t>(0x378 + (port - base));
        return port;
    }
};

enum class Machine {
    NoPorts,    // the hardware description holds no parallel port
    OnlyLpt1,   // the simulated machine: LPT1 at 0x378
    ThreePorts, // LPT1 to LPT3 at 0x378, 0x278, 0x3BC
};

inline uint16_t BaseOf(int lpt) {
    return lpt == 1 ? 0x378 : lpt == 2 ? 0x278 : 0x3BC;
}

// Names parameterised cases after their `name` field.
struct CaseName {
    template <class Param>
    std::string operator()(const ::testing::TestParamInfo<Param>& param) const {
        return param.param.name;
    }
};

class MainFormFixture : public ::testing::Test {
protected:
    MainFormFixture() {
        zkcomm::testing::RestoreDefaults();
        zkcomm::testing::SimDrive().Reset();
        SymTable.ResetToDefaults();
        // Closing a test's main window must not end the test program's application.
        QApplication::setQuitOnLastWindowClosed(false);
        EXPECT_TRUE(programDir.isValid());
    }
    ~MainFormFixture() override {
        form.reset();
        zkcomm::testing::RestoreDefaults();
        zkcomm::testing::SimDrive().Reset();
        // The status thread's polls and the NV editor store values in the table.
        SymTable.ResetToDefaults();
        FileProc.SetFactoryMode(false);
        QApplication::setQuitOnLastWindowClosed(true);
    }

    void Use(Machine machine) {
        switch (machine) {
        case Machine::NoPorts:
            zkcomm::testing::InstallRegistryTree(&emptyDescription);
            break;
        case Machine::OnlyLpt1:
            zkcomm::testing::UseSimulatedPlatform();
            break;
        case Machine::ThreePorts:
            threePorts.Install();
            break;
        }
    }
    // A port of the three-port machine disappears, as an adapter pulled out.
    void RemovePort(int lpt) {
        threePorts.Registry().DenyOpen(
            "HARDWARE\\DESCRIPTION\\System\\MultifunctionAdapter\\0\\ParallelController\\" +
            std::to_string(lpt - 1));
    }

    void StorePort(int port) { fakes.settings.Preset(kCommKey, kPortValue, port); }

    TMainForm& Start(const QStringList& arguments = {}) {
        form = std::make_unique<TMainForm>(arguments, programDir.path());
        return *form;
    }
    // Ends the window as the program's end does; returns the port it wrote.
    std::optional<int> Finish() {
        form.reset();
        std::optional<int> written;
        for (const auto& write : fakes.settings.Writes())
            if (write.name == kPortValue)
                written = std::get<int>(write.value);
        return written;
    }

    // Which item of the port menu carries the mark: 1 to 3, 0 for "Off_line",
    // -1 when none or more than one does.
    int CheckedPort() const {
        int checked = -1;
        int count = 0;
        const QAction* items[] = {form->mnuOffline, form->mnuPLT1, form->mnuPLT2, form->mnuPLT3};
        for (int port = 0; port <= 3; ++port) {
            if (items[port]->isChecked()) {
                checked = port;
                ++count;
            }
        }
        return count == 1 ? checked : -1;
    }

    // Whether the link carries frames to the drive right now.
    static bool LinkTalks() {
        int32_t value = 0;
        int32_t status = 0;
        std::lock_guard<std::mutex> lock(LinkLock());
        return GetVarFromFPGA(1, &value, &status) == LinkOk;
    }

    zk::platform::testing::PlatformFakes fakes;
    QTemporaryDir programDir;
    zkcomm::InMemoryRegistryTree emptyDescription;
    DriveOnEveryPort wiring;
    zkcomm::testing::FakeMachine threePorts{wiring};
    // Last: goes first, while the seams and the machine still exist.
    std::unique_ptr<TMainForm> form;
};

} // namespace zk::forms::test

#endif
