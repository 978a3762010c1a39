// Help through the main window's hook: F1 in an editor's grid searches for the
// selected parameter; everything else takes the standard way to the help file.
#include <QDialog>
#include <QKeyEvent>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QVBoxLayout>

#include <string>
#include <vector>

#include "tests/forms/main/main_form_fixture.h"
#include "zktools/forms/grid_help_key.h"
#include "zktools/platform/desktop_help_service.h"
#include "zktools/platform/help_requests.h"

namespace zk::forms::test {
namespace {

using zk::platform::HelpRecorder;
using zk::platform::HelpRequest;

// An editor as the NV and on-line editors are: its grid asks for help by partial
// key with an empty key on F1, its Help button asks for its context number.
class FakeEditor : public QDialog, public GridHelpKey {
public:
    static constexpr int kContext = 2;

    FakeEditor() {
        grid = new QTableWidget(3, 1, this);
        const char* names[] = {"Command", "IVMode", "Kip"};
        for (int row = 0; row < 3; ++row)
            grid->setItem(row, 0, new QTableWidgetItem(QString::fromLatin1(names[row])));
        grid->installEventFilter(this);
        button = new QPushButton("Help", this);
        connect(button, &QPushButton::clicked, this,
                [] { zk::platform::RequestHelp(HelpRequest::Context(kContext)); });
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(grid);
        layout->addWidget(button);
    }

    QWidget* HelpGrid() const override { return grid; }
    std::string GetSelectedName() const override {
        const QTableWidgetItem* item = grid->currentItem();
        return item == nullptr ? std::string() : item->text().toStdString();
    }

    QTableWidget* grid;
    QPushButton* button;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == grid && event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
            zk::platform::RequestHelp(HelpRequest::PartialKey(QString()));
            return true;
        }
        return QDialog::eventFilter(watched, event);
    }
};

enum class Focus { EditorGrid, EditorButton, MainWindow };
enum class Ask { F1, HelpButton, Contents, TopicSearch };

struct HelpCase {
    const char* name;
    Focus focus;
    int selectedRow; // -1 none
    Ask ask;
    HelpRequest shown;
};

void PrintTo(const HelpCase& c, std::ostream* out) {
    *out << c.name;
}

const HelpCase kHelpCases[] = {
    {"F1InTheGridSearchesForTheSelectedName", Focus::EditorGrid, 1, Ask::F1,
     HelpRequest::PartialKey("IVMode")},
    {"F1InTheGridWithoutASelectionOpensTheSearch", Focus::EditorGrid, -1, Ask::F1,
     HelpRequest::PartialKey("")},
    {"HelpButtonOpensItsTopic", Focus::EditorButton, 1, Ask::HelpButton,
     HelpRequest::Context(FakeEditor::kContext)},
    {"ContentsFromTheGridOpenTheContents", Focus::EditorGrid, 1, Ask::Contents,
     HelpRequest::Contents()},
    {"ContentsFromTheMainWindow", Focus::MainWindow, -1, Ask::Contents, HelpRequest::Contents()},
    {"TopicSearchFromTheMainWindowHasNoKey", Focus::MainWindow, -1, Ask::TopicSearch,
     HelpRequest::PartialKey("")},
};

class HelpHook : public MainFormFixture, public ::testing::WithParamInterface<HelpCase> {
protected:
    static void Activate(QWidget& window, QWidget& focus) {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        focus.setFocus();
        ASSERT_TRUE(QTest::qWaitFor([&] { return focus.hasFocus(); }, 2000));
    }
};

TEST_P(HelpHook, RoutesEachRequest) {
    const HelpCase& c = GetParam();
    Use(Machine::NoPorts);
    TMainForm& main = Start();
    FakeEditor editor;
    editor.grid->setCurrentCell(c.selectedRow, 0);

    switch (c.focus) {
    case Focus::EditorGrid:
        Activate(editor, *editor.grid);
        break;
    case Focus::EditorButton:
        Activate(editor, *editor.button);
        break;
    case Focus::MainWindow:
        Activate(main, *main.btnEdit);
        break;
    }
    switch (c.ask) {
    case Ask::F1:
        QTest::keyClick(editor.grid, Qt::Key_F1);
        break;
    case Ask::HelpButton:
        editor.button->click();
        break;
    case Ask::Contents:
        main.mnuContents->trigger();
        break;
    case Ask::TopicSearch:
        main.mnuTopicSearch->trigger();
        break;
    }

    const std::vector<HelpRecorder::Call> expected{{main.AppDir + "Dozudezeza.DIV", c.shown}};
    EXPECT_EQ(fakes.help.Calls(), expected);
}

INSTANTIATE_TEST_SUITE_P(Requests, HelpHook, ::testing::ValuesIn(kHelpCases), CaseName());

using DesktopHelp = MainFormFixture;

// With the desktop's help service and no help file beside the program, as it is
// delivered: each request says in a message box which file it looked for.
TEST_F(DesktopHelp, WithoutTheHelpFileEveryRequestNamesTheFileItLookedFor) {
    Use(Machine::NoPorts);
    TMainForm& main = Start();
    std::vector<QUrl> opened;
    zk::platform::DesktopHelpService desktop([&](const QUrl& url) {
        opened.push_back(url);
        return true;
    });
    zk::platform::ScopedService<zk::platform::HelpService> useDesktop(desktop);
    FakeEditor editor;
    editor.grid->setCurrentCell(1, 0);
    editor.show();
    editor.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&editor));
    editor.grid->setFocus();

    QTest::keyClick(editor.grid, Qt::Key_F1);
    editor.button->click();
    main.mnuContents->trigger();
    main.mnuTopicSearch->trigger();

    const QString text = "Cannot find the help file " + main.AppDir + "Dozudezeza.DIV.";
    EXPECT_EQ(fakes.messages.Texts(), QStringList(4, text));
    EXPECT_TRUE(opened.empty());
    EXPECT_TRUE(fakes.help.Calls().empty());
}

using HelpHookLifetime = MainFormFixture;

TEST_F(HelpHookLifetime, TheWindowTakesItsHookAndHelpFileAlongWhenItGoes) {
    Use(Machine::NoPorts);
    zk::platform::SetHelpFile("/elsewhere/other.hlp");
    Start();
    ASSERT_NE(zk::platform::HelpFile(), "/elsewhere/other.hlp");
    Finish();

    EXPECT_EQ(zk::platform::HelpFile(), "/elsewhere/other.hlp");
    EXPECT_FALSE(zk::platform::SetHelpHook({})) << "no hook left behind";
    zk::platform::SetHelpFile(QString());
}

} // namespace
} // namespace zk::forms::test
