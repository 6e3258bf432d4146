#include "core/music/pitch.hpp"

#include <gtest/gtest.h>

namespace fretwise::test {
namespace {

struct NameCase {
    int pitch;
    std::string_view sharps;
    std::string_view flats;
};

TEST(NoteName, SpellsEveryClassInBothModes) {
    const NameCase cases[] = {
        {-1, "x", "x"}, {0, "G#", "Ab"},  {1, "A", "A"},     {2, "A#", "Bb"},  {3, "B", "B"},
        {4, "C", "C"},  {5, "C#", "Db"},  {6, "D", "D"},     {7, "D#", "Eb"},  {8, "E", "E"},
        {9, "F", "F"},  {10, "F#", "Gb"}, {11, "G", "G"},    {12, "G#", "Ab"}, {13, "A", "A"},
        {20, "E", "E"}, {24, "G#", "Ab"}, {-12, "G#", "Ab"}, {-5, "x", "x"},
    };
    for (const NameCase& c : cases) {
        EXPECT_EQ(NoteName(c.pitch, Accidentals::Sharps), c.sharps) << c.pitch;
        EXPECT_EQ(NoteName(c.pitch, Accidentals::Flats), c.flats) << c.pitch;
    }
}

}  // namespace
}  // namespace fretwise::test
