// The value dialogs and their message boxes lie above the on-line editor that opened
// them, which stays on top of other windows: each is shown transient for its opener.
#include "tests/forms/online/online_fixture.h"
#include "tests/support/shown_window.h"

#include "zktools/platform/window_owner.h"

#include <QLineEdit>
#include <QPushButton>

namespace online_test {
namespace {

using zk::testing::HandleOf;
using zk::testing::ShownWindow;
using zk::testing::TakeShown;

void DoubleClickValue(int row) {
    QTableWidget* grid = OnlineForm->StringGrid1;
    const QRect rect = grid->visualRect(grid->model()->index(row - 1, 1));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, rect.center());
}

TEST_F(OnlineFormTest, ValueDialogsAndTheirMessagesAreShownOverTheEditor) {
    PresetRow(fakes_.settings, 1, "PWMPlus"); // numeric
    PresetRow(fakes_.settings, 2, "DirSrc");  // two-state
    PresetRow(fakes_.settings, 3, "Kip");     // list
    CreateWindows();

    std::map<const QWidget*, ShownWindow> dialogs;
    // The window each message box would be shown over.
    std::vector<std::pair<QString, const QWidget*>> messages;
    fakes_.messages.SetOnMessage([&](const zk::platform::RecordedMessage& message) {
        messages.emplace_back(message.text, zk::platform::DialogOwner());
    });
    OnShow(ValEditdlg, [&] {
        dialogs[ValEditdlg] = TakeShown(ValEditdlg);
        ValEditdlg->edtValue->setText("99999999");
        ValEditdlg->btnOK->click();
        // A write the drive does not answer: its status label.
        Drive().DisconnectDrive(zkcomm::sim::DataInLevel::High);
        ValEditdlg->edtValue->setText("1");
        ValEditdlg->btnOK->click();
        Drive().ReconnectDrive();
        if (ValEditdlg->IsRunning())
            ValEditdlg->btnCancel->click();
    });
    OnShow(ValBooldlg, [&] {
        dialogs[ValBooldlg] = TakeShown(ValBooldlg);
        ValBooldlg->btnCancel->click();
    });
    OnShow(ValCmbdlg, [&] {
        dialogs[ValCmbdlg] = TakeShown(ValCmbdlg);
        ValCmbdlg->btnCancel->click();
    });
    Open([&] {
        ASSERT_TRUE(WaitForRefreshes(1));
        DoubleClickValue(1);
        DoubleClickValue(2);
        DoubleClickValue(3);
    });

    for (const QWidget* dialog : {static_cast<QWidget*>(ValEditdlg),
                                  static_cast<QWidget*>(ValBooldlg),
                                  static_cast<QWidget*>(ValCmbdlg)}) {
        ASSERT_TRUE(dialogs.count(dialog)) << dialog->objectName().toStdString() << " not shown";
        EXPECT_EQ(dialogs[dialog].transientParent, HandleOf(OnlineForm))
            << dialog->objectName().toStdString();
        EXPECT_TRUE(dialogs[dialog].modal) << dialog->objectName().toStdString();
    }
    ASSERT_GE(messages.size(), 2u);
    EXPECT_EQ(messages[0].first, "The value is out of range!");
    for (const auto& [text, owner] : messages)
        EXPECT_EQ(owner, ValEditdlg) << text.toStdString();
}

} // namespace
} // namespace online_test
