// A set whose values lie outside their IV mode's limits (a parameter file edited by hand, an
// IV mode changed after the values were set) is shown and may be saved, but neither send
// writes any of it; values at the limits go out as usual.
#include "tests/forms/nv/nv_fixture.h"

#include <QFile>
#include <QRadioButton>

#include <array>
#include <initializer_list>

namespace nvtest {
namespace {

using zkcomm::sim::SimulatedDrive;

// The drive's parameter registers 1 to 15 and the NV words 0 to 14 that hold them.
struct DriveImage {
    std::array<int, 15> registers{};
    std::array<int, 15> words{};
    bool operator==(const DriveImage&) const = default;
};

DriveImage Image(const SimulatedDrive& drive) {
    DriveImage image;
    for (int i = 0; i < 15; ++i) {
        image.registers[i] = drive.GetRegister(i + 1);
        image.words[i] = drive.GetNvWord(i);
    }
    return image;
}

class NvEditorLimitsTest : public NvFixture {
public:
    QString WriteSet(const QString& name, std::initializer_list<const char*> lines) const {
        const QString path = FilePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Text));
        file.write("Drive--Tamberlyne \nLogicVersion 1 \n");
        for (const char* line : lines) {
            file.write(line);
            file.write("\n");
        }
        return path;
    }
    void Open(TEditForm& editor, const QString& path) {
        fakes.files.QueueChoice(path);
        editor.btnOpen->click();
        ASSERT_TRUE(editor.btnToDrive->isEnabled());
    }

    // Clicks the send, which must refuse with `told` and write nothing.
    void ExpectRefused(QPushButton* send, const QString& told) {
        SCOPED_TRACE(send->objectName().toStdString());
        fakes.messages.Clear();
        const QString caption = send->text();
        const DriveImage before = Image(sim.Drive());
        sim.Drive().ResetCounters();

        send->click();

        EXPECT_EQ(Told(), QStringList{told});
        const auto counters = sim.Drive().GetCounters();
        EXPECT_EQ(counters.logic.writes, 0u);
        EXPECT_EQ(counters.nv.write + counters.nv.erase, 0u);
        EXPECT_TRUE(Image(sim.Drive()) == before);
        EXPECT_EQ(send->text(), caption);
        EXPECT_TRUE(send->isEnabled());
        EXPECT_FALSE(EditForm->Timer2.IsArmed() || EditForm->Timer3.IsArmed());
    }
};

TEST_F(NvEditorLimitsTest, AHandEditedValueBeyondItsLimitIsShownAndSavedButNeverSent) {
    const QString path = WriteSet("hand.ZKC", {"IVMode = Current", "Command = 9999"});
    const QString refused = "Values out of range, nothing was sent:\n"
                            "Command = 9999.00 Irms (Range: -10.60 to 10.60 Irms)";
    RunEditor([&](TEditForm& editor) {
        editor.btnFromDrive->click();
        const QString onDrive = ValueCell(editor, "Command");
        editor.btnFromNV->click();
        const QString inNV = ValueCell(editor, "Command");
        ASSERT_NE(onDrive, "9999.00 Irms");

        Open(editor, path);
        EXPECT_EQ(Told(), QStringList()) << "the load itself says nothing";
        EXPECT_EQ(ValueCell(editor, "Command"), "9999.00 Irms");

        ExpectRefused(editor.btnToDrive, refused);
        ExpectRefused(editor.btnToNV, refused);

        fakes.files.QueueChoice(FilePath("again"));
        editor.btnSave->click();
        QFile saved(FilePath("again.ZKC"));
        ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
        EXPECT_TRUE(saved.readAll().contains("Command          = 9999.00 "))
            << "the value can be saved again";

        // What the drive and its memory hold, read back.
        editor.btnFromDrive->click();
        EXPECT_EQ(ValueCell(editor, "Command"), onDrive);
        editor.btnFromNV->click();
        EXPECT_EQ(ValueCell(editor, "Command"), inNV);
    });
}

TEST_F(NvEditorLimitsTest, ValuesAtTheirLimitsAreSent) {
    struct Case {
        const char* label;
        std::initializer_list<const char*> lines;
        std::initializer_list<std::pair<const char*, int32_t>> raws;
    };
    const Case cases[] = {
        {"current mode",
         {"IVMode = Current", "Command = -10.6", "PWMPlus = 10.63", "CommOff = 180"},
         {{"Command", -19149}, {"PWMPlus", 75}, {"CommOff", 2047}}},
        {"voltage mode",
         {"IVMode = Voltage", "Command = 290", "PWMMinus = -291", "IrComp = 6.18"},
         {{"Command", 24453}, {"PWMMinus", -96}, {"IrComp", 255}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        fakes.messages.Clear();
        sim.Drive().Reset();
        const QString path = WriteSet(QString(c.label) + ".ZKC", c.lines);
        RunEditor([&](TEditForm& editor) {
            Open(editor, path);
            editor.btnToDrive->click();
            editor.btnToNV->click();
            EXPECT_EQ(Told(), QStringList());
            EXPECT_EQ(editor.btnToDrive->text(), "Done");
            EXPECT_EQ(editor.btnToNV->text(), "Done");

            for (QPushButton* load : {editor.btnFromDrive, editor.btnFromNV}) {
                SCOPED_TRACE(load->objectName().toStdString());
                load->click();
                for (const auto& [name, raw] : c.raws)
                    EXPECT_EQ(Value(name), raw) << name;
            }
        });
    }
}

TEST_F(NvEditorLimitsTest, TheLimitsFollowTheSetsIVMode) {
    const QString path = WriteSet(
        "voltage.ZKC", {"IVMode = Voltage", "Command = 290", "PWMMinus = -291", "PWMPlus = 291"});
    RunEditor([&](TEditForm& editor) {
        Open(editor, path);
        // Into current mode, where the same raw values lie beyond the limits.
        script.On(ValBooldlg, [] {
            ValBooldlg->rdiLow->click();
            ValBooldlg->btnOK->click();
        });
        DoubleClickValue(editor, "IVMode");
        ASSERT_EQ(Value("IVMode"), 0);
        EXPECT_EQ(ValueCell(editor, "PWMPlus"), "13.60 Irms");

        ExpectRefused(editor.btnToNV, "Values out of range, nothing was sent:\n"
                                      "Command = 13.54 Irms (Range: -10.60 to 10.60 Irms)\n"
                                      "PWMMinus = -13.60 Irms (Range: -10.63 to 10.63 Irms)\n"
                                      "PWMPlus = 13.60 Irms (Range: -10.63 to 10.63 Irms)");
    });
}

} // namespace
} // namespace nvtest
