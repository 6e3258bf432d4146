#pragma once

#include <vector>

#include "core/music/fingering.hpp"
#include "core/music/pitch.hpp"
#include "core/music/tuning.hpp"

namespace fretwise {

// The note number a string sounds at a pitch number: in standard tuning the open strings,
// high E to low E, sound 19, 14, 10, 5, 0 and -5, one octave above a guitar's real pitch (the
// register in which guitar music is written). The string is 0 (high E) to 5 (low E).
int SoundNoteOfString(int string, Pitch note, const OpenStrings& strings = {});

// The notes the play buttons hand to the synthesis: every played string of the shape's
// Note, high E string first, so the high E string is heard first in a strum.
std::vector<double> ChordNotesToPlay(const Fingering& shape, const OpenStrings& strings = {});

}  // namespace fretwise
