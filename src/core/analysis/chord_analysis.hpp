#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/music/chord_omissions.hpp"
#include "core/music/fingering.hpp"
#include "core/music/vocabulary.hpp"

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
    // Full vocabulary: the notes of the type that do not sound, bit k = k semitones above the
    // root (a thirteenth without its eleventh), and whether the bass is no note of the type
    // (a slash name, Am/G).
    NoteBits Omits = 0;
    bool ForeignBass = false;

    bool operator==(const ChordName&) const = default;
};

// The classic catalogue gives at most one name per sounding pitch class, so at most six; the
// full vocabulary more.
struct ChordAnalysis {
    std::int16_t NameCount = 0;
    std::vector<ChordName> ChordNames = std::vector<ChordName>(kStringCount);
};

// Names the chord that the Note values of the shape sound. The classic catalogue tries every
// sounding pitch class once as the root, in the order the classes first appear from string
// 0. The full vocabulary gives every reading of the notes (chord_readings.hpp) in the order
// charts print them; of readings ranked alike, the root nearer string 0 first.
ChordAnalysis AnalyseChord(const Fingering& shape, Accidentals mode,
                           Vocabulary vocabulary = Vocabulary::Classic);

// The same into an existing result, reusing its texts' storage: for callers that name many
// shapes in a row. Entries from NameCount on keep whatever they held before.
void AnalyseChordInto(const Fingering& shape, Accidentals mode, ChordAnalysis& result,
                      Vocabulary vocabulary = Vocabulary::Classic);

}  // namespace fretwise
