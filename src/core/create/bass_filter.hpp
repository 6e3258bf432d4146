#pragma once

#include <string>
#include <string_view>

#include "core/create/fingering_search.hpp"

namespace fretwise {

// Keeps the candidates whose lowest sounding string plays the pitch class, in their order,
// with their eases and scores.
void KeepCandidatesWithBass(SearchResult& result, int pitchClass);

// What the user hears when no candidate of a slash chord keeps its bass:
// "No fingering of D/F# in frets 1 to 8".
std::string NoFingeringWithBass(std::string_view symbol, const SearchRequest& request);

}  // namespace fretwise
