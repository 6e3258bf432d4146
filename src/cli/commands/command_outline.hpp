#pragma once

#include <string>
#include <vector>

namespace fretwise::cli {

// What the shells offer for the value of an argument, as the argument declares it: nothing
// (a shape, a number), a list of words, or file names.
struct Offer {
    enum class Kind { Nothing, Words, Files };
    Kind kind = Kind::Nothing;
    std::string list;                // Words: the list's name in the completion scripts
    std::vector<std::string> words;  // Words: the candidates; Files: the extensions, or none
                                     // for any file

    bool operator==(const Offer&) const = default;
};

// The whole command line of fretwise-cli as plain data, read from its CLI11 tree, for the
// manual page and the shell completions: whatever a command declares appears in them.
struct ArgumentOutline {
    std::vector<std::string> names;  // "-o", "--output"; a positional argument: "SHAPE"
    std::string valueName;           // "FILE"; empty for a flag
    std::string explanation;
    bool positional = false;
    bool repeats = false;  // a positional argument that takes any number of words
    Offer offer;           // what completes its value
};

struct CommandOutline {
    std::string name;
    std::string summary;
    std::string details;
    std::vector<ArgumentOutline> arguments;  // positional arguments first, then the options
};

struct CommandLineOutline {
    std::string program;
    std::string summary;
    std::string footer;
    std::vector<CommandOutline> commands;
};

}  // namespace fretwise::cli
