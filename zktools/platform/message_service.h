// The message seam: plain message boxes, the warning Yes/No prompt and the
// exception display. Every window text a user must acknowledge goes through it.
#ifndef ZKTOOLS_PLATFORM_MESSAGE_SERVICE_H
#define ZKTOOLS_PLATFORM_MESSAGE_SERVICE_H

#include <QString>

#include <exception>

namespace zk::platform {

enum class MessageKind {
    Plain,        // caption the application title, one OK button
    WarningYesNo, // caption "Warning", warning icon, Yes and No
    Exception,    // the exception display: caption the application title, OK
};

enum class Answer { Yes, No };

class MessageService {
public:
    virtual ~MessageService() = default;

    virtual void ShowMessage(const QString& text) = 0;
    // Closing the box without choosing answers No.
    virtual Answer AskWarningYesNo(const QString& text) = 0;
    virtual void ShowExceptionText(const QString& text) = 0;

    void ShowException(const std::exception& error) {
        ShowExceptionText(QString::fromUtf8(error.what()));
    }
};

} // namespace zk::platform

#endif
