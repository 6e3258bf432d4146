#include "core/music/chord_types.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace fretwise::test {
namespace {

std::vector<int> Notes(int index) {
    const auto notes = ChordTypeOf(index).Notes();
    return {notes.begin(), notes.end()};
}

TEST(ChordTypes, NamesOutsideTheListAndTheSeparatorAreEmpty) {
    EXPECT_EQ(ChordTypeName(25), "");
    EXPECT_EQ(ChordTypeName(38), "");
    EXPECT_EQ(ChordTypeName(-1), "");
    EXPECT_EQ(ChordTypeName(0), "Major");
    EXPECT_EQ(ChordTypeName(37), "Octave");
}

TEST(ChordTypes, TheSeparatorAndUnknownTypesLookForTheRootAlone) {
    for (int index : {25, -1, 38, 1000}) {
        EXPECT_EQ(Notes(index), (std::vector<int>{0})) << index;
    }
}

TEST(ChordTypes, EveryTypeStartsAtTheRootAndRises) {
    for (int index = 0; index < kChordTypeCount; ++index) {
        const auto notes = Notes(index);
        ASSERT_FALSE(notes.empty());
        EXPECT_EQ(notes.front(), 0) << index;
        for (std::size_t k = 1; k < notes.size(); ++k) {
            EXPECT_LT(notes[k - 1], notes[k]) << index;
        }
    }
}

}  // namespace
}  // namespace fretwise::test
