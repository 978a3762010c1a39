// The watchdog ends runs that nobody ends, nested ones and boxes above included.
#include <gtest/gtest.h>

#include <QApplication>

#include <vector>

#include "zktools/platform/modal_form.h"
#include "zktools/platform/modal_hooks.h"
#include "zktools/platform/qt_message_service.h"

namespace zk::platform {
namespace {

using namespace std::chrono_literals;

class ModalWatchdogTest : public ::testing::Test {
protected:
    ModalWatchdogTest()
        : previousWatchdog_(SetModalWatchdog({50ms,
                                              [this](ModalForm& form) {
                                                  stuck_.push_back(&form);
                                              }})),
          previousHook_(SetModalStartHook({})) {}
    ~ModalWatchdogTest() override {
        SetModalWatchdog(previousWatchdog_);
        SetModalStartHook(previousHook_);
    }

    std::vector<ModalForm*> stuck_;

private:
    ModalWatchdog previousWatchdog_;
    ModalFormCallback previousHook_;
};

TEST_F(ModalWatchdogTest, StuckRunEndsWithCancelAndIsReported) {
    ModalForm form;
    EXPECT_EQ(form.ShowModal(), kModalCancel);
    EXPECT_EQ(stuck_, std::vector<ModalForm*>{&form});
    EXPECT_FALSE(form.IsRunning());
}

TEST_F(ModalWatchdogTest, StuckOuterRunEndsTheRunsAndBoxesInsideIt) {
    ModalForm outer;
    ModalForm inner;
    QtMessageService realBoxes;
    int innerResult = -1;
    SetModalStartHook([&](ModalForm& form) {
        if (&form == &outer)
            innerResult = inner.ShowModal();
        else
            realBoxes.ShowMessage("nobody answers");
    });
    EXPECT_EQ(outer.ShowModal(), kModalCancel);
    EXPECT_EQ(innerResult, kModalCancel);
    ASSERT_FALSE(stuck_.empty());
    EXPECT_EQ(stuck_.front(), &outer);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(ModalWatchdogTest, RunThatEndsInTimeIsNotReported) {
    ModalForm form;
    SetModalStartHook([&](ModalForm&) { form.SetModalResult(kModalOk); });
    EXPECT_EQ(form.ShowModal(), kModalOk);
    QApplication::processEvents();
    EXPECT_TRUE(stuck_.empty());
}

} // namespace
} // namespace zk::platform
