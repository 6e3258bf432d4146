#pragma once

#include <algorithm>
#include <charconv>
#include <string_view>

#include "core/music/fingering.hpp"

namespace fretwise::test {

constexpr std::int16_t x = kMuted;

// Frets as guitarists write a shape, low E first: one character a string ("x32010"), or
// separated by blanks when a fret has two digits ("x 8 10 10 10 8"); in string order
// (element 0 = high E).
inline PerString Frets(std::string_view written) {
    const bool separated = written.find(' ') != std::string_view::npos;
    PerString frets{};
    std::size_t k = 0;
    for (int s = kStringCount - 1; s >= 0; --s) {
        k = written.find_first_not_of(' ', k);
        const std::size_t end = separated ? std::min(written.find(' ', k), written.size()) : k + 1;
        int fret = kMuted;
        if (written[k] != 'x') {
            std::from_chars(written.data() + k, written.data() + end, fret);
        }
        frets[s] = static_cast<std::int16_t>(fret);
        k = end;
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
