// Start of the main window: the port probe, the remembered port, what the menu
// and the link show afterwards, and what is written back at the end.
#include <QAction>

#include <array>
#include <optional>

#include "tests/forms/main/main_form_fixture.h"

namespace zk::forms::test {
namespace {

struct StartCase {
    const char* name;
    Machine machine;
    std::optional<int> stored;   // "PLTPort" before the start
    std::array<bool, 3> enabled; // PLT1 to PLT3
    int checked;                 // 0 "Off_line"
    int portNo;
    QStringList messages;
    int talkingLpt; // the port the link is on afterwards; 0 when it is off
};

void PrintTo(const StartCase& c, std::ostream* out) {
    *out << c.name;
}

const StartCase kStartCases[] = {
    {"NoPortFound", Machine::NoPorts, std::nullopt, {false, false, false}, 0, 0, {}, 0},
    {"NoPortFoundButTwoStored",
     Machine::NoPorts,
     2,
     {false, false, false},
     0,
     2,
     {"PLT2 is not available"},
     0},
    {"OnlyLpt1", Machine::OnlyLpt1, std::nullopt, {true, false, false}, 1, 1, {}, 1},
    {"OnlyLpt1ButThreeStored",
     Machine::OnlyLpt1,
     3,
     {true, false, false},
     0,
     3,
     {"PLT3 is not available"},
     0},
    {"OnlyLpt1AndOffLineStored", Machine::OnlyLpt1, 0, {true, false, false}, 0, 0, {}, 0},
    {"OnlyLpt1AndNoSuchPortStored",
     Machine::OnlyLpt1,
     7,
     {true, false, false},
     0,
     7,
     {"PLT7 is not available"},
     0},
    {"ThreePortsTakesTheLowest",
     Machine::ThreePorts,
     std::nullopt,
     {true, true, true},
     1,
     1,
     {},
     1},
    {"ThreePortsAndThreeStored", Machine::ThreePorts, 3, {true, true, true}, 3, 3, {}, 3},
};

class StartUp : public MainFormFixture, public ::testing::WithParamInterface<StartCase> {};

TEST_P(StartUp, ProbesSelectsAndWritesThePortBack) {
    const StartCase& c = GetParam();
    Use(c.machine);
    if (c.stored)
        StorePort(*c.stored);

    TMainForm& main = Start();

    EXPECT_EQ(main.mnuPLT1->isEnabled(), c.enabled[0]);
    EXPECT_EQ(main.mnuPLT2->isEnabled(), c.enabled[1]);
    EXPECT_EQ(main.mnuPLT3->isEnabled(), c.enabled[2]);
    EXPECT_TRUE(main.mnuOffline->isEnabled());
    EXPECT_EQ(CheckedPort(), c.checked);
    EXPECT_EQ(main.PortNo, c.portNo);
    EXPECT_EQ(fakes.messages.Texts(), c.messages);
    // The link agrees with the menu: off whenever "Off_line" carries the mark.
    EXPECT_EQ(LinkTalks(), c.talkingLpt != 0);
    if (c.talkingLpt != 0) {
        EXPECT_EQ(zkcomm::testing::Link().BasePort(), BaseOf(c.talkingLpt));
    }

    EXPECT_EQ(Finish(), c.portNo);
}

INSTANTIATE_TEST_SUITE_P(Machines, StartUp, ::testing::ValuesIn(kStartCases), CaseName());

using StartUpSettings = MainFormFixture;

TEST_F(StartUpSettings, AnUnreadableStoreKeepsTheProbedPortSilently) {
    Use(Machine::ThreePorts);
    StorePort(3);
    fakes.settings.Refuse(true);

    TMainForm& main = Start();

    EXPECT_EQ(main.PortNo, 1);
    EXPECT_EQ(CheckedPort(), 1);
    EXPECT_TRUE(fakes.messages.Texts().isEmpty());
    // The refused write at the end is not reported either.
    EXPECT_EQ(Finish(), 1);
    EXPECT_TRUE(fakes.messages.Texts().isEmpty());
    ASSERT_FALSE(fakes.settings.Writes().empty());
    EXPECT_FALSE(fakes.settings.Writes().back().accepted);
}

TEST_F(StartUpSettings, APortChosenLastTimeIsSelectedAgainAtTheNextStart) {
    Use(Machine::ThreePorts);
    Start().mnuPLT3->trigger();
    ASSERT_EQ(Finish(), 3);
    // As after a restart: the link off again, the stored value kept.
    zkcomm::testing::ResetLink();

    TMainForm& main = Start();

    EXPECT_EQ(main.PortNo, 3);
    EXPECT_EQ(CheckedPort(), 3);
    EXPECT_EQ(zkcomm::testing::Link().BasePort(), BaseOf(3));
}

} // namespace
} // namespace zk::forms::test
