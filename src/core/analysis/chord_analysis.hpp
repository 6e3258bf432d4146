#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/music/fingering.hpp"

namespace fretwise {

// One way of naming the chord on the fretboard.
struct ChordName {
    std::string Root;         // note name of the root, spelled in the mode in force
    std::int16_t Thirds = 0;  // strings sounding the pattern's third
    std::int16_t Fifths = 0;  // strings sounding the pattern's fifth
    std::string Name;         // lower-case chord name, "Octave" or an interval name
    std::string Abbrev;       // suffix after the root in the short name
    std::string Inversion;    // "Root Position", "First", "Second" or "Third"
    std::int16_t Type = -1;   // list position of the type named
    std::string Bass;         // note name of the lowest sounding string

    bool operator==(const ChordName&) const = default;
};

// Six strings sound at most six pitch classes, so there are at most six names.
struct ChordAnalysis {
    std::int16_t NameCount = 0;
    std::array<ChordName, kStringCount> ChordNames;
};

// Names the chord that the Note values of the shape sound; every sounding pitch class is
// tried once as the root, in the order the classes first appear from string 0.
ChordAnalysis AnalyseChord(const Fingering& shape, Accidentals mode);

// The same into an existing result, reusing its texts' storage: for callers that name many
// shapes in a row. Entries from NameCount on keep whatever they held before.
void AnalyseChordInto(const Fingering& shape, Accidentals mode, ChordAnalysis& result);

}  // namespace fretwise
