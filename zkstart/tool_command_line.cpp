#include "zkstart/tool_command_line.h"

#include <string_view>

namespace zk::start {

QStringList LauncherArguments(int argc, const char* const* argv) {
    return zk::platform::TypedArguments(argc, argv);
}

CommandLineBuffer ToolCommandLine(bool factoryMode) {
    constexpr std::string_view normal = "zktools.exe ";
    constexpr std::string_view factory = "zktools.exe -factory ";
    static_assert(factory.size() < CommandLineBuffer{}.size());
    const std::string_view text = factoryMode ? factory : normal;
    CommandLineBuffer buffer{};
    text.copy(buffer.data(), text.size());
    return buffer;
}

} // namespace zk::start
