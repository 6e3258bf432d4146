#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string_view>

namespace fretwise {

constexpr int kChordTypeCount = 38;
constexpr int kBlankChordType = 25;
constexpr int kRootCount = 12;

// How naming treats a chord type.
enum class ChordKind : std::uint8_t {
    Chord,      // three to six notes, named when exactly its notes sound above a root
    Separator,  // the blank entry between the chords and the intervals; never named
    Interval,   // the root and one note above it
    Octave,     // the root alone, on more than one string
};

struct ChordType {
    ChordKind kind;
    std::string_view displayName;  // in the type list: "Minor Seventh (Flattened Fifth)"
    std::string_view name;         // as naming writes it: "minor 7th (flattened fifth)"
    std::string_view abbrev;       // after the root in the short name: "m7(5b)"
    // After the root in a chord symbol, as songbooks write it: "m7b5". The abbreviation
    // where guitarists write it alike; "7sus4" where the short name's "sus4" would read as
    // the suspended triad. Types guitarists have no symbol for have none.
    std::optional<std::string_view> symbol;
    // The notes in semitones above the root, rising from the root (0); 12 is the octave.
    std::array<std::int16_t, 6> notes;
    std::size_t noteCount;
    // In semitones above the root: the note that makes the inversion "First" (a chord's
    // third, or the second or fourth that replaces it; an interval's upper note) and whose
    // strings a chord's Thirds counts.
    std::int16_t third;
    // Likewise the note that makes the inversion "Second" (a chord's fifth, perhaps altered)
    // and whose strings a chord's Fifths counts.
    std::int16_t fifth;

    constexpr std::span<const std::int16_t> Notes() const { return {notes.data(), noteCount}; }
};

namespace chord_rows {

constexpr ChordType Row(ChordKind kind, std::string_view displayName, std::string_view name,
                        std::string_view abbrev, std::optional<std::string_view> symbol,
                        std::initializer_list<std::int16_t> notes, std::int16_t third,
                        std::int16_t fifth) {
    ChordType type{kind, displayName, name, abbrev, symbol, {}, notes.size(), third, fifth};
    std::size_t k = 0;
    for (const std::int16_t n : notes) {
        type.notes[k++] = n;
    }
    return type;
}

constexpr ChordType Chord(std::string_view displayName, std::string_view name,
                          std::string_view abbrev, std::string_view symbol,
                          std::initializer_list<std::int16_t> notes, std::int16_t third,
                          std::int16_t fifth) {
    return Row(ChordKind::Chord, displayName, name, abbrev, symbol, notes, third, fifth);
}

constexpr ChordType Interval(std::string_view name, std::int16_t semitones,
                             std::optional<std::string_view> symbol = std::nullopt) {
    return Row(ChordKind::Interval, name, name, "", symbol, {0, semitones}, semitones, 0);
}

}  // namespace chord_rows

// Every chord type, in the order of the type list: 0-24 chords, 25 a blank separator, 26-36
// intervals, 37 the octave. The list position is a type's identity, for creating a chord
// and in the settings. Naming finds a type by its notes; no two types sound the same notes
// above the root, so the order does not matter there.
inline constexpr std::array<ChordType, kChordTypeCount> kChordTypes = [] {
    using namespace chord_rows;
    return std::array<ChordType, kChordTypeCount>{
        Chord("Major", "major", "", "", {0, 4, 7}, 4, 7),
        Chord("Minor", "minor", "m", "m", {0, 3, 7}, 3, 7),
        Chord("Seventh", "seventh", "7", "7", {0, 4, 7, 10}, 4, 7),
        Chord("Minor Seventh", "minor seventh", "m7", "m7", {0, 3, 7, 10}, 3, 7),
        Chord("Major Seventh", "major seventh", "maj7", "maj7", {0, 4, 7, 11}, 4, 7),
        Chord("Sixth", "sixth", "6", "6", {0, 4, 7, 9}, 4, 7),
        Chord("Minor Sixth", "minor sixth", "m6", "m6", {0, 3, 7, 9}, 3, 7),
        Chord("Augmented", "augmented", "+", "+", {0, 4, 8}, 4, 8),
        Chord("Augmented Seventh", "augmented seventh", "7+", "7#5", {0, 4, 8, 10}, 4, 8),
        Chord("Diminished", "diminished", "dim", "dim", {0, 3, 6}, 3, 6),
        Chord("Diminished Seventh", "diminished seventh", "dim7", "dim7", {0, 3, 6, 9}, 3, 6),
        Chord("Seventh (Flattened Fifth)", "seventh (flattened fifth)", "7(5b)", "7b5",
              {0, 4, 6, 10}, 4, 6),
        Chord("Minor Seventh (Flattened Fifth)", "minor 7th (flattened fifth)", "m7(5b)", "m7b5",
              {0, 3, 6, 10}, 3, 6),
        Chord("Major Seventh (Flattened Fifth)", "major 7th (flattened fifth)", "maj7 (5b)",
              "maj7b5", {0, 4, 6, 11}, 4, 6),
        Chord("Ninth", "ninth", "9", "9", {0, 2, 4, 7, 10}, 4, 7),
        Chord("Minor Ninth", "minor ninth", "m9", "m9", {0, 2, 3, 7, 10}, 3, 7),
        Chord("Major Ninth", "major ninth", "maj9", "maj9", {0, 2, 4, 7, 11}, 4, 7),
        Chord("Eleventh", "eleventh", "11", "11", {0, 2, 4, 5, 7, 10}, 4, 7),
        Chord("Diminished Ninth", "diminished ninth", "dim9", "dim9", {0, 1, 4, 7, 9}, 4, 7),
        Chord("Added Ninth", "added ninth", "add9", "add9", {0, 2, 4, 7}, 4, 7),
        Chord("Added Fourth", "added fourth", "add4", "add4", {0, 4, 5, 7}, 4, 7),
        Chord("Suspended", "suspended", "sus", "sus4", {0, 5, 7}, 5, 7),
        Chord("Suspended Second", "suspended second", "sus2", "sus2", {0, 2, 7}, 2, 7),
        Chord("Suspended Fourth", "suspended fourth", "sus4", "7sus4", {0, 5, 7, 10}, 5, 7),
        Chord("Seventh Suspended Ninth", "seventh suspended ninth", "7sus9", "7sus2", {0, 2, 7, 10},
              2, 7),
        Row(ChordKind::Separator, "", "", "", std::nullopt, {0}, 0, 0),
        Interval("Minor Second", 1),
        Interval("Major Second", 2),
        Interval("Minor Third", 3),
        Interval("Major Third", 4),
        Interval("Perfect Fourth", 5),
        Interval("Augmented Fourth", 6),
        Interval("Perfect Fifth", 7, "5"),
        Interval("Minor Sixth", 8),
        Interval("Major Sixth", 9),
        Interval("Minor Seventh", 10),
        Interval("Major Seventh", 11),
        Row(ChordKind::Octave, "Octave", "Octave", "", std::nullopt, {0, 12}, 0, 0),
    };
}();

// The type at a list position; the separator, whose only note is the root, for any position
// outside the list (-1 when nothing is selected).
constexpr const ChordType& ChordTypeOf(int index) {
    return kChordTypes[index >= 0 && index < kChordTypeCount ? index : kBlankChordType];
}

// The display name of a type; empty for the separator and for any index outside the list.
constexpr std::string_view ChordTypeName(int index) {
    return ChordTypeOf(index).displayName;
}

}  // namespace fretwise
