#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/music/chord_symbol.hpp"
#include "core/music/chord_types.hpp"

namespace fretwise::test {
namespace {

constexpr Vocabulary kFull = Vocabulary::Full;

// The first type with the display name.
std::optional<int> ParseTypeName(std::string_view name) {
    for (int type = 0; type < kFullChordTypeCount; ++type) {
        if (kChordTypes[type].displayName == name) {
            return type;
        }
    }
    return std::nullopt;
}

std::vector<int> Semitones(NoteBits bits) {
    std::vector<int> notes;
    for (int k = 0; k < 12; ++k) {
        if ((bits & (1u << k)) != 0) {
            notes.push_back(k);
        }
    }
    return notes;
}

// The notes a symbol of the full vocabulary sounds, in semitones above the root; empty when
// it does not read.
std::vector<int> NotesOf(const std::string& symbol) {
    const SymbolReading reading = ReadChordSymbol(symbol, kFull);
    if (!reading.chord) {
        return {};
    }
    return Semitones(SoundedNotes(*ChordSounded(*reading.chord, kFull)));
}

// Every extension chord charts write after a root, with the notes guitarists mean by it.
// Ambiguous ones as the help page reads them: 2 is add9, 3 the major third alone, 4 sus4,
// sus9 sus2, 7alt the seventh with #5 and #9, 0 the diminished triad, h half-diminished.
const struct {
    const char* suffix;
    std::vector<int> notes;
} kExtensions[] = {
    {"", {0, 4, 7}},
    {"2", {0, 2, 4, 7}},
    {"3", {0, 4}},
    {"4", {0, 5, 7}},
    {"5", {0, 7}},
    {"6", {0, 4, 7, 9}},
    {"69", {0, 2, 4, 7, 9}},
    {"6/9", {0, 2, 4, 7, 9}},
    {"6add9", {0, 2, 4, 7, 9}},
    {"7", {0, 4, 7, 10}},
    {"711", {0, 4, 5, 7, 10}},
    {"7add11", {0, 4, 5, 7, 10}},
    {"7#11", {0, 4, 6, 7, 10}},
    {"7#5", {0, 4, 8, 10}},
    {"7#9", {0, 3, 4, 7, 10}},
    {"7#9#11", {0, 3, 4, 6, 7, 10}},
    {"7#9#5", {0, 3, 4, 8, 10}},
    {"7#9b5", {0, 3, 4, 6, 10}},
    {"7alt", {0, 3, 4, 8, 10}},
    {"7b13", {0, 4, 7, 8, 10}},
    {"7b13sus", {0, 5, 7, 8, 10}},
    {"7b5", {0, 4, 6, 10}},
    {"7b9", {0, 1, 4, 7, 10}},
    {"7b9#11", {0, 1, 4, 6, 7, 10}},
    {"7b9#5", {0, 1, 4, 8, 10}},
    {"7b9#9", {0, 1, 3, 4, 7, 10}},
    {"7b9b13", {0, 1, 4, 7, 8, 10}},
    {"7b9b5", {0, 1, 4, 6, 10}},
    {"7b9sus", {0, 1, 5, 7, 10}},
    {"7sus", {0, 5, 7, 10}},
    {"7susadd3", {0, 4, 5, 7, 10}},
    {"7+", {0, 4, 8, 10}},
    {"9", {0, 2, 4, 7, 10}},
    {"9+", {0, 2, 4, 8, 10}},
    {"911", {0, 2, 4, 5, 7, 10}},
    {"9#11", {0, 2, 4, 6, 7, 10}},
    {"9#5", {0, 2, 4, 8, 10}},
    {"9b5", {0, 2, 4, 6, 10}},
    {"9sus", {0, 2, 5, 7, 10}},
    {"9add6", {0, 2, 4, 7, 9, 10}},
    {"11", {0, 2, 4, 5, 7, 10}},
    {"13", {0, 2, 4, 5, 7, 9, 10}},
    {"13#11", {0, 2, 4, 6, 7, 9, 10}},
    {"13#9", {0, 3, 4, 5, 7, 9, 10}},
    {"13b9", {0, 1, 4, 5, 7, 9, 10}},
    {"maj", {0, 4, 7}},
    {"maj7", {0, 4, 7, 11}},
    {"maj9", {0, 2, 4, 7, 11}},
    {"maj11", {0, 2, 4, 5, 7, 11}},
    {"maj13", {0, 2, 4, 5, 7, 9, 11}},
    {"maj7#11", {0, 4, 6, 7, 11}},
    {"maj7#5", {0, 4, 8, 11}},
    {"maj7sus", {0, 5, 7, 11}},
    {"maj7sus2", {0, 2, 7, 11}},
    {"maj7sus4", {0, 5, 7, 11}},
    {"maj711", {0, 4, 5, 7, 11}},
    {"maj911", {0, 2, 4, 5, 7, 11}},
    {"maj9#11", {0, 2, 4, 6, 7, 11}},
    {"^", {0, 4, 7}},
    {"^7", {0, 4, 7, 11}},
    {"^9", {0, 2, 4, 7, 11}},
    {"^11", {0, 2, 4, 5, 7, 11}},
    {"^13", {0, 2, 4, 5, 7, 9, 11}},
    {"^7#11", {0, 4, 6, 7, 11}},
    {"^7#5", {0, 4, 8, 11}},
    {"^7sus", {0, 5, 7, 11}},
    {"^7sus2", {0, 2, 7, 11}},
    {"^7sus4", {0, 5, 7, 11}},
    {"^711", {0, 4, 5, 7, 11}},
    {"^911", {0, 2, 4, 5, 7, 11}},
    {"^9#11", {0, 2, 4, 6, 7, 11}},
    {"alt", {0, 3, 4, 8, 10}},
    {"add2", {0, 2, 4, 7}},
    {"add4", {0, 4, 5, 7}},
    {"add9", {0, 2, 4, 7}},
    {"add11", {0, 4, 5, 7}},
    {"sus", {0, 5, 7}},
    {"sus2", {0, 2, 7}},
    {"sus4", {0, 5, 7}},
    {"sus9", {0, 2, 7}},
    {"6sus", {0, 5, 7, 9}},
    {"6sus2", {0, 2, 7, 9}},
    {"6sus4", {0, 5, 7, 9}},
    {"7sus2", {0, 2, 7, 10}},
    {"7sus4", {0, 5, 7, 10}},
    {"13sus", {0, 2, 5, 7, 9, 10}},
    {"13sus2", {0, 2, 7, 9, 10}},
    {"13sus4", {0, 2, 5, 7, 9, 10}},
    {"h", {0, 3, 6, 10}},
    {"h7", {0, 3, 6, 10}},
    {"h9", {0, 2, 3, 6, 10}},
    {"7-9", {0, 1, 4, 7, 10}},
    {"7-5", {0, 4, 6, 10}},
    {"7+5", {0, 4, 8, 10}},
    {"7-13", {0, 4, 7, 8, 10}},
    {"7-9#11", {0, 1, 4, 6, 7, 10}},
    {"7+9", {0, 3, 4, 7, 10}},
    {"7-9+5", {0, 1, 4, 8, 10}},
    {"9-5", {0, 2, 4, 6, 10}},
    {"13-9", {0, 1, 4, 5, 7, 9, 10}},
    {"7(b9,#11)", {0, 1, 4, 6, 7, 10}},
    {"m", {0, 3, 7}},
    {"m#5", {0, 3, 8}},
    {"m6", {0, 3, 7, 9}},
    {"m69", {0, 2, 3, 7, 9}},
    {"m7", {0, 3, 7, 10}},
    {"m7b5", {0, 3, 6, 10}},
    {"m9", {0, 2, 3, 7, 10}},
    {"m11", {0, 2, 3, 5, 7, 10}},
    {"m13", {0, 2, 3, 5, 7, 9, 10}},
    {"mmaj7", {0, 3, 7, 11}},
    {"m(maj7)", {0, 3, 7, 11}},
    {"mmaj9", {0, 2, 3, 7, 11}},
    {"m9maj7", {0, 2, 3, 7, 11}},
    {"m^7", {0, 3, 7, 11}},
    {"m^9", {0, 2, 3, 7, 11}},
    {"m9^7", {0, 2, 3, 7, 11}},
    {"madd9", {0, 2, 3, 7}},
    {"m(add9)", {0, 2, 3, 7}},
    {"mb6", {0, 3, 7, 8}},
    {"m#7", {0, 3, 7, 11}},
    {"msus", {0, 5, 7}},
    {"msus4", {0, 5, 7}},
    {"msus9", {0, 2, 7}},
    {"m7sus", {0, 5, 7, 10}},
    {"m7sus4", {0, 5, 7, 10}},
    {"m711", {0, 3, 5, 7, 10}},
    {"-7", {0, 3, 7, 10}},
    {"min7b5", {0, 3, 6, 10}},
    {"aug", {0, 4, 8}},
    {"aug7", {0, 4, 8, 10}},
    {"+", {0, 4, 8}},
    {"+7", {0, 4, 8, 10}},
    {"dim", {0, 3, 6}},
    {"dim7", {0, 3, 6, 9}},
    {"0", {0, 3, 6}},
    {"07", {0, 3, 6, 9}},
    {"o", {0, 3, 6}},
    {"o7", {0, 3, 6, 9}},
};

TEST(FullSymbols, EveryExtensionReadsAfterEveryRootAsItsNotes) {
    for (const auto& extension : kExtensions) {
        for (int root = 0; root < kRootCount; ++root) {
            for (const Accidentals mode : {Accidentals::Sharps, Accidentals::Flats}) {
                const std::string symbol = std::string(NoteName(root + 1, mode)) + extension.suffix;
                const SymbolReading reading = ReadChordSymbol(symbol, kFull);
                ASSERT_TRUE(reading.chord) << symbol << ": " << reading.error;
                EXPECT_EQ(reading.chord->root, root) << symbol;
                EXPECT_EQ(NotesOf(symbol), extension.notes) << symbol;
            }
        }
    }
}

// A spelling the reader matches against one type must not be another type's: every text a
// row holds reads back as that row in the full vocabulary (a display name that stands twice
// means the chord).
TEST(FullSymbols, EverySpellingOfTheTableReadsAsItsOwnType) {
    for (int type = 0; type < kFullChordTypeCount; ++type) {
        const ChordType& t = kChordTypes[type];
        if (t.kind == ChordKind::Separator) {
            continue;
        }
        std::vector<std::string> texts;
        if (ChordTypeOf(*ParseTypeName(t.displayName), kFull).kind == t.kind) {
            texts.emplace_back(t.displayName);
        }
        if (t.symbol) {
            texts.emplace_back(*t.symbol);
        }
        for (const std::string_view list : {t.spellings, t.fullSpellings}) {
            std::size_t start = 0;
            while ((start = list.find_first_not_of(' ', start)) != std::string_view::npos) {
                const std::size_t end = std::min(list.find(' ', start), list.size());
                texts.emplace_back(list.substr(start, end - start));
                start = end;
            }
        }
        for (const std::string& text : texts) {
            const SymbolReading reading = ReadChordSymbol("E " + text, kFull);
            ASSERT_TRUE(reading.chord) << text << ": " << reading.error;
            EXPECT_EQ(reading.chord->type, type) << text;
        }
    }
}

TEST(FullSymbols, TheClassicVocabularyKeepsToItsCatalogue) {
    for (const char* text : {"C7#9", "Am(add9)", "C13", "C2", "Dsus9", "C^7", "Ch7", "C7-9"}) {
        const SymbolReading reading = ReadChordSymbol(text);
        EXPECT_FALSE(reading.chord) << text;
        EXPECT_NE(reading.error.find("no chord type"), std::string::npos) << reading.error;
        EXPECT_TRUE(ReadChordSymbol(text, kFull).chord) << text;
    }
}

// A bass outside the chord adds its note: as the type that holds both where the vocabulary
// has one, in the full vocabulary as an added note otherwise.
TEST(FullSymbols, ABassOutsideTheChordAddsItsNote) {
    const struct {
        const char* symbol;
        Vocabulary vocabulary;
        const char* searched;  // the type searched, by its display name
        int addedNote;
    } cases[] = {
        {"Am/G", Vocabulary::Classic, "Minor Seventh", -1},
        {"D/C", Vocabulary::Classic, "Seventh", -1},
        {"C/B", Vocabulary::Classic, "Major Seventh", -1},
        {"F/G", Vocabulary::Classic, "Added Ninth", -1},
        {"Am/F#", Vocabulary::Classic, "Minor Sixth", -1},
        {"C/E", Vocabulary::Classic, "Major", -1},
        {"Am/G", kFull, "Minor Seventh", -1},
        {"Cm/D", kFull, "Minor Added Ninth", -1},
        {"C/F#", kFull, "Major", 6},
        {"G7/Ab", kFull, "Seventh Flat Ninth", -1},
        {"C/C#", kFull, "Major", 1},
    };
    for (const auto& c : cases) {
        const SymbolReading reading = ReadChordSymbol(c.symbol, c.vocabulary);
        ASSERT_TRUE(reading.chord) << c.symbol << ": " << reading.error;
        const std::optional<SoundedChord> sounded = ChordSounded(*reading.chord, c.vocabulary);
        ASSERT_TRUE(sounded) << c.symbol;
        EXPECT_EQ(ChordTypeName(sounded->type, kFull), c.searched) << c.symbol;
        EXPECT_EQ(sounded->addedNote, c.addedNote) << c.symbol;
        EXPECT_EQ(ChordSymbolText(*reading.chord, reading.chord->spelling), c.symbol);
    }
    EXPECT_EQ(ReadChordSymbol("C/F#").error,
              "'C/F#': F# is not a note of C (C, E, G) and no classic chord type holds them "
              "both; the full vocabulary reads it");
}

}  // namespace
}  // namespace fretwise::test
