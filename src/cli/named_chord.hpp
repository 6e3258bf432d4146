#pragma once

#include <iosfwd>
#include <string>

#include "analysis/chord_analysis.hpp"
#include "music/fingering.hpp"

namespace fretwise::cli {

// A shape fingered and named as the window shows it; "name" and "open" print it alike.
struct Named {
    Fingering fingering;  // frets, notes, fingers, barre, playable and ease
    ChordAnalysis analysis;
};

// Fingered for a fretboard of numFrets frets (higher frets get no finger), named in mode.
Named NameShape(const PerString& frets, int numFrets, Accidentals mode);

// One JSON object: frets, notes, fingers, barre, playable, ease and the names.
void AppendNamedJson(std::string& out, const Named& named);

// The same for people, one item per line.
void PrintNamed(std::ostream& out, const Named& named, Accidentals mode);

}  // namespace fretwise::cli
