#pragma once

#include "core/music/fingering.hpp"

namespace fretwise {

// No hand plays a shape whose lowest and highest fretted notes lie further apart.
constexpr int kWidestStretch = 4;

// Fingers, barre, playability and ease for a shape whose Fret and Note agree.
// The result is a copy of the shape with those fields set; frets above numFrets get no finger.
Fingering AssignFingering(const Fingering& shape, int numFrets);

}  // namespace fretwise
