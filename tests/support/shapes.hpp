#pragma once

#include "music/fingering.hpp"

namespace fretwise::test {

// A shape from frets in string order (element 0 = high E), with its notes derived.
inline Fingering Shape(PerString frets) {
    Fingering shape;
    shape.Fret = frets;
    return ShapeFretsToNotes(shape);
}

constexpr std::int16_t x = kMuted;

}  // namespace fretwise::test
