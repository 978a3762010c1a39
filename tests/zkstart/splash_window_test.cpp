// The launcher's window: its look, that the user cannot close it, and that its
// first showing arms the one timer once, two seconds ahead.
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>

#include <chrono>

#include "tests/zkstart/launcher_fixture.h"
#include "zktools/brand/brand_picture.h"

namespace zk::start::test {
namespace {

using namespace std::chrono_literals;

class SplashWindow : public LauncherFixture {
protected:
    SplashWindow() { platform.platformId = kPlatformWin9x; }
};

TEST_F(SplashWindow, CaptionSizePictureAndBackground) {
    TstMainForm& shown = Show();

    EXPECT_EQ(shown.windowTitle(), "VantorTools");
    EXPECT_EQ(shown.size(), QSize(404, 147));
    EXPECT_EQ(shown.minimumSize(), shown.maximumSize()) << "the splash is not resizable";
    ASSERT_NE(shown.Image1, nullptr);
    EXPECT_EQ(shown.Image1->geometry(), QRect(72, 24, 289, 89));
    EXPECT_EQ(shown.palette().color(QPalette::Window),
              shown.palette().color(QPalette::HighlightedText));
    EXPECT_TRUE(shown.autoFillBackground());
    // The whole window, frame included, in the middle of the desktop.
    const QPoint offCentre =
        shown.frameGeometry().center() - QGuiApplication::primaryScreen()->geometry().center();
    EXPECT_LE(offCentre.manhattanLength(), 1) << offCentre.x() << ", " << offCentre.y();
    Run();
}

TEST_F(SplashWindow, NoBorderIconsAndUserCannotClose) {
    TstMainForm& shown = Show();

    const Qt::WindowFlags flags = shown.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
    for (const Qt::WindowType button : {Qt::WindowSystemMenuHint, Qt::WindowCloseButtonHint,
                                        Qt::WindowMinimizeButtonHint, Qt::WindowMaximizeButtonHint})
        EXPECT_FALSE(flags.testFlag(button)) << "window flag 0x" << std::hex << button;

    EXPECT_FALSE(shown.close());
    EXPECT_TRUE(shown.isVisible());
    EXPECT_TRUE(shown.Timer1.IsArmed()) << "a refused close leaves the work pending";
    EXPECT_EQ(platform.Log(), Trace{});

    ASSERT_TRUE(shown.Timer1.Fire());
    EXPECT_FALSE(shown.isVisible());
}

TEST_F(SplashWindow, FirstShowingArmsTheTimerTwoSecondsAhead) {
    TstMainForm created(platform, {});
    EXPECT_FALSE(created.Timer1.IsArmed()) << "armed before the window was shown";
    EXPECT_EQ(created.Timer1.Interval(), 2000ms);
    EXPECT_EQ(created.PlatformId, -1);

    TstMainForm& shown = Show();
    ASSERT_TRUE(shown.Timer1.IsArmed());
    EXPECT_GT(shown.Timer1.Remaining(), 0ms);
    EXPECT_LE(shown.Timer1.Remaining(), 2000ms);
    EXPECT_EQ(platform.Log(), Trace{});
    Run();
}

TEST_F(SplashWindow, WorkRunsOnceEvenIfTheWindowIsShownAgain) {
    // A message during the work: its box closing must not start the work again.
    platform.platformId = 7;
    TstMainForm& shown = Run();
    ASSERT_EQ(fakes.messages.Texts(), QStringList{"The Driver: Unsupported windows platform."});

    shown.show();
    QCoreApplication::sendPostedEvents();
    EXPECT_FALSE(shown.Timer1.IsArmed());
    EXPECT_FALSE(shown.Timer1.Fire());
    EXPECT_EQ(platform.versionQueries.size(), 1u);
    EXPECT_EQ(platform.processStarts.size(), 1u);
    // The window was shown again by the test; the launcher closes it no more.
    shown.hide();
}

} // namespace
} // namespace zk::start::test
