// The main window's first activation: one look at the drive and the warning
// about an enabled drive, once only.
#include <QCoreApplication>

#include "tests/forms/main/main_form_fixture.h"

namespace zk::forms::test {
namespace {

const QString kEnabledWarning = "Drive is enabled, strongly recommend to disable the drive";

struct ActivationCase {
    const char* name;
    Machine machine;
    bool driveEnabled;
    bool warned;
};

void PrintTo(const ActivationCase& c, std::ostream* out) {
    *out << c.name;
}

const ActivationCase kActivationCases[] = {
    {"EnabledDrive", Machine::OnlyLpt1, true, true},
    {"DisabledDrive", Machine::OnlyLpt1, false, false},
    // No port: the status read fails, and a failed read warns of nothing.
    {"EnabledDriveButNoPort", Machine::NoPorts, true, false},
};

class FirstActivation : public MainFormFixture,
                        public ::testing::WithParamInterface<ActivationCase> {
protected:
    static void Settle() { QCoreApplication::processEvents(); }
};

TEST_P(FirstActivation, WarnsOfAnEnabledDriveOnceAndNeverAgain) {
    const ActivationCase& c = GetParam();
    Use(c.machine);
    zkcomm::testing::SimDrive().SetEnabled(c.driveEnabled);
    TMainForm& main = Start();
    bool shownAboveTheWindow = false;
    fakes.messages.SetOnMessage([&](const auto&) { shownAboveTheWindow = main.isVisible(); });
    EXPECT_TRUE(fakes.messages.Texts().isEmpty()) << "nothing before the window is shown";

    main.show();
    Settle();
    ASSERT_EQ(fakes.messages.Texts(), c.warned ? QStringList{kEnabledWarning} : QStringList{});
    if (c.warned) {
        EXPECT_TRUE(shownAboveTheWindow);
    }

    // Coming back to the window, and the window shown again, read nothing more.
    fakes.messages.Clear();
    zkcomm::testing::SimDrive().SetEnabled(true);
    main.activateWindow();
    Settle();
    main.hide();
    main.show();
    Settle();
    EXPECT_TRUE(fakes.messages.Texts().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Drives, FirstActivation, ::testing::ValuesIn(kActivationCases),
                         CaseName());

} // namespace
} // namespace zk::forms::test
