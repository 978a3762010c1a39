// Help: the application's hook and help file, the desktop viewer and the recorder.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <vector>

#include "tests/platform/platform_fakes.h"
#include "zktools/platform/desktop_help_service.h"
#include "zktools/platform/help_requests.h"

namespace zk::platform {
namespace {

class HelpRequestsTest : public ::testing::Test {
protected:
    HelpRequestsTest() : previousFile_(HelpFile()), previousHook_(SetHelpHook({})) {
        SetHelpFile("/opt/zk/Dozudezeza.DIV");
    }
    ~HelpRequestsTest() override {
        SetHelpFile(previousFile_);
        SetHelpHook(previousHook_);
    }

    const std::vector<HelpRecorder::Call>& Calls() const { return fakes_.help.Calls(); }

    testing::PlatformFakes fakes_;

private:
    QString previousFile_;
    HelpHook previousHook_;
};

TEST_F(HelpRequestsTest, WithoutAHookEveryRequestOpensTheHelpFile) {
    const HelpRequest requests[] = {HelpRequest::Contents(), HelpRequest::PartialKey(""),
                                    HelpRequest::PartialKey("IVMode"), HelpRequest::Context(314)};
    for (const HelpRequest& request : requests)
        RequestHelp(request);
    ASSERT_EQ(Calls().size(), std::size(requests));
    for (size_t i = 0; i < std::size(requests); ++i)
        EXPECT_EQ(Calls()[i], (HelpRecorder::Call{"/opt/zk/Dozudezeza.DIV", requests[i]}));
}

TEST_F(HelpRequestsTest, HookMayAnswerARequestItselfOrLeaveItToTheStandardProcessing) {
    // As the main window does: an empty partial key becomes the selected name.
    std::vector<HelpRequest> seen;
    SetHelpHook([&](const HelpRequest& request) {
        seen.push_back(request);
        if (request.command != HelpCommand::PartialKey || !request.key.isEmpty())
            return false;
        ShowHelp(HelpRequest::PartialKey("Kip"));
        return true;
    });
    RequestHelp(HelpRequest::Contents());
    RequestHelp(HelpRequest::PartialKey(""));
    RequestHelp(HelpRequest::Context(2));

    EXPECT_EQ(seen, (std::vector<HelpRequest>{HelpRequest::Contents(), HelpRequest::PartialKey(""),
                                              HelpRequest::Context(2)}));
    const std::vector<HelpRecorder::Call> expected{
        {"/opt/zk/Dozudezeza.DIV", HelpRequest::Contents()},
        {"/opt/zk/Dozudezeza.DIV", HelpRequest::PartialKey("Kip")},
        {"/opt/zk/Dozudezeza.DIV", HelpRequest::Context(2)},
    };
    EXPECT_EQ(Calls(), expected);
}

TEST(DesktopHelpServiceTest, OpensTheFileOnlyWhenItExistsAndSaysWhyNotInAMessageBox) {
    testing::PlatformFakes fakes;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString present = dir.filePath("Dozudezeza.DIV");
    {
        QFile file(present);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    std::vector<QUrl> opened;
    bool viewerSucceeds = true;
    DesktopHelpService service([&](const QUrl& url) {
        opened.push_back(url);
        return viewerSucceeds;
    });

    const QString missing = dir.filePath("missing.DIV");
    EXPECT_FALSE(service.Show(missing, HelpRequest::Contents()));
    EXPECT_FALSE(service.Show("", HelpRequest::Contents()));
    EXPECT_FALSE(service.Show(dir.path(), HelpRequest::Contents())) << "a folder is no help file";
    EXPECT_TRUE(opened.empty());
    EXPECT_EQ(
        fakes.messages.Texts(),
        (QStringList{"Cannot find the help file " + missing + ".", "Cannot find the help file.",
                     "Cannot find the help file " + dir.path() + "."}));
    fakes.messages.Clear();

    EXPECT_TRUE(service.Show(present, HelpRequest::PartialKey("IVMode")));
    EXPECT_TRUE(fakes.messages.Texts().isEmpty()) << fakes.messages.Texts().join('|').toStdString();
    viewerSucceeds = false;
    EXPECT_FALSE(service.Show(present, HelpRequest::Context(4)));
    EXPECT_EQ(opened,
              (std::vector<QUrl>{QUrl::fromLocalFile(present), QUrl::fromLocalFile(present)}));
    EXPECT_EQ(fakes.messages.Texts(), QStringList{"Cannot open the help file " + present +
                                                  ": no program to show it could be started."});
}

TEST(DesktopHelpServiceTest, NamesTheFullPathOfAFileGivenRelatively) {
    testing::PlatformFakes fakes;
    DesktopHelpService service([](const QUrl&) { return true; });
    EXPECT_FALSE(service.Show("no-such-dir/Dozudezeza.DIV", HelpRequest::Contents()));
    EXPECT_EQ(fakes.messages.Texts(),
              QStringList{"Cannot find the help file " +
                          QDir::current().absoluteFilePath("no-such-dir/Dozudezeza.DIV") + "."});
}

} // namespace
} // namespace zk::platform
