#include "analysis/chord_analysis.hpp"

#include <gtest/gtest.h>

#include <ostream>

#include <vector>

#include "music/chord_types.hpp"
#include "support/shapes.hpp"

namespace fretwise::test {
namespace {

struct NamingCase {
    const char* what;
    PerString frets;  // string order: element 0 = high E
    std::vector<ChordName> names;
    Accidentals mode = Accidentals::Sharps;
};

// Fields in the order Root, Thirds, Fifths, Name, Abbrev, Inversion, Type, Bass.
const NamingCase kNamingCases[] = {
    {"nothing played", {x, x, x, x, x, x}, {}},
    {"one string", {x, x, x, 2, x, x}, {}},
    {"one pitch class on one string among mutes", {x, x, x, x, x, 0}, {}},
    {"both E strings open: an octave is always First",
     {0, x, x, x, x, 0},
     {{"E", 0, 0, "Octave", "", "First", 37, "E"}}},
    {"E and B: one interval from each root, in string order",
     {0, 0, x, x, x, x},
     {{"E", 0, 0, "Perfect Fifth", "", "First", 32, "B"},
      {"B", 0, 0, "Perfect Fourth", "", "Root Position", 30, "B"}}},
    {"minor second: its Thirds counts the root's strings",
     {x, x, x, 8, 0, x},
     {{"A#", 0, 0, "Major Seventh", "", "First", 36, "A"},
      {"A", 1, 0, "Minor Second", "", "Root Position", 26, "A"}}},
    {"open E major", {0, 0, 1, 2, 2, 0}, {{"E", 1, 2, "major", "", "Root Position", 0, "E"}}},
    {"A barre at the fifth fret: the bass is compared by pitch class",
     {5, 5, 6, 7, 7, 5},
     {{"A", 1, 2, "major", "", "Root Position", 0, "A"}}},
    {"C major", {0, 1, 0, 2, 3, x}, {{"C", 2, 1, "major", "", "Root Position", 0, "C"}}},
    {"suspended fourth with the fourth in the bass",
     {0, 8, 7, 7, 5, x},
     {{"A", 2, 1, "suspended fourth", "sus4", "First", 23, "D"}}},
    {"suspended second with the second in the bass",
     {0, x, x, 7, 2, x},
     {{"E", 1, 1, "suspended", "sus", "Second", 21, "B"},
      {"A", 1, 1, "suspended second", "sus2", "First", 22, "B"}}},
    {"a cluster C, C#, D names nothing", {x, x, x, 0, 3, 9}, {}},
    {"C sixth and A minor seventh from the same notes",
     {3, 1, 2, 2, 0, x},
     {{"C", 1, 1, "sixth", "6", "Third", 5, "A"},
      {"A", 1, 1, "minor seventh", "m7", "Root Position", 3, "A"}}},
    {"flats spell the root",
     {1, 3, 3, 3, 1, x},
     {{"Bb", 1, 2, "major", "", "Root Position", 0, "Bb"}},
     Accidentals::Flats},
    {"seventh with flattened fifth keeps its own spelling",
     {x, 2, 0, 1, 0, x},
     {{"D#", 1, 1, "seventh (flattened fifth)", "7(5b)", "Second", 11, "A"},
      {"A", 1, 1, "seventh (flattened fifth)", "7(5b)", "Root Position", 11, "A"}}},
    {"dominant seventh",
     {0, 2, 0, 2, 0, x},
     {{"A", 1, 2, "seventh", "7", "Root Position", 2, "A"}}},
    {"minor seventh with flattened fifth is written with 7th",
     {1, 0, 2, 0, 2, x},
     {{"B", 1, 1, "minor 7th (flattened fifth)", "m7(5b)", "Root Position", 12, "B"},
      {"D", 1, 1, "minor sixth", "m6", "Third", 6, "B"}}},
};

void PrintTo(const NamingCase& c, std::ostream* os) {
    *os << c.what;
}

class Naming : public testing::TestWithParam<NamingCase> {};

TEST_P(Naming, NamesEveryRootThatMatches) {
    const NamingCase& c = GetParam();
    const ChordAnalysis result = AnalyseChord(Shape(c.frets), c.mode);
    ASSERT_EQ(result.NameCount, static_cast<int>(c.names.size()));
    for (std::size_t k = 0; k < c.names.size(); ++k) {
        EXPECT_EQ(result.ChordNames[k], c.names[k])
            << "entry " << k << ": " << result.ChordNames[k].Root << " "
            << result.ChordNames[k].Name;
    }
}

TEST_P(Naming, ReusingAnEarlierResultGivesTheSameNames) {
    const NamingCase& c = GetParam();
    ChordAnalysis reused = AnalyseChord(Shape({0, 8, 7, 7, 5, x}), Accidentals::Flats);
    AnalyseChordInto(Shape(c.frets), c.mode, reused);
    const ChordAnalysis fresh = AnalyseChord(Shape(c.frets), c.mode);
    ASSERT_EQ(reused.NameCount, fresh.NameCount);
    for (int k = 0; k < fresh.NameCount; ++k) {
        EXPECT_EQ(reused.ChordNames[k], fresh.ChordNames[k]);
    }
}

INSTANTIATE_TEST_SUITE_P(Shapes, Naming, testing::ValuesIn(kNamingCases));

TEST(Naming, EveryChordTypeIsFoundFromItsRootInRootPosition) {
    // Stack the type's notes on the strings from the low E up, C in the bass.
    for (int index = 0; index < kChordTypeCount; ++index) {
        const ChordType& type = kChordTypes[index];
        if (type.kind != ChordKind::Chord && type.kind != ChordKind::Interval) {
            continue;
        }
        Fingering shape;
        shape.Note.fill(kNotPlayed);
        for (std::size_t k = 0; k < type.Notes().size(); ++k) {
            shape.Note[kStringCount - 1 - k] = static_cast<std::int16_t>(4 + type.Notes()[k]);
        }
        const ChordAnalysis result = AnalyseChord(shape, Accidentals::Sharps);
        bool found = false;
        for (int k = 0; k < result.NameCount; ++k) {
            const ChordName& name = result.ChordNames[k];
            if (name.Root == "C") {
                found = true;
                EXPECT_EQ(name.Name, type.name);
                EXPECT_EQ(name.Abbrev, type.abbrev);
                EXPECT_EQ(name.Type, index);
                EXPECT_EQ(name.Inversion, "Root Position") << type.name;
            }
        }
        EXPECT_TRUE(found) << type.name;
    }
}

}  // namespace
}  // namespace fretwise::test
