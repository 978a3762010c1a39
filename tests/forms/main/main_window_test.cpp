// The main window as the user meets it: caption, background, buttons, menus, and
// the program's windows created and destroyed in their order.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include <functional>
#include <vector>

#include "tests/forms/main/main_form_fixture.h"
#include "tests/platform/key_presses.h"
#include "zktools/forms/about_box.h"
#include "zktools/forms/edit_form.h"
#include "zktools/forms/windows.h"
#include "zktools/platform/modal_form.h"
#include "zktools/platform/modal_hooks.h"

namespace zk::forms::test {
namespace {

using MainWindow = MainFormFixture;

struct Item {
    QString objectName;
    QString caption; // empty for a separator
};

std::vector<Item> ItemsOf(const QList<QAction*>& actions) {
    std::vector<Item> items;
    for (const QAction* action : actions)
        items.push_back({action->objectName(), action->isSeparator() ? QString() : action->text()});
    return items;
}

bool operator==(const Item& a, const Item& b) {
    return a.objectName == b.objectName && a.caption == b.caption;
}

void PrintTo(const Item& item, std::ostream* out) {
    *out << item.objectName.toStdString() << ": \"" << item.caption.toStdString() << '"';
}

TEST_F(MainWindow, FixedTealWindowWithFourBoldButtonsInOrder) {
    Use(Machine::NoPorts);
    TMainForm& main = Start();
    main.show();

    EXPECT_EQ(main.windowTitle(), "Vantor Tools");
    EXPECT_EQ(main.minimumSize(), main.maximumSize()) << "not resizable";
    EXPECT_EQ(main.centralWidget()->palette().color(QPalette::Window), QColor(0, 128, 128));
    EXPECT_TRUE(main.centralWidget()->autoFillBackground());

    const std::vector<std::pair<QPushButton*, QString>> buttons{
        {main.btnEdit, "Edit NV Parameters"},
        {main.btnOnline, "Edit Drive Variables Online"},
        {main.btnConfigurationWizards, "Configuration Wizard"},
        {main.btnDiagnostics, "Diagnostics"},
    };
    int previousBottom = main.findChild<QWidget*>("imgPicture")->geometry().bottom();
    for (const auto& [button, caption] : buttons) {
        EXPECT_EQ(button->text(), caption);
        EXPECT_EQ(button->font().family(), "Verdana");
        EXPECT_EQ(button->font().pixelSize(), 13);
        EXPECT_TRUE(button->font().bold());
        EXPECT_GT(button->geometry().top(), previousBottom) << "stacked below the picture";
        previousBottom = button->geometry().bottom();
    }
    // The bottom button is first in the tab order, then the others from the top.
    std::vector<QWidget*> tabStops;
    QWidget* widget = main.btnDiagnostics;
    do {
        if (widget->focusPolicy() & Qt::TabFocus)
            tabStops.push_back(widget);
        widget = widget->nextInFocusChain();
    } while (widget != main.btnDiagnostics);
    EXPECT_EQ(tabStops, (std::vector<QWidget*>{main.btnDiagnostics, main.btnEdit, main.btnOnline,
                                               main.btnConfigurationWizards}));
}

struct MainKeyCase {
    const char* name;
    std::vector<zk::platform::testing::KeyStep> keys;
    const char* pressed; // the one button the keys press, nullptr for none
};

void PrintTo(const MainKeyCase& c, std::ostream* out) {
    *out << c.name;
}

class MainWindowKeys : public MainFormFixture, public ::testing::WithParamInterface<MainKeyCase> {};

// The focus starts on the first button of the tab order; Enter presses the focused button as
// Space does, since the window has no default button.
TEST_P(MainWindowKeys, KeysMoveTheFocusAlongTheTabOrderAndPressTheFocusedButton) {
    using namespace zk::platform::testing;
    const MainKeyCase& c = GetParam();
    Use(Machine::NoPorts);
    TMainForm& main = Start();
    QStringList pressed;
    for (QPushButton* button :
         {main.btnEdit, main.btnOnline, main.btnConfigurationWizards, main.btnDiagnostics}) {
        QObject::connect(button, &QPushButton::clicked, &main,
                         [&pressed, button] { pressed << button->objectName(); });
    }
    main.show();
    ASSERT_TRUE(Activate(main));
    EXPECT_EQ(FocusName(), "btnDiagnostics") << "at activation";
    PressKeys(c.keys);
    EXPECT_EQ(pressed.join(',').toStdString(), c.pressed != nullptr ? c.pressed : "");
    EXPECT_TRUE(main.isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    TabOrder, MainWindowKeys,
    ::testing::Values(
        MainKeyCase{"SpaceAtStart", {{Qt::Key_Space}}, "btnDiagnostics"},
        MainKeyCase{"EnterAtStart", {{Qt::Key_Return}}, "btnDiagnostics"},
        MainKeyCase{
            "KeypadEnter", {{Qt::Key_Enter, nullptr, Qt::KeypadModifier}}, "btnDiagnostics"},
        MainKeyCase{"TabThenEnter", {{Qt::Key_Tab, "btnEdit"}, {Qt::Key_Return}}, "btnEdit"},
        MainKeyCase{"TwoTabsThenSpace",
                    {{Qt::Key_Tab, "btnEdit"}, {Qt::Key_Tab, "btnOnline"}, {Qt::Key_Space}},
                    "btnOnline"},
        MainKeyCase{"ShiftTabThenEnter",
                    {zk::platform::testing::ShiftTab("btnConfigurationWizards"), {Qt::Key_Return}},
                    "btnConfigurationWizards"},
        MainKeyCase{"TabWrapsAround",
                    {{Qt::Key_Tab, "btnEdit"},
                     {Qt::Key_Tab, "btnOnline"},
                     {Qt::Key_Tab, "btnConfigurationWizards"},
                     {Qt::Key_Tab, "btnDiagnostics"},
                     {Qt::Key_Return}},
                    "btnDiagnostics"},
        MainKeyCase{
            "EscapeDoesNothing", {{Qt::Key_Escape, "btnDiagnostics"}, {Qt::Key_Escape}}, nullptr}),
    CaseName());

TEST_F(MainWindow, MenusCarryTheirCaptionsAndNames) {
    Use(Machine::NoPorts);
    TMainForm& main = Start();

    EXPECT_EQ(ItemsOf(main.menuBar()->actions()),
              (std::vector<Item>{{"mnuPortSelection", "Port Selection"},
                                 {"mnuFunction", "Functions"},
                                 {"mnuHelp", "Help"},
                                 {"mnuExit", "Exit"}}));
    EXPECT_EQ(main.mnuExit->menu(), nullptr) << "a command in the menu bar itself";
    EXPECT_EQ(ItemsOf(main.mnuPortSelection->actions()),
              (std::vector<Item>{{"mnuPLT1", "PLT1"},
                                 {"mnuPLT2", "PLT2"},
                                 {"mnuPLT3", "PLT3"},
                                 {"mnuOffline", "Off_line"}}));
    EXPECT_EQ(ItemsOf(main.mnuFunction->actions()),
              (std::vector<Item>{{"mnuEdit", "Edit NV Parameters"},
                                 {"mnuOnline", "Edit Drive Variables Online"},
                                 {"mnuConfiguration", "Configuration Wizard"},
                                 {"mnuDiagnostics", "Diagnostics"}}));
    EXPECT_EQ(ItemsOf(main.mnuHelp->actions()),
              (std::vector<Item>{{"mnuContents", "Contents"},
                                 {"mnuTopicSearch", "Topic Search"},
                                 {"mnuN1", ""},
                                 {"mnuAbout", "About"}}));
}

TEST_F(MainWindow, ButtonAndMenuOpenTheNVEditorAsReachedFromHere) {
    Use(Machine::NoPorts);
    TMainForm& main = Start();
    MainForm = &main;
    TEditForm editor;
    EditForm = &editor;
    const std::function<void()> opens[] = {[&] { main.btnEdit->click(); },
                                           [&] {
                                               main.mnuEdit->trigger();
                                           }};
    for (const auto& open : opens) {
        main.EditMode = 3; // as the current-loop wizard page leaves it
        int runs = 0;
        zk::platform::SetModalStartHook([&](zk::platform::ModalForm& running) {
            ++runs;
            EXPECT_EQ(&running, &editor);
            EXPECT_EQ(main.EditMode, 0) << "set before the editor shows";
            editor.btnClose->click();
        });
        open();
        EXPECT_EQ(runs, 1);
    }
    zk::platform::SetModalStartHook({});
    EditForm = nullptr;
    MainForm = nullptr;
}

TEST_F(MainWindow, WindowsAreCreatedWithTheMainWindowFirstAndAllGoAtTheEnd) {
    Use(Machine::NoPorts);
    CreateWindows();
    ASSERT_NE(MainForm, nullptr);
    ASSERT_NE(About, nullptr);
    EXPECT_TRUE(MainForm->isWindow());
    EXPECT_EQ(MainForm->AppDir, QCoreApplication::applicationDirPath() + "/");

    DestroyWindows();
    EXPECT_EQ(MainForm, nullptr);
    EXPECT_EQ(About, nullptr);
    // The main window wrote the port as it went.
    ASSERT_FALSE(fakes.settings.Writes().empty());
    EXPECT_EQ(fakes.settings.Writes().back().name, kPortValue);
}

} // namespace
} // namespace zk::forms::test
