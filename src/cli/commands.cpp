#include <algorithm>
#include <ostream>

#include "cli/command.hpp"
#include "cli/command_list.hpp"

namespace fretwise::cli {

std::span<const Command> CoreCommands() {
    static const Command kCommands[] = {
        {"version", "print the program's version", RunVersion},
        {"name", "name a shape and finger it", RunName},
        {"create", "find the playable fingerings of a chord, easiest first", RunCreate},
        {"wav", "render a chord or a note as a WAV file", RunWav},
        {"open", "read a chord file and name its chord", RunOpen},
        {"save", "write a shape to a chord file", RunSave},
        {"show", "show what the main window shows for a shape", RunShow},
    };
    return kCommands;
}

namespace {

void PrintUsage(std::span<const Command> commands, std::ostream& out) {
    out << "Usage: fretwise-cli COMMAND [ARGS...]\n"
           "Names, fingers and creates guitar chords from the command line.\n\n"
           "Commands:\n";
    for (const Command& c : commands) {
        out << "  " << c.name << std::string(std::max<std::size_t>(2, 12 - c.name.size()), ' ')
            << c.summary << '\n';
    }
    out << "\nRun 'fretwise-cli COMMAND --help' for the options of a command.\n";
}

}  // namespace

int RunCli(std::span<const Command> commands, Args args, Io io) {
    if (args.empty()) {
        PrintUsage(commands, io.err);
        return kExitUsage;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        PrintUsage(commands, io.out);
        return kExitOk;
    }
    for (const Command& c : commands) {
        if (args[0] == c.name) {
            return c.run(args.subspan(1), io);
        }
    }
    io.err << "fretwise-cli: unknown command '" << args[0] << "' (try 'fretwise-cli --help')\n";
    return kExitUsage;
}

}  // namespace fretwise::cli
