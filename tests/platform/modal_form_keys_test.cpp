// Keys in a modal form. Escape takes the close-box path or clicks the cancel button;
// Enter clicks the focused button or the declared default button, never a button merely
// because it comes next in the focus chain. In radio groups the arrows check and click the
// next button, and Tab has one stop per group, at its checked button.
#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <functional>
#include <vector>

#include "tests/platform/key_presses.h"

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

// Two kinds of radio group: auto-exclusive siblings (a1, a2) and an exclusive button group
// in a frame (b0 to b2) whose click moves the focus on to OK. Tab order: a1, a2, b0, b1, b2,
// OK, Cancel.
class RadioForm : public ModalForm {
public:
    RadioForm() {
        setObjectName("form");
        for (const char* name : {"a1", "a2"})
            Add(new QRadioButton(name, this), name)->move(0, a.size() * 30);
        auto* frame = new QGroupBox("b", this);
        frame->setGeometry(0, 80, 100, 120);
        auto* layout = new QVBoxLayout(frame);
        for (int i = 0; i < 3; ++i) {
            auto* button = new QRadioButton(QString("b%1").arg(i), frame);
            button->setObjectName(button->text());
            group.addButton(button, i);
            layout->addWidget(button);
        }
        ok = new QPushButton("OK", this);
        ok->setObjectName("ok");
        ok->move(0, 210);
        cancel = new QPushButton("Cancel", this);
        cancel->setObjectName("cancel");
        cancel->move(80, 210);
        for (QAbstractButton* button : a)
            connect(button, &QAbstractButton::clicked, this,
                    [this, button] { clicks << button->objectName(); });
        connect(&group, &QButtonGroup::idClicked, this, [this](int id) {
            clicks << group.button(id)->objectName();
            ok->setFocus();
        });
        SetCancelButton(cancel);
    }
    QAbstractButton* Named(const char* name) { return findChild<QAbstractButton*>(name); }
    QString Checked() const {
        QStringList checked;
        for (QAbstractButton* button : findChildren<QAbstractButton*>())
            if (button->isChecked())
                checked << button->objectName();
        return checked.join(',');
    }

    std::vector<QAbstractButton*> a;
    QButtonGroup group{this};
    QPushButton* ok;
    QPushButton* cancel;
    QStringList clicks;

private:
    QAbstractButton* Add(QAbstractButton* button, const char* name) {
        button->setObjectName(name);
        a.push_back(button);
        return button;
    }
};

struct RadioCase {
    const char* name;
    std::function<void(RadioForm&)> setUp; // checks and disables
    const char* focus;                     // where the focus is before the keys
    std::vector<testing::KeyStep> keys;
    const char* checked; // checked buttons afterwards
    const char* clicks;  // click handlers run, in order
};

void PrintTo(const RadioCase& c, std::ostream* os) {
    *os << c.name;
}

class RadioGroupKeysTest : public ::testing::TestWithParam<RadioCase> {
protected:
    ~RadioGroupKeysTest() override { SetModalStartHook(previous_); }
    ModalFormCallback previous_ = SetModalStartHook({});
};

TEST_P(RadioGroupKeysTest, ArrowsCheckAndClickAndTabStopsOncePerGroup) {
    const RadioCase& c = GetParam();
    RadioForm form;
    form.Named("a1")->setChecked(true);
    form.Named("b0")->setChecked(true);
    if (c.setUp)
        c.setUp(form);
    SetModalStartHook([&](ModalForm&) {
        ASSERT_TRUE(testing::Activate(form));
        form.Named(c.focus)->setFocus();
        testing::PressKeys(c.keys);
        form.SetModalResult(kStillRunning);
    });
    EXPECT_EQ(form.ShowModal(), kStillRunning) << "no key closed the form";
    EXPECT_EQ(form.Checked().toStdString(), c.checked);
    EXPECT_EQ(form.clicks.join(',').toStdString(), c.clicks);
}

using testing::KeyStep;
using testing::ShiftTab;

INSTANTIATE_TEST_SUITE_P(
    DesktopRules, RadioGroupKeysTest,
    ::testing::Values(
        RadioCase{"DownChecksTheNextSibling", {}, "a1", {{Qt::Key_Down, "a2"}}, "a2,b0", "a2"},
        RadioCase{"RightActsAsDown", {}, "a1", {{Qt::Key_Right, "a2"}}, "a2,b0", "a2"},
        RadioCase{"UpWrapsToTheLast", {}, "a1", {{Qt::Key_Up, "a2"}}, "a2,b0", "a2"},
        RadioCase{"DownWrapsToTheFirst",
                  [](RadioForm& f) { f.Named("a2")->setChecked(true); },
                  "a2",
                  {{Qt::Key_Down, "a1"}},
                  "a1,b0",
                  "a1"},
        RadioCase{"TheClickHandlerHasTheLastWordOnTheFocus",
                  {},
                  "b0",
                  {{Qt::Key_Down, "ok"}, {Qt::Key_Tab, "cancel"}},
                  "a1,b1",
                  "b1"},
        RadioCase{"LeftWrapsInAGroupInAFrame", {}, "b0", {{Qt::Key_Left, "ok"}}, "a1,b2", "b2"},
        RadioCase{"ADisabledButtonIsPassedOver",
                  [](RadioForm& f) { f.Named("b1")->setEnabled(false); },
                  "b0",
                  {{Qt::Key_Down, "ok"}},
                  "a1,b2",
                  "b2"},
        RadioCase{"TheOnlyEnabledButtonStays",
                  [](RadioForm& f) { f.Named("a2")->setEnabled(false); },
                  "a1",
                  {{Qt::Key_Down, "a1"}, {Qt::Key_Up, "a1"}},
                  "a1,b0",
                  ""},
        RadioCase{"TabEntersEachGroupAtItsCheckedButton",
                  [](RadioForm& f) {
                      f.Named("a2")->setChecked(true);
                      f.Named("b2")->setChecked(true);
                  },
                  "cancel",
                  {{Qt::Key_Tab, "a2"}, {Qt::Key_Tab, "b2"}, {Qt::Key_Tab, "ok"}},
                  "a2,b2",
                  ""},
        RadioCase{"ShiftTabEntersEachGroupAtItsCheckedButton",
                  [](RadioForm& f) { f.Named("b1")->setChecked(true); },
                  "ok",
                  {ShiftTab("b1"), ShiftTab("a1"), ShiftTab("cancel")},
                  "a1,b1",
                  ""},
        RadioCase{"TabFindsTheCheckedButtonAfterAnotherHadTheFocus",
                  {},
                  "a1",
                  {{Qt::Key_Tab, "b0"},
                   {Qt::Key_Tab, "ok"},
                   {Qt::Key_Tab, "cancel"},
                   {Qt::Key_Tab, "a1"},
                   {Qt::Key_Down, "a2"},
                   {Qt::Key_Tab, "b0"},
                   ShiftTab("a2")},
                  "a2,b0",
                  "a2"},
        RadioCase{"EnterAfterTheArrowPressesTheButtonTheHandlerFocused",
                  [](RadioForm& f) {
                      QObject::connect(f.ok, &QPushButton::clicked, &f, [&f] { f.clicks << "ok"; });
                  },
                  "b0",
                  {{Qt::Key_Down, "ok"}, {Qt::Key_Return}},
                  "a1,b1",
                  "b1,ok"}),
    [](const auto& param) { return std::string(param.param.name); });

} // namespace
} // namespace zk::platform
