// An exception leaving a handler is shown by the exception display and the window
// stays open: through Guard/Guarded in slots and, as last resort, through notify.
#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

#include <stdexcept>

#include "tests/platform/platform_fakes.h"
#include "zktools/platform/exception_guard.h"
#include "zktools/platform/modal_form.h"
#include "zktools/platform/modal_hooks.h"

namespace zk::platform {
namespace {

class ExceptionGuardTest : public ::testing::Test {
protected:
    ~ExceptionGuardTest() override { SetModalStartHook(previousHook_); }

    std::vector<RecordedMessage> Shown() const { return fakes_.messages.Messages(); }

    testing::PlatformFakes fakes_;
    ModalFormCallback previousHook_ = SetModalStartHook({});
};

TEST_F(ExceptionGuardTest, GuardShowsWhatTheHandlerThrew) {
    struct Case {
        std::function<void()> handler;
        bool completes;
        std::vector<RecordedMessage> shown;
    };
    const Case cases[] = {
        {[] {}, true, {}},
        {[] { throw std::runtime_error("System Error"); },
         false,
         {{MessageKind::Exception, "System Error"}}},
        {[] { throw std::invalid_argument("'abc' is not a valid floating point value"); },
         false,
         {{MessageKind::Exception, "'abc' is not a valid floating point value"}}},
        {[] { throw 42; }, false, {{MessageKind::Exception, "Unexpected error"}}},
    };
    for (const Case& c : cases) {
        fakes_.messages.Clear();
        EXPECT_EQ(Guard(c.handler), c.completes);
        EXPECT_EQ(Shown(), c.shown);
    }
}

TEST_F(ExceptionGuardTest, ThrowingButtonClickLeavesTheFormsRunGoing) {
    ModalForm form;
    auto* button = new QPushButton("Load", &form);
    QObject::connect(button, &QPushButton::clicked, &form,
                     Guarded([] { throw std::runtime_error("Can't open file /nowhere"); }));
    bool openAfterThrow = false;
    SetModalStartHook([&](ModalForm&) {
        button->click();
        QTimer::singleShot(0, &form, [&] {
            openAfterThrow = form.IsRunning() && form.isVisible();
            form.SetModalResult(kModalOk);
        });
    });
    EXPECT_EQ(form.ShowModal(), kModalOk);
    EXPECT_TRUE(openAfterThrow);
    EXPECT_EQ(Shown(),
              (std::vector<RecordedMessage>{{MessageKind::Exception, "Can't open file /nowhere"}}));
}

TEST_F(ExceptionGuardTest, GuardedSlotTakesTheSignalArgumentsItAccepts) {
    QSpinBox spin;
    int seen = -1;
    bool plainRan = false;
    QObject::connect(&spin, &QSpinBox::valueChanged, &spin, Guarded([&](int v) { seen = v; }));
    QObject::connect(&spin, &QSpinBox::valueChanged, &spin, Guarded([&] { plainRan = true; }));
    spin.setValue(7);
    EXPECT_EQ(seen, 7);
    EXPECT_TRUE(plainRan);
    EXPECT_TRUE(Shown().empty());
}

// An event handler without Guard.
class Thrower : public QObject {
public:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::User)
            throw std::runtime_error("escaped from an event handler");
        return QObject::event(e);
    }
};

TEST_F(ExceptionGuardTest, ApplicationShowsAnExceptionEscapingIntoTheEventLoop) {
    ASSERT_NE(qobject_cast<QApplication*>(qApp), nullptr);
    ModalForm form;
    Thrower thrower;
    bool openAfterThrow = false;
    SetModalStartHook([&](ModalForm&) {
        QApplication::postEvent(&thrower, new QEvent(QEvent::User));
        QTimer::singleShot(0, &form, [&] {
            openAfterThrow = form.IsRunning();
            form.SetModalResult(kModalOk);
        });
    });
    EXPECT_EQ(form.ShowModal(), kModalOk);
    EXPECT_TRUE(openAfterThrow);
    EXPECT_EQ(Shown(), (std::vector<RecordedMessage>{
                           {MessageKind::Exception, "escaped from an event handler"}}));

    fakes_.messages.Clear();
    QEvent direct(QEvent::User);
    EXPECT_FALSE(QApplication::sendEvent(&thrower, &direct));
    EXPECT_EQ(Shown().size(), 1u);
}

TEST_F(ExceptionGuardTest, ThrowingFormHandlersAreShownAndTheRunGoesOn) {
    class Form : public ModalForm {
    protected:
        void FormActivate() override { throw std::runtime_error("activate"); }
        bool FormCloseQuery() override {
            if (++queries == 1)
                throw std::runtime_error("close query");
            return true;
        }
        void FormDeactivate() override { throw std::runtime_error("deactivate"); }

    public:
        int queries = 0;
    } form;
    SetModalStartHook([&](ModalForm&) {
        form.SetModalResult(kModalOk); // refused: the query threw
        QTimer::singleShot(0, &form, [&] { form.SetModalResult(kModalCancel); });
    });
    EXPECT_EQ(form.ShowModal(), kModalCancel);
    EXPECT_EQ(fakes_.messages.Texts(), QStringList({"activate", "close query", "deactivate"}));
}

} // namespace
} // namespace zk::platform
