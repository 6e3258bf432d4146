#pragma once

#include <string_view>

#include "music/fingering.hpp"

namespace fretwise::test {

constexpr std::int16_t x = kMuted;

// Frets as guitarists write a shape, low E first, one character a string ("x32010"), in
// string order (element 0 = high E).
inline PerString Frets(std::string_view written) {
    PerString frets{};
    for (int s = 0; s < kStringCount; ++s) {
        const char c = written[static_cast<std::size_t>(kStringCount - 1 - s)];
        frets[s] = static_cast<std::int16_t>(c == 'x' ? kMuted : c - '0');
    }
    return frets;
}

// A shape from frets in string order, with its notes derived.
inline Fingering Shape(PerString frets) {
    Fingering shape;
    shape.Fret = frets;
    return ShapeFretsToNotes(shape);
}

inline Fingering Shape(std::string_view written) {
    return Shape(Frets(written));
}

}  // namespace fretwise::test
