#include "core/music/pitch.hpp"

#include <array>

namespace fretwise {

namespace {

// Indexed by pitch class: G#/Ab first, then A ... G.
constexpr std::array<std::string_view, 12> kSharpNames = {"G#", "A",  "A#", "B", "C",  "C#",
                                                          "D",  "D#", "E",  "F", "F#", "G"};
constexpr std::array<std::string_view, 12> kFlatNames = {"Ab", "A",  "Bb", "B", "C",  "Db",
                                                         "D",  "Eb", "E",  "F", "Gb", "G"};

}  // namespace

std::string_view NoteName(int pitch, Accidentals mode) {
    const int r = PitchClass(pitch);
    if (r < 0) {
        return "x";
    }
    return mode == Accidentals::Sharps ? kSharpNames[r] : kFlatNames[r];
}

}  // namespace fretwise
