#include <iostream>
#include <string>
#include <vector>

#include "cli/commands/command.hpp"
#ifdef FRETWISE_CLI_QT
#include "cli/qt/qt_commands.hpp"
#endif

int main(int argc, char** argv) {
    using namespace fretwise::cli;
    std::ios::sync_with_stdio(false);
    std::vector<CommandInfo> commands(CoreCommands().begin(), CoreCommands().end());
#ifdef FRETWISE_CLI_QT
    commands.insert(commands.end(), QtCommands().begin(), QtCommands().end());
#endif
    const std::vector<std::string> args(argv + 1, argv + argc);
    return RunCli(commands, args, {std::cin, std::cout, std::cerr});
}
