// The modal run: what ends it, what does not, activation, nesting, the close box.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <functional>
#include <stdexcept>

#include "tests/platform/platform_fakes.h"
#include "zktools/platform/modal_form.h"
#include "zktools/platform/modal_hooks.h"
#include "zktools/platform/qt_message_service.h"

namespace zk::platform {
namespace {

// Runs `action` once the loop that is innermost at that time gets control back.
void Later(std::function<void()> action) {
    QTimer::singleShot(0, qApp, std::move(action));
}

class ProbeForm : public ModalForm {
public:
    int activations = 0;
    int deactivations = 0;
    int closes = 0;
    std::function<void()> onActivate;
    std::function<bool()> closeQuery;
    std::function<void()> onCloseBox;

protected:
    void FormActivate() override {
        ++activations;
        if (onActivate)
            onActivate();
    }
    void FormDeactivate() override { ++deactivations; }
    bool FormCloseQuery() override { return closeQuery ? closeQuery() : true; }
    void FormClose() override { ++closes; }
    void OnCloseBox() override {
        if (onCloseBox)
            onCloseBox();
        else
            ModalForm::OnCloseBox();
    }
};

class ModalFormTest : public ::testing::Test {
protected:
    ModalFormTest()
        : previousHook_(SetModalStartHook([this](ModalForm& form) {
              ++starts_;
              if (onStart)
                  onStart(form);
          })) {}
    ~ModalFormTest() override { SetModalStartHook(previousHook_); }

    std::function<void(ModalForm&)> onStart;
    int starts_ = 0;
    testing::PlatformFakes fakes_;

private:
    ModalFormCallback previousHook_;
};

TEST_F(ModalFormTest, OnlyANonZeroResultEndsTheRun) {
    for (const int result : {kModalOk, kModalCancel, 7, -1}) {
        ProbeForm form;
        bool ranOnAfterZero = false;
        onStart = [&](ModalForm&) {
            form.SetModalResult(kModalNone);
            Later([&] {
                ranOnAfterZero = form.IsRunning() && form.isVisible();
                form.SetModalResult(result);
            });
        };
        EXPECT_EQ(form.ShowModal(), result);
        EXPECT_TRUE(ranOnAfterZero) << result;
        EXPECT_EQ(form.ModalResult(), result) << "the result stays readable after the run";
        EXPECT_FALSE(form.isVisible());
        EXPECT_FALSE(form.IsRunning());
    }
}

TEST_F(ModalFormTest, ShowModalStartsFromResultZeroAndTheHookRunsInsideTheLoop) {
    ProbeForm form;
    form.SetModalResult(kModalCancel); // left from an earlier run
    form.show();                       // shown before, not modally
    onStart = [&](ModalForm& started) {
        EXPECT_EQ(&started, &form);
        EXPECT_EQ(form.ModalResult(), kModalNone);
        EXPECT_TRUE(form.IsRunning());
        EXPECT_EQ(ModalForm::Innermost(), &form);
        EXPECT_EQ(form.activations, 1) << "FormActivate runs before the hook";
        EXPECT_EQ(QApplication::activeModalWidget(), &form);
        form.SetModalResult(kModalOk);
    };
    EXPECT_EQ(form.ShowModal(), kModalOk);
    EXPECT_EQ(starts_, 1);
    EXPECT_EQ(ModalForm::Innermost(), nullptr);
}

TEST_F(ModalFormTest, HidingTheFormDoesNotEndTheRun) {
    // Every way a QDialog hides itself; none may end the run.
    const std::function<void(ProbeForm&)> hides[] = {
        [](ProbeForm& f) { f.hide(); },
        [](ProbeForm& f) { f.setVisible(false); },
        [](ProbeForm& f) { f.setHidden(true); },
    };
    for (const auto& hide : hides) {
        ProbeForm form;
        bool runningWhileHidden = false;
        onStart = [&](ModalForm&) {
            hide(form);
            Later([&] {
                runningWhileHidden = form.IsRunning() && !form.isVisible();
                form.show();
                Later([&] { form.SetModalResult(3); });
            });
        };
        EXPECT_EQ(form.ShowModal(), 3);
        EXPECT_TRUE(runningWhileHidden);
        EXPECT_EQ(form.activations, 2) << "shown again after hiding itself";
        EXPECT_EQ(form.deactivations, 1);
    }
}

TEST_F(ModalFormTest, AcceptRejectAndExecTakeTheModalPath) {
    struct Case {
        const char* name;
        std::function<void(ProbeForm&)> act;
        int expected;
    };
    const Case cases[] = {
        {"accept", [](ProbeForm& f) { f.accept(); }, kModalOk},
        {"reject", [](ProbeForm& f) { f.reject(); }, kModalCancel},
        {"done(5)", [](ProbeForm& f) { f.done(5); }, 5},
        {"close", [](ProbeForm& f) { f.close(); }, kModalCancel},
    };
    for (const Case& c : cases) {
        ProbeForm form;
        onStart = [&](ModalForm&) {
            c.act(form);
        };
        EXPECT_EQ(form.exec(), c.expected) << c.name;
        EXPECT_EQ(form.closes, 1) << c.name;
        EXPECT_EQ(form.deactivations, 1) << c.name;
    }
}

TEST_F(ModalFormTest, CloseBoxSetsTheFormsCloseBoxResult) {
    for (const int closeBoxResult : {kModalCancel, kModalOk, 9}) {
        ProbeForm form;
        form.SetCloseBoxResult(closeBoxResult);
        onStart = [&](ModalForm&) {
            form.close();
        };
        EXPECT_EQ(form.ShowModal(), closeBoxResult);
    }
}

TEST_F(ModalFormTest, CloseBoxHandlerMayAskAndKeepTheFormOpen) {
    ProbeForm form;
    form.onCloseBox = [&] {
        if (Platform::Messages().AskWarningYesNo("Close?") == Answer::Yes)
            form.SetModalResult(form.CloseBoxResult());
    };
    fakes_.messages.QueueAnswers({Answer::No, Answer::Yes});
    bool openAfterNo = false;
    onStart = [&](ModalForm&) {
        form.close();
        Later([&] {
            openAfterNo = form.IsRunning() && form.isVisible();
            form.close();
        });
    };
    EXPECT_EQ(form.ShowModal(), kModalCancel);
    EXPECT_TRUE(openAfterNo);
    EXPECT_EQ(fakes_.messages.Texts(), QStringList({"Close?", "Close?"}));
}

TEST_F(ModalFormTest, CloseQueryRefusingResetsTheResultAndKeepsTheRunGoing) {
    ProbeForm form;
    int queries = 0;
    form.closeQuery = [&] {
        return ++queries > 1;
    };
    int resultAfterRefusal = -100;
    onStart = [&](ModalForm&) {
        form.SetModalResult(kModalOk);
        Later([&] {
            resultAfterRefusal = form.ModalResult();
            form.SetModalResult(kModalCancel);
        });
    };
    EXPECT_EQ(form.ShowModal(), kModalCancel);
    EXPECT_EQ(resultAfterRefusal, kModalNone);
    EXPECT_EQ(queries, 2);
    EXPECT_EQ(form.closes, 1) << "FormClose runs once, when the run really ends";
}

TEST_F(ModalFormTest, ResultSetAndClearedInOneHandlerKeepsTheRunGoing) {
    ProbeForm form;
    bool stillRunning = false;
    onStart = [&](ModalForm&) {
        form.SetModalResult(kModalCancel);
        form.SetModalResult(kModalNone);
        Later([&] {
            stillRunning = form.IsRunning();
            form.SetModalResult(kModalOk);
        });
    };
    EXPECT_EQ(form.ShowModal(), kModalOk);
    EXPECT_TRUE(stillRunning);
}

TEST_F(ModalFormTest, WindowsOpenedAboveNeitherDeactivateNorReactivate) {
    ProbeForm outer;
    ProbeForm inner;
    QtMessageService realBoxes; // a real box moves Qt's window activation
    int outerActivationsInside = -1;
    int outerDeactivationsInside = -1;
    onStart = [&](ModalForm& form) {
        if (&form == &inner) {
            inner.SetModalResult(kModalOk);
            return;
        }
        EXPECT_EQ(inner.ShowModal(), kModalOk);
        Later([] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            box->button(QMessageBox::Ok)->click();
        });
        realBoxes.ShowMessage("above");
        QApplication::processEvents();
        outerActivationsInside = outer.activations;
        outerDeactivationsInside = outer.deactivations;
        outer.SetModalResult(kModalOk);
    };
    EXPECT_EQ(outer.ShowModal(), kModalOk);
    EXPECT_EQ(outerActivationsInside, 1);
    EXPECT_EQ(outerDeactivationsInside, 0);
    EXPECT_EQ(outer.activations, 1);
    EXPECT_EQ(outer.deactivations, 1);
    EXPECT_EQ(inner.activations, 1);
    EXPECT_EQ(inner.deactivations, 1);
}

// The keyboard goes back to the window a form was opened from when its run ends.
TEST_F(ModalFormTest, EachRunEndsWithItsOpenerActive) {
    QMainWindow main;
    main.show();
    main.activateWindow();
    QApplication::processEvents();
    ASSERT_EQ(QApplication::activeWindow(), &main);
    ProbeForm outer;
    ProbeForm inner;
    const QWidget* activeInInner = nullptr;
    const QWidget* activeAfterInner = nullptr;
    onStart = [&](ModalForm& form) {
        QApplication::processEvents();
        if (&form == &inner) {
            activeInInner = QApplication::activeWindow();
            inner.SetModalResult(kModalOk);
            return;
        }
        EXPECT_EQ(QApplication::activeWindow(), &outer);
        EXPECT_EQ(inner.ShowModal(), kModalOk);
        QApplication::processEvents();
        activeAfterInner = QApplication::activeWindow();
        outer.SetModalResult(kModalOk);
    };
    EXPECT_EQ(outer.ShowModal(), kModalOk);
    QApplication::processEvents();
    EXPECT_EQ(activeInInner, &inner);
    EXPECT_EQ(activeAfterInner, &outer);
    EXPECT_EQ(QApplication::activeWindow(), &main);
}

TEST_F(ModalFormTest, ShowingARunningFormModallyAgainThrows) {
    ProbeForm form;
    onStart = [&](ModalForm&) {
        EXPECT_THROW(form.ShowModal(), std::logic_error);
        form.SetModalResult(kModalOk);
    };
    EXPECT_EQ(form.ShowModal(), kModalOk);
    EXPECT_EQ(form.activations, 1);
}

TEST_F(ModalFormTest, ButtonWithAModalResultEndsTheRun) {
    ProbeForm form;
    auto* back = new QPushButton("Back", &form);
    form.BindModalResult(back, 1);
    onStart = [&](ModalForm&) {
        back->click();
    };
    EXPECT_EQ(form.ShowModal(), 1);
}

// A wizard page: Next hides the page and runs its successor; the successor's
// result 1 (Back) shows the page again, 2 ends the page's own run with 2.
class WizardPage : public ProbeForm {
public:
    explicit WizardPage(ModalForm* successor) : successor_(successor) {}
    std::vector<int> successorResults;

    void Next() {
        hide();
        successor_->SetModalResult(kModalNone);
        const int result = successor_->ShowModal();
        successorResults.push_back(result);
        if (result == 2)
            SetModalResult(2);
        else if (result == 1)
            show();
    }

private:
    ModalForm* successor_;
};

TEST_F(ModalFormTest, NestedPagesHideWhileTheSuccessorRunsAndFollowItsResult) {
    ProbeForm last;
    WizardPage first(&last);
    last.BindModalResult(new QPushButton("Back", &last), 1);

    int lastRuns = 0;
    bool firstHiddenAndRunning = false;
    onStart = [&](ModalForm& form) {
        if (&form == &first) {
            first.Next();
            return;
        }
        ++lastRuns;
        firstHiddenAndRunning = first.IsRunning() && !first.isVisible();
        if (lastRuns == 1) {
            last.SetModalResult(1); // Back
        } else {
            last.close(); // the close box of the last page closes the chain
        }
    };
    first.onActivate = [&] {
        if (first.activations == 2) // shown again after Back: Next once more
            Later([&] { first.Next(); });
    };

    EXPECT_EQ(first.ShowModal(), 2);
    EXPECT_EQ(first.successorResults, (std::vector<int>{1, 2}));
    EXPECT_TRUE(firstHiddenAndRunning);
    EXPECT_EQ(first.activations, 2);
    EXPECT_EQ(first.deactivations, 1);
    EXPECT_EQ(last.activations, 2);
    EXPECT_EQ(last.deactivations, 2);
    EXPECT_EQ(ModalForm::Innermost(), nullptr);
}

} // namespace
} // namespace zk::platform
