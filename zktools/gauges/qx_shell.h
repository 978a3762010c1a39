// Opening a file or program through the desktop (what the gauges' help links use).
#ifndef ZKTOOLS_GAUGES_QX_SHELL_H
#define ZKTOOLS_GAUGES_QX_SHELL_H

#include <QString>

#include <functional>

namespace zk::gauges {

// Results as the shell reports them: above 32 is success.
inline constexpr int kShellOk = 42;
inline constexpr int kShellFileNotFound = 2;
inline constexpr int kShellPathNotFound = 3;
inline constexpr int kShellNoAssociation = 31;

// Opens file (relative to directory when not absolute) with the desktop's viewer,
// or starts it with parameters when it is an executable program. show is a
// show-window code and is not used here.
int QxExecuteFile(const QString& file, const QString& parameters, const QString& directory,
                  int show);

// What actually starts or opens: gets the resolved path, the parameters and the
// working folder, returns a shell result. Tests replace it; an empty function
// restores the desktop one.
using ShellLauncher =
    std::function<int(const QString& path, const QString& parameters, const QString& directory)>;
void SetShellLauncher(ShellLauncher launcher);

} // namespace zk::gauges

#endif
