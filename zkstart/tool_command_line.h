// The tool's command line as the launcher builds it, and the launcher's own
// factory switch.
#ifndef ZKSTART_TOOL_COMMAND_LINE_H
#define ZKSTART_TOOL_COMMAND_LINE_H

#include "zktools/platform/command_line.h"

#include <QStringList>

#include <array>

namespace zk::start {

// The arguments as given, without the program's name. Taken from argv before the
// application object strips the options it handles itself ("-style", "-platform"),
// so those count as arguments here too.
QStringList LauncherArguments(int argc, const char* const* argv);

using zk::platform::IsFactoryCommandLine;

using CommandLineBuffer = std::array<char, 80>;

// "zktools.exe -factory " or "zktools.exe ", NUL-terminated, zeros after.
CommandLineBuffer ToolCommandLine(bool factoryMode);

} // namespace zk::start

#endif
