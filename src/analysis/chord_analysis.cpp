#include "analysis/chord_analysis.hpp"

#include <array>
#include <bit>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string_view>

namespace fretwise {

namespace {

constexpr int kClasses = 12;

// Intervals are semitones above the root, 1-11; a set of them is a bit mask.
using IntervalSet = std::uint16_t;

constexpr IntervalSet Intervals(std::initializer_list<int> semitones) {
    IntervalSet set = 0;
    for (int k : semitones) {
        set |= static_cast<IntervalSet>(1u << k);
    }
    return set;
}

struct ChordPattern {
    IntervalSet intervals;  // exactly these must sound above the root
    std::string_view name;
    std::string_view abbrev;
    int third;  // the note whose strings Thirds counts; it also decides "First"
    int fifth;  // the note whose strings Fifths counts; it also decides "Second"
};

// Tested in this order; no two share a set, so at most one matches a root.
constexpr ChordPattern kChordPatterns[] = {
    {Intervals({4, 7}), "major", "", 4, 7},
    {Intervals({3, 7}), "minor", "m", 3, 7},
    {Intervals({4, 7, 10}), "seventh", "7", 4, 7},
    {Intervals({3, 7, 10}), "minor seventh", "m7", 3, 7},
    {Intervals({4, 7, 11}), "major seventh", "maj7", 4, 7},
    {Intervals({4, 7, 9}), "sixth", "6", 4, 7},
    {Intervals({3, 7, 9}), "minor sixth", "m6", 3, 7},
    {Intervals({4, 8}), "augmented", "+", 4, 8},
    {Intervals({4, 8, 10}), "augmented seventh", "7+", 4, 8},
    {Intervals({3, 6}), "diminished", "dim", 3, 6},
    {Intervals({3, 6, 9}), "diminished seventh", "dim7", 3, 6},
    {Intervals({4, 6, 10}), "seventh (flattened fifth)", "7(5b)", 4, 6},
    {Intervals({3, 6, 10}), "minor 7th (flattened fifth)", "m7(5b)", 3, 6},
    {Intervals({4, 6, 11}), "major 7th (flattened fifth)", "maj7 (5b)", 4, 6},
    {Intervals({2, 4, 7, 10}), "ninth", "9", 4, 7},
    {Intervals({2, 3, 7, 10}), "minor ninth", "m9", 3, 7},
    {Intervals({2, 4, 7, 11}), "major ninth", "maj9", 4, 7},
    {Intervals({2, 4, 5, 7, 10}), "eleventh", "11", 4, 7},
    {Intervals({1, 4, 7, 9}), "diminished ninth", "dim9", 4, 7},
    {Intervals({2, 4, 7}), "added ninth", "add9", 4, 7},
    {Intervals({4, 5, 7}), "added fourth", "add4", 4, 7},
    {Intervals({5, 7}), "suspended", "sus", 5, 7},
    {Intervals({2, 7}), "suspended second", "sus2", 2, 7},
    {Intervals({5, 7, 10}), "suspended fourth", "sus4", 5, 7},
    {Intervals({2, 7, 10}), "seventh suspended ninth", "7sus9", 2, 7},
};

// Indexed by the one interval that sounds above the root.
constexpr std::string_view kIntervalNames[kClasses] = {
    "",
    "Minor Second",
    "Major Second",
    "Minor Third",
    "Major Third",
    "Perfect Fourth",
    "Augmented Fourth",
    "Perfect Fifth",
    "Minor Sixth",
    "Major Sixth",
    "Minor Seventh",
    "Major Seventh",
};

// How many strings sound each pitch class.
using ClassCounts = std::array<std::int16_t, kClasses>;

// What one root matched: the entry's texts and the notes that fill Thirds and Fifths and
// decide the inversion.
struct Match {
    std::string_view name;
    std::string_view abbrev;
    int third;
    int fifth;
    std::int16_t thirds;
    std::int16_t fifths;
};

std::optional<Match> MatchRoot(const ClassCounts& counts, int root) {
    const auto count = [&](int semitones) { return counts[(root + semitones) % kClasses]; };
    IntervalSet sounding = 0;
    for (int k = 1; k < kClasses; ++k) {
        if (count(k) > 0) {
            sounding |= static_cast<IntervalSet>(1u << k);
        }
    }
    for (const ChordPattern& p : kChordPatterns) {
        if (p.intervals == sounding) {
            return Match{p.name, p.abbrev, p.third, p.fifth, count(p.third), count(p.fifth)};
        }
    }
    if (sounding == 0) {
        if (count(0) > 1) {
            return Match{"Octave", "", 0, 0, 0, 0};
        }
        return std::nullopt;
    }
    if ((sounding & (sounding - 1)) != 0) {
        return std::nullopt;  // more than one interval and no chord
    }
    const int k = std::countr_zero(sounding);
    // An interval's Thirds counts the note a semitone below it: the root's strings for a
    // minor second (so it reads as a chord), nothing for the others.
    return Match{kIntervalNames[k], "", k, 0, count(k - 1), 0};
}

std::string_view InversionOf(int bass, int root, const Match& match) {
    if (bass == (root + match.third) % kClasses) {
        return "First";
    }
    if (bass == root) {
        return "Root Position";
    }
    if (bass == (root + match.fifth) % kClasses) {
        return "Second";
    }
    return "Third";
}

}  // namespace

ChordAnalysis AnalyseChord(const Fingering& shape, Accidentals mode) {
    ChordAnalysis result;
    ClassCounts counts{};
    int bass = -1;  // pitch class of the lowest-sounding string
    for (int s = 0; s < kStringCount; ++s) {
        if (shape.Note[s] >= 0) {
            const int pc = PitchClass(shape.Note[s]);
            ++counts[pc];
            bass = pc;
        }
    }
    std::uint16_t tried = 0;
    for (int s = 0; s < kStringCount; ++s) {
        if (shape.Note[s] < 0) {
            continue;
        }
        const int root = PitchClass(shape.Note[s]);
        const std::uint16_t bit = static_cast<std::uint16_t>(1u << root);
        if ((tried & bit) != 0) {
            continue;
        }
        tried |= bit;
        const std::optional<Match> match = MatchRoot(counts, root);
        if (!match) {
            continue;
        }
        ChordName& entry = result.ChordNames[result.NameCount++];
        entry.Root = NoteName(root, mode);
        entry.Name = match->name;
        entry.Abbrev = match->abbrev;
        entry.Thirds = match->thirds;
        entry.Fifths = match->fifths;
        entry.Inversion = InversionOf(bass, root, *match);
    }
    return result;
}

}  // namespace fretwise
