#include "core/song/chord_define.hpp"

#include <gtest/gtest.h>

#include <tuple>

#include "support/shapes.hpp"

namespace fretwise::test {
namespace {

TEST(ChordDefinitionTest, ReadsFretsFromTheBaseFretAndFingers) {
    const std::tuple<const char*, const char*, std::optional<PerString>, std::optional<PerString>>
        cases[] = {
            {"Am7 base-fret 1 frets x 0 2 0 1 0 fingers 0 0 2 0 1 0", "Am7", Frets("x02010"),
             Frets("002010")},
            {"Bm base-fret 2 frets x 1 3 3 2 1 fingers 0 1 3 4 2 1", "Bm", Frets("x24432"),
             Frets("013421")},
            {"D frets X N 0 2 3 2", "D", Frets("xx0232"), std::nullopt},
            {"C base-fret 0 frets -1 3 2 0 1 0", "C", Frets("x32010"), std::nullopt},
            {"A/C# base-fret 4 frets x 1 x 0 2 2 display A/C# fingers x 1 x x 2 3", "A/C#",
             Frets("x4x055"), Frets("010023")},
            {"G7 base-fret 3 frets 1 3 1 2 1 1 fingers T 3 1 2 1 1", "G7", Frets("353433"),
             std::nullopt},
            {"C frets 0 0 0 3", "C", std::nullopt, std::nullopt},
            {"Cmaj9", "Cmaj9", std::nullopt, std::nullopt},
            {"E5 copy E", "E5", std::nullopt, std::nullopt},
            {"Z base-fret 22 frets 1 2 3 4 5 6", "Z", std::nullopt, std::nullopt},
        };
    for (const auto& [value, name, frets, fingers] : cases) {
        const std::optional<ChordDefinition> definition = ReadChordDefinition(value);
        ASSERT_TRUE(definition) << value;
        EXPECT_EQ(definition->name, name) << value;
        EXPECT_EQ(definition->frets, frets) << value;
        EXPECT_EQ(definition->fingers, fingers) << value;
    }
    EXPECT_FALSE(ReadChordDefinition("  "));
}

TEST(ChordDefinitionTest, WritesTheBaseFretAndMovesShapesWithoutOpenStrings) {
    EXPECT_EQ(DefineText("Am7", Frets("x02010"), Frets("x02010")),
              "{define: Am7 base-fret 1 frets x 0 2 0 1 0 fingers 0 0 2 0 1 0}");
    EXPECT_EQ(DefineText("C#m", Frets("9 11 11 9 9 9"), Frets("134111")),
              "{define: C#m base-fret 9 frets 1 3 3 1 1 1 fingers 1 3 4 1 1 1}");
    EXPECT_EQ(DefineText("A", Frets("577655"), Frets("134211")),
              "{define: A base-fret 5 frets 1 3 3 2 1 1 fingers 1 3 4 2 1 1}");
    const std::tuple<const char*, int, std::optional<PerString>> moves[] = {
        {"133211", 2, Frets("355433")},
        {"x13331", -2, Frets("x 11 13 13 13 11")},
        {"577655", 6, Frets("11 13 13 12 11 11")},
        {"799777", 6, Frets("133111")},
        {"x32010", 2, std::nullopt},
    };
    for (const auto& [shape, semitones, moved] : moves) {
        EXPECT_EQ(MovedShape(Frets(shape), semitones), moved) << shape << " by " << semitones;
    }
}

}  // namespace
}  // namespace fretwise::test
