#pragma once

#include <array>
#include <cstdint>

#include "core/music/chord_omissions.hpp"

namespace fretwise {

// One way the full vocabulary reads a set of sounding pitch classes. Left uninitialised by
// default: naming fills a few of many at every refresh.
struct ChordReading {
    std::int8_t root;  // pitch class (G#/Ab = 0, A = 1 ... G = 11)
    std::int8_t type;  // position in kChordTypes
    NoteBits omits;    // notes of the type that do not sound, bit k = k semitones above
    bool foreignBass;  // the bass is no note of the type: a slash name
    float rank;        // where charts put the reading among the others: lower first
};

// At most every sounding class as the root of a few types, with a few omissions each, and
// one slash name.
constexpr int kMaxReadings = 48;

struct ChordReadings {
    std::array<ChordReading, kMaxReadings> readings;
    int size = 0;

    const ChordReading* begin() const { return readings.data(); }
    const ChordReading* end() const { return readings.data() + size; }
};

// How many strings sound each pitch class.
using ClassCounts = std::array<std::int16_t, 12>;

// Every reading of the sounding classes in the full vocabulary, ranked but not sorted: each
// type whose notes sound above a sounding root, all of them or all but a set guitarists leave
// out (the octave only with its class on two strings), and, when the bass is no note of a
// reading of the classes above it, the best such reading as a slash name. The rank puts
// complete readings before those with left-out notes, the root in the bass before
// inversions, inversions on the third, fifth or seventh before the rest, fewer left-out
// notes and fewer notes first, and everyday types before rare ones.
ChordReadings ReadClasses(const ClassCounts& counts, int bass);

}  // namespace fretwise
