// Clear Form after a file was opened and both sends showed "Done": the file name goes
// away and every send and save button is back to its standard caption, disabled.
#include "tests/forms/nv/nv_fixture.h"

namespace nvtest {
namespace {

class NvEditorClearTest : public NvFixture {};

TEST_F(NvEditorClearTest, ClearFormHidesTheFileNameAndRestoresTheCaptions) {
    RunEditor([&](TEditForm& editor) {
        editor.btnFromDrive->click();
        fakes.files.QueueChoice(FilePath("set"));
        editor.btnSave->click();
        fakes.files.QueueChoice(FilePath("set.ZKC"));
        editor.btnOpen->click();
        ASSERT_TRUE(editor.lblFilename->isVisibleTo(&editor));

        editor.btnToDrive->click();
        editor.btnToNV->click();
        ASSERT_EQ(editor.btnToDrive->text(), "Done");
        ASSERT_EQ(editor.btnToNV->text(), "Done");
        // Nothing in the editor renames this one today; a clear puts it back all the same.
        editor.btnSave->setText("Saved");

        editor.btnClean->click();

        EXPECT_FALSE(editor.lblFilename->isVisibleTo(&editor)) << "the file name still shows";
        EXPECT_EQ(editor.lblSource->text(), "Please Load Parameters from Drive, NV Memory or File");
        struct Case {
            QPushButton* button;
            const char* caption;
        };
        const Case cases[] = {
            {editor.btnToDrive, "Send To Drive"},
            {editor.btnToNV, "Send To NV"},
            {editor.btnSave, "Save File"},
        };
        for (const Case& c : cases) {
            EXPECT_EQ(c.button->text(), QString::fromLatin1(c.caption));
            EXPECT_FALSE(c.button->isEnabled()) << c.caption;
        }
    });
    EXPECT_EQ(Told(), QStringList());
    EXPECT_EQ(Asked(), QStringList());
}

} // namespace
} // namespace nvtest
