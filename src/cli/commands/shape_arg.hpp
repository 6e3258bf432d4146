#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "cli/commands/command.hpp"
#include "core/music/fingering.hpp"

namespace fretwise::cli {

struct ShapeArg {
    std::optional<PerString> frets;  // in string order: element 0 = high E
    std::string error;               // why the text is not a shape, when frets is empty
    int consumed = 0;                // how many arguments the shape took (1 or 6)
};

// Reads a shape written low E string first, as guitarists write it: six characters
// ("x32010", digit or x), or six values separated by spaces or commas ("x 3 2 0 1 0",
// "x,3,2,0,1,0"), given as one argument or as six. x, X and -1 mean not played; frets 0-24.
ShapeArg ParseShape(Args args);

// The words must hold exactly one shape; otherwise throws UsageError saying why. A word after
// the shape is "unexpected argument 'WORD'", then afterShape.
PerString WholeShape(Args words, std::string_view afterShape = {});

}  // namespace fretwise::cli
