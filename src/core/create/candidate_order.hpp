#pragma once

#include <cstdint>
#include <vector>

#include "core/create/guitarist_score.hpp"
#include "core/music/fingering.hpp"

namespace fretwise {

// A playable combination of the search, waiting for its place in the order.
struct RankedCandidate {
    std::int32_t combination = 0;  // position in the enumeration
    PerString notes{};
    float ease = 0.0f;
    GuitaristScore score;  // read by the guitarist order only
    PerString frets{};
};

// The classic order: easiest first; of equal ease the combination enumerated later first.
void SortEasiestFirst(std::vector<RankedCandidate>& candidates);

// The guitarist order: the highest score first. Of equal scores, a shape whose sounding
// strings are a subset of another's, on the same frets, follows it; then the ease and the
// enumeration decide as in the classic order.
void SortAsGuitaristsPlay(std::vector<RankedCandidate>& candidates);

}  // namespace fretwise
