#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "core/create/fingering_search.hpp"
#include "core/music/chord_symbol.hpp"
#include "core/music/fingering.hpp"
#include "core/music/tuning.hpp"

namespace fretwise {

// How the shapes of a song's chords are found: the strings they sound on (tuning and capo)
// and the order that ranks them.
struct ShapeSearch {
    OpenStrings strings{};
    CreateOrder order = CreateOrder::Guitarist;
    // The chords the names are read in: songs use the chart symbols of the full vocabulary
    // (7#9, m(maj7), Am/G).
    Vocabulary vocabulary = Vocabulary::Full;
};

// A shape a chord can be played with, fingered, and what it costs the hand in a song: the
// lower, the easier. The cost is the order's value of the shape negated (ShapeMerit) with
// what a song's player weighs besides, on one scale, so costs of different chords compare.
struct ShapeChoice {
    Fingering shape;
    float cost = 0.0f;
};

// The chord a song's chord name asks for; nullopt when no chord type of the vocabulary reads
// it.
std::optional<ChordSymbol> ResolveChordName(std::string_view name, Vocabulary vocabulary);

// The shapes of a chord over the whole neck, cheapest first, at most limit of them; with a
// bass note only the shapes that sound it lowest (a bass outside the chord sounds with it:
// Am/G is played as A minor seventh over G). Empty when none is playable.
std::vector<ShapeChoice> ChordShapes(const ChordSymbol& chord, const ShapeSearch& search,
                                     std::size_t limit);

// A shape given by its frets (counted from the capo), fingered.
Fingering GivenShape(const PerString& frets, const OpenStrings& strings);

// The shape with the fingers given (0 for none) and the barre they make: one finger on two
// strings or more at one fret lies across them.
Fingering WithFingers(Fingering shape, const PerString& fingers);

}  // namespace fretwise
