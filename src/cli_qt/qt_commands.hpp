#pragma once

#include <span>

#include "cli/command.hpp"

namespace fretwise::cli {

// The commands of fretwise-cli that need Qt, in the order --help lists them.
std::span<const Command> QtCommands();

int RunDiagram(Args args, Io io);
int RunPlay(Args args, Io io);

}  // namespace fretwise::cli
