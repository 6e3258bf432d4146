#include "music/fingering.hpp"

namespace fretwise {

// Only the exact value -1 means "not played"; other values convert arithmetically.
Fingering ShapeFretsToNotes(const Fingering& shape) {
    Fingering result = shape;
    for (int i = 0; i < kStringCount; ++i) {
        result.Note[i] = shape.Fret[i] == kMuted
                             ? kNotPlayed
                             : static_cast<std::int16_t>(kOpenPitch[i] + shape.Fret[i]);
    }
    return result;
}

Fingering ShapeNotesToFrets(const Fingering& shape) {
    Fingering result = shape;
    for (int i = 0; i < kStringCount; ++i) {
        result.Fret[i] = shape.Note[i] == kNotPlayed
                             ? kMuted
                             : static_cast<std::int16_t>(shape.Note[i] - kOpenPitch[i]);
    }
    return result;
}

}  // namespace fretwise
