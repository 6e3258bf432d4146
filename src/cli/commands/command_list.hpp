#pragma once

// The commands of the core; commands.cpp lists them in its table.
#include <memory>

#include "cli/commands/command.hpp"

namespace fretwise::cli {

std::unique_ptr<Command> MakeVersionCommand();
std::unique_ptr<Command> MakeNameCommand();
std::unique_ptr<Command> MakeCreateCommand();
std::unique_ptr<Command> MakeWavCommand();
std::unique_ptr<Command> MakeOpenCommand();
std::unique_ptr<Command> MakeSaveCommand();
std::unique_ptr<Command> MakeShowCommand();
std::unique_ptr<Command> MakePitchCommand();
std::unique_ptr<Command> MakeSongCommand();

}  // namespace fretwise::cli
