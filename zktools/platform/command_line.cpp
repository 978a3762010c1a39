#include "zktools/platform/command_line.h"

namespace zk::platform {

QStringList TypedArguments(int argc, const char* const* argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

bool IsFactoryCommandLine(const QStringList& arguments) {
    return arguments.size() == 1 &&
           arguments.front().compare(QLatin1String("-factory"), Qt::CaseInsensitive) == 0;
}

} // namespace zk::platform
