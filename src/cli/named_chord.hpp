#pragma once

#include <iosfwd>
#include <string>

#include "analysis/chord_analysis.hpp"
#include "cli/chord_args.hpp"
#include "music/fingering.hpp"

namespace fretwise::cli {

// A shape fingered and named as the window shows it; "name" and "open" print it alike.
struct Named {
    Fingering fingering;  // frets, notes, fingers, barre, playable and ease
    ChordAnalysis analysis;
};

Named NameShape(const PerString& frets, const ChordArgs& args);

// One JSON object: frets, notes, fingers, barre, playable, ease and the names.
void AppendNamedJson(std::string& out, const Named& named);

// The same for people, one item per line.
void PrintNamed(std::ostream& out, const Named& named, Accidentals mode);

}  // namespace fretwise::cli
