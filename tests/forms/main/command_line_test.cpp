// What the main window takes from its command line and its folder: factory mode,
// the program and parameter-file folders and the help file.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "tests/forms/main/main_form_fixture.h"
#include "zktools/platform/help_requests.h"

namespace zk::forms::test {
namespace {

struct CommandLineCase {
    const char* name;
    QStringList arguments;
    bool factory;
};

void PrintTo(const CommandLineCase& c, std::ostream* out) {
    *out << c.name;
}

const CommandLineCase kCommandLines[] = {
    {"Lower", {"-factory"}, true},
    {"Capitals", {"-FACTORY"}, true},
    {"Mixed", {"-FacTory"}, true},
    {"WithASecondArgument", {"-factory", "x"}, false},
    {"AfterAnotherArgument", {"x", "-factory"}, false},
    {"None", {}, false},
    {"WithoutTheDash", {"factory"}, false},
    {"TwoDashes", {"--factory"}, false},
    {"WithATrailingBlank", {"-factory "}, false},
};

class CommandLine : public MainFormFixture,
                    public ::testing::WithParamInterface<CommandLineCase> {};

TEST_P(CommandLine, OnlyTheSoleFactorySwitchSelectsFactoryMode) {
    const CommandLineCase& c = GetParam();
    Use(Machine::NoPorts);
    TMainForm& main = Start(c.arguments);

    EXPECT_EQ(main.FactoryMode, c.factory);
    // The parameter file takes its NV set from the same flag.
    EXPECT_EQ(FileProc.FactoryMode(), c.factory);
    EXPECT_EQ(main.windowTitle(), c.factory ? "VantorTools --factory" : "Vantor Tools");
}

INSTANTIATE_TEST_SUITE_P(Arguments, CommandLine, ::testing::ValuesIn(kCommandLines), CaseName());

class ProgramFolder : public MainFormFixture {
protected:
    ProgramFolder() { QStandardPaths::setTestModeEnabled(true); }
    ~ProgramFolder() override { QStandardPaths::setTestModeEnabled(false); }

    QString Beside() const { return programDir.path() + "/"; }
};

TEST_F(ProgramFolder, ParameterFolderIsCreatedBesideTheProgram) {
    Use(Machine::NoPorts);
    TMainForm& main = Start();

    EXPECT_EQ(main.AppDir, Beside());
    EXPECT_EQ(main.ParamDir, Beside() + "zkc/");
    EXPECT_TRUE(QFileInfo(main.ParamDir).isDir());
    EXPECT_EQ(zk::platform::HelpFile(), Beside() + "Dozudezeza.DIV");
}

TEST_F(ProgramFolder, AnExistingParameterFolderIsKept) {
    ASSERT_TRUE(QDir(programDir.path()).mkdir("zkc"));
    QFile kept(Beside() + "zkc/drive.ZKC");
    ASSERT_TRUE(kept.open(QIODevice::WriteOnly));
    kept.close();
    Use(Machine::NoPorts);

    TMainForm& main = Start();

    EXPECT_EQ(main.ParamDir, Beside() + "zkc/");
    EXPECT_TRUE(kept.exists());
    EXPECT_TRUE(fakes.messages.Texts().isEmpty());
}

TEST_F(ProgramFolder, WhereNoFolderCanBeMadeTheUsersDataFolderHoldsIt) {
    // A file of that name stands where the folder would go.
    QFile blocker(Beside() + "zkc");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Use(Machine::NoPorts);

    TMainForm& main = Start();

    const QString userData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    EXPECT_EQ(main.AppDir, Beside());
    EXPECT_EQ(main.ParamDir, userData + "/zkc/");
    EXPECT_TRUE(QFileInfo(main.ParamDir).isDir());
    EXPECT_TRUE(fakes.messages.Texts().isEmpty());
    QDir(userData).removeRecursively();
}

TEST_F(ProgramFolder, EndsInOneSeparatorWhateverTheFolderWasGivenAs) {
    Use(Machine::NoPorts);
    form = std::make_unique<TMainForm>(QStringList{}, programDir.path() + "/");
    EXPECT_EQ(form->AppDir, Beside());
    EXPECT_EQ(form->ParamDir, Beside() + "zkc/");
}

} // namespace
} // namespace zk::forms::test
