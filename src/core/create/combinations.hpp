#pragma once

#include <cstdint>
#include <vector>

#include "core/create/option_lists.hpp"
#include "core/music/fingering.hpp"

namespace fretwise {

// The combinations of a search's option lists that sound every chord class, with their places
// in the enumeration. The enumeration takes one option per string, the high E string
// outermost and the low E string varying fastest, each in list order; the B string rests only
// with the high E string.
struct CompleteCombinations {
    std::int32_t formed = 0;  // combinations formed, complete or not
    std::vector<PerString> notes;
    std::vector<std::int32_t> numbers;  // the place of each in the enumeration, from 0
};

// Bit c set for every pitch class c a chord needs.
std::uint16_t ChordClassBits(const ChordClasses& chord);

// Every combination of the option lists.
CompleteCombinations EveryCombination(const OptionLists& options, std::uint16_t needed);

// Only the combinations whose fretted notes lie within a playable stretch of each other; the
// others are never formed. openPitches are the notes the option lists count frets from.
CompleteCombinations CombinationsWithinReach(const OptionLists& options, std::uint16_t needed,
                                             const PerString& openPitches);

}  // namespace fretwise
