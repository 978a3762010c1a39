// The port menu: choices that work, choices of a port that has gone, "Off_line",
// and the port written back at the end.
#include <QAction>

#include <vector>

#include "tests/forms/main/main_form_fixture.h"

namespace zk::forms::test {
namespace {

struct MenuCase {
    const char* name;
    int removedLpt;           // a port that disappears after the start; 0 none
    std::vector<int> choices; // menu items in order; 0 "Off_line"
    QStringList messages;
    int portNo;     // afterwards, and written at the end
    int checked;    // 0 "Off_line"
    int talkingLpt; // the port the link is on; 0 off
};

void PrintTo(const MenuCase& c, std::ostream* out) {
    *out << c.name;
}

const MenuCase kMenuCases[] = {
    {"ChoosingPLT3", 0, {3}, {}, 3, 3, 3},
    {"ChoosingAPortThatHasGone", 2, {2}, {"PLT2 is not available"}, 0, 0, 0},
    // The link must not stay on PLT3 while the menu shows "Off_line".
    {"ChoosingAPortThatHasGoneAfterAnother", 2, {3, 2}, {"PLT2 is not available"}, 0, 0, 0},
    {"ChoosingOffLine", 0, {0}, {}, 0, 0, 0},
    {"ChoosingAPortAgainAfterOffLine", 0, {0, 2}, {}, 2, 2, 2},
};

class PortMenu : public MainFormFixture, public ::testing::WithParamInterface<MenuCase> {};

TEST_P(PortMenu, SelectsMarksAndRemembersThePort) {
    const MenuCase& c = GetParam();
    Use(Machine::ThreePorts);
    TMainForm& main = Start();
    ASSERT_EQ(CheckedPort(), 1);
    if (c.removedLpt != 0)
        RemovePort(c.removedLpt);

    QAction* items[] = {main.mnuOffline, main.mnuPLT1, main.mnuPLT2, main.mnuPLT3};
    for (int choice : c.choices)
        items[choice]->trigger();

    EXPECT_EQ(fakes.messages.Texts(), c.messages);
    EXPECT_EQ(main.PortNo, c.portNo);
    EXPECT_EQ(CheckedPort(), c.checked);
    EXPECT_EQ(LinkTalks(), c.talkingLpt != 0);
    if (c.talkingLpt != 0) {
        EXPECT_EQ(zkcomm::testing::Link().BasePort(), BaseOf(c.talkingLpt));
    }
    EXPECT_EQ(Finish(), c.portNo);
}

INSTANTIATE_TEST_SUITE_P(Choices, PortMenu, ::testing::ValuesIn(kMenuCases), CaseName());

} // namespace
} // namespace zk::forms::test
