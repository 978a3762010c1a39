// The help seam: contents, search by partial key (an empty key opens the topic
// search) and topics by context number, all in one help file.
#ifndef ZKTOOLS_PLATFORM_HELP_SERVICE_H
#define ZKTOOLS_PLATFORM_HELP_SERVICE_H

#include <QString>

namespace zk::platform {

enum class HelpCommand { Contents, PartialKey, Context };

struct HelpRequest {
    HelpCommand command = HelpCommand::Contents;
    QString key;     // PartialKey
    int context = 0; // Context
    bool operator==(const HelpRequest&) const = default;

    static HelpRequest Contents() { return {HelpCommand::Contents, {}, 0}; }
    static HelpRequest PartialKey(const QString& key) { return {HelpCommand::PartialKey, key, 0}; }
    static HelpRequest Context(int number) { return {HelpCommand::Context, {}, number}; }
};

class HelpService {
public:
    virtual ~HelpService() = default;
    // true when the help was opened.
    virtual bool Show(const QString& helpFile, const HelpRequest& request) = 0;
};

} // namespace zk::platform

#endif
