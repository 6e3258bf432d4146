#pragma once

#include <string>

#include "core/music/fingering.hpp"

namespace fretwise::cli {

// Frets as guitarists write them, low E string first: "x32010", or values separated by
// blanks ("x 10 12 12 11 10") when a fret has two digits.
std::string GuitaristShape(const PerString& frets);

}  // namespace fretwise::cli
