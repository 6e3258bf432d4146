#pragma once

#include <array>
#include <string_view>

#include "core/sound/reference_tones.hpp"

namespace fretwise {

// The tones the tuner offers: what its lists show and what each button sounds.

// An entry of the "Note:" list and its distance from A in semitones (the item data).
struct TunerNote {
    std::string_view name;
    int offsetFromA;
};

inline constexpr std::array<TunerNote, 12> kTunerNotes{{{"C", 3},
                                                        {"B", 2},
                                                        {"Bb", 1},
                                                        {"A", 0},
                                                        {"Ab", -1},
                                                        {"G", -2},
                                                        {"Gb", -3},
                                                        {"F", -4},
                                                        {"E", -5},
                                                        {"Eb", -6},
                                                        {"D", -7},
                                                        {"Db", -8}}};

inline constexpr std::array<std::string_view, 5> kTunerOctaves{"+2", "+1", "0", "-1", "-2"};

// An entry of the "Tune a band" list and its recorded tone.
struct BandTone {
    std::string_view name;
    ReferenceTone tone;
};

inline constexpr std::array<BandTone, 3> kBandTones{{{"Concert A", kConcertTones[0]},
                                                     {"Concert Bb", kConcertTones[1]},
                                                     {"Concert C", kConcertTones[2]}}};

}  // namespace fretwise
