#pragma once

#include <string>

#include "cli/commands/command_outline.hpp"

namespace fretwise::cli {

// The completion of fretwise-cli for bash: commands, each command's options, and for values
// the roots, the words of the chord types and the command's files (completion_values.hpp).
// Installed as share/bash-completion/completions/fretwise-cli.
std::string BashCompletion(const CommandLineOutline& outline);

// The same for zsh, installed as share/zsh/vendor-completions/_fretwise-cli.
std::string ZshCompletion(const CommandLineOutline& outline);

}  // namespace fretwise::cli
