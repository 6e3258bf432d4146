#pragma once

#include <iosfwd>
#include <optional>
#include <string>

#include "core/analysis/chord_analysis.hpp"
#include "core/music/fingering.hpp"
#include "core/music/tuning.hpp"

namespace fretwise::cli {

// A shape fingered and named as the window shows it; "name" and "open" print it alike.
struct Named {
    Fingering fingering;  // frets, notes, fingers, barre, playable and ease
    ChordAnalysis analysis;
    OpenStrings strings{};
    // With a capo: the names of the shape as played without it.
    std::optional<ChordAnalysis> shapeAnalysis{};
    Vocabulary vocabulary = Vocabulary::Classic;
};

// Fingered for a fretboard of numFrets frets (higher frets get no finger), named in mode as
// the strings sound it, in the vocabulary.
Named NameShape(const PerString& frets, int numFrets, Accidentals mode,
                const OpenStrings& strings = {}, Vocabulary vocabulary = Vocabulary::Classic);

// One JSON object: frets, notes, fingers, barre, playable, ease and the names, each with its
// "intervals"; in the full vocabulary also its "omits" and, for a slash name, its "bass".
void AppendNamedJson(std::string& out, const Named& named);

// The same for people, one item per line.
void PrintNamed(std::ostream& out, const Named& named, Accidentals mode);

}  // namespace fretwise::cli
