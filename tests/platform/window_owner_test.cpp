// Which window a dialog lies above: modal forms, message boxes and file dialogs are shown
// transient for the window they were opened from, and modal.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QListView>
#include <QMainWindow>
#include <QMessageBox>
#include <QScrollBar>
#include <QTimer>
#include <QWindow>

#include <functional>
#include <memory>

#include "tests/support/shown_window.h"
#include "zktools/platform/drop_down_style.h"
#include "zktools/platform/modal_form.h"
#include "zktools/platform/modal_hooks.h"
#include "zktools/platform/qt_file_dialog_service.h"
#include "zktools/platform/qt_message_service.h"
#include "zktools/platform/window_owner.h"

namespace zk::platform {
namespace {

using Shown = zk::testing::ShownWindow;
using zk::testing::HandleOf;

Shown Take(QWidget* window) {
    return zk::testing::TakeShown(window);
}

const QWindow* Handle(QWidget* widget) {
    return HandleOf(widget);
}

// The Qt dialog open now (message box or file dialog) as shown; then it is rejected.
Shown TakeForeignDialog() {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr || qobject_cast<ModalForm*>(dialog) != nullptr)
        return {};
    Shown shown = Take(dialog);
    dialog->reject();
    return shown;
}

class WindowOwnerTest : public ::testing::Test {
protected:
    WindowOwnerTest() {
        main_.setWindowTitle("main");
        main_.show();
        outer_.setWindowTitle("outer");
        inner_.setWindowTitle("inner");
        previousHook_ = SetModalStartHook([this](ModalForm& form) {
            const auto action = std::move(onStart);
            onStart = {};
            if (action)
                action(form);
            else
                form.SetModalResult(kModalCancel);
        });
    }
    ~WindowOwnerTest() override { SetModalStartHook(previousHook_); }

    // The next modal run starts with `action`, which must end it.
    std::function<void(ModalForm&)> onStart;

    QMainWindow main_;
    ModalForm outer_;
    ModalForm inner_;

private:
    ModalFormCallback previousHook_;
};

TEST_F(WindowOwnerTest, FormOpenedFromTheMainWindowOrAFormIsTransientForItAndModal) {
    Shown outerShown, innerShown;
    onStart = [&](ModalForm& outer) {
        outerShown = Take(&outer);
        onStart = [&](ModalForm& inner) {
            innerShown = Take(&inner);
            inner.SetModalResult(kModalOk);
        };
        inner_.ShowModal();
        outer.SetModalResult(kModalOk);
    };
    outer_.ShowModal();

    EXPECT_EQ(outerShown.transientParent, Handle(&main_));
    EXPECT_TRUE(outerShown.modal);
    EXPECT_EQ(innerShown.transientParent, Handle(&outer_));
    EXPECT_TRUE(innerShown.modal);
}

TEST_F(WindowOwnerTest, FormStayingOnTopOwnsWhatItOpens) {
    // The on-line editor's frame: a dialog above every other window.
    outer_.setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    Shown innerShown;
    onStart = [&](ModalForm& outer) {
        onStart = [&](ModalForm& inner) {
            innerShown = Take(&inner);
            inner.SetModalResult(kModalOk);
        };
        inner_.ShowModal();
        outer.SetModalResult(kModalOk);
    };
    outer_.ShowModal();
    EXPECT_EQ(innerShown.transientParent, Handle(&outer_));
}

TEST_F(WindowOwnerTest, FormThatHidItselfLeavesTheOwnershipToTheWindowBelow) {
    // A wizard page hides itself while its successor runs.
    Shown innerShown;
    onStart = [&](ModalForm& outer) {
        outer.hide();
        onStart = [&](ModalForm& inner) {
            innerShown = Take(&inner);
            inner.SetModalResult(kModalOk);
        };
        inner_.ShowModal();
        outer.SetModalResult(kModalOk);
    };
    outer_.ShowModal();
    EXPECT_EQ(innerShown.transientParent, Handle(&main_));
}

TEST_F(WindowOwnerTest, FormShownAgainAfterItsOwnerChangedTakesTheNewOwner) {
    Shown first, second;
    onStart = [&](ModalForm& inner) {
        first = Take(&inner);
        inner.SetModalResult(kModalOk);
    };
    inner_.ShowModal();
    onStart = [&](ModalForm& outer) {
        onStart = [&](ModalForm& inner) {
            second = Take(&inner);
            inner.SetModalResult(kModalOk);
        };
        inner_.ShowModal();
        outer.SetModalResult(kModalOk);
    };
    outer_.ShowModal();
    EXPECT_EQ(first.transientParent, Handle(&main_));
    EXPECT_EQ(second.transientParent, Handle(&outer_));
}

struct ServiceCase {
    const char* name;
    std::function<void()> open;
};

void PrintTo(const ServiceCase& c, std::ostream* os) {
    *os << c.name;
}

class DialogServiceOwnerTest : public WindowOwnerTest,
                               public ::testing::WithParamInterface<ServiceCase> {};

TEST_P(DialogServiceOwnerTest, DialogOfTheRunningFormIsTransientForItAndModal) {
    Shown shown;
    onStart = [&](ModalForm& form) {
        QTimer::singleShot(0, qApp, [&] { shown = TakeForeignDialog(); });
        GetParam().open();
        form.SetModalResult(kModalOk);
    };
    outer_.ShowModal();
    ASSERT_NE(shown.window, nullptr) << "no dialog was shown";
    EXPECT_EQ(shown.transientParent, Handle(&outer_));
    EXPECT_TRUE(shown.modal);
}

TEST_P(DialogServiceOwnerTest, DialogWithoutARunningFormIsTransientForTheMainWindow) {
    Shown shown;
    QTimer::singleShot(0, qApp, [&] { shown = TakeForeignDialog(); });
    GetParam().open();
    ASSERT_NE(shown.window, nullptr) << "no dialog was shown";
    EXPECT_EQ(shown.transientParent, Handle(&main_));
    EXPECT_TRUE(shown.modal);
}

TEST_P(DialogServiceOwnerTest, DialogOfAFormThatHidItselfIsTransientForTheWindowBelow) {
    Shown shown;
    onStart = [&](ModalForm& outer) {
        onStart = [&](ModalForm& inner) {
            inner.hide();
            QTimer::singleShot(0, qApp, [&] { shown = TakeForeignDialog(); });
            GetParam().open();
            inner.SetModalResult(kModalOk);
        };
        inner_.ShowModal();
        outer.SetModalResult(kModalOk);
    };
    outer_.ShowModal();
    ASSERT_NE(shown.window, nullptr) << "no dialog was shown";
    EXPECT_EQ(shown.transientParent, Handle(&outer_));
}

INSTANTIATE_TEST_SUITE_P(Services, DialogServiceOwnerTest,
                         ::testing::Values(ServiceCase{"message",
                                                       [] {
                                                           QtMessageService().ShowMessage("text");
                                                       }},
                                           ServiceCase{"warning",
                                                       [] {
                                                           QtMessageService().AskWarningYesNo(
                                                               "text");
                                                       }},
                                           ServiceCase{"exception",
                                                       [] {
                                                           QtMessageService().ShowExceptionText(
                                                               "x");
                                                       }},
                                           ServiceCase{"open_file",
                                                       [] {
                                                           FileRequest request;
                                                           request.mode = FileDialogMode::Open;
                                                           QtFileDialogService().Choose(request);
                                                       }},
                                           ServiceCase{"save_file",
                                                       [] {
                                                           FileRequest request;
                                                           request.mode = FileDialogMode::Save;
                                                           QtFileDialogService().Choose(request);
                                                       }}),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(DialogOwnerTest, NoWindowOnScreenOwnsNothing) {
    QMainWindow hidden;
    EXPECT_EQ(DialogOwner(), nullptr);
    ModalForm form;
    SetTransientOwner(form, DialogOwner(&form));
    ASSERT_NE(form.windowHandle(), nullptr);
    EXPECT_EQ(form.windowHandle()->transientParent(), nullptr);
}

TEST(DialogOwnerTest, OwnerLoopIsRefused) {
    QMainWindow main;
    main.show();
    ModalForm a, b;
    SetTransientOwner(a, &main);
    SetTransientOwner(b, &a);
    // a under b under a would stack neither.
    SetTransientOwner(a, &b);
    EXPECT_EQ(b.windowHandle()->transientParent(), a.windowHandle());
    EXPECT_EQ(a.windowHandle()->transientParent(), nullptr);
}

// Drop-down lists open below their box with eight rows, as on the desktop, and a scroll bar.
TEST(DropDownStyleTest, ListShowsAtMostEightEntriesWithAScrollBar) {
    constexpr int EntriesSeen = 8;
    ASSERT_NE(qobject_cast<DropDownStyle*>(QApplication::style()), nullptr)
        << "the application object puts the drop-down style in place";
    QMainWindow main;
    main.resize(400, 300);
    auto* combo = new QComboBox(&main);
    combo->setGeometry(10, 10, 150, combo->sizeHint().height());
    // Asking for more does not get more.
    combo->setMaxVisibleItems(30);
    for (int i = 0; i < 40; ++i)
        combo->addItem(QString("entry %1").arg(i));
    main.show();
    EXPECT_EQ(combo->maxVisibleItems(), EntriesSeen);
    EXPECT_FALSE(combo->style()->styleHint(QStyle::SH_ComboBox_Popup, nullptr, combo));

    combo->showPopup();
    QAbstractItemView* view = combo->view();
    QWidget* popup = view->window();
    ASSERT_TRUE(popup->isVisible());
    const int rowHeight = view->sizeHintForRow(0);
    ASSERT_GT(rowHeight, 0);
    const int rowsShown = view->viewport()->height() / rowHeight;
    EXPECT_EQ(rowsShown, EntriesSeen);
    EXPECT_TRUE(view->verticalScrollBar()->isVisible());
    // Below the box, not over it.
    EXPECT_GE(popup->geometry().top(), combo->mapToGlobal(QPoint(0, combo->height())).y() - 1);
    combo->hidePopup();
}

} // namespace
} // namespace zk::platform
