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
    float ease = 0.0f;  // set for the classic order only
    // The guitarist order's score (its Crowded counted by the order) and the frets; set for
    // that order only.
    GuitaristScore score;
    PerString frets{};
};

// The classic order: easiest first; of equal ease the combination enumerated later first.
void SortEasiestFirst(std::vector<RankedCandidate>& candidates);

// The guitarist order: the highest score first, over the whole neck once each shape has lost
// the Crowded points for the shapes scoring higher played at the same place: whose hand starts
// at the same fret, or which ring open strings too (in view they all lie near each other
// anyway). Of equal scores, the shape
// sounding more strings first (so a shape follows the fuller one it is part of), then the
// one needing fewer fingers, then the combination enumerated later.
void SortAsGuitaristsPlay(std::vector<RankedCandidate>& candidates, bool wholeNeck);

}  // namespace fretwise
