// The end of the program: however the main window goes, the status thread is
// stopped and waited for first (a running thread destroyed at exit aborts the
// process), promptly, and the port is written back.
#include <QElapsedTimer>
#include <QTest>
#include <QWindow>

#include <chrono>

#include "tests/forms/main/main_form_fixture.h"
#include "zktools/forms/connection_status.h"

namespace zk::forms::test {
namespace {

using namespace std::chrono_literals;

enum class Thread { NeverStarted, Idle, Polling };
enum class Ending { Exit, CloseBox, Destruction };

struct ShutDownCase {
    const char* name;
    Thread thread;
    Ending ending;
    std::chrono::milliseconds within;
};

void PrintTo(const ShutDownCase& c, std::ostream* out) {
    *out << c.name;
}

// Exit before the on-line editor was ever opened ends at once; a running thread
// is woken from its pause by the stop. The pause is made a minute long, so a stop
// that waited for it could not pass under any load.
constexpr std::chrono::milliseconds kLongPause = 60s;
constexpr std::chrono::milliseconds kWellWithinThePause = 10s;

const ShutDownCase kShutDownCases[] = {
    {"ExitWithANeverStartedThread", Thread::NeverStarted, Ending::Exit, kWellWithinThePause},
    {"ExitWithAnIdleThread", Thread::Idle, Ending::Exit, kWellWithinThePause},
    {"ExitWhilePolling", Thread::Polling, Ending::Exit, kWellWithinThePause},
    {"CloseBoxWithANeverStartedThread", Thread::NeverStarted, Ending::CloseBox,
     kWellWithinThePause},
    {"CloseBoxWithAnIdleThread", Thread::Idle, Ending::CloseBox, kWellWithinThePause},
    {"CloseBoxWhilePolling", Thread::Polling, Ending::CloseBox, kWellWithinThePause},
    {"DestructionWhilePolling", Thread::Polling, Ending::Destruction, kWellWithinThePause},
};

class ShutDown : public MainFormFixture, public ::testing::WithParamInterface<ShutDownCase> {};

TEST_P(ShutDown, StopsTheStatusThreadBeforeTheWindowGoes) {
    const ShutDownCase& c = GetParam();
    Use(Machine::OnlyLpt1);
    TMainForm& main = Start();
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    ASSERT_TRUE(main.StatusThread);
    EXPECT_FALSE(main.StatusThread->Started()) << "created suspended";
    main.StatusThread->SetPause(kLongPause);

    if (c.thread == Thread::Polling) {
        // Queued to the GUI thread, as the on-line editor receives it.
        int polls = 0;
        QObject::connect(main.StatusThread.get(), &TConnectionStatus::StatusRead, &main,
                         [&polls] { ++polls; });
        main.EnableStatusPolling();
        main.ResumeStatusThread();
        ASSERT_TRUE(QTest::qWaitFor([&] { return polls > 0; }, 3000)) << "it never polled";
    } else if (c.thread == Thread::Idle) {
        main.ResumeStatusThread();
        ASSERT_TRUE(QTest::qWaitFor([&] { return main.StatusThread->isRunning(); }, 3000));
    }
    // A second start request changes nothing.
    main.ResumeStatusThread();

    QElapsedTimer clock;
    clock.start();
    switch (c.ending) {
    case Ending::Exit:
        main.mnuExit->trigger();
        break;
    case Ending::CloseBox:
        main.windowHandle()->close();
        break;
    case Ending::Destruction:
        break;
    }
    if (c.ending != Ending::Destruction) {
        EXPECT_FALSE(main.isVisible());
        EXPECT_FALSE(main.StatusThread) << "stopped and destroyed by the window";
        // The operations the on-line editor calls are harmless afterwards.
        main.EnableStatusPolling();
        main.ResumeStatusThread();
        main.DisableStatusPolling();
    }
    EXPECT_EQ(Finish(), 1);
    EXPECT_LT(clock.elapsed(), c.within.count());
}

INSTANTIATE_TEST_SUITE_P(Endings, ShutDown, ::testing::ValuesIn(kShutDownCases), CaseName());

} // namespace
} // namespace zk::forms::test
