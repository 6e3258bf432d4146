#include "create/bass_filter.hpp"

#include <gtest/gtest.h>

namespace fretwise::test {
namespace {

constexpr std::int16_t x = kNotPlayed;

Fingering WithNotes(const PerString& notes) {
    Fingering f;
    f.Note = notes;
    return f;
}

TEST(BassFilter, KeepsTheCandidatesWhoseLowestSoundingStringPlaysTheBassInOrder) {
    SearchResult result;
    result.candidates = {WithNotes({8, 5, 13, 8, 1, 8}),     // E on the low E string
                         WithNotes({8, 5, 13, 8, 1, x}),     // A on the A string
                         WithNotes({13, 8, 17, 13, 8, 13}),  // A at the fifth fret
                         WithNotes({8, 5, 13, 8, x, x}),     // E on the D string
                         WithNotes({8, 5, 13, 20, x, x})};   // E an octave up, same class
    result.eases = {5, 4, 3, 2, 1};

    SearchResult onE = result;
    KeepCandidatesWithBass(onE, 8);
    ASSERT_EQ(onE.candidates.size(), 3u);
    EXPECT_EQ(onE.candidates[0], result.candidates[0]);
    EXPECT_EQ(onE.candidates[1], result.candidates[3]);
    EXPECT_EQ(onE.candidates[2], result.candidates[4]);
    EXPECT_EQ(onE.eases, (std::vector<float>{5, 2, 1}));

    KeepCandidatesWithBass(result, 5);  // C#: no candidate has it lowest
    EXPECT_TRUE(result.candidates.empty());
    EXPECT_TRUE(result.eases.empty());
}

TEST(BassFilter, TheMessageNamesTheFretsSearched) {
    const struct {
        int position;
        int numFrets;
        const char* message;
    } cases[] = {
        {0, 20, "No fingering of D/F# in frets 1 to 8"},
        {5, 20, "No fingering of D/F# in frets 6 to 13"},
        {0, 8, "No fingering of D/F# in frets 1 to 7"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NoFingeringWithBass("D/F#", {5, 0, c.position, c.numFrets, false}), c.message);
    }
}

}  // namespace
}  // namespace fretwise::test
