// The help seam for tests: keeps every request with the help file it named.
#ifndef ZKTOOLS_PLATFORM_HELP_RECORDER_H
#define ZKTOOLS_PLATFORM_HELP_RECORDER_H

#include <vector>

#include "zktools/platform/help_service.h"

namespace zk::platform {

class HelpRecorder : public HelpService {
public:
    struct Call {
        QString helpFile;
        HelpRequest request;
        bool operator==(const Call&) const = default;
    };

    bool Show(const QString& helpFile, const HelpRequest& request) override;

    const std::vector<Call>& Calls() const { return calls_; }
    void Clear() { calls_.clear(); }

private:
    std::vector<Call> calls_;
};

} // namespace zk::platform

#endif
