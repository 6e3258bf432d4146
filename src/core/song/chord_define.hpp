#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/music/fingering.hpp"

namespace fretwise {

// A chord shape a song gives in {define: ...} or {chord: ...}:
// "Bm base-fret 2 frets x 1 3 3 2 1 fingers 0 1 3 4 2 1" is x24432 with its fingers.
struct ChordDefinition {
    std::string name;
    // The frets in the program's string order (0 = high E), counted from the nut, -1 for a
    // string not played; nullopt when the definition holds no six-string shape (a ukulele's,
    // a name alone, frets beyond the neck).
    std::optional<PerString> frets;
    std::optional<PerString> fingers;  // 0 for no finger; nullopt when not given
};

// The definition a directive's value holds; nullopt when the value names no chord.
std::optional<ChordDefinition> ReadChordDefinition(std::string_view value);

// A chord diagram shows this many frets, more only for a wider shape.
constexpr int kDiagramFrets = 5;

// The first fret a chord diagram shows: 1 when the shape fits the first kDiagramFrets frets,
// else its lowest fretted fret.
int DiagramBaseFret(const PerString& frets);

// "{define: Am7 base-fret 1 frets x 0 2 0 1 0 fingers 0 0 2 0 1 0}", counted from the
// diagram's base fret.
std::string DefineText(std::string_view name, const PerString& frets, const PerString& fingers);

// The shape moved along the neck to sound semitones higher or lower, the shorter way that
// stays on the neck (down on a tie); nullopt for a shape with an open string, which cannot move.
std::optional<PerString> MovedShape(const PerString& frets, int semitones);

}  // namespace fretwise
