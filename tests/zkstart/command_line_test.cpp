// The launcher's own command line and the tool's: only a sole "-factory" in any
// letter case is passed on, and the arguments are taken before the application
// object removes the options it handles itself.
#include <gtest/gtest.h>

#include <QStringList>

#include <string>

#include "tests/zkstart/case_name.h"
#include "zkstart/tool_command_line.h"

namespace zk::start::test {
namespace {

struct SwitchCase {
    const char* name;
    QStringList arguments;
    bool factory;
};

void PrintTo(const SwitchCase& row, std::ostream* out) {
    *out << row.name;
}

const SwitchCase kSwitches[] = {
    {"Lower", {"-factory"}, true},
    {"Capitals", {"-FACTORY"}, true},
    {"Mixed", {"-fAcToRy"}, true},
    {"None", {}, false},
    {"Empty", {""}, false},
    {"WithASecondArgument", {"-factory", "x"}, false},
    {"Twice", {"-factory", "-factory"}, false},
    {"AfterAnotherArgument", {"x", "-factory"}, false},
    {"WithoutTheDash", {"factory"}, false},
    {"SlashInstead", {"/factory"}, false},
    {"TwoDashes", {"--factory"}, false},
    {"TrailingBlank", {"-factory "}, false},
    {"Prefix", {"-fact"}, false},
    {"Longer", {"-factoryx"}, false},
};

class FactorySwitch : public ::testing::TestWithParam<SwitchCase> {};

TEST_P(FactorySwitch, OnlyTheSoleSwitchCounts) {
    EXPECT_EQ(IsFactoryCommandLine(GetParam().arguments), GetParam().factory);
}

INSTANTIATE_TEST_SUITE_P(Arguments, FactorySwitch, ::testing::ValuesIn(kSwitches), CaseName());

TEST(LauncherArgumentList, EveryWordButTheProgramsNameIncludingToolkitOptions) {
    const char* const argv[] = {"/opt/vt/zkstart", "-style", "fusion", "-FACTORY", nullptr};
    EXPECT_EQ(LauncherArguments(4, argv), (QStringList{"-style", "fusion", "-FACTORY"}));
    // A toolkit option beside the switch is a second argument.
    EXPECT_FALSE(IsFactoryCommandLine(LauncherArguments(4, argv)));
    EXPECT_EQ(LauncherArguments(1, argv), QStringList{});
    EXPECT_EQ(LauncherArguments(0, argv), QStringList{});
}

} // namespace
} // namespace zk::start::test
