// The message seam for tests: keeps every text with its kind and answers the
// Yes/No prompts from a script. A prompt with the script used up answers No (the
// answer that starts nothing further) and is counted in UnscriptedQuestions().
#ifndef ZKTOOLS_PLATFORM_MESSAGE_RECORDER_H
#define ZKTOOLS_PLATFORM_MESSAGE_RECORDER_H

#include <QStringList>

#include <deque>
#include <functional>
#include <initializer_list>
#include <vector>

#include "zktools/platform/message_service.h"

namespace zk::platform {

struct RecordedMessage {
    MessageKind kind;
    QString text;
    bool operator==(const RecordedMessage&) const = default;
};

class MessageRecorder : public MessageService {
public:
    void ShowMessage(const QString& text) override;
    Answer AskWarningYesNo(const QString& text) override;
    void ShowExceptionText(const QString& text) override;

    void QueueAnswers(std::initializer_list<Answer> answers);
    int PendingAnswers() const { return static_cast<int>(answers_.size()); }
    int UnscriptedQuestions() const { return unscripted_; }

    const std::vector<RecordedMessage>& Messages() const { return messages_; }
    QStringList Texts() const;
    void Clear();

    // Runs while the "box" is open, after the message was recorded: a test acts
    // here as a user would with the box on screen.
    void SetOnMessage(std::function<void(const RecordedMessage&)> callback) {
        onMessage_ = std::move(callback);
    }

private:
    void Record(MessageKind kind, const QString& text);

    std::vector<RecordedMessage> messages_;
    std::deque<Answer> answers_;
    int unscripted_ = 0;
    std::function<void(const RecordedMessage&)> onMessage_;
};

} // namespace zk::platform

#endif
