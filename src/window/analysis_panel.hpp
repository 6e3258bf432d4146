#pragma once

#include <string>

#include "core/analysis/chord_analysis.hpp"
#include "window/display_state.hpp"

namespace fretwise {

// "C major", or for the octave and the intervals "C - Perfect Fifth".
std::string FullChordName(const ChordName& name);

// Greys the five panel labels with their empty captions and clears the symbol, the shape's
// name, the frame caption and the short name.
void ClearChordName(DisplayState& display);

// Shows one name of the chord in the panel, the frame caption and the short name. Chords
// fill every label; the octave and the intervals (a root but no third) only name and
// inversion. The symbol is shown wherever the type has one.
void ShowChordName(DisplayState& display, const ChordName& name);

// With a capo: the same name of the shape as played without it, "Shape: G major".
void ShowShapeName(DisplayState& display, const ChordName& name);

}  // namespace fretwise
