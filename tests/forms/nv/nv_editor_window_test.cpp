// The NV editor's window: its controls where and as they were drawn, the tab order,
// the file dialogs it asks for, help, the "Done" captions with their timers, and the
// file name of an opened file.
#include "tests/forms/nv/nv_fixture.h"
#include "tests/platform/key_presses.h"

#include <QDir>
#include <QHeaderView>

#include <vector>

namespace nvtest {
namespace {

class NvEditorWindowTest : public NvFixture {};

TEST_F(NvEditorWindowTest, ControlsStandWhereTheyWereDrawn) {
    TEditForm& editor = *EditForm;
    EXPECT_EQ(editor.windowTitle(), "Edit NV Parameters");
    EXPECT_EQ(editor.size(), QSize(491, 535));
    EXPECT_EQ(editor.minimumSize(), editor.maximumSize()) << "fixed size";

    struct Case {
        QWidget* control;
        const char* text;
        QRect rect;
    };
    const Case cases[] = {
        {editor.lblSource, nullptr, {32, 8, 401, 16}},
        {editor.lblFilename, nullptr, {0, 24, 489, 16}},
        {editor.StringGrid1, nullptr, {16, 56, 459, 329}},
        {editor.btnFromDrive, "Load From Drive", {32, 400, 185, 25}},
        {editor.btnToDrive, "Send To Drive", {256, 400, 185, 25}},
        {editor.btnFromNV, "Load From NV", {32, 432, 185, 25}},
        {editor.btnToNV, "Send To NV", {256, 432, 185, 25}},
        {editor.btnOpen, "Open File", {32, 464, 185, 25}},
        {editor.btnSave, "Save File", {256, 464, 185, 25}},
        {editor.btnClean, "Clear Form", {32, 496, 185, 25}},
        {editor.btnHelp, "Help", {256, 496, 81, 25}},
        {editor.btnClose, "Close", {360, 496, 81, 25}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control->objectName().toStdString());
        EXPECT_EQ(c.control->geometry(), c.rect);
        if (auto* button = qobject_cast<QPushButton*>(c.control)) {
            EXPECT_EQ(button->text(), c.text);
            EXPECT_TRUE(button->font().bold());
            EXPECT_EQ(button->font().pixelSize(), 13);
        }
    }

    const QTableWidget& grid = *editor.StringGrid1;
    EXPECT_EQ(editor.RowCount(), 13) << "the heading row and 12 rows at start";
    EXPECT_EQ(grid.horizontalHeaderItem(0)->text(), "Name");
    EXPECT_EQ(grid.horizontalHeaderItem(1)->text(), "Value");
    EXPECT_EQ(grid.editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_EQ(grid.selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_FALSE(editor.Modified);
    EXPECT_EQ(editor.IsValueColumn, 0);
}

TEST_F(NvEditorWindowTest, TabOrderStartsAtClose) {
    TEditForm& editor = *EditForm;
    const QWidget* expected[] = {
        editor.btnClose, editor.StringGrid1, editor.btnFromDrive, editor.btnFromNV, editor.btnOpen,
        editor.btnClean, editor.btnToDrive,  editor.btnToNV,      editor.btnSave,   editor.btnHelp};
    QWidget* at = editor.btnClose;
    for (const QWidget* next : expected) {
        EXPECT_EQ(at, next) << "got " << at->objectName().toStdString();
        at = at->nextInFocusChain();
        while (at != editor.btnClose && at->focusPolicy() == Qt::NoFocus)
            at = at->nextInFocusChain();
    }
}

TEST_F(NvEditorWindowTest, ActivationClearsAndFocusesClose) {
    RunEditor([&](TEditForm& editor) {
        EXPECT_EQ(editor.focusWidget(), editor.btnClose);
        EXPECT_EQ(editor.lblSource->text(), "Please Load Parameters from Drive, NV Memory or File");
        EXPECT_FALSE(editor.lblFilename->isVisible());
        for (QPushButton* off : {editor.btnToDrive, editor.btnToNV, editor.btnSave})
            EXPECT_FALSE(off->isEnabled()) << off->objectName().toStdString();
        for (QPushButton* on : {editor.btnFromDrive, editor.btnFromNV, editor.btnOpen,
                                editor.btnClean, editor.btnHelp, editor.btnClose})
            EXPECT_TRUE(on->isEnabled()) << on->objectName().toStdString();
    });
}

TEST_F(NvEditorWindowTest, FileDialogsAskForParameterFilesInTheParameterFolder) {
    RunEditor([&](TEditForm& editor) {
        SymTable.SetValue("PWMPlus", 12);
        fakes.files.QueueCancel();
        editor.btnOpen->click();
        EXPECT_EQ(Value("PWMPlus"), 0) << "cleared before the dialog";
        EXPECT_FALSE(editor.btnSave->isEnabled());

        editor.btnFromDrive->click();
        fakes.files.QueueCancel();
        editor.btnSave->click();
        EXPECT_TRUE(editor.btnSave->isEnabled()) << "a cancelled save changes nothing";
    });
    ASSERT_EQ(fakes.files.Requests().size(), 2u);
    const auto& open = fakes.files.Requests()[0];
    EXPECT_EQ(open.mode, zk::platform::FileDialogMode::Open);
    EXPECT_EQ(open.filter, "Configuration File (*.ZKC)|*.ZKC");
    EXPECT_EQ(open.defaultExt, "ZKC");
    EXPECT_EQ(open.initialDir, MainForm->ParamDir);
    const auto& save = fakes.files.Requests()[1];
    EXPECT_EQ(save.mode, zk::platform::FileDialogMode::Save);
    EXPECT_EQ(save.title, "Save Parameteres");
    EXPECT_EQ(save.filter, "Conficuration File(*.ZKC)|*.ZKC");
    EXPECT_EQ(save.defaultExt, "ZKC");
    EXPECT_TRUE(save.overwritePrompt);
    EXPECT_EQ(save.initialDir, MainForm->ParamDir);
}

TEST_F(NvEditorWindowTest, HelpButtonOpensTheEditorsTopic) {
    RunEditor([&](TEditForm& editor) { editor.btnHelp->click(); });
    ASSERT_FALSE(fakes.help.Calls().empty());
    EXPECT_EQ(fakes.help.Calls().back().request, zk::platform::HelpRequest::Context(314));
}

TEST_F(NvEditorWindowTest, SelectedNameOnlyWhileTheGridHasTheFocus) {
    RunEditor([&](TEditForm& editor) {
        ASSERT_TRUE(QTest::qWaitForWindowActive(&editor));
        editor.btnFromDrive->click();
        editor.StringGrid1->setCurrentCell(RowOf(editor, "Kip") - 1, 1);
        editor.btnClose->setFocus();
        EXPECT_EQ(editor.GetSelectedName(), "");
        editor.StringGrid1->setFocus();
        EXPECT_EQ(editor.GetSelectedName(), "Kip");
        EXPECT_EQ(editor.HelpGrid(), editor.StringGrid1);
    });
}

struct EditorKeyCase {
    const char* name;
    bool loaded; // a set is loaded from the drive first: the send and save buttons are enabled
    std::vector<zk::platform::testing::KeyStep> keys;
    int result; // the editor's modal result after the keys; 0 while it is open
    int helpCalls;
};

void PrintTo(const EditorKeyCase& c, std::ostream* os) {
    *os << c.name;
}

class NvEditorKeys : public NvFixture, public ::testing::WithParamInterface<EditorKeyCase> {};

// The focus is on Close at activation and after every load; Tab walks the window's order,
// passing over the disabled buttons; Enter presses the focused button; Escape closes.
TEST_P(NvEditorKeys, TabWalksTheWindowAndEnterPressesTheFocusedButton) {
    const EditorKeyCase& c = GetParam();
    int result = -1;
    script.On(EditForm, [&] {
        TEditForm& editor = *EditForm;
        ASSERT_TRUE(zk::platform::testing::Activate(editor));
        EXPECT_EQ(zk::platform::testing::FocusName(), "btnClose") << "at activation";
        if (c.loaded) {
            editor.btnFromDrive->click();
            ASSERT_TRUE(editor.btnSave->isEnabled());
        }
        zk::platform::testing::PressKeys(c.keys);
        result = editor.ModalResult();
        if (result == zk::platform::kModalNone)
            editor.btnClose->click();
    });
    MainForm->EditMode = 0;
    EditForm->ShowModal();
    EXPECT_EQ(result, c.result);
    EXPECT_EQ(static_cast<int>(fakes.help.Calls().size()), c.helpCalls);
    EXPECT_EQ(Told(), QStringList());
}

using zk::platform::testing::ShiftTab;
constexpr int kClosed = zk::platform::kModalCancel;

INSTANTIATE_TEST_SUITE_P(
    Keys, NvEditorKeys,
    ::testing::Values(
        EditorKeyCase{"EnterAtOnceCloses", false, {{Qt::Key_Return}}, kClosed, 0},
        EditorKeyCase{"EscapeCloses", false, {{Qt::Key_Escape}}, kClosed, 0},
        EditorKeyCase{"TabPassesOverTheDisabledSendAndSaveButtons",
                      false,
                      {{Qt::Key_Tab, "StringGrid1"},
                       {Qt::Key_Tab, "btnFromDrive"},
                       {Qt::Key_Tab, "btnFromNV"},
                       {Qt::Key_Tab, "btnOpen"},
                       {Qt::Key_Tab, "btnClean"},
                       {Qt::Key_Tab, "btnHelp"},
                       {Qt::Key_Tab, "btnClose"},
                       ShiftTab("btnHelp"),
                       ShiftTab("btnClean")},
                      0,
                      0},
        EditorKeyCase{"TabOrderWithALoadedSet",
                      true,
                      {ShiftTab("btnHelp"),
                       ShiftTab("btnSave"),
                       ShiftTab("btnToNV"),
                       ShiftTab("btnToDrive"),
                       ShiftTab("btnClean"),
                       {Qt::Key_Tab, "btnToDrive"}},
                      0,
                      0},
        EditorKeyCase{"EnterOnHelpOpensHelp", false, {ShiftTab("btnHelp"), {Qt::Key_Return}}, 0, 1},
        // The load enables the send buttons, so Tab now stops at them.
        EditorKeyCase{"EnterOnLoadFromDriveLoads",
                      false,
                      {{Qt::Key_Tab, "StringGrid1"},
                       {Qt::Key_Tab, "btnFromDrive"},
                       {Qt::Key_Return, "btnFromDrive"},
                       {Qt::Key_Tab, "btnFromNV"},
                       {Qt::Key_Tab, "btnOpen"},
                       {Qt::Key_Tab, "btnClean"},
                       {Qt::Key_Tab, "btnToDrive"}},
                      0,
                      0}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(NvEditorWindowTest, F1InTheGridAsksForTheSelectedParameter) {
    RunEditor([&](TEditForm& editor) {
        ASSERT_TRUE(QTest::qWaitForWindowActive(&editor));
        editor.btnFromDrive->click();
        editor.StringGrid1->setCurrentCell(RowOf(editor, "PoleCount") - 1, 0);
        editor.StringGrid1->setFocus();
        fakes.help.Clear();

        QTest::keyClick(editor.StringGrid1, Qt::Key_F1);

        ASSERT_EQ(fakes.help.Calls().size(), 1u);
        EXPECT_EQ(fakes.help.Calls()[0].request,
                  zk::platform::HelpRequest::PartialKey("PoleCount"));
        EXPECT_EQ(editor.StringGrid1->currentRow(), RowOf(editor, "PoleCount") - 1)
            << "F1 moves nothing in the grid";
    });
}

TEST_F(NvEditorWindowTest, ASecondSendWhileDoneShowsDoesNotRestartItsTimer) {
    struct Case {
        const char* label;
        QPushButton* TEditForm::*button;
        zk::platform::OneShotTimer TEditForm::*timer;
        const char* caption;
    };
    const Case cases[] = {
        {"drive", &TEditForm::btnToDrive, &TEditForm::Timer2, "Send To Drive"},
        {"NV memory", &TEditForm::btnToNV, &TEditForm::Timer3, "Send To NV"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        RunEditor([&](TEditForm& editor) {
            QPushButton& button = *(editor.*c.button);
            zk::platform::OneShotTimer& timer = editor.*c.timer;
            editor.btnFromDrive->click();
            EXPECT_EQ(timer.Interval(), std::chrono::milliseconds(2000));

            button.click();
            ASSERT_EQ(button.text(), "Done");
            ASSERT_TRUE(timer.IsArmed());
            const auto first = timer.Remaining();
            QTest::qWait(150);
            button.click();
            EXPECT_EQ(button.text(), "Done");
            EXPECT_LT(timer.Remaining(), first - std::chrono::milliseconds(100))
                << "the running timer was not restarted";
            EXPECT_FALSE(editor.Modified) << "sends change nothing of that";

            EXPECT_TRUE(timer.Fire());
            EXPECT_EQ(button.text(), c.caption);
            EXPECT_FALSE(timer.IsArmed());
        });
    }
    EXPECT_EQ(Told(), QStringList());
}

TEST_F(NvEditorWindowTest, TheFileLabelKeepsTheFileNameInSightAndTheWholePathAsTooltip) {
    const QString name = QStringLiteral("drive 7 settings.ZKC");
    const QString deep =
        FilePath(QString(70, u'a') + "/" + QString(70, u'b') + "/" + QString(70, u'c'));
    ASSERT_TRUE(QDir().mkpath(deep));
    struct Case {
        const char* label;
        QString path;
        bool shortened;
    };
    const Case cases[] = {
        {"short path", FilePath(name), false},
        {"long path", deep + "/" + name, true},
        {"a name that looks like markup", FilePath("<b>bold set.ZKC"), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        FileProc.SaveToFile(c.path.toStdString());
        RunEditor([&](TEditForm& editor) {
            fakes.files.QueueChoice(c.path);
            editor.btnOpen->click();
            const QLabel& label = *editor.lblFilename;
            ASSERT_TRUE(label.isVisible());
            const QString shown = label.text();
            EXPECT_EQ(label.toolTip(), c.path);
            EXPECT_LE(label.fontMetrics().horizontalAdvance(shown), label.contentsRect().width())
                << shown.toStdString();
            if (!c.shortened) {
                EXPECT_EQ(shown, c.path);
                EXPECT_GE(label.sizeHint().width(), label.fontMetrics().horizontalAdvance(c.path))
                    << "every character of the path is drawn";
                return;
            }
            EXPECT_TRUE(shown.startsWith(QChar(0x2026))) << shown.toStdString();
            EXPECT_TRUE(shown.endsWith("/" + name)) << shown.toStdString();
            EXPECT_TRUE(c.path.endsWith(shown.mid(1))) << "the path's front is what is left out";
        });
    }
}

} // namespace
} // namespace nvtest
