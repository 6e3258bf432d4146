#include "core/music/tuning.hpp"

#include <gtest/gtest.h>

#include <string>

namespace fretwise::test {
namespace {

OpenStrings InPreset(std::string_view id, int capo = 0) {
    return {*ReadTuning(id).tuning, static_cast<std::int16_t>(capo)};
}

std::string OpenNames(const OpenStrings& strings) {
    std::string names;
    const auto open = strings.OpenNoteNames(Accidentals::Sharps);
    for (auto name = open.rbegin(); name != open.rend(); ++name) {
        names += std::string(*name) + " ";
    }
    return names;
}

TEST(TuningPresets, NameTheirStringsAndPitchesLowStringFirst) {
    const struct {
        std::string_view id, name, strings, pitches;
    } cases[] = {
        {"standard", "Standard", "E A D G B E ", "E2,A2,D3,G3,B3,E4"},
        {"drop-d", "Drop D", "D A D G B E ", "D2,A2,D3,G3,B3,E4"},
        {"half-down", "Half step down", "D# G# C# F# A# D# ", "D#2,G#2,C#3,F#3,A#3,D#4"},
        {"whole-down", "Whole step down", "D G C F A D ", "D2,G2,C3,F3,A3,D4"},
        {"drop-c", "Drop C", "C G C F A D ", "C2,G2,C3,F3,A3,D4"},
        {"dadgad", "DADGAD", "D A D G A D ", "D2,A2,D3,G3,A3,D4"},
        {"open-d", "Open D", "D A D F# A D ", "D2,A2,D3,F#3,A3,D4"},
        {"open-g", "Open G", "D G D G B D ", "D2,G2,D3,G3,B3,D4"},
        {"open-e", "Open E", "E B E G# B E ", "E2,B2,E3,G#3,B3,E4"},
        {"open-c", "Open C", "C G C G C E ", "C2,G2,C3,G3,C4,E4"},
    };
    ASSERT_EQ(TuningPresets().size(), std::size(cases));
    for (std::size_t k = 0; k < std::size(cases); ++k) {
        const TuningPreset& preset = TuningPresets()[k];
        EXPECT_EQ(preset.id, cases[k].id);
        EXPECT_EQ(preset.name, cases[k].name);
        EXPECT_EQ(OpenNames({preset.tuning, 0}), cases[k].strings) << preset.id;
        EXPECT_EQ(TuningText(preset.tuning, Accidentals::Sharps), cases[k].pitches);
        const TuningReading read = ReadTuning(cases[k].pitches);
        ASSERT_TRUE(read.tuning) << read.error;
        EXPECT_EQ(PresetOf(*read.tuning), &preset);
    }
    EXPECT_EQ(TuningText(InPreset("half-down").tuning, Accidentals::Flats),
              "Eb2,Ab2,Db3,Gb3,Bb3,Eb4");
}

TEST(OpenStrings, PitchNumbersBelowOneCountAnOctaveUpAndTheCapoRaisesEveryString) {
    const struct {
        const char* what;
        OpenStrings strings;
        PerString pitches, sounds;  // string order, high E first
    } cases[] = {
        {"A string down to G falls below 1",
         InPreset("drop-c"),
         {6, 1, 9, 4, 11, 4},
         {17, 12, 8, 3, -2, -9}},
        {"A string down to E, the lowest it goes",
         {{{0, 0, 0, 0, -5, 0}}, 0},
         {8, 3, 11, 6, 8, 8},
         {19, 14, 10, 5, -5, -5}},
        {"standard", {}, kOpenPitch, {19, 14, 10, 5, 0, -5}},
        {"capo 2 in standard", {{}, 2}, {10, 5, 13, 8, 3, 10}, {21, 16, 12, 7, 2, -3}},
        {"capo 7 over an A string at G",
         {InPreset("drop-c").tuning, 7},
         {13, 8, 16, 11, 18, 11},
         {24, 19, 15, 10, 5, -2}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.strings.OpenPitches(), c.pitches) << c.what;
        for (int s = 0; s < kStringCount; ++s) {
            EXPECT_EQ(
                c.strings.SoundingPitchOf(s, static_cast<Pitch>(c.pitches[s] + 3)).SoundNote(),
                c.sounds[s] + 3)
                << c.what;
        }
    }
}

TEST(ReadTuning, ErrorsNameTheBadText) {
    const struct {
        std::string_view text, error;
    } cases[] = {
        {"drop-e",
         "'drop-e': not a tuning (standard, drop-d, half-down, whole-down, drop-c, "
         "dadgad, open-d, open-g, open-e, open-c or six notes low string first, "
         "D2,A2,D3,G3,B3,E4)"},
        {"D2,A2,D3,G3,B3", "'D2,A2,D3,G3,B3': not a tuning"},
        {"D2,A2,,G3,B3,E4", "'': not a note such as E2, F#3 or Bb2"},
        {"A1,A2,D3,G3,B3,E4", "'A1': the low E string takes B1-G#2"},
        {"E2,A2,D3,G3,F3,E4", "'F3': the B string takes F#3-D#4"},
    };
    for (const auto& c : cases) {
        const TuningReading read = ReadTuning(c.text);
        EXPECT_FALSE(read.tuning) << c.text;
        EXPECT_EQ(read.error.substr(0, c.error.size()), c.error);
    }
    EXPECT_EQ(ReadTuning("G#2,C#3,F#3,B3,D#4,G#4").tuning->offsets, (PerString{4, 4, 4, 4, 4, 4}));
}

}  // namespace
}  // namespace fretwise::test
