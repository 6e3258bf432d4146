#include "core/music/sounding_pitch.hpp"

#include <gtest/gtest.h>

#include <string_view>

namespace fretwise::test {
namespace {

TEST(SoundingPitch, NamesNumbersAndOctaves) {
    const struct {
        int midi;
        Pitch pitchNumber;
        int pitchClass;
        std::string_view sharps, flats;
        int soundNote;
    } cases[] = {
        {40, 8, 8, "E2", "E2", -5},   {45, 1, 1, "A2", "A2", 0},     {56, 12, 0, "G#3", "Ab3", 11},
        {59, 3, 3, "B3", "B3", 14},   {60, 4, 4, "C4", "C4", 15},    {64, 8, 8, "E4", "E4", 19},
        {69, 1, 1, "A4", "A4", 24},   {70, 2, 2, "A#4", "Bb4", 25},  {11, 3, 3, "B-1", "B-1", -34},
        {0, 4, 4, "C-1", "C-1", -45}, {-1, 3, 3, "B-2", "B-2", -46}, {127, 11, 11, "G9", "G9", 82},
    };
    for (const auto& c : cases) {
        const SoundingPitch pitch{c.midi};
        EXPECT_EQ(pitch.PitchNumber(), c.pitchNumber) << c.midi;
        EXPECT_EQ(pitch.PitchClass(), c.pitchClass) << c.midi;
        EXPECT_EQ(pitch.ScientificName(Accidentals::Sharps), c.sharps);
        EXPECT_EQ(pitch.ScientificName(Accidentals::Flats), c.flats);
        EXPECT_EQ(pitch.SoundNote(), c.soundNote) << c.midi;
    }
}

TEST(SoundingPitch, ReadsScientificNames) {
    const struct {
        std::string_view text;
        int midi;
    } cases[] = {{"E2", 40},  {"A4", 69},  {"C4", 60},  {"B1", 35},
                 {"bb2", 46}, {"F#3", 54}, {"Cb4", 59}, {"G#2", 44}};
    for (const auto& c : cases) {
        EXPECT_EQ(ReadScientificName(c.text), SoundingPitch{c.midi}) << c.text;
    }
    for (const std::string_view bad : {"", "H2", "E", "E#", "E22", "2E", "E-1", "E 2"}) {
        EXPECT_FALSE(ReadScientificName(bad)) << bad;
    }
}

TEST(SoundingPitch, EqualTemperedFrequencies) {
    const struct {
        int midi;
        double referenceA, hz;
    } cases[] = {{69, 440.0, 440.0},     {57, 440.0, 220.0},    {81, 440.0, 880.0},
                 {40, 440.0, 82.406889}, {60, 440.0, 261.6256}, {69, 432.0, 432.0},
                 {70, 430.0, 455.5691},  {64, 450.0, 337.1191}};
    for (const auto& c : cases) {
        EXPECT_NEAR(SoundingPitch{c.midi}.Frequency(c.referenceA), c.hz, 1e-4) << c.midi;
        EXPECT_EQ(NearestPitch(c.hz, c.referenceA), SoundingPitch{c.midi}) << c.midi;
        EXPECT_NEAR(CentsFrom(c.hz, c.hz * 1.0594630943592953), 100.0, 1e-9);
    }
    // Half a semitone either side still names the note; the cents count upwards.
    EXPECT_EQ(NearestPitch(440.0 * 1.0288, 440.0), SoundingPitch{69});
    EXPECT_EQ(NearestPitch(440.0 * 1.0296, 440.0), SoundingPitch{70});
    EXPECT_NEAR(CentsFrom(440.0, 220.0), -1200.0, 1e-9);
}

}  // namespace
}  // namespace fretwise::test
