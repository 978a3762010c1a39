// The save prompts: asked exactly while there are unsaved changes, by Clear Form, by
// the loads and by closing the window in either way; a No still goes on.
#include "tests/forms/nv/nv_fixture.h"

#include <QFileInfo>

namespace nvtest {
namespace {

const QString kClearQuestion = "Do you want to save the changes?";
const QString kCloseQuestion = "Do you want to save the parameters in a file?";

class NvEditorPromptTest : public NvFixture {
public:
    // An accepted change through the value dialog, as the user makes it.
    void ChangePWMPlus(TEditForm& editor, const char* text) {
        script.On(ValEditdlg, [text] {
            ValEditdlg->edtValue->setText(text);
            ValEditdlg->btnOK->click();
        });
        DoubleClickValue(editor, "PWMPlus");
    }
    void Change(TEditForm& editor) { ChangePWMPlus(editor, "5"); }
    void CancelDialog(TEditForm& editor) {
        script.On(ValEditdlg, [] {
            ValEditdlg->edtValue->setText("5");
            ValEditdlg->btnCancel->click();
        });
        DoubleClickValue(editor, "PWMPlus");
        EXPECT_EQ(Value("PWMPlus"), 0);
        EXPECT_TRUE(editor.btnSave->isEnabled());
    }
    void ChangeAndSave(TEditForm& editor) {
        ChangePWMPlus(editor, "5");
        fakes.files.QueueChoice(FilePath("saved"));
        editor.btnSave->click();
        EXPECT_FALSE(editor.btnSave->isEnabled());
    }

    static QStringList Shown(const TEditForm& editor) {
        QStringList cells;
        for (int row = 1; row < editor.RowCount(); ++row)
            cells << editor.Cell(0, row) + " | " + editor.Cell(1, row);
        return cells;
    }
    static QList<bool> Enabled(const TEditForm& editor) {
        QList<bool> enabled;
        for (const QPushButton* button : editor.findChildren<QPushButton*>())
            enabled << button->isEnabled();
        return enabled;
    }

    static bool GridEmpty(const TEditForm& editor) {
        for (int row = 1; row < editor.RowCount(); ++row) {
            if (!editor.Cell(0, row).isEmpty() || !editor.Cell(1, row).isEmpty())
                return false;
        }
        return true;
    }
};

TEST_F(NvEditorPromptTest, ClearFormAsksOnlyWhileThereAreUnsavedChanges) {
    struct Case {
        const char* label;
        void (NvEditorPromptTest::*prepare)(TEditForm&);
        bool asks;
    };
    const Case cases[] = {
        {"after a plain load", nullptr, false},
        {"after an accepted change", &NvEditorPromptTest::Change, true},
        {"after a cancelled dialog", &NvEditorPromptTest::CancelDialog, false},
        {"after Save File", &NvEditorPromptTest::ChangeAndSave, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        fakes.messages.Clear();
        RunEditor([&](TEditForm& editor) {
            editor.btnFromDrive->click();
            if (c.prepare != nullptr)
                (this->*c.prepare)(editor);
            EXPECT_EQ(editor.Modified, c.asks);
            fakes.messages.Clear();
            if (c.asks)
                fakes.messages.QueueAnswers({Answer::No});

            editor.btnClean->click();

            EXPECT_EQ(Asked(), c.asks ? QStringList{kClearQuestion} : QStringList());
            EXPECT_FALSE(editor.Modified);
            EXPECT_EQ(Value("PWMPlus"), 0) << "the table is back at its defaults";
            EXPECT_TRUE(GridEmpty(editor));
            EXPECT_EQ(editor.RowCount(), 21) << "the row count of the last load stays";
            EXPECT_FALSE(editor.btnToDrive->isEnabled());
            EXPECT_FALSE(editor.btnSave->isEnabled());
        });
    }
}

TEST_F(NvEditorPromptTest, ANewLoadAsksFirstAndYesSavesTheChanges) {
    RunEditor([&](TEditForm& editor) {
        editor.btnFromDrive->click();
        ChangePWMPlus(editor, "5");
        fakes.messages.QueueAnswers({Answer::Yes});
        fakes.files.QueueChoice(FilePath("before"));

        editor.btnFromNV->click();

        EXPECT_EQ(Asked(), QStringList{kClearQuestion});
        EXPECT_TRUE(QFileInfo::exists(FilePath("before.ZKC")));
        EXPECT_EQ(fakes.files.Requests().back().title, "Save Parameteres");
        EXPECT_EQ(Value("PWMPlus"), 0) << "NV memory still holds the old value";
        EXPECT_TRUE(editor.btnSave->isEnabled()) << "enabled again by the load";
        EXPECT_FALSE(editor.Modified);

        fakes.files.QueueChoice(FilePath("before.ZKC"));
        editor.btnOpen->click();
        EXPECT_EQ(Value("PWMPlus"), 35) << "the saved file holds the change";
    });
    EXPECT_EQ(Told(), QStringList());
}

TEST_F(NvEditorPromptTest, TheCloseBoxAsksLikeTheCloseButton) {
    struct Case {
        const char* label;
        void (*close)(TEditForm&);
    };
    const Case cases[] = {
        {"Close button",
         [](TEditForm& editor) {
             editor.btnClose->click();
         }},
        {"close box",
         [](TEditForm& editor) {
             editor.close();
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        fakes.messages.Clear();
        script.On(EditForm, [&] {
            EditForm->btnFromDrive->click();
            ChangePWMPlus(*EditForm, "5");
            fakes.messages.QueueAnswers({Answer::Yes});
            fakes.files.QueueChoice(FilePath(c.label));
            c.close(*EditForm);
        });
        MainForm->EditMode = 0;
        EXPECT_EQ(EditForm->ShowModal(), zk::platform::kModalCancel);

        EXPECT_EQ(Asked(), QStringList{kCloseQuestion}) << "asked once";
        EXPECT_TRUE(QFileInfo::exists(FilePath(QString(c.label) + ".ZKC")));
        EXPECT_FALSE(EditForm->Modified);
        EXPECT_FALSE(EditForm->isVisible());
    }
}

TEST_F(NvEditorPromptTest, ClosingWithNoKeepsNoFileAndAsksNothingNextTime) {
    script.On(EditForm, [&] {
        EditForm->btnFromDrive->click();
        ChangePWMPlus(*EditForm, "5");
        fakes.messages.QueueAnswers({Answer::No});
        EditForm->close();
    });
    EditForm->ShowModal();
    EXPECT_EQ(Asked(), QStringList{kCloseQuestion});
    EXPECT_TRUE(fakes.files.Requests().empty());

    fakes.messages.Clear();
    RunEditor([](TEditForm&) {});
    EXPECT_EQ(Asked(), QStringList()) << "the next showing starts cleared without asking";
}

TEST_F(NvEditorPromptTest, AFailedSaveOnCloseKeepsTheWindowAndTheChanges) {
    script.On(EditForm, [&] {
        EditForm->btnFromDrive->click();
        ChangePWMPlus(*EditForm, "5");
        fakes.messages.QueueAnswers({Answer::Yes});
        fakes.files.QueueChoice(FilePath("no/such/folder/set"));
        EditForm->close();
        // Looked at once the close has been tried.
        QMetaObject::invokeMethod(
            EditForm,
            [&] {
                EXPECT_TRUE(EditForm->IsRunning()) << "still open after the failed save";
                EXPECT_TRUE(EditForm->Modified);
                ASSERT_EQ(Told().size(), 1);
                EXPECT_TRUE(Told().front().startsWith("Can't open file "))
                    << Told().front().toStdString();
                fakes.messages.QueueAnswers({Answer::No});
                EditForm->btnClose->click();
            },
            Qt::QueuedConnection);
    });
    EditForm->ShowModal();
    EXPECT_EQ(Asked(), (QStringList{kCloseQuestion, kCloseQuestion}));
    EXPECT_FALSE(EditForm->Modified);
}

// After Yes, a save that does not happen stops what the user asked for: the window stays
// open, or the load or clear does not take place, and the edited set stays as it was.
TEST_F(NvEditorPromptTest, AYesWhoseSaveIsCancelledOrFailsStopsWhatWasAsked) {
    struct Action {
        const char* label;
        QString question;
        QPushButton* TEditForm::*button; // nullptr: the close box
    };
    const Action actions[] = {
        {"Close button", kCloseQuestion, &TEditForm::btnClose},
        {"close box", kCloseQuestion, nullptr},
        {"Load From Drive", kClearQuestion, &TEditForm::btnFromDrive},
        {"Load From NV", kClearQuestion, &TEditForm::btnFromNV},
        {"Open File", kClearQuestion, &TEditForm::btnOpen},
        {"Clear Form", kClearQuestion, &TEditForm::btnClean},
    };
    struct Save {
        const char* label;
        bool fails;
    };
    const Save saves[] = {{"save cancelled", false}, {"save failed", true}};

    for (const Action& action : actions) {
        for (const Save& save : saves) {
            SCOPED_TRACE(std::string(action.label) + ", " + save.label);
            fakes.messages.Clear();
            const size_t requestsBefore = fakes.files.Requests().size();
            script.On(EditForm, [&] {
                TEditForm& editor = *EditForm;
                editor.btnFromDrive->click();
                ChangePWMPlus(editor, "5");
                const QStringList grid = Shown(editor);
                const QList<bool> buttons = Enabled(editor);
                const QString source = editor.lblSource->text();
                fakes.messages.Clear();
                fakes.messages.QueueAnswers({Answer::Yes});
                if (save.fails)
                    fakes.files.QueueChoice(FilePath("no/such/folder/set"));
                else
                    fakes.files.QueueCancel();

                if (action.button != nullptr)
                    (editor.*action.button)->click();
                else
                    editor.close();

                // Looked at once a close has been tried, which the window's loop does.
                QMetaObject::invokeMethod(
                    &editor,
                    [&, grid, buttons, source] {
                        TEditForm& form = *EditForm;
                        EXPECT_TRUE(form.IsRunning()) << "the window stays open";
                        EXPECT_EQ(Asked(), QStringList{action.question});
                        if (save.fails) {
                            EXPECT_EQ(Told().size(), 1);
                            EXPECT_TRUE(Told().value(0).startsWith("Can't open file "))
                                << Told().value(0).toStdString();
                        } else {
                            EXPECT_EQ(Told(), QStringList());
                        }
                        EXPECT_EQ(fakes.files.Requests().size(), requestsBefore + 1)
                            << "the save dialog only: nothing was opened";
                        EXPECT_EQ(fakes.files.Requests().back().title, "Save Parameteres");
                        EXPECT_TRUE(form.Modified);
                        EXPECT_EQ(Value("PWMPlus"), 35) << "the edit is still in the table";
                        EXPECT_EQ(Shown(form), grid);
                        EXPECT_EQ(Enabled(form), buttons);
                        EXPECT_EQ(form.lblSource->text(), source);
                        fakes.messages.QueueAnswers({Answer::No});
                        form.btnClose->click();
                    },
                    Qt::QueuedConnection);
            });
            MainForm->EditMode = 0;
            EditForm->ShowModal();
            EXPECT_FALSE(EditForm->Modified) << "No still closes";
        }
    }
}

} // namespace
} // namespace nvtest
