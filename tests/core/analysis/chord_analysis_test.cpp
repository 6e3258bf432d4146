#include "core/analysis/chord_analysis.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <vector>

#include "core/music/chord_types.hpp"
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
    {"E and B: one interval from each root, in string order",
     {0, 0, x, x, x, x},
     {{"E", 0, 0, "Perfect Fifth", "", "First", 32, "B"},
      {"B", 0, 0, "Perfect Fourth", "", "Root Position", 30, "B"}}},
    {"open E major", {0, 0, 1, 2, 2, 0}, {{"E", 1, 2, "major", "", "Root Position", 0, "E"}}},
    {"A barre at the fifth fret: the bass is compared by pitch class",
     {5, 5, 6, 7, 7, 5},
     {{"A", 1, 2, "major", "", "Root Position", 0, "A"}}},
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
};

TEST(Naming, NamesEveryRootThatMatches) {
    for (const NamingCase& c : kNamingCases) {
        SCOPED_TRACE(c.what);
        const ChordAnalysis result = AnalyseChord(Shape(c.frets), c.mode);
        // Reusing an earlier result, as naming many shapes in a row does, gives the same names.
        ChordAnalysis reused = AnalyseChord(Shape({0, 8, 7, 7, 5, x}), Accidentals::Flats);
        AnalyseChordInto(Shape(c.frets), c.mode, reused);
        ASSERT_EQ(result.NameCount, static_cast<int>(c.names.size()));
        ASSERT_EQ(reused.NameCount, result.NameCount);
        for (std::size_t k = 0; k < c.names.size(); ++k) {
            EXPECT_EQ(result.ChordNames[k], c.names[k])
                << "entry " << k << ": " << result.ChordNames[k].Root << " "
                << result.ChordNames[k].Name;
            EXPECT_EQ(reused.ChordNames[k], c.names[k]);
        }
    }
}

// A shape sounding the spelled notes from the low E string up, each above the one before:
// "Ab C E" has Ab in the bass.
Fingering Sounding(const std::string& spelled) {
    Fingering shape;
    shape.Note.fill(kNotPlayed);
    std::istringstream names(spelled);
    int string = kStringCount - 1;
    int previous = -1;
    for (std::string name; names >> name; --string) {
        int note = std::string_view("A BC D EF G").find(name[0]) + 1;
        note += name.size() == 1 ? 0 : name[1] == '#' ? 1 : -1;
        while (note <= previous) {
            note += 12;
        }
        shape.Note[string] = static_cast<std::int16_t>(previous = note);
    }
    return shape;
}

// Every chord and interval spelled on C, named from C (in flats, as it is spelled).
TEST(Naming, EveryTypeIsNamedFromItsNotes) {
    const struct {
        const char* notes;
        const char* name;
        const char* abbrev;
        std::int16_t thirds, fifths;
        const char* inversion;
    } book[] = {
        {"C E G C E", "major", "", 2, 1, "Root Position"},
        {"Eb G C", "minor", "m", 1, 1, "First"},
        {"C E G Bb", "seventh", "7", 1, 1, "Root Position"},
        {"C Eb G Bb G", "minor seventh", "m7", 1, 2, "Root Position"},
        {"C E G B", "major seventh", "maj7", 1, 1, "Root Position"},
        {"C E G A", "sixth", "6", 1, 1, "Root Position"},
        {"C Eb G A", "minor sixth", "m6", 1, 1, "Root Position"},
        {"Ab C E", "augmented", "+", 1, 1, "Second"},
        {"C E Ab Bb", "augmented seventh", "7+", 1, 1, "Root Position"},
        {"C Eb Gb", "diminished", "dim", 1, 1, "Root Position"},
        {"Gb C Eb A", "diminished seventh", "dim7", 1, 1, "Second"},
        {"C E Gb Bb", "seventh (flattened fifth)", "7(5b)", 1, 1, "Root Position"},
        {"C Eb Gb Bb", "minor 7th (flattened fifth)", "m7(5b)", 1, 1, "Root Position"},
        {"C E Gb B", "major 7th (flattened fifth)", "maj7 (5b)", 1, 1, "Root Position"},
        {"C E G Bb D", "ninth", "9", 1, 1, "Root Position"},
        {"C Eb G Bb D", "minor ninth", "m9", 1, 1, "Root Position"},
        {"C E G B D", "major ninth", "maj9", 1, 1, "Root Position"},
        {"C E G Bb D F", "eleventh", "11", 1, 1, "Root Position"},
        {"C E G A Db", "diminished ninth", "dim9", 1, 1, "Root Position"},
        {"E C G D", "added ninth", "add9", 1, 1, "First"},
        {"C E F G", "added fourth", "add4", 1, 1, "Root Position"},
        {"C F G", "suspended", "sus", 1, 1, "Root Position"},
        {"C D G D", "suspended second", "sus2", 2, 1, "Root Position"},
        {"F C G Bb", "suspended fourth", "sus4", 1, 1, "First"},
        {"G C D Bb", "seventh suspended ninth", "7sus9", 1, 1, "Second"},
        {"C Db", "Minor Second", "", 1, 0, "Root Position"},
        {"C D", "Major Second", "", 0, 0, "Root Position"},
        {"Eb C", "Minor Third", "", 0, 0, "First"},
        {"C E", "Major Third", "", 0, 0, "Root Position"},
        {"C F", "Perfect Fourth", "", 0, 0, "Root Position"},
        {"C Gb", "Augmented Fourth", "", 0, 0, "Root Position"},
        {"C G", "Perfect Fifth", "", 0, 0, "Root Position"},
        {"C Ab", "Minor Sixth", "", 0, 0, "Root Position"},
        {"C A", "Major Sixth", "", 0, 0, "Root Position"},
        {"C Bb", "Minor Seventh", "", 0, 0, "Root Position"},
        {"C B", "Major Seventh", "", 0, 0, "Root Position"},
        {"C C", "Octave", "", 0, 0, "First"},
    };
    for (const auto& chord : book) {
        const ChordAnalysis result = AnalyseChord(Sounding(chord.notes), Accidentals::Flats);
        const auto fromC =
            std::find_if(result.ChordNames.begin(), result.ChordNames.begin() + result.NameCount,
                         [](const ChordName& name) { return name.Root == "C"; });
        ASSERT_NE(fromC, result.ChordNames.begin() + result.NameCount) << chord.notes;
        EXPECT_EQ(*fromC, (ChordName{"C", chord.thirds, chord.fifths, chord.name, chord.abbrev,
                                     chord.inversion, fromC->Type,
                                     std::string(chord.notes, std::strcspn(chord.notes, " "))}))
            << chord.notes;
        EXPECT_EQ(ChordTypeOf(fromC->Type).name, chord.name) << chord.notes;
    }
}

}  // namespace
}  // namespace fretwise::test
