#include <ostream>

#include "cli/commands/arg_parser.hpp"
#include "cli/commands/command_list.hpp"
#include "fretwise/version.hpp"

namespace fretwise::cli {

namespace {

struct VersionRequest {};

void Declare(ArgParser& parser, VersionRequest&) {
    parser.Stray([](const std::string&) { return "takes no arguments"; });
}

int Run(const VersionRequest&, Io io) {
    io.out << kVersionedName << '\n';
    return kExitOk;
}

}  // namespace

std::unique_ptr<Command> MakeVersionCommand() {
    return MakeCommand<VersionRequest, Declare, Run>();
}

}  // namespace fretwise::cli
