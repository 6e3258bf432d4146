#include "core/sound/string_notes.hpp"

#include <gtest/gtest.h>

#include <tuple>

namespace fretwise::test {
namespace {

Fingering ShapeOfFrets(PerString frets) {
    Fingering shape;
    shape.Fret = frets;
    return ShapeFretsToNotes(shape);
}

TEST(SoundNoteOfString, OpenStringsSoundAnOctaveAboveTheGuitar) {
    const int open[] = {19, 14, 10, 5, 0, -5};
    for (int s = 0; s < kStringCount; ++s) {
        EXPECT_EQ(SoundNoteOfString(s, kOpenPitch[s]), open[s]) << "string " << s;
        EXPECT_EQ(SoundNoteOfString(s, static_cast<Pitch>(kOpenPitch[s] + 3)), open[s] + 3);
    }
}

TEST(ChordNotesToPlay, HighEStringFirstAndMutedStringsLeftOut) {
    // Frets high E first.
    const std::tuple<PerString, std::vector<double>> cases[] = {
        {{0, 1, 0, 2, 3, -1}, {19, 15, 10, 7, 3}},  // x32010
        {{0, 0, 0, 0, 0, 0}, {19, 14, 10, 5, 0, -5}}, {{-1, -1, 0, 0, 0, 0}, {10, 5, 0, -5}},
        {{0, 5, -1, -1, -1, -1}, {19, 19}},           {{-1, -1, -1, -1, -1, -1}, {}},
    };
    for (const auto& [frets, notes] : cases) {
        EXPECT_EQ(ChordNotesToPlay(ShapeOfFrets(frets)), notes);
    }
}

}  // namespace
}  // namespace fretwise::test
