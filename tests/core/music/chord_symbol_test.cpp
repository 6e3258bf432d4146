#include "core/music/chord_symbol.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/music/chord_types.hpp"

namespace fretwise::test {
namespace {

constexpr int A = 0, B = 2, C = 3, Cs = 4, D = 5, E = 7, Ab = 11;

constexpr Accidentals kSharps = Accidentals::Sharps, kFlats = Accidentals::Flats;

ChordSymbol Chord(int root, int type, std::optional<int> bass = {},
                  Accidentals spelling = kSharps) {
    return {root, type, bass, spelling};
}

// Every spelling guitarists use for each type of the catalogue, after the root C.
const struct {
    int type;
    std::vector<std::string> suffixes;
} kSuffixes[] = {
    {0, {"", "M", "maj", " major"}},
    {1, {"m", "min", "-", "mi"}},
    {2, {"7", "dom7"}},
    {3, {"m7", "-7", "min7", "Min7", " Minor Seventh"}},
    {4, {"maj7", "M7", "Maj7", "MAJ7", "Δ", "Δ7", "ma7", " maj7"}},
    {5, {"6", "M6"}},
    {6, {"m6", "-6"}},
    {7, {"aug", "+", "(#5)"}},
    {8, {"aug7", "+7", "7#5", "7+5", "7+", "7(#5)"}},
    {9, {"dim", "°", "o", "m(b5)"}},
    {10, {"dim7", "°7", "o7"}},
    {11, {"7b5", "7-5", "7(b5)", "7♭5"}},
    {12, {"m7b5", "ø", "ø7", "-7b5", "min7b5", "mi7b5", "m7-5", "m7(b5)"}},
    {13, {"maj7b5", "M7b5", "maj7(b5)"}},
    {14, {"9", "7(9)"}},
    {15, {"m9", "-9", "m7(9)"}},
    {16, {"maj9", "M9", "Δ9", "maj7(9)"}},
    {17, {"11"}},
    {18, {"dim9"}},
    {19, {"add9", "add2", "(add9)"}},
    {20, {"add4", "add11"}},
    {21, {"sus", "sus4"}},
    {22, {"sus2"}},
    {23, {"7sus4", "7sus"}},
    {24, {"7sus2", "7sus9"}},
    {26, {" Minor Second"}},
    {32, {"5"}},
    {37, {" octave"}},
};

TEST(ChordSymbol, ReadsEverySpellingOfEveryType) {
    for (const auto& group : kSuffixes) {
        for (const std::string& suffix : group.suffixes) {
            const SymbolReading reading = ReadChordSymbol("C" + suffix);
            EXPECT_EQ(reading.chord, Chord(C, group.type)) << suffix << ": " << reading.error;
        }
    }
}

// Roots, accidentals, blanks and slashes.
const struct {
    const char* text;
    ChordSymbol chord;
} kSymbols[] = {
    {"C♯m7b5", Chord(Cs, 12)},       {"D♭maj7", Chord(Cs, 4, {}, kFlats)},
    {"Cb", Chord(B, 0, {}, kFlats)}, {"  G#m7  ", Chord(Ab, 3)},
    {"D / F#", Chord(D, 0, 10)},     {"Am7/g", Chord(A, 3, 11)},
    {"E5/B", Chord(E, 32, 3)},       {"Cm/Eb", Chord(C, 1, 7, kFlats)},
};

TEST(ChordSymbol, ReadsRootsAccidentalsAndBassNotes) {
    for (const auto& c : kSymbols) {
        const SymbolReading reading = ReadChordSymbol(c.text);
        EXPECT_EQ(reading.chord, c.chord) << c.text << ": " << reading.error;
    }
}

// What the panel prints and what the symbols print read back, for every root in both
// spellings; the panel's "sus4" is the one exception, read as guitarists mean it.
TEST(ChordSymbol, EverythingTheProgramPrintsReadsBack) {
    for (int type = 0; type < kChordTypeCount; ++type) {
        const ChordType& t = kChordTypes[type];
        for (int root = 0; root < kRootCount; ++root) {
            for (const Accidentals mode : {kSharps, kFlats}) {
                const std::string rootName(NoteName(root + 1, mode));
                if (t.kind == ChordKind::Chord) {
                    const std::string shortName = rootName + std::string(t.abbrev);
                    const SymbolReading reading = ReadChordSymbol(shortName);
                    ASSERT_TRUE(reading.chord) << shortName << ": " << reading.error;
                    EXPECT_EQ(reading.chord->root, root) << shortName;
                    EXPECT_EQ(reading.chord->type, t.abbrev == "sus4" ? 21 : type) << shortName;
                }
                const std::optional<std::string> symbol = ChordSymbolText(Chord(root, type), mode);
                if (!symbol) {
                    continue;
                }
                const SymbolReading reading = ReadChordSymbol(*symbol);
                ASSERT_TRUE(reading.chord) << *symbol << ": " << reading.error;
                EXPECT_EQ(*reading.chord, Chord(root, type, {}, reading.chord->spelling))
                    << *symbol;
            }
        }
    }
}

TEST(ChordSymbol, RefusesWhatTheCatalogueDoesNotHoldAndSaysWhy) {
    const struct {
        const char* text;
        const char* error;
    } cases[] = {
        {"", "no chord symbol (a root A to G and a type, e.g. C, F#m7, D/F#)"},
        {"H7", "'H7': no root note (a symbol starts with A to G, then # or b)"},
        {"Cmaj13",
         "'Cmaj13': no chord type 'maj13' (known: m, 7, m7, maj7, 6, m6, +, 7#5, dim, dim7, "
         "7b5, m7b5, maj7b5, 9, m9, maj9, 11, dim9, add9, add4, sus4, sus2, 7sus4, 7sus2, 5; "
         "none for major)"},
        {"C/", "'C/': no bass note after '/'"},
        {"C/H", "'C/H': no bass note 'H' (A to G, then # or b)"},
        {"C/Ex", "'C/Ex': no bass note 'Ex' (A to G, then # or b)"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadChordSymbol(c.text).error, c.error);
    }
    // Am(add9): the catalogue has no minor chord with an added ninth.
    for (const char* text : {"Am(add9)", "C13", "Cm11", "C6/9", "CmM7", "Cbb", "C7b9", "C/E/G"}) {
        const SymbolReading reading = ReadChordSymbol(text);
        EXPECT_FALSE(reading.chord) << text;
        EXPECT_NE(reading.error.find("no chord type"), std::string::npos) << reading.error;
    }
}

TEST(ChordSymbol, WritesTheBassOnlyWhenItIsNotTheRoot) {
    EXPECT_EQ(ChordSymbolText(Chord(D, 0, 10), kSharps), "D/F#");
    EXPECT_EQ(ChordSymbolText(Chord(D, 0, 10), kFlats), "D/Gb");
    EXPECT_EQ(ChordSymbolText(Chord(C, 0, 4), kSharps), "C");
    for (const int noSymbol : {25, 26, 37, kFullChordTypeCount}) {
        EXPECT_EQ(ChordSymbolText(Chord(E, noSymbol), kSharps), std::nullopt) << noSymbol;
    }
}

}  // namespace
}  // namespace fretwise::test
