#include "core/analysis/chord_analysis.hpp"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

#include "core/analysis/chord_readings.hpp"
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

constexpr std::string_view DegreeWord(std::string_view degree) {
    if (degree == "3") {
        return "third";
    }
    if (degree == "5") {
        return "fifth";
    }
    return degree == "9" ? "ninth" : "eleventh";
}

// Thirds and Fifths of an entry, as the classic catalogue counts them.
void CountThirdsAndFifths(ChordName& entry, const ChordType& type, const ClassCounts& counts,
                          int root) {
    const auto count = [&](int semitones) { return counts[(root + semitones) % kClasses]; };
    entry.Thirds = 0;
    entry.Fifths = 0;
    if (type.kind == ChordKind::Chord) {
        entry.Thirds = count(type.third);
        entry.Fifths = count(type.fifth);
    } else if (type.kind == ChordKind::Interval) {
        // An interval's Thirds counts the note a semitone below its upper note: the
        // root's strings for a minor second (so it reads as a chord), none otherwise.
        entry.Thirds = count(type.third - 1);
    }
}

// One reading of the full vocabulary as a name: "thirteenth (no eleventh)", "13(no11)";
// a slash name "minor over G", "m/G".
void FillReading(ChordName& entry, const ChordReading& reading, const ClassCounts& counts, int bass,
                 Accidentals mode) {
    const ChordType& type = kChordTypes[reading.type];
    entry.Root = NoteName(reading.root, mode);
    entry.Name = type.name;
    entry.Abbrev = type.abbrev;
    entry.Omits = reading.omits;
    entry.ForeignBass = reading.foreignBass;
    entry.Type = reading.type;
    entry.Bass = NoteName(bass, mode);
    CountThirdsAndFifths(entry, type, counts, reading.root);
    const Degrees degrees = OmittedDegrees(entry.Omits);
    for (std::size_t k = 0; k < degrees.size(); ++k) {
        entry.Name += k == 0 ? " (no " : ", no ";
        entry.Name += DegreeWord(degrees[k]);
        entry.Abbrev += k == 0 ? "(no" : ",no";
        entry.Abbrev += degrees[k];
    }
    if (!degrees.empty()) {
        entry.Name += ')';
        entry.Abbrev += ')';
    }
    if (reading.foreignBass) {
        entry.Name += " over ";
        entry.Name += entry.Bass;
        entry.Abbrev += '/';
        entry.Abbrev += entry.Bass;
        entry.Inversion = "Slash";
    } else {
        entry.Inversion = InversionOf(bass, reading.root, type);
    }
}

void AnalyseFull(const ClassCounts& counts, const std::array<int, kClasses>& firstString, int bass,
                 Accidentals mode, ChordAnalysis& result) {
    const ChordReadings readings = ReadClasses(counts, bass);
    std::array<const ChordReading*, kMaxReadings> order;
    for (int k = 0; k < readings.size; ++k) {
        order[k] = &readings.readings[k];
    }
    // An insertion sort: a few readings, kept in place when ranked alike.
    const auto before = [&firstString](const ChordReading* a, const ChordReading* b) {
        return a->rank != b->rank ? a->rank < b->rank : firstString[a->root] < firstString[b->root];
    };
    for (int k = 1; k < readings.size; ++k) {
        const ChordReading* moving = order[k];
        int j = k;
        for (; j > 0 && before(moving, order[j - 1]); --j) {
            order[j] = order[j - 1];
        }
        order[j] = moving;
    }
    if (result.ChordNames.size() < static_cast<std::size_t>(readings.size)) {
        result.ChordNames.resize(readings.size);
    }
    for (int k = 0; k < readings.size; ++k) {
        FillReading(result.ChordNames[k], *order[k], counts, bass, mode);
    }
    result.NameCount = static_cast<std::int16_t>(readings.size);
}

}  // namespace

ChordAnalysis AnalyseChord(const Fingering& shape, Accidentals mode, Vocabulary vocabulary) {
    ChordAnalysis result;
    AnalyseChordInto(shape, mode, result, vocabulary);
    return result;
}

void AnalyseChordInto(const Fingering& shape, Accidentals mode, ChordAnalysis& result,
                      Vocabulary vocabulary) {
    result.NameCount = 0;
    if (result.ChordNames.size() < kStringCount) {
        result.ChordNames.resize(kStringCount);
    }
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
    if (vocabulary == Vocabulary::Full) {
        if (bass < 0) {
            return;
        }
        std::array<int, kClasses> firstString{};
        for (int s = kStringCount - 1; s >= 0; --s) {
            if (shape.Note[s] >= 0) {
                firstString[PitchClass(shape.Note[s])] = s;
            }
        }
        AnalyseFull(counts, firstString, bass, mode, result);
        return;
    }
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
        CountThirdsAndFifths(entry, type, counts, root);
        entry.Inversion = InversionOf(bass, root, type);
        entry.Type = static_cast<std::int16_t>(found);
        entry.Bass = NoteName(bass, mode);
        entry.Omits = 0;
        entry.ForeignBass = false;
    }
}

}  // namespace fretwise
