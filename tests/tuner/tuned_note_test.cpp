#include "tuner/tuned_note.hpp"

#include <gtest/gtest.h>

namespace fretwise::test {
namespace {

TEST(TunedNoteTest, AFrequencyIsNamedByTheNearestStringOrNote) {
    const StringPitches standard = kStandardStrings;
    struct Case {
        double hz;
        double referenceA;
        TunerMode mode;
        TunedNote expected;
    };
    const Case cases[] = {
        {82.4069, 440, TunerMode::Strings, {40, 0.0, 5}},
        {82.4069, 440, TunerMode::Chromatic, {40, 0.0, 5}},
        {440.0, 440, TunerMode::Chromatic, {69, 0.0, std::nullopt}},
        // A# is a semitone above the A string, nearer to it than to the D string.
        {116.5409, 440, TunerMode::Strings, {45, 100.0, 4}},
        {116.5409, 440, TunerMode::Chromatic, {46, 0.0, std::nullopt}},
        // A band tuned to A = 430 Hz hears 110 Hz about 40 cents sharp.
        {110.0, 430, TunerMode::Strings, {45, 39.8, 4}},
        {110.0, 450, TunerMode::Chromatic, {45, -38.9, 4}},
        // 49 cents above E4 is still E4; 51 cents is F4.
        {329.6276 * 1.02871, 440, TunerMode::Chromatic, {64, 49.0, 0}},
        {329.6276 * 1.02990, 440, TunerMode::Chromatic, {65, -49.0, std::nullopt}},
        // Far off the highest string, the string is still the answer.
        {1000.0, 440, TunerMode::Strings, {64, 1921.3, 0}},
    };
    for (const auto& [hz, a4, mode, expected] : cases) {
        const TunedNote named = NameFrequency(hz, a4, mode, standard);
        EXPECT_EQ(named.note, expected.note) << hz;
        EXPECT_NEAR(named.cents, expected.cents, 0.1) << hz;
        EXPECT_EQ(named.string, expected.string) << hz;
    }
}

}  // namespace
}  // namespace fretwise::test
