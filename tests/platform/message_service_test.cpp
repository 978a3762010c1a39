// The message seam: the recorder's script, and the real boxes' captions, icons,
// buttons and answers.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <functional>
#include <stdexcept>

#include "zktools/platform/application_title.h"
#include "zktools/platform/message_recorder.h"
#include "zktools/platform/qt_message_service.h"

namespace zk::platform {
namespace {

TEST(MessageRecorderTest, KeepsEveryTextWithItsKindAndAnswersFromTheScript) {
    MessageRecorder recorder;
    recorder.QueueAnswers({Answer::Yes, Answer::No});
    recorder.ShowMessage("PLT3 is not available");
    EXPECT_EQ(recorder.AskWarningYesNo("Do you want to save the changes?"), Answer::Yes);
    EXPECT_EQ(recorder.AskWarningYesNo("Do you want to save the parameters in a file?"),
              Answer::No);
    recorder.ShowException(std::runtime_error("System Error"));

    const std::vector<RecordedMessage> expected{
        {MessageKind::Plain, "PLT3 is not available"},
        {MessageKind::WarningYesNo, "Do you want to save the changes?"},
        {MessageKind::WarningYesNo, "Do you want to save the parameters in a file?"},
        {MessageKind::Exception, "System Error"},
    };
    EXPECT_EQ(recorder.Messages(), expected);
    EXPECT_EQ(recorder.UnscriptedQuestions(), 0);
    EXPECT_EQ(recorder.PendingAnswers(), 0);
}

TEST(MessageRecorderTest, PromptBeyondTheScriptAnswersNoAndIsCounted) {
    MessageRecorder recorder;
    EXPECT_EQ(recorder.AskWarningYesNo("unscripted"), Answer::No);
    EXPECT_EQ(recorder.UnscriptedQuestions(), 1);
    recorder.Clear();
    EXPECT_EQ(recorder.UnscriptedQuestions(), 0);
    EXPECT_TRUE(recorder.Messages().empty());
}

TEST(MessageRecorderTest, CallbackRunsWhileTheBoxIsOpenAndMayShowMore) {
    MessageRecorder recorder;
    std::vector<QString> seen;
    recorder.SetOnMessage([&](const RecordedMessage& m) {
        seen.push_back(m.text);
        if (m.text == "first")
            recorder.ShowMessage("from inside");
    });
    recorder.ShowMessage("first");
    EXPECT_EQ(seen, (std::vector<QString>{"first", "from inside"}));
    EXPECT_EQ(recorder.Texts(), QStringList({"first", "from inside"}));
}

struct BoxCase {
    const char* name;
    std::function<Answer(QtMessageService&)> show;
    QString caption;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    std::function<void(QMessageBox*)> user;
    Answer expected;
};

void PrintTo(const BoxCase& c, std::ostream* os) {
    *os << c.name;
}

QMessageBox* OpenBox() {
    return qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
}

class QtMessageServiceTest : public ::testing::TestWithParam<BoxCase> {
protected:
    QtMessageServiceTest() : previousTitle_(ApplicationTitle()) {
        SetApplicationTitle("VantorTools");
    }
    ~QtMessageServiceTest() override { SetApplicationTitle(previousTitle_); }

private:
    QString previousTitle_;
};

TEST_P(QtMessageServiceTest, BoxShowsTheTextAndAnswersAsClicked) {
    const BoxCase& c = GetParam();
    QString caption, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QTimer::singleShot(0, qApp, [&] {
        QMessageBox* box = OpenBox();
        ASSERT_NE(box, nullptr);
        caption = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = box->standardButtons();
        c.user(box);
    });
    QtMessageService service;
    EXPECT_EQ(c.show(service), c.expected);
    EXPECT_EQ(caption, c.caption);
    EXPECT_EQ(text, "the text ");
    EXPECT_EQ(icon, c.icon);
    EXPECT_EQ(buttons, c.buttons);
    EXPECT_EQ(OpenBox(), nullptr);
}

Answer Plain(QtMessageService& s) {
    s.ShowMessage("the text ");
    return Answer::Yes;
}
Answer Prompt(QtMessageService& s) {
    return s.AskWarningYesNo("the text ");
}
Answer Error(QtMessageService& s) {
    s.ShowException(std::runtime_error("the text "));
    return Answer::Yes;
}
std::function<void(QMessageBox*)> Click(QMessageBox::StandardButton which) {
    return [which](QMessageBox* box) {
        box->button(which)->click();
    };
}
void PressEscape(QMessageBox* box) {
    QTest::keyClick(box, Qt::Key_Escape);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, QtMessageServiceTest,
    ::testing::Values(BoxCase{"plain", Plain, "VantorTools", QMessageBox::NoIcon, QMessageBox::Ok,
                              Click(QMessageBox::Ok), Answer::Yes},
                      BoxCase{"warning_yes", Prompt, "Warning", QMessageBox::Warning,
                              QMessageBox::Yes | QMessageBox::No, Click(QMessageBox::Yes),
                              Answer::Yes},
                      BoxCase{"warning_no", Prompt, "Warning", QMessageBox::Warning,
                              QMessageBox::Yes | QMessageBox::No, Click(QMessageBox::No),
                              Answer::No},
                      BoxCase{"warning_escape", Prompt, "Warning", QMessageBox::Warning,
                              QMessageBox::Yes | QMessageBox::No, PressEscape, Answer::No},
                      BoxCase{"exception", Error, "VantorTools", QMessageBox::Critical,
                              QMessageBox::Ok, Click(QMessageBox::Ok), Answer::Yes}),
    [](const auto& param) { return std::string(param.param.name); });

} // namespace
} // namespace zk::platform
