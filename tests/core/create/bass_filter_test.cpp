#include "core/create/bass_filter.hpp"

#include <gtest/gtest.h>

#include "support/shapes.hpp"

namespace fretwise::test {
namespace {

TEST(KeepCandidatesWithBass, KeepsThoseWithTheNoteLowestInTheirOrder) {
    // C, C over E, C over G, C over the E of the D string, and nothing played.
    const char* charts[] = {"x32010", "032010", "332010", "xx2010", "xxxxxx"};
    SearchResult classic;
    SearchResult guitarist;
    for (int k = 0; k < 5; ++k) {
        classic.candidates.push_back(Shape(charts[k]));
        classic.eases.push_back(static_cast<float>(k));
        classic.omits.push_back(static_cast<NoteBits>(1 << k));
        guitarist.candidates.push_back(Shape(charts[k]));
        guitarist.scores.push_back({{}, static_cast<float>(10 * k)});
    }

    KeepCandidatesWithBass(guitarist, PitchClass(8));  // E
    ASSERT_EQ(guitarist.candidates.size(), 2u);
    EXPECT_EQ(guitarist.candidates[0], Shape("032010"));
    EXPECT_EQ(guitarist.candidates[1], Shape("xx2010"));
    ASSERT_EQ(guitarist.scores.size(), 2u);
    EXPECT_EQ(guitarist.scores[1].total, 30);
    EXPECT_TRUE(guitarist.eases.empty());

    KeepCandidatesWithBass(classic, PitchClass(11));  // G
    EXPECT_EQ(classic.candidates, std::vector<Fingering>{Shape("332010")});
    EXPECT_EQ(classic.eases, std::vector<float>{2});
    EXPECT_EQ(classic.omits, std::vector<NoteBits>{1 << 2});
}

}  // namespace
}  // namespace fretwise::test
