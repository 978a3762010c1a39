// The tool started as a user starts it, one child process per command line: factory mode
// comes from the command line as typed, where Qt's own options count as arguments although
// the application object takes them out of argv.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "zktools/forms/main_form.h"
#include "zktools/forms/program_start.h"
#include "zktools/forms/windows.h"

namespace {

// The child's exit codes.
constexpr int kFactory = 3;
constexpr int kNormal = 4;
constexpr int kNoMainWindow = 5;
constexpr int kCaptionDisagrees = 6;

// Runs as each application object is made (only children make one): once the tool's event
// loop runs, the child ends with what its main window made of the command line.
void ReportFactoryMode() {
    QTimer::singleShot(0, QCoreApplication::instance(), [] {
        int code = kNoMainWindow;
        if (MainForm != nullptr) {
            const bool captioned = MainForm->windowTitle() == "VantorTools --factory";
            code = captioned != MainForm->FactoryMode ? kCaptionDisagrees
                   : MainForm->FactoryMode            ? kFactory
                                                      : kNormal;
        }
        std::_Exit(code);
    });
}
Q_COREAPP_STARTUP_FUNCTION(ReportFactoryMode)

struct StartCase {
    const char* name;
    std::vector<std::string> arguments;
    bool factory;
};

void PrintTo(const StartCase& c, std::ostream* out) {
    *out << c.name;
}

const StartCase kStarts[] = {
    {"Lower", {"-factory"}, true},
    {"Capitals", {"-FACTORY"}, true},
    {"None", {}, false},
    {"WithAnotherArgument", {"-factory", "extra"}, false},
    {"BeforeReverse", {"-factory", "-reverse"}, false},
    {"AfterReverse", {"-reverse", "-factory"}, false},
    {"BeforeStyle", {"-factory", "-style", "Fusion"}, false},
    {"AfterJoinedStyle", {"-style=Fusion", "-factory"}, false},
    {"AfterPlatform", {"-platform", "offscreen", "-FACTORY"}, false},
    {"ReverseAlone", {"-reverse"}, false},
};

class ProgramStart : public ::testing::TestWithParam<StartCase> {
protected:
    void SetUp() override {
        // A fresh process per case, with no threads of the parent's and its own application.
        GTEST_FLAG_SET(death_test_style, "threadsafe");
        // The tool keeps its port choice here instead of in the user's settings.
        std::string folder = (std::filesystem::temp_directory_path() / "zk_startXXXXXX").string();
        ASSERT_NE(::mkdtemp(folder.data()), nullptr);
        folder_ = folder;
        ::setenv("ZKTOOLS_SETTINGS_FILE", (folder_ / "registry.ini").c_str(), 1);
    }
    void TearDown() override {
        ::unsetenv("ZKTOOLS_SETTINGS_FILE");
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

private:
    std::filesystem::path folder_;
};

TEST_P(ProgramStart, FactoryModeOnlyForTheSoleSwitchAsTyped) {
    const StartCase& c = GetParam();
    std::vector<std::string> words{"zktools"};
    words.insert(words.end(), c.arguments.begin(), c.arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    const int argc = static_cast<int>(words.size());

    EXPECT_EXIT(RunTool(argc, argv.data()), ::testing::ExitedWithCode(c.factory ? kFactory : kNormal),
                "");
}

INSTANTIATE_TEST_SUITE_P(CommandLines, ProgramStart, ::testing::ValuesIn(kStarts),
                         [](const auto& row) { return std::string(row.param.name); });

} // namespace
