#include "music/chord_types.hpp"

#include <array>
#include <initializer_list>

namespace fretwise {

namespace {

struct ChordType {
    std::string_view name;
    std::array<std::int16_t, 6> formula;
    std::size_t size;
};

constexpr ChordType Type(std::string_view name, std::initializer_list<std::int16_t> notes) {
    ChordType type{name, {}, notes.size()};
    std::size_t k = 0;
    for (std::int16_t n : notes) {
        type.formula[k++] = n;
    }
    return type;
}

constexpr std::array<ChordType, kChordTypeCount> kCatalogue = {
    Type("Major", {1, 5, 8}),
    Type("Minor", {1, 4, 8}),
    Type("Seventh", {1, 5, 8, 11}),
    Type("Minor Seventh", {1, 4, 8, 11}),
    Type("Major Seventh", {1, 5, 8, 12}),
    Type("Sixth", {1, 5, 8, 10}),
    Type("Minor Sixth", {1, 4, 8, 10}),
    Type("Augmented", {1, 5, 9}),
    Type("Augmented Seventh", {1, 5, 9, 11}),
    Type("Diminished", {1, 4, 7}),
    Type("Diminished Seventh", {1, 4, 7, 10}),
    Type("Seventh (Flattened Fifth)", {1, 5, 7, 11}),
    Type("Minor Seventh (Flattened Fifth)", {1, 4, 7, 11}),
    Type("Major Seventh (Flattened Fifth)", {1, 5, 7, 12}),
    Type("Ninth", {1, 3, 5, 8, 11}),
    Type("Minor Ninth", {1, 3, 4, 8, 11}),
    Type("Major Ninth", {1, 3, 5, 8, 12}),
    Type("Eleventh", {1, 3, 5, 6, 8, 11}),
    Type("Diminished Ninth", {1, 2, 5, 8, 10}),
    Type("Added Ninth", {1, 3, 5, 8}),
    Type("Added Fourth", {1, 5, 6, 8}),
    Type("Suspended", {1, 6, 8}),
    Type("Suspended Second", {1, 3, 8}),
    Type("Suspended Fourth", {1, 6, 8, 11}),
    Type("Seventh Suspended Ninth", {1, 3, 8, 11}),
    Type("", {1}),
    Type("Minor Second", {1, 2}),
    Type("Major Second", {1, 3}),
    Type("Minor Third", {1, 4}),
    Type("Major Third", {1, 5}),
    Type("Perfect Fourth", {1, 6}),
    Type("Augmented Fourth", {1, 7}),
    Type("Perfect Fifth", {1, 8}),
    Type("Minor Sixth", {1, 9}),
    Type("Major Sixth", {1, 10}),
    Type("Minor Seventh", {1, 11}),
    Type("Major Seventh", {1, 12}),
    Type("Octave", {1, 13}),
};

bool InCatalogue(int index) {
    return index >= 0 && index < kChordTypeCount;
}

}  // namespace

std::string_view ChordTypeName(int index) {
    return InCatalogue(index) ? kCatalogue[index].name : std::string_view{};
}

std::span<const std::int16_t> ChordFormula(int index) {
    const ChordType& type = kCatalogue[InCatalogue(index) ? index : kBlankChordType];
    return {type.formula.data(), type.size};
}

}  // namespace fretwise
