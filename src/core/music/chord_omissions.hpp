#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/music/chord_types.hpp"

namespace fretwise {

// A set of notes of a chord type, bit k for k semitones above the root.
using NoteBits = std::uint16_t;

constexpr NoteBits NoteBitsOf(const ChordType& type) {
    unsigned bits = 0;
    for (const std::int16_t k : type.Notes()) {
        bits |= 1u << (k % 12);
    }
    return static_cast<NoteBits>(bits);
}

// The sets of notes guitarists may leave out of a type, the empty set first: the perfect
// fifth of a chord of four or more notes; of an eleventh chord the (major) third or the ninth
// as well; of a thirteenth chord the eleventh first, then the ninth. The root, the minor
// third, the seventh and the notes that name the chord (an altered fifth or ninth, the
// sixth of a thirteenth, a suspended note) always stay.
struct OmissionSets {
    std::array<NoteBits, 6> sets{};
    int size = 0;

    constexpr const NoteBits* begin() const { return sets.data(); }
    constexpr const NoteBits* end() const { return sets.data() + size; }
};

constexpr OmissionSets OmissionSetsOf(const ChordType& type) {
    OmissionSets result;
    const auto add = [&result](unsigned set) {
        for (int k = 0; k < result.size; ++k) {
            if (result.sets[k] == set) {
                return;
            }
        }
        result.sets[result.size++] = static_cast<NoteBits>(set);
    };
    add(0);
    if (type.kind != ChordKind::Chord) {
        return result;
    }
    const NoteBits notes = NoteBitsOf(type);
    const auto held = [notes](int semitones) { return (notes & (1u << semitones)) != 0; };
    const unsigned fifth = held(7) && type.noteCount >= 4 ? 1u << 7 : 0u;
    add(fifth);
    if (type.omissions == Omissions::Eleventh) {
        // A minor third names the chord minor: only a major third goes.
        const unsigned third = type.third == 4 ? 1u << 4 : 0u;
        const unsigned ninth = held(2) ? 1u << 2 : 0u;
        for (const unsigned one : {third, ninth}) {
            add(one);
            add(one | fifth);
        }
    } else if (type.omissions == Omissions::Thirteenth) {
        const unsigned eleventh = held(5) && type.third != 5 ? 1u << 5 : 0u;
        const unsigned ninth = held(2) && type.third != 2 ? 1u << 2 : 0u;
        if (eleventh != 0) {
            add(eleventh);
            add(eleventh | fifth);
            add(eleventh | ninth);
            add(eleventh | ninth | fifth);
        } else {
            add(ninth);
            add(ninth | fifth);
        }
    }
    return result;
}

// The degree a left-out note is known by: the third (3 or 4 semitones, or the suspended
// note that replaces it), the fifth (7), the ninth (2) or the eleventh (5).
constexpr std::string_view OmittedDegree(int semitones) {
    switch (semitones) {
        case 2:
            return "9";
        case 5:
            return "11";
        case 7:
            return "5";
        default:
            return "3";
    }
}

// The degrees of left-out notes in the order guitarists list them (third, fifth, ninth,
// eleventh): {"3", "5"}.
struct Degrees {
    std::array<std::string_view, 4> degrees{};
    std::size_t count = 0;

    constexpr const std::string_view* begin() const { return degrees.data(); }
    constexpr const std::string_view* end() const { return degrees.data() + count; }
    constexpr std::size_t size() const { return count; }
    constexpr bool empty() const { return count == 0; }
    constexpr std::string_view operator[](std::size_t k) const { return degrees[k]; }
};

constexpr Degrees OmittedDegrees(NoteBits omits) {
    Degrees result;
    for (const int semitones : {3, 4, 7, 2, 5}) {
        if ((omits & (1u << semitones)) != 0 && result.count < result.degrees.size()) {
            result.degrees[result.count++] = OmittedDegree(semitones);
        }
    }
    return result;
}

}  // namespace fretwise
