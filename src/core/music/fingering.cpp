#include "core/music/fingering.hpp"

#include "core/music/tuning.hpp"

namespace fretwise {

Fingering ShapeFretsToNotes(const Fingering& shape) {
    return ShapeFretsToNotes(shape, OpenStrings{});
}

Fingering ShapeNotesToFrets(const Fingering& shape) {
    return ShapeNotesToFrets(shape, OpenStrings{});
}

// Only the exact value -1 means "not played"; other values convert arithmetically.
Fingering ShapeFretsToNotes(const Fingering& shape, const OpenStrings& strings) {
    Fingering result = shape;
    for (int i = 0; i < kStringCount; ++i) {
        result.Note[i] = shape.Fret[i] == kMuted
                             ? kNotPlayed
                             : static_cast<std::int16_t>(strings.OpenPitch(i) + shape.Fret[i]);
    }
    return result;
}

Fingering ShapeNotesToFrets(const Fingering& shape, const OpenStrings& strings) {
    Fingering result = shape;
    for (int i = 0; i < kStringCount; ++i) {
        result.Fret[i] = shape.Note[i] == kNotPlayed
                             ? kMuted
                             : static_cast<std::int16_t>(shape.Note[i] - strings.OpenPitch(i));
    }
    return result;
}

}  // namespace fretwise
