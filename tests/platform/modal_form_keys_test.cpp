// Enter and Escape in a modal form: Escape takes the close-box path or clicks the
// cancel button; Enter clicks the focused button or the declared default button,
// never a button merely because it comes next in the focus chain.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "zktools/platform/modal_form.h"
#include "zktools/platform/modal_hooks.h"

namespace zk::platform {
namespace {

constexpr int kStillRunning = 99;

struct KeyCase {
    const char* name;
    Qt::Key key;
    enum Target { Edit, ButtonA, ButtonB } focus;
    bool defaultA;
    bool cancelB;
    int expected; // kStillRunning: the key ended nothing
};

void PrintTo(const KeyCase& c, std::ostream* os) {
    *os << c.name;
}

class ModalFormKeysTest : public ::testing::TestWithParam<KeyCase> {
protected:
    ~ModalFormKeysTest() override { SetModalStartHook(previous_); }
    ModalFormCallback previous_ = SetModalStartHook({});
};

TEST_P(ModalFormKeysTest, KeyEndsTheRunAsExpected) {
    const KeyCase& c = GetParam();
    ModalForm form;
    auto* edit = new QLineEdit(&form);
    auto* a = new QPushButton("A", &form);
    auto* b = new QPushButton("B", &form);
    form.BindModalResult(a, 11);
    form.BindModalResult(b, 12);
    a->setDefault(c.defaultA);
    if (c.cancelB)
        form.SetCancelButton(b);
    QWidget* focus = c.focus == KeyCase::Edit      ? static_cast<QWidget*>(edit)
                     : c.focus == KeyCase::ButtonA ? a
                                                   : b;

    SetModalStartHook([&](ModalForm&) {
        focus->setFocus();
        QTest::keyClick(focus, c.key);
        QTimer::singleShot(0, &form, [&] { form.SetModalResult(kStillRunning); });
    });
    EXPECT_EQ(form.ShowModal(), c.expected) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    EnterAndEscape, ModalFormKeysTest,
    ::testing::Values(
        KeyCase{"escape_closes", Qt::Key_Escape, KeyCase::Edit, false, false, kModalCancel},
        KeyCase{"escape_clicks_cancel_button", Qt::Key_Escape, KeyCase::Edit, false, true, 12},
        KeyCase{"enter_in_edit_without_default", Qt::Key_Return, KeyCase::Edit, false, false,
                kStillRunning},
        KeyCase{"keypad_enter_in_edit_without_default", Qt::Key_Enter, KeyCase::Edit, false, false,
                kStillRunning},
        KeyCase{"enter_in_edit_clicks_default", Qt::Key_Return, KeyCase::Edit, true, false, 11},
        KeyCase{"enter_clicks_focused_button", Qt::Key_Return, KeyCase::ButtonB, false, false, 12},
        KeyCase{"enter_prefers_focused_over_default", Qt::Key_Return, KeyCase::ButtonB, true, false,
                12}),
    [](const auto& param) { return std::string(param.param.name); });

} // namespace
} // namespace zk::platform
