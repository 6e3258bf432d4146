#pragma once

#include <string>

#include "cli/commands/command_outline.hpp"

namespace fretwise::cli {

// The manual pages of the programs of the given version ("1.1").

// fretwise-cli(1): every command with its arguments, options and explanations as the command
// line declares them, the exit statuses and the files.
std::string CliManualPage(const CommandLineOutline& outline, const std::string& version);

// fretwise(1): the window, its command line, exit status and files.
std::string WindowManualPage(const std::string& version);

}  // namespace fretwise::cli
