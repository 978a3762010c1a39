// The message seam over QMessageBox.
#ifndef ZKTOOLS_PLATFORM_QT_MESSAGE_SERVICE_H
#define ZKTOOLS_PLATFORM_QT_MESSAGE_SERVICE_H

#include "zktools/platform/message_service.h"

namespace zk::platform {

class QtMessageService : public MessageService {
public:
    void ShowMessage(const QString& text) override;
    Answer AskWarningYesNo(const QString& text) override;
    void ShowExceptionText(const QString& text) override;
};

} // namespace zk::platform

#endif
