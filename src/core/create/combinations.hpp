#pragma once

#include <cstdint>
#include <vector>

#include "core/create/guitarist_score.hpp"
#include "core/create/option_lists.hpp"
#include "core/music/fingering.hpp"

namespace fretwise {

// What the enumeration forms.
struct FormingRules {
    bool bRestsAlone = false;  // the B string may rest under a sounding high E string
    // CombinationsWithinReach forms only what the guitarist order offers: the rules of
    // OffersShape but the fingers, applied string by string.
    bool guitarist = false;
};

// The combinations of a search's option lists that sound every chord class, with their places
// in the enumeration. The enumeration takes one option per string, the high E string
// outermost and the low E string varying fastest, each in list order; the B string rests only
// with the high E string unless the rules allow it.
struct CompleteCombinations {
    std::int32_t formed = 0;  // combinations formed, complete or not
    std::vector<PerString> notes;
    std::vector<std::int32_t> numbers;  // the place of each in the enumeration, from 0
};

// Bit c set for every pitch class c a chord needs.
std::uint16_t ChordClassBits(const ChordClasses& chord);

// Every combination of the option lists.
CompleteCombinations EveryCombination(const OptionLists& options, std::uint16_t needed,
                                      FormingRules rules);

// Only the combinations whose fretted notes lie within a playable stretch of each other and
// that can still sound every chord class; the others are never formed. The option lists count
// frets from the strings' open pitches.
CompleteCombinations CombinationsWithinReach(const OptionLists& options, std::uint16_t needed,
                                             FormingRules rules, const ScoredStrings& strings);

}  // namespace fretwise
