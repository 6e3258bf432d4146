#pragma once

#include <string>

#include "cli/commands/command_outline.hpp"

namespace fretwise::cli {

// The completion of fretwise-cli for bash: commands, each command's options, and for values
// what each argument offers (cli/commands/offers.hpp): roots, words of the chord types,
// tuning ids, orders ... or the command's files.
// Installed as share/bash-completion/completions/fretwise-cli.
std::string BashCompletion(const CommandLineOutline& outline);

// The same for zsh, installed as share/zsh/vendor-completions/_fretwise-cli.
std::string ZshCompletion(const CommandLineOutline& outline);

}  // namespace fretwise::cli
