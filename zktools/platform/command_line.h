// The program's arguments as the user typed them.
#ifndef ZKTOOLS_PLATFORM_COMMAND_LINE_H
#define ZKTOOLS_PLATFORM_COMMAND_LINE_H

#include <QStringList>

namespace zk::platform {

// argv[1] to argv[argc - 1], without the program's name. Take them before the application
// object exists: it removes the options it handles itself ("-style", "-reverse",
// "-platform" ...) from argc and argv in place, and QCoreApplication::arguments() no
// longer holds them.
QStringList TypedArguments(int argc, const char* const* argv);

// Factory mode, for the tool and the launcher alike: exactly one argument, "-factory" in
// any letter case. `arguments` leaves out the program's own name.
bool IsFactoryCommandLine(const QStringList& arguments);

} // namespace zk::platform

#endif
