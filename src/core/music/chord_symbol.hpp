#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/music/chord_omissions.hpp"
#include "core/music/pitch.hpp"
#include "core/music/vocabulary.hpp"

namespace fretwise {

// A chord as a songbook writes it: "C#m7b5", "Bbmaj7", "D/F#", "Am/G".
struct ChordSymbol {
    int root = 0;  // root list position 0-11 (0 = A)
    int type = 0;  // chord type list position of the type written before any slash
    // The pitch class (A = 1 ... G = 11, G#/Ab = 0) written after a slash, which must sound
    // on the lowest string; nullopt when the symbol names no bass. A bass that is no note of
    // the type adds its note to the chord (see ChordSounded).
    std::optional<int> bass;
    // Flats when the root or the bass is written with a flat.
    Accidentals spelling = Accidentals::Sharps;

    bool operator==(const ChordSymbol&) const = default;
};

// The chord a symbol reads as.
struct SymbolReading {
    std::optional<ChordSymbol> chord;
    std::string error;  // when there is no chord: "'Cmaj13': no chord type 'maj13' (known: ...)"
};

// Reads a root A-G (or a-g) with an optional sharp or flat (#, b or the signs), a chord type
// of the vocabulary and an optional "/" with any bass note. Spaces and parentheses are
// ignored, and so is letter case except for a lone M (major) against m (minor). Every symbol
// and short-name suffix the program prints reads back as its own type, except that "sus4"
// is the suspended triad as guitarists write it; the common spellings ("min7", "-7", "M7",
// "Δ", "ø", "°7", "7#5", "add2" ...) and the type names ("Minor Sixth") read too. The full
// vocabulary also reads - for a flat and + for a sharp before a number ("7-9", "7+5"), a
// trailing + for a sharp fifth ("7+"), ^ for maj and commas between alterations. A bass
// outside the chord reads where the chord and the bass together are a type of the
// vocabulary (Am/G is A minor seventh over G); in the full vocabulary it always reads.
SymbolReading ReadChordSymbol(std::string_view text, Vocabulary vocabulary = Vocabulary::Classic);

// What a symbol asks the strings to sound.
struct SoundedChord {
    int type = 0;  // the type searched: Am/G searches Minor Seventh
    // With a bass outside every type of the vocabulary: the bass note, in semitones above
    // the root, that sounds besides the type's notes; -1 otherwise.
    int addedNote = -1;
};

// The chord a symbol sounds in the vocabulary: its type, or for a bass outside the chord the
// type that holds the chord and the bass, or in the full vocabulary the written type with the
// bass added. nullopt in the classic vocabulary when no classic type holds them both.
std::optional<SoundedChord> ChordSounded(const ChordSymbol& chord, Vocabulary vocabulary);

// The notes of a sounded chord, bit k for k semitones above the root.
NoteBits SoundedNotes(const SoundedChord& chord);

// The symbol of a chord in the spelling of mode: "C#m7b5", "D/F#" (the bass only when it is
// not the root); nullopt for a type with no symbol (intervals other than the fifth, the
// octave).
std::optional<std::string> ChordSymbolText(const ChordSymbol& chord, Accidentals mode);

// The same from names already spelled, as chord naming gives them: the bass is written when
// it differs from the root.
std::optional<std::string> ChordSymbolText(std::string_view root, int type, std::string_view bass);

}  // namespace fretwise
