// Each wizard page lies above the main window, also when the page before hid itself,
// and each message box of a page lies above that page.
#include "tests/guided/wizard/wizard_fixture.h"
#include "tests/support/shown_window.h"

#include "zktools/platform/window_owner.h"

#include <utility>
#include <vector>

namespace wizardtest {
namespace {

using zk::testing::HandleOf;
using zk::testing::ShownWindow;
using zk::testing::TakeShown;

using WizardOwnerTest = WizardFixture;

TEST_F(WizardOwnerTest, PagesLieOverTheMainWindowAndTheirMessagesOverThePage) {
    MainForm->show();
    std::vector<std::pair<QString, const QWidget*>> messages;
    fakes.messages.SetOnMessage([&](const zk::platform::RecordedMessage& message) {
        messages.emplace_back(message.text, zk::platform::DialogOwner());
    });
    struct Page {
        ModalForm* page;
        QPushButton* next;
        QLineEdit* blank; // left empty, so Next asks for it
        const char* asked;
    };
    const Page pages[] = {
        {MotordataDlg, MotordataDlg->btnNext, nullptr, "Please input Ke?"},
        {ControlDlg, ControlDlg->btnNext, ControlDlg->edtCmdF0, "Please input PWM CMD frequency?"},
        {PWMVDlg, PWMVDlg->btnNext, PWMVDlg->edtPWMMinus, "Please input Velocity or PWMMinus?"},
        {PWMIDlg, PWMIDlg->btnNext, PWMIDlg->edtPWMMinus, "Please input Torque or PWMMinus?"},
    };
    for (const Page& p : pages) {
        SCOPED_TRACE(p.page->objectName().toStdString());
        messages.clear();
        ShownWindow shown;
        RunPage(p.page, [&] {
            shown = TakeShown(p.page);
            if (p.blank != nullptr)
                p.blank->clear();
            p.next->click();
        });
        EXPECT_EQ(shown.transientParent, HandleOf(MainForm));
        EXPECT_TRUE(shown.modal);
        ASSERT_FALSE(messages.empty());
        EXPECT_EQ(messages.front().first, p.asked);
        for (const auto& [text, owner] : messages)
            EXPECT_EQ(owner, p.page) << text.toStdString();
    }
}

// The page after one that hid itself: over the main window, not over the hidden page.
TEST_F(WizardOwnerTest, PageAfterAHiddenPageLiesOverTheMainWindow) {
    MainForm->show();
    ShownWindow control;
    OnRun(MotordataDlg, [&] {
        FillMotorData();
        OnRun(ControlDlg, [&] {
            control = TakeShown(ControlDlg);
            ControlDlg->close();
        });
        MotordataDlg->btnNext->click();
    });
    MotordataDlg->ShowModal();
    ASSERT_NE(control.window, nullptr) << "the second page was not shown";
    EXPECT_EQ(control.transientParent, HandleOf(MainForm));
    EXPECT_TRUE(control.modal);
}

} // namespace
} // namespace wizardtest
