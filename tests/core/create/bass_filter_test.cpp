#include "core/create/bass_filter.hpp"

#include <gtest/gtest.h>

#include "support/shapes.hpp"

namespace fretwise::test {
namespace {

TEST(KeepCandidatesWithBass, KeepsThoseWithTheNoteLowestInTheirOrder) {
    // C, C over E, C over G, C over the E of the D string, and nothing played.
    const char* charts[] = {"x32010", "032010", "332010", "xx2010", "xxxxxx"};
    SearchResult result;
    for (int k = 0; k < 5; ++k) {
        result.candidates.push_back(Shape(charts[k]));
        result.eases.push_back(static_cast<float>(k));
        result.scores.push_back({static_cast<float>(10 * k)});
    }
    SearchResult classic = result;
    classic.scores.clear();

    KeepCandidatesWithBass(result, PitchClass(8));  // E
    ASSERT_EQ(result.candidates.size(), 2u);
    EXPECT_EQ(result.candidates[0], Shape("032010"));
    EXPECT_EQ(result.candidates[1], Shape("xx2010"));
    EXPECT_EQ(result.eases, (std::vector<float>{1, 3}));
    ASSERT_EQ(result.scores.size(), 2u);
    EXPECT_EQ(result.scores[1].total, 30);

    KeepCandidatesWithBass(classic, PitchClass(11));  // G
    EXPECT_EQ(classic.eases, std::vector<float>{2});
    EXPECT_TRUE(classic.scores.empty());
}

}  // namespace
}  // namespace fretwise::test
