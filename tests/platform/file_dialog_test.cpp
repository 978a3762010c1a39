// The file-dialog seam: filters in the windows' notation, the default extension,
// the script for tests and the real dialog's set-up.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include "zktools/platform/file_dialog_script.h"
#include "zktools/platform/file_filter.h"
#include "zktools/platform/qt_file_dialog_service.h"

namespace zk::platform {
namespace {

TEST(FileFilterTest, ParsesDescriptionAndPatternPairs) {
    struct Case {
        QString filter;
        std::vector<FilterEntry> expected;
    };
    const Case cases[] = {
        {"Configuration File (*.ZKC)|*.ZKC", {{"Configuration File (*.ZKC)", {"*.ZKC"}}}},
        {"A|*.a; *.b|B|*.c", {{"A", {"*.a", "*.b"}}, {"B", {"*.c"}}}},
        {"", {}},
        {"Only a description", {}},
        {"A||B|*.b", {{"B", {"*.b"}}}},
        {"A|*.a|Dangling", {{"A", {"*.a"}}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseFileFilter(c.filter), c.expected) << c.filter.toStdString();
}

TEST(FileFilterTest, BecomesQtNameFiltersKeepingTheDescriptionsText) {
    struct Case {
        QString filter;
        QStringList expected;
    };
    const Case cases[] = {
        {"Configuration File (*.ZKC)|*.ZKC", {"Configuration File (*.ZKC)"}},
        {"Conficuration File(*.ZKC)|*.ZKC", {"Conficuration File(*.ZKC)"}},
        {"ZKC files|*.zkc", {"ZKC files (*.zkc)"}},
        {"All files (*.*)|*.*", {"All files (*)"}},
        {"Texts (*.txt)|*.txt;*.log", {"Texts (*.txt) (*.txt *.log)"}},
        {"Both (*.a;*.b)|*.a;*.b|All|*.*", {"Both (*.a *.b)", "All (*)"}},
        {"|*.x", {"*.x"}},
        {"", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ToQtNameFilters(c.filter), c.expected) << c.filter.toStdString();
}

TEST(FileFilterTest, DefaultExtensionOnlyForANameWithoutOne) {
    struct Case {
        QString path, ext, expected;
    };
    const Case cases[] = {
        {"/p/zkc/drive", "ZKC", "/p/zkc/drive.ZKC"},
        {"/p/zkc/drive.zkc", "ZKC", "/p/zkc/drive.zkc"},
        {"/p/zkc/drive.txt", "ZKC", "/p/zkc/drive.txt"},
        {"/p/a.b/drive", "ZKC", "/p/a.b/drive.ZKC"},
        {"/p/zkc/drive", ".ZKC", "/p/zkc/drive.ZKC"},
        {"/p/zkc/drive", "", "/p/zkc/drive"},
        {"/p/zkc/", "ZKC", "/p/zkc/"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WithDefaultExtension(c.path, c.ext), c.expected) << c.path.toStdString();
}

TEST(FileDialogScriptTest, RecordsRequestsAndAnswersInOrder) {
    FileDialogScript script;
    const FileRequest open{
        FileDialogMode::Open, "", "Configuration File (*.ZKC)|*.ZKC", "ZKC", "/p/zkc", false};
    const FileRequest save{FileDialogMode::Save,
                           "Save Parameteres",
                           "Conficuration File(*.ZKC)|*.ZKC",
                           "ZKC",
                           "/p/zkc",
                           true};
    script.QueueChoice("/p/zkc/a.ZKC");
    script.QueueCancel();
    script.QueueChoice("/p/zkc/typed");

    EXPECT_EQ(script.Choose(open), QString("/p/zkc/a.ZKC"));
    EXPECT_EQ(script.Choose(save), std::nullopt);
    EXPECT_EQ(script.Choose(save), QString("/p/zkc/typed.ZKC"));
    EXPECT_EQ(script.Unscripted(), 0);
    EXPECT_EQ(script.Choose(open), std::nullopt) << "script used up: cancelled";
    EXPECT_EQ(script.Unscripted(), 1);
    EXPECT_EQ(script.Requests(), (std::vector<FileRequest>{open, save, save, open}));
}

// The real dialog, driven from inside its own loop.
class QtFileDialogTest : public ::testing::Test {
protected:
    static QFileDialog* OpenDialog() {
        return qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    }
    QString Path(const char* name) const { return dir_.filePath(name); }
    void Touch(const char* name) const {
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    QTemporaryDir dir_;
    QtFileDialogService service_;
};

TEST_F(QtFileDialogTest, SaveDialogIsSetUpFromTheRequestAndAddsTheExtension) {
    ASSERT_TRUE(dir_.isValid());
    const FileRequest request{FileDialogMode::Save,
                              "Save Parameteres",
                              "Conficuration File(*.ZKC)|*.ZKC",
                              "ZKC",
                              dir_.path(),
                              true};
    QFileDialog* seen = nullptr;
    QTimer::singleShot(0, qApp, [&] {
        seen = OpenDialog();
        ASSERT_NE(seen, nullptr);
        EXPECT_EQ(seen->windowTitle(), "Save Parameteres");
        EXPECT_EQ(seen->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(seen->nameFilters(), QStringList({"Conficuration File(*.ZKC)"}));
        EXPECT_EQ(seen->defaultSuffix(), "ZKC");
        EXPECT_EQ(seen->directory().absolutePath(), QDir(dir_.path()).absolutePath());
        EXPECT_FALSE(seen->testOption(QFileDialog::DontConfirmOverwrite));
        seen->selectFile("drive1");
        static_cast<QDialog*>(seen)->accept();
    });
    EXPECT_EQ(service_.Choose(request), Path("drive1.ZKC"));
}

TEST_F(QtFileDialogTest, OverwritePromptAsksBeforeReplacingOnlyWhenRequested) {
    ASSERT_TRUE(dir_.isValid());
    Touch("old.ZKC");
    struct Case {
        bool prompt;
        const char* typed; // with or without the default extension
    };
    for (const Case c :
         {Case{true, "old.ZKC"}, Case{true, "old"}, Case{false, "old.ZKC"}, Case{false, "old"}}) {
        const FileRequest request{FileDialogMode::Save, "", "", "ZKC", dir_.path(), c.prompt};
        bool asked = false;
        QTimer::singleShot(0, qApp, [&] {
            QFileDialog* dialog = OpenDialog();
            ASSERT_NE(dialog, nullptr);
            dialog->selectFile(c.typed);
            // The question box, if any, runs inside accept().
            QTimer::singleShot(0, qApp, [&] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    asked = true;
                    box->button(QMessageBox::Yes)->click();
                }
            });
            static_cast<QDialog*>(dialog)->accept();
        });
        EXPECT_EQ(service_.Choose(request), Path("old.ZKC")) << c.typed;
        EXPECT_EQ(asked, c.prompt) << c.typed;
        QApplication::processEvents();
    }
}

TEST_F(QtFileDialogTest, OpenDialogReturnsTheChosenFileOrNothingWhenCancelled) {
    ASSERT_TRUE(dir_.isValid());
    Touch("drive.ZKC");
    const FileRequest request{FileDialogMode::Open, "",   "Configuration File (*.ZKC)|*.ZKC", "ZKC",
                              dir_.path(),          false};
    QTimer::singleShot(0, qApp, [&] {
        QFileDialog* dialog = OpenDialog();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptOpen);
        EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
        dialog->selectFile("drive.ZKC");
        static_cast<QDialog*>(dialog)->accept();
    });
    EXPECT_EQ(service_.Choose(request), Path("drive.ZKC"));

    QTimer::singleShot(0, qApp, [&] {
        QFileDialog* dialog = OpenDialog();
        ASSERT_NE(dialog, nullptr);
        dialog->reject();
    });
    EXPECT_EQ(service_.Choose(request), std::nullopt);
}

} // namespace
} // namespace zk::platform
