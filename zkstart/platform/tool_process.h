// How a process command line becomes a program and its arguments on Linux: the
// first word names the program (a trailing ".exe" dropped, any case), found in
// the launcher's own folder unless it is an absolute path; the other words,
// split at blanks and tabs, are the arguments.
#ifndef ZKSTART_PLATFORM_TOOL_PROCESS_H
#define ZKSTART_PLATFORM_TOOL_PROCESS_H

#include <QString>
#include <QStringList>

#include <optional>

namespace zk::start {

struct ToolProcess {
    QString program;
    QStringList arguments;
    bool operator==(const ToolProcess&) const = default;
};

// Empty when the command line holds no word.
std::optional<ToolProcess> ToolProcessFor(const QString& commandLine, const QString& launcherDir);

} // namespace zk::start

#endif
