#pragma once

#include <string>
#include <vector>

#include "cli/commands/command_outline.hpp"

namespace fretwise::cli {

// The lists of words the arguments offer (Offer::Kind::Words), each once, in the order the
// command line first uses them; the scripts hold each in a variable of its own.
std::vector<Offer> WordLists(const CommandLineOutline& outline);

// The explanation on one line, as a shell shows it beside a candidate.
std::string OneLine(const std::string& text);

}  // namespace fretwise::cli
