#pragma once

#include <memory>
#include <span>

#include "cli/commands/command.hpp"

namespace fretwise::cli {

// The commands of fretwise-cli that need Qt, in the order --help lists them.
std::span<const CommandInfo> QtCommands();

std::unique_ptr<Command> MakeDiagramCommand();
std::unique_ptr<Command> MakePlayCommand();
std::unique_ptr<Command> MakeSheetCommand();

}  // namespace fretwise::cli
