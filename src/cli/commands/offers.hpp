#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "cli/commands/command_outline.hpp"

namespace fretwise::cli {

// The offers the commands declare for their arguments (see Offer).

// A list of words of the command's own, named for the completion scripts.
Offer WordsOffer(const std::string& list, std::vector<std::string> words);
// File names with one of the extensions ("fw"), or any file name.
Offer FilesOffer(std::initializer_list<const char*> extensions = {});

// The twelve notes spelled with sharps, then the flat spellings that differ.
Offer RootOffer();
// Every word of the chord types' names, once each, in the order of the catalogue.
Offer TypeWordOffer();
// The ids of the named tunings ("drop-d").
Offer TuningOffer();
// The frets a capo clamps, 0 (none) to the highest.
Offer CapoOffer();
// The orders of the created chords ("classic", "guitarist") and the bass choices.
Offer OrderOffer();
Offer BassOffer();

}  // namespace fretwise::cli
