#include "core/song/chord_name.hpp"

#include <gtest/gtest.h>

#include <tuple>

namespace fretwise::test {
namespace {

constexpr Pitch kA = 1, kBb = 2, kC = 4, kCs = 5, kD = 6, kEb = 7, kFs = 10, kG = 11;

TEST(ChordNameTest, ReadsRootSuffixAndBass) {
    const std::tuple<const char*, Pitch, const char*, std::optional<Pitch>> cases[] = {
        {"C", kC, "", std::nullopt},
        {"C#m7b5", kCs, "m7b5", std::nullopt},
        {"Bbmaj7", kBb, "maj7", std::nullopt},
        {"D/F#", kD, "", kFs},
        {"Am/G", kA, "m", kG},
        {"C6/9", kC, "6/9", std::nullopt},
        {"Dosa", kD, "osa", std::nullopt},
        {"E\u266Dm", kEb, "m", std::nullopt},
        {"C\u266F/G", kCs, "", kG},
        {"D/f#", kD, "/f#", std::nullopt},
        {"Bbb", kA, "", std::nullopt},
        {"F##m/Bbb", kG, "m", kA},
        {"C#b5", kCs, "b5", std::nullopt},
    };
    for (const auto& [text, root, suffix, bass] : cases) {
        const std::optional<WrittenChord> name = ReadChordName(text);
        ASSERT_TRUE(name) << text;
        EXPECT_EQ(*name, (WrittenChord{root, suffix, bass})) << text;
    }
    for (const char* rootless : {"N.C.", "x", "c", "", "*Coda", "|", "%"}) {
        EXPECT_FALSE(ReadChordName(rootless)) << rootless;
    }
}

TEST(ChordNameTest, MovesByRootAndBassSpelledByDirectionOrKey) {
    const std::tuple<const char*, int, std::optional<std::string_view>, const char*> cases[] = {
        {"D", 6, std::nullopt, "G#"},
        {"D", -1, std::nullopt, "Db"},
        {"Dosa", -2, std::nullopt, "Cosa"},
        {"D/F#", 2, std::nullopt, "E/G#"},
        {"Am7/G", -3, std::nullopt, "Gbm7/E"},
        {"F#m7b5", 1, std::nullopt, "Gm7b5"},
        {"C", 13, std::nullopt, "C#"},
        {"C", -14, std::nullopt, "Bb"},
        {"D", 0, std::nullopt, "D"},
        {"Bb", 0, std::nullopt, "Bb"},
        {"E\u266D", 0, std::nullopt, "E\u266D"},
        {"N.C.", 3, std::nullopt, "N.C."},
        {"C#b5", 1, std::nullopt, "D(b5)"},
        {"Bbb7", 1, std::nullopt, "A#7"},
        // A flat key keeps its flats going up, unless it lands in a sharp key.
        {"Ab", 2, "Eb", "Bb"},
        {"Db", 2, "Ab", "Eb"},
        {"Eb7", 3, "F", "Gb7"},
        {"Db", 2, "Bb", "Eb"},
        {"E7", 2, "F", "F#7"},
        {"C#m", 2, "Bb", "Ebm"},
        // Other keys follow the direction.
        {"D", 6, "D", "G#"},
        {"G#dim", -2, "A", "Gbdim"},
        {"C", 3, "C", "D#"},
        {"E", -3, "F#m", "Db"},
    };
    for (const auto& [text, semitones, key, moved] : cases) {
        EXPECT_EQ(TransposedChordText(text, semitones, key), moved)
            << text << " by " << semitones << " in " << key.value_or("no key");
    }
}

TEST(ChordNameTest, KeysWithFlatsAndSharps) {
    const std::tuple<const char*, std::optional<bool>> cases[] = {
        {"F", true},    {"Bb", true},   {"Db", true},  {"G", false},       {"B", false},
        {"C#", false},  {"C", {}},      {"Am", {}},    {"Dm", true},       {"Bbm", true},
        {"Em", false},  {"G#m", false}, {"Gb", true},  {"F#", false},      {"Ebm", true},
        {"D#m", false}, {"D7", {}},     {"H", {}},     {"F\u266F", false}, {"Dmin", true},
        {"Cb", true},   {"A#m", false}, {"Abm", true},
    };
    for (const auto& [key, flats] : cases) {
        EXPECT_EQ(KeyUsesFlats(key), flats) << key;
    }
}

}  // namespace
}  // namespace fretwise::test
