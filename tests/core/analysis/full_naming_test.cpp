#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/analysis/chord_analysis.hpp"
#include "core/music/chord_symbol.hpp"
#include "support/shapes.hpp"

namespace fretwise::test {
namespace {

// The names of a shape in the full vocabulary as chord symbols ("C7#9", "Am7/G", "Am/G"),
// with the left-out notes after a colon ("C13:no5,no9,no11").
std::vector<std::string> Names(std::string_view frets, Accidentals mode = Accidentals::Sharps) {
    const ChordAnalysis analysis = AnalyseChord(Shape(frets), mode, Vocabulary::Full);
    std::vector<std::string> names;
    for (int k = 0; k < analysis.NameCount; ++k) {
        const ChordName& name = analysis.ChordNames[k];
        std::string text = ChordSymbolText(name.Root, name.Type, name.Bass)
                               .value_or(name.Root + " - " + name.Name);
        const Degrees omitted = OmittedDegrees(name.Omits);
        for (std::size_t d = 0; d < omitted.size(); ++d) {
            text += d == 0 ? ":no" : ",no";
            text += omitted[d];
        }
        names.push_back(text);
    }
    return names;
}

// Shapes from method books, songbooks and jazz comping, and the name their charts print.
const struct {
    const char* frets;
    const char* chart;
} kChartShapes[] = {
    {"x32010", "C"},     {"022000", "Em"},    {"x02210", "Am"},       {"133211", "F"},
    {"x32310", "C7"},    {"020100", "E7"},    {"x21202", "B7"},       {"x35343", "Cm7"},
    {"353333", "Gm7"},   {"x02010", "Am7"},   {"022030", "Em7"},      {"x32000", "Cmaj7"},
    {"xx3210", "Fmaj7"}, {"x35555", "C6"},    {"320000", "G6"},       {"x32030", "Cadd9"},
    {"xx0230", "Dsus2"}, {"xx0233", "Dsus4"}, {"x02410", "Am(add9)"}, {"x3100x", "Cm(maj7)"},
    {"x3424x", "Cdim7"}, {"x3211x", "C+"},    {"x2323x", "Bm7b5"},    {"x022xx", "A5"},
    {"x32233", "C6/9"},  {"x3233x", "C9"},    {"x5455x", "D9"},       {"x3234x", "C7#9"},
    {"076780", "E7#9"},  {"x02323", "A7b9"},  {"x3x355", "C13"},      {"3x3455", "G13"},
    {"2x0232", "D/F#"},  {"332010", "C/G"},   {"032010", "C/E"},      {"x20003", "G/B"},
    {"2x2010", "C/F#"},  {"xx0010", "D11"},
};

TEST(FullNaming, NamesChartShapesFirstAsChartsDo) {
    for (const auto& c : kChartShapes) {
        const std::vector<std::string> names = Names(c.frets);
        ASSERT_FALSE(names.empty()) << c.frets;
        const std::string first = names[0].substr(0, names[0].find(':'));
        EXPECT_EQ(first, c.chart) << c.frets << ": " << ::testing::PrintToString(names);
    }
}

TEST(FullNaming, EveryRootOfADiminishedSeventhAndAnAugmentedChordIsNamedTheBassFirst) {
    const struct {
        const char* frets;
        std::vector<std::string> names;  // the bass's first, then the others in any order
    } cases[] = {
        {"x3424x", {"Cdim7", "Ebdim7/C", "Gbdim7/C", "Adim7/C"}},
        {"x3211x", {"C+", "E+/C", "Ab+/C"}},
    };
    for (const auto& c : cases) {
        const std::vector<std::string> names = Names(c.frets, Accidentals::Flats);
        ASSERT_FALSE(names.empty());
        EXPECT_EQ(names[0], c.names[0]);
        for (const std::string& name : c.names) {
            EXPECT_NE(std::find(names.begin(), names.end(), name), names.end())
                << name << ": " << ::testing::PrintToString(names);
        }
    }
}

// Left-out notes: the fifth of a seventh chord, the eleventh, ninth and fifth of a thirteenth,
// the third of an eleventh; a note the chord is named by never goes.
TEST(FullNaming, SaysWhichNotesAVoicingLeavesOut) {
    const struct {
        const char* frets;
        const char* name;  // must be among the names
    } cases[] = {
        {"x3x35x", "C7:no5"},  {"x3x355", "C13:no5,no9,no11"}, {"8 x 8 9 10 x", "C13:no5,no9,no11"},
        {"x3233x", "C9:no5"},  {"x3243x", "Cmaj9:no5"},        {"x33333", "C11:no3"},
        {"x3x34x", "Cm7:no5"},
    };
    for (const auto& c : cases) {
        const std::vector<std::string> names = Names(c.frets);
        EXPECT_NE(std::find(names.begin(), names.end(), c.name), names.end())
            << c.frets << ": " << ::testing::PrintToString(names);
    }
    // A flattened fifth names the chord and always sounds: C E Bb is no C7b5.
    for (const std::string& name : Names("x3x35x")) {
        EXPECT_EQ(name.find("7b5"), std::string::npos) << name;
    }
}

// A bass that is no chord note gives a slash name over the chord above it, beside the
// readings that hold the bass.
TEST(FullNaming, ABassOutsideTheChordGivesASlashName) {
    const struct {
        const char* frets;
        std::vector<std::string> among;
    } cases[] = {
        {"3x2210", {"Am7/G", "Am/G"}},  {"x3x232", {"D7/C", "D/C"}},
        {"x22010", {"Cmaj7/B", "C/B"}}, {"0x3211", {"Fmaj7/E", "F/E"}},
        {"3x3211", {"F/G", "Fadd9/G"}},
    };
    for (const auto& c : cases) {
        const std::vector<std::string> names = Names(c.frets);
        for (const std::string& name : c.among) {
            EXPECT_NE(std::find(names.begin(), names.end(), name), names.end())
                << c.frets << " " << name << ": " << ::testing::PrintToString(names);
        }
    }
    const ChordAnalysis analysis =
        AnalyseChord(Shape("2x2010"), Accidentals::Sharps, Vocabulary::Full);
    EXPECT_EQ(analysis.ChordNames[0].Name, "major over F#");
    EXPECT_EQ(analysis.ChordNames[0].Abbrev, "/F#");
    EXPECT_EQ(analysis.ChordNames[0].Inversion, "Slash");
    EXPECT_TRUE(analysis.ChordNames[0].ForeignBass);
}

TEST(FullNaming, TheClassicVocabularyNamesAsEver) {
    const ChordAnalysis classic = AnalyseChord(Shape("x3234x"), Accidentals::Sharps);
    EXPECT_EQ(classic.NameCount, 0);
    const ChordAnalysis sixth = AnalyseChord(Shape("x02213"), Accidentals::Sharps);
    ASSERT_EQ(sixth.NameCount, 2);
    EXPECT_EQ(sixth.ChordNames[0].Abbrev, "6");
    EXPECT_EQ(sixth.ChordNames[1].Abbrev, "m7");
}

}  // namespace
}  // namespace fretwise::test
