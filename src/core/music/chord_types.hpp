#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string_view>

#include "core/music/vocabulary.hpp"

namespace fretwise {

constexpr int kChordTypeCount = 38;  // the classic type list
constexpr int kBlankChordType = 25;
constexpr int kRootCount = 12;

// How naming treats a chord type.
enum class ChordKind : std::uint8_t {
    Chord,      // three to seven notes, named when exactly its notes sound above a root
    Separator,  // the blank entry between the chords and the intervals; never named
    Interval,   // the root and one note above it
    Octave,     // the root alone, on more than one string
};

// Which notes guitarists leave out of a chord, in the full vocabulary.
enum class Omissions : std::uint8_t {
    Fifth,       // a perfect fifth, in a chord of four or more notes
    Eleventh,    // the fifth, and the third or the ninth
    Thirteenth,  // the eleventh first, then the ninth, and the fifth
};

// How often chord charts name a type, from everyday chords (0) to rare ones (3); where the
// same notes have several names the full vocabulary puts the common ones first.
enum class Rarity : std::uint8_t { Everyday, Common, Uncommon, Rare };

constexpr std::size_t kMaxChordNotes = 7;

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
    std::array<std::int16_t, kMaxChordNotes> notes;
    std::size_t noteCount;
    // In semitones above the root: the note that makes the inversion "First" (a chord's
    // third, or the second or fourth that replaces it; an interval's upper note) and whose
    // strings a chord's Thirds counts.
    std::int16_t third;
    // Likewise the note that makes the inversion "Second" (a chord's fifth, perhaps altered)
    // and whose strings a chord's Fifths counts.
    std::int16_t fifth;
    // Other spellings songbooks write after the root, separated by blanks: read in both
    // vocabularies ...
    std::string_view spellings = {};
    // ... and read in the full vocabulary only.
    std::string_view fullSpellings = {};
    Rarity rarity = Rarity::Everyday;
    Omissions omissions = Omissions::Fifth;

    constexpr std::span<const std::int16_t> Notes() const { return {notes.data(), noteCount}; }

    constexpr ChordType Spelled(std::string_view both, std::string_view full = {}) const {
        ChordType type = *this;
        type.spellings = both;
        type.fullSpellings = full;
        return type;
    }
    constexpr ChordType FullSpelled(std::string_view full) const { return Spelled({}, full); }
    constexpr ChordType With(Rarity r) const {
        ChordType type = *this;
        type.rarity = r;
        return type;
    }
    constexpr ChordType Omitting(Omissions o) const {
        ChordType type = *this;
        type.omissions = o;
        return type;
    }
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

// A chord of the full vocabulary only: its symbol is its short name.
constexpr ChordType Full(std::string_view displayName, std::string_view name,
                         std::string_view symbol, std::initializer_list<std::int16_t> notes,
                         std::int16_t third, std::int16_t fifth) {
    return Chord(displayName, name, symbol, symbol, notes, third, fifth);
}

constexpr ChordType Interval(std::string_view name, std::int16_t semitones,
                             std::optional<std::string_view> symbol = std::nullopt) {
    return Row(ChordKind::Interval, name, name, "", symbol, {0, semitones}, semitones, 0);
}

}  // namespace chord_rows

constexpr int kFullChordTypeCount = 90;

// Every chord type. Positions 0-37 are the classic type list: 0-24 chords, 25 a blank
// separator, 26-36 intervals, 37 the octave. The full vocabulary adds its chords after them.
// A position is a type's identity, for creating a chord and in the settings. Naming finds a
// type by its notes; no two types sound the same notes above the root.
inline constexpr std::array<ChordType, kFullChordTypeCount> kChordTypes = [] {
    using namespace chord_rows;
    using enum Rarity;
    using enum Omissions;
    return std::array<ChordType, kFullChordTypeCount>{
        Chord("Major", "major", "", "", {0, 4, 7}, 4, 7).Spelled("maj"),
        Chord("Minor", "minor", "m", "m", {0, 3, 7}, 3, 7).Spelled("min mi -"),
        Chord("Seventh", "seventh", "7", "7", {0, 4, 7, 10}, 4, 7).Spelled("dom7", "dom"),
        Chord("Minor Seventh", "minor seventh", "m7", "m7", {0, 3, 7, 10}, 3, 7)
            .Spelled("min7 mi7 -7"),
        Chord("Major Seventh", "major seventh", "maj7", "maj7", {0, 4, 7, 11}, 4, 7)
            .Spelled("ma7 \u0394 \u03947", "j7"),  // Δ
        Chord("Sixth", "sixth", "6", "6", {0, 4, 7, 9}, 4, 7).Spelled("maj6", "add6"),
        Chord("Minor Sixth", "minor sixth", "m6", "m6", {0, 3, 7, 9}, 3, 7).Spelled("min6 -6"),
        Chord("Augmented", "augmented", "+", "+", {0, 4, 8}, 4, 8).Spelled("aug #5 +5"),
        Chord("Augmented Seventh", "augmented seventh", "7+", "7#5", {0, 4, 8, 10}, 4, 8)
            .Spelled("+7 aug7 7+5", "7aug"),
        Chord("Diminished", "diminished", "dim", "dim", {0, 3, 6}, 3, 6)
            .Spelled("\u00b0 o mb5", "0"),  // °
        Chord("Diminished Seventh", "diminished seventh", "dim7", "dim7", {0, 3, 6, 9}, 3, 6)
            .Spelled("\u00b07 o7", "07"),
        Chord("Seventh (Flattened Fifth)", "seventh (flattened fifth)", "7(5b)", "7b5",
              {0, 4, 6, 10}, 4, 6)
            .Spelled("7-5"),
        Chord("Minor Seventh (Flattened Fifth)", "minor 7th (flattened fifth)", "m7(5b)", "m7b5",
              {0, 3, 6, 10}, 3, 6)
            .Spelled("\u00f8 \u00f87 m7-5 min7b5 -7b5 -7-5 mi7b5", "h h7"),  // ø
        Chord("Major Seventh (Flattened Fifth)", "major 7th (flattened fifth)", "maj7 (5b)",
              "maj7b5", {0, 4, 6, 11}, 4, 6)
            .Spelled("maj7-5 \u03947b5")
            .With(Common),
        Chord("Ninth", "ninth", "9", "9", {0, 2, 4, 7, 10}, 4, 7).Spelled("7(9)", "7add9"),
        Chord("Minor Ninth", "minor ninth", "m9", "m9", {0, 2, 3, 7, 10}, 3, 7)
            .Spelled("min9 m7(9) -9", "m7add9"),
        Chord("Major Ninth", "major ninth", "maj9", "maj9", {0, 2, 4, 7, 11}, 4, 7)
            .Spelled("ma9 maj7(9) \u03949", "maj7add9"),
        Chord("Eleventh", "eleventh", "11", "11", {0, 2, 4, 5, 7, 10}, 4, 7)
            .FullSpelled("911 9add11")
            .Omitting(Eleventh),
        Chord("Diminished Ninth", "diminished ninth", "dim9", "dim9", {0, 1, 4, 7, 9}, 4, 7)
            .With(Rare),
        Chord("Added Ninth", "added ninth", "add9", "add9", {0, 2, 4, 7}, 4, 7)
            .Spelled("add2", "2"),
        Chord("Added Fourth", "added fourth", "add4", "add4", {0, 4, 5, 7}, 4, 7)
            .Spelled("add11")
            .With(Uncommon),
        Chord("Suspended", "suspended", "sus", "sus4", {0, 5, 7}, 5, 7)
            .Spelled("sus", "4 msus msus4"),
        Chord("Suspended Second", "suspended second", "sus2", "sus2", {0, 2, 7}, 2, 7)
            .FullSpelled("sus9 msus2 msus9"),
        Chord("Suspended Fourth", "suspended fourth", "sus4", "7sus4", {0, 5, 7, 10}, 5, 7)
            .Spelled("7sus", "m7sus m7sus4"),
        Chord("Seventh Suspended Ninth", "seventh suspended ninth", "7sus9", "7sus2", {0, 2, 7, 10},
              2, 7)
            .With(Common),
        Row(ChordKind::Separator, "", "", "", std::nullopt, {0}, 0, 0),
        Interval("Minor Second", 1),
        Interval("Major Second", 2),
        Interval("Minor Third", 3),
        Interval("Major Third", 4).FullSpelled("3"),
        Interval("Perfect Fourth", 5).With(Uncommon),
        Interval("Augmented Fourth", 6),
        Interval("Perfect Fifth", 7, "5"),
        Interval("Minor Sixth", 8),
        Interval("Major Sixth", 9),
        Interval("Minor Seventh", 10),
        Interval("Major Seventh", 11),
        Row(ChordKind::Octave, "Octave", "Octave", "", std::nullopt, {0, 12}, 0, 0),

        // The full vocabulary: sixths, sevenths and ninths with added and altered notes.
        Full("Sixth Added Ninth", "sixth added ninth", "6/9", {0, 2, 4, 7, 9}, 4, 7)
            .FullSpelled("69 6add9"),
        Full("Seventh Added Eleventh", "seventh added eleventh", "7add11", {0, 4, 5, 7, 10}, 4, 7)
            .FullSpelled("711 7susadd3 7sus4add3")
            .With(Uncommon),
        Full("Seventh Sharp Eleventh", "seventh sharp eleventh", "7#11", {0, 4, 6, 7, 10}, 4, 7)
            .With(Common),
        Full("Seventh Sharp Ninth", "seventh sharp ninth", "7#9", {0, 3, 4, 7, 10}, 4, 7),
        Full("Seventh Sharp Ninth Sharp Eleventh", "seventh sharp ninth sharp eleventh", "7#9#11",
             {0, 3, 4, 6, 7, 10}, 4, 7)
            .With(Rare),
        Full("Seventh Sharp Fifth Sharp Ninth", "seventh sharp fifth sharp ninth", "7#5#9",
             {0, 3, 4, 8, 10}, 4, 8)
            .FullSpelled("7#9#5 7alt alt 7aug#9")
            .With(Common),
        Full("Seventh Flat Fifth Sharp Ninth", "seventh flat fifth sharp ninth", "7b5#9",
             {0, 3, 4, 6, 10}, 4, 6)
            .FullSpelled("7#9b5")
            .With(Common),
        Full("Seventh Flat Thirteenth", "seventh flat thirteenth", "7b13", {0, 4, 7, 8, 10}, 4, 7)
            .With(Uncommon),
        Full("Seventh Suspended Fourth Flat Thirteenth", "seventh suspended fourth flat thirteenth",
             "7sus4b13", {0, 5, 7, 8, 10}, 5, 7)
            .FullSpelled("7b13sus 7b13sus4")
            .With(Rare),
        Full("Seventh Flat Ninth", "seventh flat ninth", "7b9", {0, 1, 4, 7, 10}, 4, 7),
        Full("Seventh Flat Ninth Sharp Eleventh", "seventh flat ninth sharp eleventh", "7b9#11",
             {0, 1, 4, 6, 7, 10}, 4, 7)
            .With(Rare),
        Full("Seventh Sharp Fifth Flat Ninth", "seventh sharp fifth flat ninth", "7#5b9",
             {0, 1, 4, 8, 10}, 4, 8)
            .FullSpelled("7b9#5 7augb9")
            .With(Uncommon),
        Full("Seventh Flat Ninth Sharp Ninth", "seventh flat ninth sharp ninth", "7b9#9",
             {0, 1, 3, 4, 7, 10}, 4, 7)
            .With(Rare),
        Full("Seventh Flat Ninth Flat Thirteenth", "seventh flat ninth flat thirteenth", "7b9b13",
             {0, 1, 4, 7, 8, 10}, 4, 7)
            .With(Rare),
        Full("Seventh Flat Fifth Flat Ninth", "seventh flat fifth flat ninth", "7b5b9",
             {0, 1, 4, 6, 10}, 4, 6)
            .FullSpelled("7b9b5")
            .With(Common),
        Full("Seventh Suspended Fourth Flat Ninth", "seventh suspended fourth flat ninth",
             "7sus4b9", {0, 1, 5, 7, 10}, 5, 7)
            .FullSpelled("7b9sus 7b9sus4")
            .With(Rare),
        Full("Ninth Sharp Fifth", "ninth sharp fifth", "9#5", {0, 2, 4, 8, 10}, 4, 8)
            .FullSpelled("aug9 9aug"),
        Full("Ninth Sharp Eleventh", "ninth sharp eleventh", "9#11", {0, 2, 4, 6, 7, 10}, 4, 7),
        Full("Ninth Flat Fifth", "ninth flat fifth", "9b5", {0, 2, 4, 6, 10}, 4, 6),
        Full("Ninth Suspended Fourth", "ninth suspended fourth", "9sus4", {0, 2, 5, 7, 10}, 5, 7)
            .FullSpelled("9sus")
            .With(Common),
        Full("Ninth Added Sixth", "ninth added sixth", "9add6", {0, 2, 4, 7, 9, 10}, 4, 7)
            .FullSpelled("9add13 9/6")
            .With(Rare),
        Full("Thirteenth", "thirteenth", "13", {0, 2, 4, 5, 7, 9, 10}, 4, 7)
            .FullSpelled("7add13 dom13")
            .Omitting(Thirteenth),
        Full("Thirteenth Sharp Eleventh", "thirteenth sharp eleventh", "13#11",
             {0, 2, 4, 6, 7, 9, 10}, 4, 7)
            .With(Common)
            .Omitting(Thirteenth),
        Full("Thirteenth Sharp Ninth", "thirteenth sharp ninth", "13#9", {0, 3, 4, 5, 7, 9, 10}, 4,
             7)
            .With(Uncommon)
            .Omitting(Thirteenth),
        Full("Thirteenth Flat Ninth", "thirteenth flat ninth", "13b9", {0, 1, 4, 5, 7, 9, 10}, 4, 7)
            .With(Common)
            .Omitting(Thirteenth),
        Full("Thirteenth Suspended Fourth", "thirteenth suspended fourth", "13sus4",
             {0, 2, 5, 7, 9, 10}, 5, 7)
            .FullSpelled("13sus")
            .With(Uncommon)
            .Omitting(Thirteenth),
        Full("Thirteenth Suspended Second", "thirteenth suspended second", "13sus2",
             {0, 2, 7, 9, 10}, 2, 7)
            .With(Rare)
            .Omitting(Thirteenth),

        // Major sevenths with more notes.
        Full("Major Eleventh", "major eleventh", "maj11", {0, 2, 4, 5, 7, 11}, 4, 7)
            .FullSpelled("maj911 maj9add11")
            .With(Common)
            .Omitting(Eleventh),
        Full("Major Thirteenth", "major thirteenth", "maj13", {0, 2, 4, 5, 7, 9, 11}, 4, 7)
            .Omitting(Thirteenth),
        Full("Major Seventh Sharp Eleventh", "major seventh sharp eleventh", "maj7#11",
             {0, 4, 6, 7, 11}, 4, 7)
            .With(Common),
        Full("Major Seventh Sharp Fifth", "major seventh sharp fifth", "maj7#5", {0, 4, 8, 11}, 4,
             8)
            .FullSpelled("augmaj7 maj7aug"),
        Full("Major Seventh Suspended Fourth", "major seventh suspended fourth", "maj7sus4",
             {0, 5, 7, 11}, 5, 7)
            .FullSpelled("maj7sus")
            .With(Uncommon),
        Full("Major Seventh Suspended Second", "major seventh suspended second", "maj7sus2",
             {0, 2, 7, 11}, 2, 7)
            .With(Rare),
        Full("Major Seventh Added Eleventh", "major seventh added eleventh", "maj7add11",
             {0, 4, 5, 7, 11}, 4, 7)
            .FullSpelled("maj711")
            .With(Rare),
        Full("Major Ninth Sharp Eleventh", "major ninth sharp eleventh", "maj9#11",
             {0, 2, 4, 6, 7, 11}, 4, 7)
            .With(Common),

        // Suspended chords with more notes.
        Full("Sixth Suspended Fourth", "sixth suspended fourth", "6sus4", {0, 5, 7, 9}, 5, 7)
            .FullSpelled("6sus")
            .With(Uncommon),
        Full("Sixth Suspended Second", "sixth suspended second", "6sus2", {0, 2, 7, 9}, 2, 7)
            .With(Rare),
        Full("Suspended Second and Fourth", "suspended second and fourth", "sus2sus4", {0, 2, 5, 7},
             5, 7)
            .FullSpelled("sus24 sus4sus2 sus4add2 sus4add9 sus2add4")
            .With(Uncommon),

        // Minor chords.
        Full("Minor Sharp Fifth", "minor sharp fifth", "m#5", {0, 3, 8}, 3, 8)
            .FullSpelled("maug m+5")
            .With(Rare),
        Full("Minor Sixth Added Ninth", "minor sixth added ninth", "m6/9", {0, 2, 3, 7, 9}, 3, 7)
            .FullSpelled("m69 m6add9"),
        Full("Minor Eleventh", "minor eleventh", "m11", {0, 2, 3, 5, 7, 10}, 3, 7)
            .FullSpelled("m911 m9add11")
            .Omitting(Eleventh),
        Full("Minor Thirteenth", "minor thirteenth", "m13", {0, 2, 3, 5, 7, 9, 10}, 3, 7)
            .With(Common)
            .Omitting(Thirteenth),
        Full("Minor Major Seventh", "minor major seventh", "m(maj7)", {0, 3, 7, 11}, 3, 7)
            .FullSpelled("mmaj7 m#7 m\u03947 m\u0394"),
        Full("Minor Major Ninth", "minor major ninth", "m(maj9)", {0, 2, 3, 7, 11}, 3, 7)
            .FullSpelled("mmaj9 m9maj7 mmaj7add9 m\u03949"),
        Full("Minor Added Ninth", "minor added ninth", "m(add9)", {0, 2, 3, 7}, 3, 7)
            .FullSpelled("madd9 madd2 m2"),
        Full("Minor Flat Sixth", "minor flat sixth", "mb6", {0, 3, 7, 8}, 3, 7)
            .FullSpelled("maddb6 maddb13 mb13")
            .With(Uncommon),
        Full("Minor Seventh Added Eleventh", "minor seventh added eleventh", "m7add11",
             {0, 3, 5, 7, 10}, 3, 7)
            .FullSpelled("m711 m7sus4add3")
            .With(Common),
        Full("Minor Added Eleventh", "minor added eleventh", "m(add11)", {0, 3, 5, 7}, 3, 7)
            .FullSpelled("madd11 madd4")
            .With(Uncommon),
        Full("Minor Ninth Flat Fifth", "minor ninth flat fifth", "m9b5", {0, 2, 3, 6, 10}, 3, 6)
            .FullSpelled("h9 \u00f89 m7b5add9")
            .With(Uncommon),
        Full("Minor Major Seventh Flat Fifth", "minor major seventh flat fifth", "m(maj7)b5",
             {0, 3, 6, 11}, 3, 6)
            .FullSpelled("mmaj7b5 dimmaj7")
            .With(Uncommon),
        Full("Minor Major Eleventh", "minor major eleventh", "m(maj11)", {0, 2, 3, 5, 7, 11}, 3, 7)
            .FullSpelled("mmaj11")
            .With(Uncommon)
            .Omitting(Eleventh),
        Full("Minor Seventh Sharp Fifth", "minor seventh sharp fifth", "m7#5", {0, 3, 8, 10}, 3, 8)
            .FullSpelled("m7aug")
            .With(Rare),
    };
}();

static_assert([] {
    for (const ChordType& type : kChordTypes) {
        if (type.kind != ChordKind::Separator && type.displayName.empty()) {
            return false;  // a row the list above does not fill
        }
    }
    return true;
}());

// The type at a position of the vocabulary's list: 0-37 in the classic vocabulary, every
// position of kChordTypes in the full one; the separator, whose only note is the root, for
// any other position (-1 when nothing is selected).
constexpr int ChordTypeCount(Vocabulary vocabulary) {
    return vocabulary == Vocabulary::Full ? kFullChordTypeCount : kChordTypeCount;
}

constexpr const ChordType& ChordTypeOf(int index, Vocabulary vocabulary = Vocabulary::Classic) {
    return kChordTypes[index >= 0 && index < ChordTypeCount(vocabulary) ? index : kBlankChordType];
}

// The type list of a vocabulary in the order the window offers it, by type position: the
// classic list as it is; in the full vocabulary its chords follow the classic ones, before the
// separator, the intervals and the octave.
inline constexpr std::array<int, kChordTypeCount> kClassicTypeList = [] {
    std::array<int, kChordTypeCount> list{};
    for (int t = 0; t < kChordTypeCount; ++t) {
        list[t] = t;
    }
    return list;
}();

inline constexpr std::array<int, kFullChordTypeCount> kFullTypeList = [] {
    std::array<int, kFullChordTypeCount> list{};
    int k = 0;
    for (int t = 0; t < kBlankChordType; ++t) {
        list[k++] = t;
    }
    for (int t = kChordTypeCount; t < kFullChordTypeCount; ++t) {
        list[k++] = t;
    }
    for (int t = kBlankChordType; t < kChordTypeCount; ++t) {
        list[k++] = t;
    }
    return list;
}();

constexpr std::span<const int> TypeList(Vocabulary vocabulary) {
    if (vocabulary == Vocabulary::Full) {
        return kFullTypeList;
    }
    return kClassicTypeList;
}

// The display name of a type; empty for the separator and for any index outside the list.
constexpr std::string_view ChordTypeName(int index, Vocabulary vocabulary = Vocabulary::Classic) {
    return ChordTypeOf(index, vocabulary).displayName;
}

}  // namespace fretwise
