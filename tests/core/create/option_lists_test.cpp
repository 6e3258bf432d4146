#include "core/create/option_lists.hpp"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace fretwise::test {
namespace {

using Lists = std::vector<std::vector<std::int16_t>>;

Lists ListsOf(const SearchRequest& request) {
    Lists lists;
    for (const OptionList& list :
         BuildOptionLists(request, ChordPitchClasses(request.root, request.type))) {
        lists.emplace_back(list.begin(), list.end());
    }
    return lists;
}

constexpr int kA = 0;
constexpr int kD = 5;
constexpr int kMajor = 0;

// The options of each string, in string order (element 0 = high E).
TEST(OptionLists, ListWhatEachStringMaySound) {
    const std::tuple<const char*, SearchRequest, Lists> cases[] = {
        {"A major in the first eight frets",
         {kA, kMajor, 0, 20, false},
         {{13, 8}, {5, 8}, {13, 17}, {8, 13, -1}, {5, 8, 1, -1}, {13, 8, -1}}},
        {"six frets shown: the last fret shown is not searched",
         {kA, kMajor, 0, 6, false},
         {{13, 8}, {5, 8}, {13}, {8, -1}, {5, 1, -1}, {13, 8, -1}}},
        {"all strings: never unplayed",
         {kA, kMajor, 0, 20, true},
         {{13, 8}, {5, 8}, {13, 17}, {8, 13}, {5, 8, 1}, {13, 8}}},
        {"an octave lists every matching note twice",
         {7, 37, 0, 20, false},  // E
         {{8, 8}, {8, 8}, {-1}, {8, 8, -1}, {8, 8, -1}, {8, 8, -1}}},
        {"an interval may leave the G string unplayed, and every lower string with it",
         {kA, 28, 0, 20, false},  // Minor Third: A and C
         {{13, 16}, {4}, {13, 16, -1}, {13, -1}, {4, 1, -1}, {13, 16, -1}}},
        {"the D string sounds a chord note open, but may be left unplayed under the G string",
         {5, 32, 0, 20, false},  // Perfect Fifth on D: D and A
         {{13}, {6}, {13, 18, -1}, {13, 6, -1}, {6, 1, -1}, {13, -1}}},
        {"a string with nothing to sound is left unplayed; a higher mute carries down",
         {kA, 26, 0, 20, false},  // Minor Second: A and A#, nothing on the B string
         {{13, 14}, {}, {13, 14, -1}, {13, 14, -1}, {2, 1, -1}, {13, 14, -1}}},
        {"the root alone for the blank type",
         {7, 25, 0, 20, false},  // E
         {{8}, {8}, {-1}, {8, -1}, {8, -1}, {8, -1}}},
        {"the root alone when no type is chosen",
         {kA, -1, 0, 20, false},
         {{13}, {}, {13}, {13, -1}, {1, -1}, {13, -1}}},
        {"further up the neck the open strings are still offered",
         {kA, kMajor, 12, 20, false},
         {{25, 8}, {17, 20}, {25, 29}, {20, 25, -1}, {17, 20, 1, -1}, {25, 8, -1}}},
        {"E7: the low E string may rest under the A string, which sounds no chord note open",
         {7, 2, 0, 20, false},
         {{12, 15, 8}, {6, 8, 3}, {12, 15, 18}, {8, 12, 6}, {3, 6, 8, -1}, {12, 15, 8, -1}}},
        {"D major: the D and A strings sound chord notes open, so they never rest",
         {kD, kMajor, 0, 20, false},
         {{10, 13}, {6, 10}, {13, 18}, {10, 13, 6}, {6, 1}, {10, 13, -1}}},
        {"the guitarist order lets any string but the high E rest",
         {kD, kMajor, 0, 20, false, CreateOrder::Guitarist},
         {{10, 13}, {6, 10, -1}, {13, 18, -1}, {10, 13, 6, -1}, {6, 1, -1}, {10, 13, -1}}},
        {"resting treble strings: the high E and the B string may rest",
         {kD, kMajor, 0, 20, false, CreateOrder::Classic, true},
         {{10, 13, -1}, {6, 10, -1}, {13, 18}, {10, 13, 6}, {6, 1}, {10, 13, -1}}},
        {"all strings: no string rests whatever else is asked",
         {kD, kMajor, 0, 20, true, CreateOrder::Guitarist, true},
         {{10, 13}, {6, 10}, {13, 18}, {10, 13, 6}, {6, 1}, {10, 13}}},
    };
    for (const auto& [what, request, lists] : cases) {
        EXPECT_EQ(ListsOf(request), lists) << what;
    }
}

std::vector<std::int16_t> ClassesOf(int root, int type) {
    const ChordClasses chord = ChordPitchClasses(root, type);
    return {chord.begin(), chord.end()};
}

TEST(ChordPitchClasses, FollowTheFormulaFromTheRoot) {
    EXPECT_EQ(ClassesOf(0, 37), (std::vector<std::int16_t>{1, 1}));
    EXPECT_EQ(ClassesOf(11, 0), (std::vector<std::int16_t>{0, 4, 7}));
    EXPECT_EQ(ClassesOf(0, 25), (std::vector<std::int16_t>{1}));
}

}  // namespace
}  // namespace fretwise::test
