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

constexpr int kCountsNothing = -1;

// What one root matched: the entry's texts, the notes (semitones above the root) that
// decide the inversion, and the notes whose strings Thirds and Fifths count.
struct Match {
    std::string_view name;
    std::string_view abbrev;
    int third;
    int fifth;
    int thirdsOf;
    int fifthsOf;
};

constexpr int kNoMatch = -1;

// For every set of sounding intervals, the chord pattern it matches, or for a single
// interval kChordPatternCount + the interval, or kNoMatch. Built once so that naming a
// root costs one look-up.
constexpr int kChordPatternCount = static_cast<int>(std::size(kChordPatterns));
constexpr auto kMatchBySet = [] {
    std::array<std::int8_t, 1u << kClasses> table{};
    for (unsigned set = 0; set < table.size(); ++set) {
        table[set] = kNoMatch;
        if ((set & (set - 1)) == 0 && (set & 1u) == 0 && set != 0) {
            table[set] = static_cast<std::int8_t>(kChordPatternCount + std::countr_zero(set));
        }
    }
    for (int p = 0; p < kChordPatternCount; ++p) {
        table[kChordPatterns[p].intervals] = static_cast<std::int8_t>(p);
    }
    return table;
}();

// The intervals above the root that sound, from the set of sounding pitch classes.
IntervalSet IntervalsAbove(unsigned classes, int root) {
    const unsigned rotated = (classes >> root) | (classes << (kClasses - root));
    return static_cast<IntervalSet>(rotated & 0xffeu);
}

std::optional<Match> MatchRoot(IntervalSet sounding, std::int16_t rootCount) {
    if (sounding == 0) {
        if (rootCount > 1) {
            return Match{"Octave", "", 0, 0, kCountsNothing, kCountsNothing};
        }
        return std::nullopt;
    }
    const int found = kMatchBySet[sounding];
    if (found == kNoMatch) {
        return std::nullopt;
    }
    if (found < kChordPatternCount) {
        const ChordPattern& p = kChordPatterns[found];
        return Match{p.name, p.abbrev, p.third, p.fifth, p.third, p.fifth};
    }
    // An interval's Thirds counts the note a semitone below it: the root's strings for a
    // minor second (so it reads as a chord), nothing for the others.
    const int k = found - kChordPatternCount;
    return Match{kIntervalNames[k], "", k, 0, k - 1, kCountsNothing};
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
    AnalyseChordInto(shape, mode, result);
    return result;
}

void AnalyseChordInto(const Fingering& shape, Accidentals mode, ChordAnalysis& result) {
    result.NameCount = 0;
    ClassCounts counts{};
    unsigned classes = 0;
    int bass = -1;  // pitch class of the lowest-sounding string
    for (int s = 0; s < kStringCount; ++s) {
        if (shape.Note[s] >= 0) {
            const int pc = PitchClass(shape.Note[s]);
            ++counts[pc];
            classes |= 1u << pc;
            bass = pc;
        }
    }
    const auto count = [&](int root, int semitones) -> std::int16_t {
        return semitones == kCountsNothing ? 0 : counts[(root + semitones) % kClasses];
    };
    unsigned tried = 0;
    for (int s = 0; s < kStringCount; ++s) {
        if (shape.Note[s] < 0) {
            continue;
        }
        const int root = PitchClass(shape.Note[s]);
        if ((tried & (1u << root)) != 0) {
            continue;
        }
        tried |= 1u << root;
        const std::optional<Match> match = MatchRoot(IntervalsAbove(classes, root), counts[root]);
        if (!match) {
            continue;
        }
        ChordName& entry = result.ChordNames[result.NameCount++];
        entry.Root = NoteName(root, mode);
        entry.Name = match->name;
        entry.Abbrev = match->abbrev;
        entry.Thirds = count(root, match->thirdsOf);
        entry.Fifths = count(root, match->fifthsOf);
        entry.Inversion = InversionOf(bass, root, *match);
    }
}

}  // namespace fretwise
