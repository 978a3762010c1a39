// The value dialogs opened from the on-line editor: an accepted value goes to the
// running drive and the drive's value is read back into the table.
#include "tests/forms/nv/value_dialog_fixture.h"

#include <string>

namespace nvtest {
namespace {

using zkcomm::sim::DataInLevel;
using zkcomm::sim::SimulatedDrive;

constexpr int kPWMPlusRegister = 6;

class ValueOnlineDialogTest : public ValueDialogFixture {};

TEST_F(ValueOnlineDialogTest, EachKindOfDialogWritesTheDrive) {
    Open(ValEditdlg, kFromOnline, "PWMPlus", kCurrent, [] { EXPECT_TRUE(TypeAndAccept("5")); });
    EXPECT_EQ(sim.Drive().GetRegister(kPWMPlusRegister), 35);
    EXPECT_EQ(Value("PWMPlus"), 35);

    Open(ValBooldlg, kFromOnline, "IVMode", kCurrent, [] {
        ValBooldlg->rdiHigh->click();
        ValBooldlg->btnOK->click();
    });
    EXPECT_EQ(sim.Drive().GetRegister(1) & 0x40, 0x40) << "IVMode is bit 6 of register 1";
    EXPECT_EQ(Value("IVMode"), 1);

    Open(ValCmbdlg, kFromOnline, "Kip", kVoltage, [] {
        QComboBox& combo = *ValCmbdlg->cmbValue;
        const int pick = combo.findText("105.808");
        combo.setCurrentIndex(pick);
        emit combo.activated(pick);
        ValCmbdlg->btnOK->click();
    });
    EXPECT_EQ(sim.Drive().GetRegister(2) & 0x0F, 4) << "Kip is bits 3..0 of register 2";
    EXPECT_EQ(Value("Kip"), 4);

    EXPECT_EQ(Told(), QStringList());
    EXPECT_FALSE(EditForm->Modified) << "the NV editor is not the opener";
}

TEST_F(ValueOnlineDialogTest, TheTableEndsWithWhatTheDriveHolds) {
    struct Case {
        const char* label;
        void (*fault)(SimulatedDrive&);
        QStringList told;
        int32_t table;
        int driveRegister;
    };
    const Case cases[] = {
        {"register takes nothing",
         [](SimulatedDrive& d) { d.SetRegisterStuck(kPWMPlusRegister, true); },
         {"Error during data transfer"},
         0,
         0},
        {"cable pulled",
         [](SimulatedDrive& d) { d.DisconnectDrive(DataInLevel::High); },
         {"No Communication", "No Communication"},
         35,
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        fakes.messages.Clear();
        sim.Drive().Reset();
        SymTable.SetValue("PWMPlus", 7);
        c.fault(sim.Drive());
        Open(ValEditdlg, kFromOnline, "PWMPlus", kCurrent, [] { EXPECT_TRUE(TypeAndAccept("5")); });
        EXPECT_EQ(Told(), c.told);
        EXPECT_EQ(Value("PWMPlus"), c.table);
        EXPECT_EQ(sim.Drive().GetRegister(kPWMPlusRegister), c.driveRegister);
    }
}

TEST_F(ValueOnlineDialogTest, ARefusedValueIsNotSent) {
    SymTable.SetValue("PWMPlus", 7);
    sim.Drive().ResetCounters();
    Open(ValEditdlg, kFromOnline, "PWMPlus", kCurrent, [] { EXPECT_TRUE(TypeAndAccept("12")); });
    EXPECT_EQ(Told(), QStringList{"The value is out of range!"});
    EXPECT_EQ(Value("PWMPlus"), 7);
    EXPECT_EQ(sim.Drive().GetCounters().logic.frames, 0u);
}

} // namespace
} // namespace nvtest
