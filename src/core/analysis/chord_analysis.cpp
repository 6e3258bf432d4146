#include "core/analysis/chord_analysis.hpp"

#include <array>
#include <cstdint>
#include <string_view>

#include "core/music/chord_types.hpp"

namespace fretwise {

namespace {

constexpr int kClasses = 12;

// Intervals are semitones above the root, 1-11; a set of them is a bit mask.
using IntervalSet = std::uint16_t;

constexpr IntervalSet kAboveTheRoot = 0xffe;

// The intervals a type sounds above its root; the root and its octave are not among them.
constexpr IntervalSet IntervalsOf(const ChordType& type) {
    unsigned set = 0;
    for (const std::int16_t k : type.Notes()) {
        set |= 1u << k;
    }
    return static_cast<IntervalSet>(set & kAboveTheRoot);
}

constexpr std::int8_t kNoMatch = -1;

// For every set of sounding intervals, the list position of the type it names, or kNoMatch.
// Built once so that naming a root costs one look-up.
constexpr auto kTypeBySet = [] {
    std::array<std::int8_t, 1u << kClasses> table{};
    table.fill(kNoMatch);
    for (int t = 0; t < kChordTypeCount; ++t) {
        if (kChordTypes[t].kind == ChordKind::Separator) {
            continue;
        }
        std::int8_t& entry = table[IntervalsOf(kChordTypes[t])];
        if (entry != kNoMatch) {
            throw "two chord types sound the same intervals above the root";
        }
        entry = static_cast<std::int8_t>(t);
    }
    return table;
}();

// How many strings sound each pitch class.
using ClassCounts = std::array<std::int16_t, kClasses>;

// The intervals above the root that sound, from the set of sounding pitch classes.
IntervalSet IntervalsAbove(unsigned classes, int root) {
    const unsigned rotated = (classes >> root) | (classes << (kClasses - root));
    return static_cast<IntervalSet>(rotated & kAboveTheRoot);
}

// The list position of the type the sounding intervals name, or kNoMatch.
int MatchRoot(IntervalSet sounding, std::int16_t rootCount) {
    const int found = kTypeBySet[sounding];
    // A root on a single string with nothing else sounding is no octave.
    if (found != kNoMatch && kChordTypes[found].kind == ChordKind::Octave && rootCount < 2) {
        return kNoMatch;
    }
    return found;
}

std::string_view InversionOf(int bass, int root, const ChordType& type) {
    if (bass == (root + type.third) % kClasses) {
        return "First";
    }
    if (bass == root) {
        return "Root Position";
    }
    if (bass == (root + type.fifth) % kClasses) {
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
    const auto count = [&](int root, int semitones) {
        return counts[(root + semitones) % kClasses];
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
        const int found = MatchRoot(IntervalsAbove(classes, root), counts[root]);
        if (found == kNoMatch) {
            continue;
        }
        const ChordType& type = kChordTypes[found];
        ChordName& entry = result.ChordNames[result.NameCount++];
        entry.Root = NoteName(root, mode);
        entry.Name = type.name;
        entry.Abbrev = type.abbrev;
        entry.Thirds = 0;
        entry.Fifths = 0;
        if (type.kind == ChordKind::Chord) {
            entry.Thirds = count(root, type.third);
            entry.Fifths = count(root, type.fifth);
        } else if (type.kind == ChordKind::Interval) {
            // An interval's Thirds counts the note a semitone below its upper note: the
            // root's strings for a minor second (so it reads as a chord), none otherwise.
            entry.Thirds = count(root, type.third - 1);
        }
        entry.Inversion = InversionOf(bass, root, type);
        entry.Type = static_cast<std::int16_t>(found);
        entry.Bass = NoteName(bass, mode);
    }
}

}  // namespace fretwise
