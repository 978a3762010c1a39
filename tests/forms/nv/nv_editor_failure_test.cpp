// What the NV editor shows when a transfer or a model check fails, and that nothing
// is sent or kept that should not be.
#include "tests/forms/nv/nv_fixture.h"

#include "zkcomm/sim/register_packing.h"

#include <QFile>

namespace nvtest {
namespace {

using zkcomm::sim::DataInLevel;
using zkcomm::sim::SimulatedDrive;

constexpr int kModelRegister = 8;
constexpr int kModelWord = 7;

void DriveModel(SimulatedDrive& drive, int model) {
    const uint8_t byte = drive.GetRegister(kModelRegister);
    drive.SetRegister(kModelRegister, static_cast<uint8_t>((byte & ~0x3F) | model));
}

void NVModel(SimulatedDrive& drive, int model) {
    const uint16_t word = drive.GetNvWord(kModelWord);
    drive.SetNvWord(kModelWord, static_cast<uint16_t>((word & ~0x3F) | model));
}

class NvEditorFailureTest : public NvFixture {};

struct SendCase {
    const char* label;
    QPushButton* TEditForm::*button;
    void (*fault)(SimulatedDrive&);
    const char* message;
};

TEST_F(NvEditorFailureTest, AFailedModelCheckSendsNothing) {
    const SendCase cases[] = {
        {"drive of another model", &TEditForm::btnToDrive,
         [](SimulatedDrive& drive) { DriveModel(drive, 49); }, "Model doesn't match"},
        {"drive without cable", &TEditForm::btnToDrive,
         [](SimulatedDrive& drive) { drive.DisconnectDrive(DataInLevel::High); },
         "No Communication"},
        {"NV memory of another model", &TEditForm::btnToNV,
         [](SimulatedDrive& drive) { NVModel(drive, 49); }, "Model doesn't match"},
        // A dead line reads as words that name no register.
        {"NV memory without cable", &TEditForm::btnToNV,
         [](SimulatedDrive& drive) { drive.DisconnectDrive(DataInLevel::Low); },
         "Logic and EEPROM addresses match wrong"},
    };
    for (const SendCase& c : cases) {
        SCOPED_TRACE(c.label);
        fakes.messages.Clear();
        sim.Drive().Reset();
        RunEditor([&](TEditForm& editor) {
            editor.btnFromDrive->click();
            ASSERT_TRUE((editor.*c.button)->isEnabled());
            const QString caption = (editor.*c.button)->text();
            c.fault(sim.Drive());
            sim.Drive().ResetCounters();

            (editor.*c.button)->click();

            EXPECT_EQ(Told(), QStringList{c.message});
            const auto counters = sim.Drive().GetCounters();
            EXPECT_EQ(counters.logic.writes, 0u);
            EXPECT_EQ(counters.nv.write + counters.nv.erase, 0u);
            EXPECT_EQ((editor.*c.button)->text(), caption);
            EXPECT_FALSE(editor.Timer2.IsArmed() || editor.Timer3.IsArmed());
        });
    }
}

TEST_F(NvEditorFailureTest, FactoryModeWritesNVWithoutLookingAtItsModel) {
    SetFactoryMode(true);
    RunEditor([&](TEditForm& editor) {
        editor.btnFromDrive->click();
        NVModel(sim.Drive(), 49);

        editor.btnToNV->click();

        EXPECT_EQ(Told(), QStringList());
        EXPECT_EQ(editor.btnToNV->text(), "Done");
        EXPECT_EQ(sim.Drive().GetNvWord(kModelWord) & 0x3F, 50) << "the set's model was written";

        DriveModel(sim.Drive(), 49);
        editor.btnToDrive->click();
        EXPECT_EQ(Told(), QStringList{"Model doesn't match"})
            << "the drive is checked in both modes";
    });
}

TEST_F(NvEditorFailureTest, AReadingThatDisagreesNamesTheThirdParameter) {
    RunEditor([&](TEditForm& editor) {
        // AutoDis and CmdF0 take two frames each; the second reading of CmdSrc (bit 5
        // of register 1) comes back with its bit flipped.
        sim.Drive().FlipReplyBit(5, 1, 5);

        editor.btnFromDrive->click();

        EXPECT_EQ(Told(), QStringList{"Transmission Error When Reading CmdSrc"});
        EXPECT_EQ(editor.Cell(0, 1), "") << "the grid stays empty";
        EXPECT_FALSE(editor.btnToDrive->isEnabled());
        EXPECT_FALSE(editor.btnToNV->isEnabled());
        EXPECT_FALSE(editor.btnSave->isEnabled());
        EXPECT_EQ(editor.lblSource->text(), "Please Load Parameters from Drive, NV Memory or File");
    });
}

TEST_F(NvEditorFailureTest, ALoadWithoutCableShowsTheLinkFailure) {
    struct Case {
        const char* label;
        QPushButton* TEditForm::*button;
        const char* message;
    };
    const Case cases[] = {
        {"drive", &TEditForm::btnFromDrive, "No Communication"},
        // A dead line reads as words that name no register.
        {"NV memory", &TEditForm::btnFromNV, "Logic and EEPROM addresses match wrong"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        fakes.messages.Clear();
        sim.Drive().Reset();
        RunEditor([&](TEditForm& editor) {
            sim.Drive().DisconnectDrive(DataInLevel::High);
            (editor.*c.button)->click();
            EXPECT_EQ(Told(), QStringList{c.message});
            EXPECT_EQ(editor.Cell(1, 1), "");
            EXPECT_FALSE(editor.btnSave->isEnabled());
        });
    }
}

TEST_F(NvEditorFailureTest, AWriteThatDoesNotTakeNamesItsParameter) {
    RunEditor([&](TEditForm& editor) {
        editor.btnFromDrive->click();
        // CmdF0 lives in register 2, which now ignores what it is sent.
        SymTable.SetValue("CmdF0", 6);
        sim.Drive().SetRegisterStuck(2, true);

        editor.btnToDrive->click();

        EXPECT_EQ(Told(), QStringList{"Transmission Error When Writing CmdF0"});
        EXPECT_EQ(editor.btnToDrive->text(), "Send To Drive");
        EXPECT_TRUE(editor.btnToDrive->isEnabled()) << "buttons unchanged";
    });
}

TEST_F(NvEditorFailureTest, AFailedEraseAfterAGoodNVWriteIsToldAndStillDone) {
    RunEditor([&](TEditForm& editor) {
        editor.btnFromDrive->click();
        SymTable.SetValue("PWMPlus", 40);
        // The cell right above the parameters never finishes its erase.
        sim.Drive().SetNvCycleFault(zkcomm::sim::NvCycleFault::NeverReady, 15);

        editor.btnToNV->click();

        EXPECT_EQ(Told(), QStringList{"Hardware is not ready"});
        EXPECT_EQ(editor.btnToNV->text(), "Done");
        EXPECT_EQ(sim.Drive().GetNvWord(5) & 0xFF, 40) << "NV memory holds the new set";
    });
}

TEST_F(NvEditorFailureTest, AFileThatCannotBeLoadedIsToldAndLeavesTheFormCleared) {
    const QString path = FilePath("wrong.ZKC");
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Text));
        file.write("drive--tamberlyne \nLogicVersion 1 \nPWMPlus = 5 Vrms\n");
    }
    RunEditor([&](TEditForm& editor) {
        fakes.files.QueueChoice(path);
        editor.btnOpen->click();
        EXPECT_EQ(Told(), QStringList{"Error reading file, Err No.5 "});
        EXPECT_FALSE(editor.lblFilename->isVisible());
        EXPECT_EQ(editor.lblSource->text(), "Please Load Parameters from Drive, NV Memory or File");
        EXPECT_FALSE(editor.btnSave->isEnabled());
        EXPECT_TRUE(editor.IsRunning()) << "the window stays open";
    });
}

} // namespace
} // namespace nvtest
