// The About box: its texts, the library's version and build stamp behind More,
// and the ways it closes.
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>

#include <functional>
#include <mutex>

#include "tests/forms/main/main_form_fixture.h"
#include "tests/platform/key_presses.h"
#include "tests/support/shown_window.h"
#include "zktools/forms/about_box.h"
#include "zktools/forms/windows.h"
#include "zktools/platform/application_title.h"
#include "zktools/platform/modal_form.h"
#include "zktools/platform/modal_hooks.h"
#include "zktools/platform/modal_result.h"
#include "zktools/platform/window_owner.h"

namespace zk::forms::test {
namespace {

using zk::platform::ModalForm;

class AboutBox : public MainFormFixture {
protected:
    AboutBox() : previousTitle_(zk::platform::ApplicationTitle()) {
        zk::platform::SetApplicationTitle("VantorTools");
    }
    ~AboutBox() override {
        zk::platform::SetModalStartHook({});
        About = nullptr;
        zk::platform::SetApplicationTitle(previousTitle_);
    }

    // `act` runs inside the box's next modal run.
    static void WhenShown(TAbout& box, std::function<void(TAbout&)> act) {
        zk::platform::SetModalStartHook([&box, act](ModalForm& form) {
            ASSERT_EQ(&form, &box);
            act(box);
        });
    }
    static int ShowWith(TAbout& box, std::function<void(TAbout&)> act) {
        WhenShown(box, std::move(act));
        return box.ShowModal();
    }

private:
    QString previousTitle_;
};

TEST_F(AboutBox, NamesTheProductAndItsRelease) {
    TAbout box;
    EXPECT_EQ(box.windowTitle(), "About VantorTools");
    EXPECT_EQ(box.lblProduct->text(), "VantorTools");
    EXPECT_EQ(box.lblVersion->text(), "Release 1.14");
    EXPECT_TRUE(box.lblProduct->font().bold());
    EXPECT_TRUE(box.lblVersion->font().bold());
    EXPECT_EQ(box.btnOK->text(), "OK");
    EXPECT_EQ(box.btnMore->text(), "&More");
    EXPECT_TRUE(box.btnOK->isDefault());
    // Only the system menu in the frame.
    EXPECT_FALSE(box.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(box.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(box.windowFlags() & Qt::WindowContextHelpButtonHint);
    EXPECT_TRUE(box.windowFlags() & Qt::WindowSystemMenuHint);
}

TEST_F(AboutBox, MoreShowsTheLibraryVersionAndBuildStamp) {
    TAbout box;
    char version[80] = {};
    char stamp[80] = {};
    {
        std::lock_guard<std::mutex> lock(LinkLock());
        CommZkDLLVersion(version);
        CommZkDLLCompileTime(stamp);
    }
    ASSERT_TRUE(QRegularExpression(R"(^[A-Z][a-z]{2} [ \d]\d \d{4} \d\d:\d\d:\d\d$)")
                    .match(QString::fromLatin1(stamp))
                    .hasMatch())
        << stamp;

    const int result = ShowWith(box, [](TAbout& shown) {
        shown.btnMore->click();
        shown.btnOK->click();
    });

    EXPECT_EQ(result, zk::platform::kModalOk);
    EXPECT_EQ(fakes.messages.Texts(),
              QStringList{QString("ZKCOMM.DLL -- Release 1.1, ") + stamp + "\n"});
    EXPECT_EQ(QString(version), "ZKCOMM.DLL -- Release 1.1");
}

struct ClosingCase {
    const char* name;
    std::function<void(TAbout&)> close;
    int result;
};

void PrintTo(const ClosingCase& c, std::ostream* out) {
    *out << c.name;
}

const ClosingCase kClosings[] = {
    {"OK", [](TAbout& box) { box.btnOK->click(); }, zk::platform::kModalOk},
    {"Enter",
     [](TAbout& box) {
         ASSERT_TRUE(zk::platform::testing::Activate(box));
         zk::platform::testing::Press(Qt::Key_Return);
     },
     zk::platform::kModalOk},
    {"Escape",
     [](TAbout& box) {
         ASSERT_TRUE(zk::platform::testing::Activate(box));
         zk::platform::testing::Press(Qt::Key_Escape);
     },
     zk::platform::kModalOk},
    {"CloseBox", [](TAbout& box) { box.close(); }, zk::platform::kModalCancel},
};

class AboutBoxClosing : public AboutBox, public ::testing::WithParamInterface<ClosingCase> {};

TEST_P(AboutBoxClosing, ClosesWithoutShowingAnything) {
    TAbout box;
    EXPECT_EQ(ShowWith(box, GetParam().close), GetParam().result);
    EXPECT_FALSE(box.isVisible());
    EXPECT_TRUE(fakes.messages.Texts().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Ways, AboutBoxClosing, ::testing::ValuesIn(kClosings), CaseName());

struct AboutKeyCase {
    const char* name;
    std::vector<zk::platform::testing::KeyStep> keys;
    int result;   // the box's modal result after the keys; 0 while it is open
    int messages; // the library's version shown by More
};

void PrintTo(const AboutKeyCase& c, std::ostream* out) {
    *out << c.name;
}

class AboutBoxKeys : public AboutBox, public ::testing::WithParamInterface<AboutKeyCase> {};

// OK is the default and the cancel button; a focused More takes Enter itself.
TEST_P(AboutBoxKeys, EnterAndEscapePressOKUnlessMoreHasTheFocus) {
    const AboutKeyCase& c = GetParam();
    TAbout box;
    int result = -1;
    const int ended = ShowWith(box, [&](TAbout& running) {
        ASSERT_TRUE(zk::platform::testing::Activate(running));
        EXPECT_EQ(zk::platform::testing::FocusName(), "btnOK") << "at activation";
        zk::platform::testing::PressKeys(c.keys);
        result = running.ModalResult();
        if (result == zk::platform::kModalNone)
            running.btnOK->click();
    });
    EXPECT_EQ(result, c.result);
    EXPECT_EQ(ended, c.result == 0 ? zk::platform::kModalOk : c.result);
    EXPECT_EQ(fakes.messages.Texts().size(), c.messages);
}

using zk::platform::testing::ShiftTab;

INSTANTIATE_TEST_SUITE_P(
    Keys, AboutBoxKeys,
    ::testing::Values(
        AboutKeyCase{"EnterAtOncePressesOK", {{Qt::Key_Return}}, zk::platform::kModalOk, 0},
        AboutKeyCase{"EscapePressesOK", {{Qt::Key_Escape}}, zk::platform::kModalOk, 0},
        AboutKeyCase{"TabThenEnterPressesMore",
                     {{Qt::Key_Tab, "btnMore"}, {Qt::Key_Return, "btnMore"}},
                     0,
                     1},
        AboutKeyCase{"TabWrapsBackToOK",
                     {{Qt::Key_Tab, "btnMore"}, {Qt::Key_Tab, "btnOK"}, {Qt::Key_Space}},
                     zk::platform::kModalOk,
                     0},
        AboutKeyCase{"EscapeAfterMorePressesOK",
                     {ShiftTab("btnMore"), {Qt::Key_Space, "btnMore"}, {Qt::Key_Escape}},
                     zk::platform::kModalOk,
                     1}),
    CaseName());

TEST_F(AboutBox, OpensFromTheHelpMenuCentredOnTheScreen) {
    Use(Machine::NoPorts);
    TMainForm& main = Start();
    TAbout box;
    About = &box;
    bool shown = false;
    QPoint centre;
    QPoint screenCentre;
    WhenShown(box, [&](TAbout& running) {
        shown = true;
        centre = running.frameGeometry().center();
        screenCentre = running.screen()->availableGeometry().center();
        running.btnOK->click();
    });
    main.mnuAbout->trigger();
    ASSERT_TRUE(shown);
    EXPECT_LE((centre - screenCentre).manhattanLength(), 2);
}

TEST_F(AboutBox, BoxAndItsMoreBoxAreShownOverTheWindowThatOpenedThem) {
    Use(Machine::NoPorts);
    TMainForm& main = Start();
    main.show();
    TAbout box;
    About = &box;
    zk::testing::ShownWindow shown;
    const QWidget* moreOwner = nullptr;
    fakes.messages.SetOnMessage(
        [&](const zk::platform::RecordedMessage&) { moreOwner = zk::platform::DialogOwner(); });
    WhenShown(box, [&](TAbout& running) {
        shown = zk::testing::TakeShown(&running);
        running.btnMore->click();
        running.btnOK->click();
    });
    main.mnuAbout->trigger();
    EXPECT_EQ(shown.transientParent, zk::testing::HandleOf(&main));
    EXPECT_TRUE(shown.modal);
    EXPECT_EQ(moreOwner, &box);
}

TEST_F(AboutBox, MainWindowOffersNoMaximiseForItsFixedSize) {
    Use(Machine::NoPorts);
    TMainForm& main = Start();
    EXPECT_FALSE(main.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(main.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(main.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(main.minimumSize(), main.maximumSize());
}

} // namespace
} // namespace zk::forms::test
