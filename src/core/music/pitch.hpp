#pragma once

#include <cstdint>
#include <string_view>

namespace fretwise {

// A pitch number counts semitones without octave: 1 = A, 2 = A#/Bb, ... 12 = G#/Ab,
// 13 = A again. Any negative value marks a string that is not played.
using Pitch = std::int16_t;

constexpr Pitch kNotPlayed = -1;

// How note names are spelled.
enum class Accidentals { Sharps, Flats };

// Remainder of a pitch number by 12 with the sign of the number (truncating), so the
// classes run 0..11 with G#/Ab = 0, A = 1, ... G = 11, and -1 stays -1.
constexpr std::int16_t PitchClass(int pitch) {
    return static_cast<std::int16_t>(pitch % 12);
}

// The spelled name of a pitch number; "x" for a string not played.
std::string_view NoteName(int pitch, Accidentals mode);

}  // namespace fretwise
