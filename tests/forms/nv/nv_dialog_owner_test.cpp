// What the NV editor opens lies above it: the value dialogs, their message boxes and the
// file dialogs are shown transient for the window they were opened from. The factory's
// model list opens as a drop-down of eight rows.
#include "tests/forms/nv/value_dialog_fixture.h"

#include <QAbstractItemView>
#include <QRadioButton>
#include <QScrollBar>
#include "tests/support/shown_window.h"

#include "zktools/platform/window_owner.h"

#include <map>
#include <utility>
#include <vector>

namespace nvtest {
namespace {

using zk::testing::HandleOf;
using zk::testing::ShownWindow;
using zk::testing::TakeShown;

// Cancels every file dialog and keeps the window each was opened over.
class FileDialogOwners : public zk::platform::FileDialogService {
public:
    std::optional<QString> Choose(const zk::platform::FileRequest&) override {
        owners.push_back(zk::platform::DialogOwner());
        return std::nullopt;
    }
    std::vector<const QWidget*> owners;
};

TEST_F(NvFixture, ValueDialogsMessagesAndFileDialogsAreShownOverTheirOpener) {
    std::map<const QWidget*, ShownWindow> dialogs;
    std::vector<std::pair<QString, const QWidget*>> messages;
    fakes.messages.SetOnMessage([&](const zk::platform::RecordedMessage& message) {
        messages.emplace_back(message.text, zk::platform::DialogOwner());
    });
    script.On(ValEditdlg, [&] {
        dialogs[ValEditdlg] = TakeShown(ValEditdlg);
        ValEditdlg->edtValue->setText("99999999");
        ValEditdlg->btnOK->click();
        ValEditdlg->btnCancel->click();
    });
    script.On(ValBooldlg, [&] {
        dialogs[ValBooldlg] = TakeShown(ValBooldlg);
        // A change, so that Save is offered and Open asks.
        (ValBooldlg->rdiHigh->isChecked() ? ValBooldlg->rdiLow : ValBooldlg->rdiHigh)->click();
        ValBooldlg->btnOK->click();
    });
    script.On(ValCmbdlg, [&] {
        dialogs[ValCmbdlg] = TakeShown(ValCmbdlg);
        ValCmbdlg->btnCancel->click();
    });
    FileDialogOwners files;
    RunEditor([&](TEditForm& editor) {
        editor.btnFromDrive->click();
        DoubleClickValue(editor, "PWMPlus");
        DoubleClickValue(editor, "FltDiag");
        DoubleClickValue(editor, "Kip");
        const zk::platform::ScopedService<FileDialogOwners> useFiles(files);
        editor.btnSave->click();
        // Opening a file over the changed set asks first.
        fakes.messages.QueueAnswers({Answer::No});
        editor.btnOpen->click();
    });

    for (const QWidget* dialog : {static_cast<QWidget*>(ValEditdlg),
                                  static_cast<QWidget*>(ValBooldlg),
                                  static_cast<QWidget*>(ValCmbdlg)}) {
        ASSERT_TRUE(dialogs.count(dialog)) << dialog->objectName().toStdString() << " not shown";
        EXPECT_EQ(dialogs[dialog].transientParent, HandleOf(EditForm))
            << dialog->objectName().toStdString();
        EXPECT_TRUE(dialogs[dialog].modal) << dialog->objectName().toStdString();
    }
    const std::vector<std::pair<QString, const QWidget*>> expected{
        {"The value is out of range!", ValEditdlg},
        {"Do you want to save the changes?", EditForm},
    };
    EXPECT_EQ(messages, expected);
    EXPECT_EQ(files.owners, (std::vector<const QWidget*>{EditForm, EditForm}));
}

TEST_F(ValueDialogFixture, FactoryModelListShowsEightRowsBelowItsBox) {
    SetFactoryMode(true);
    Open(ValCmbdlg, kFromNVEditor, "Model", kVoltage, [&] {
        QComboBox& list = *ValCmbdlg->cmbValue;
        ASSERT_GT(list.count(), 8) << "the model list is longer than one drop-down";
        list.showPopup();
        QAbstractItemView* view = list.view();
        ASSERT_TRUE(view->window()->isVisible());
        const int rowHeight = view->sizeHintForRow(0);
        ASSERT_GT(rowHeight, 0);
        EXPECT_EQ(view->viewport()->height() / rowHeight, 8);
        EXPECT_TRUE(view->verticalScrollBar()->isVisible());
        EXPECT_GE(view->window()->geometry().top(),
                  list.mapToGlobal(QPoint(0, list.height())).y() - 1)
            << "the list covers its box";
        list.hidePopup();
        ValCmbdlg->btnCancel->click();
    });
}

} // namespace
} // namespace nvtest
