#pragma once

#include <string>
#include <vector>

#include "cli/commands/command_outline.hpp"

namespace fretwise::cli {

// What the shells offer for the value of an option or a positional argument.
enum class ValueKind {
    Nothing,   // a shape, a number, a word of the command's own: no list to offer
    Root,      // a note name
    TypeWord,  // a word of a chord type's name ("Minor", "Seventh", ...)
    File,      // a file name, with the command's extension when it has one
};

struct ValueCompletion {
    ValueKind kind = ValueKind::Nothing;
    std::string extension;  // for a File: "fw", "wav"; empty for any file
};

// What a value of the argument is: a root where the argument or its value is named after
// one (SYMBOL|ROOT, --root), a chord type for TYPE, a file for FILE.
ValueCompletion CompletionOf(const std::string& command, const ArgumentOutline& argument);

// The twelve notes spelled with sharps, then the flat spellings that differ.
std::vector<std::string> RootNames();

// Every word of the chord types' names, once each, in the order of the catalogue.
std::vector<std::string> TypeWords();

// The explanation on one line, as a shell shows it beside a candidate.
std::string OneLine(const std::string& text);

}  // namespace fretwise::cli
