#include "music/chord_types.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace fretwise {
namespace {

std::vector<int> Formula(int index) {
    const auto f = ChordFormula(index);
    return {f.begin(), f.end()};
}

TEST(ChordTypes, NamesOutsideTheListAndTheSeparatorAreEmpty) {
    EXPECT_EQ(ChordTypeName(25), "");
    EXPECT_EQ(ChordTypeName(38), "");
    EXPECT_EQ(ChordTypeName(-1), "");
    EXPECT_EQ(ChordTypeName(0), "Major");
    EXPECT_EQ(ChordTypeName(37), "Octave");
}

TEST(ChordTypes, NamesThatStandTwiceHaveDifferentFormulas) {
    EXPECT_EQ(ChordTypeName(6), ChordTypeName(33));
    EXPECT_EQ(Formula(6), (std::vector<int>{1, 4, 8, 10}));
    EXPECT_EQ(Formula(33), (std::vector<int>{1, 9}));
    EXPECT_EQ(ChordTypeName(3), ChordTypeName(35));
    EXPECT_EQ(ChordTypeName(4), ChordTypeName(36));
}

TEST(ChordTypes, TheSeparatorAndUnknownTypesLookForTheRootAlone) {
    for (int index : {25, -1, 38, 1000}) {
        EXPECT_EQ(Formula(index), (std::vector<int>{1})) << index;
    }
}

TEST(ChordTypes, EveryFormulaStartsAtTheRootAndRises) {
    for (int index = 0; index < kChordTypeCount; ++index) {
        const auto f = Formula(index);
        ASSERT_FALSE(f.empty());
        EXPECT_EQ(f.front(), 1) << index;
        for (std::size_t k = 1; k < f.size(); ++k) {
            EXPECT_LT(f[k - 1], f[k]) << index;
        }
    }
    EXPECT_EQ(Formula(17), (std::vector<int>{1, 3, 5, 6, 8, 11}));  // Eleventh: six notes
}

}  // namespace
}  // namespace fretwise
