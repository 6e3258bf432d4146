#pragma once

#include <iosfwd>
#include <span>
#include <string>
#include <string_view>

namespace fretwise::cli {

// Exit statuses shared by every command.
constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;  // the command ran but could not do what was asked
constexpr int kExitUsage = 2;    // bad arguments

// What a command reads and writes; the tests pass string streams.
struct Io {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
};

using Args = std::span<const std::string>;
using CommandFn = int (*)(Args args, Io io);

struct Command {
    std::string_view name;
    std::string_view summary;
    CommandFn run;
};

// The commands that need only the core, in the order --help lists them.
std::span<const Command> CoreCommands();

// Runs "fretwise-cli ARGS..." (without the program name) over the given commands and
// returns the exit status.
int RunCli(std::span<const Command> commands, Args args, Io io);

}  // namespace fretwise::cli
