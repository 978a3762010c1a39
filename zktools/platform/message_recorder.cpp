#include "zktools/platform/message_recorder.h"

namespace zk::platform {

void MessageRecorder::Record(MessageKind kind, const QString& text) {
    messages_.push_back({kind, text});
    if (onMessage_) {
        // A copy: the callback may show further messages.
        const RecordedMessage shown = messages_.back();
        onMessage_(shown);
    }
}

void MessageRecorder::ShowMessage(const QString& text) {
    Record(MessageKind::Plain, text);
}

Answer MessageRecorder::AskWarningYesNo(const QString& text) {
    Answer answer = Answer::No;
    if (answers_.empty()) {
        ++unscripted_;
    } else {
        answer = answers_.front();
        answers_.pop_front();
    }
    Record(MessageKind::WarningYesNo, text);
    return answer;
}

void MessageRecorder::ShowExceptionText(const QString& text) {
    Record(MessageKind::Exception, text);
}

void MessageRecorder::QueueAnswers(std::initializer_list<Answer> answers) {
    answers_.insert(answers_.end(), answers.begin(), answers.end());
}

QStringList MessageRecorder::Texts() const {
    QStringList texts;
    for (const auto& message : messages_)
        texts << message.text;
    return texts;
}

void MessageRecorder::Clear() {
    messages_.clear();
    answers_.clear();
    unscripted_ = 0;
}

} // namespace zk::platform
