#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/music/pitch.hpp"

namespace fretwise {

// A chord as a songbook writes it: "C#m7b5", "Bbmaj7", "D/F#".
struct ChordSymbol {
    int root = 0;  // root list position 0-11 (0 = A)
    int type = 0;  // chord type list position
    // The pitch class (A = 1 ... G = 11, G#/Ab = 0) written after a slash, which must sound
    // on the lowest string; nullopt when the symbol names no bass.
    std::optional<int> bass;
    // Flats when the root or the bass is written with a flat.
    Accidentals spelling = Accidentals::Sharps;

    bool operator==(const ChordSymbol&) const = default;
};

// The chord a symbol names, or why it names none.
struct SymbolReading {
    std::optional<ChordSymbol> chord;
    std::string error;  // when there is no chord: "'Cmaj13': no chord type 'maj13' (known: ...)"
};

// Reads a root A-G (or a-g) with an optional sharp or flat (#, b or the signs), a chord type
// and an optional "/" with a bass note that belongs to the chord. Spaces and parentheses
// are ignored, and so is letter case except for a lone M (major) against m (minor). Every
// symbol and short-name suffix the program prints reads back as its own type, except that
// "sus4" is the suspended triad as guitarists write it; the common spellings ("min7",
// "-7", "M7", "Δ", "ø", "°7", "7#5", "add2" ...) and the type names ("Minor Sixth") read too.
SymbolReading ReadChordSymbol(std::string_view text);

// The symbol of a chord in the spelling of mode: "C#m7b5", "D/F#" (the bass only when it is
// not the root); nullopt for a type with no symbol (intervals other than the fifth, the
// octave).
std::optional<std::string> ChordSymbolText(const ChordSymbol& chord, Accidentals mode);

// The same from names already spelled, as chord naming gives them: the bass is written when
// it differs from the root.
std::optional<std::string> ChordSymbolText(std::string_view root, int type, std::string_view bass);

}  // namespace fretwise
