#include "core/create/candidate_order.hpp"

#include <gtest/gtest.h>

#include <vector>

#include "support/shapes.hpp"

namespace fretwise::test {
namespace {

RankedCandidate Ranked(std::int32_t combination, float score, const char* chart, int fingers = 0) {
    RankedCandidate c;
    c.combination = combination;
    c.ease = score;
    c.score.total = score;
    c.score.counts[static_cast<std::size_t>(ScoreTerm::Fingers)] =
        static_cast<std::int16_t>(fingers);
    c.frets = Frets(chart);
    return c;
}

std::vector<std::int32_t> Combinations(const std::vector<RankedCandidate>& candidates) {
    std::vector<std::int32_t> order;
    for (const RankedCandidate& c : candidates) {
        order.push_back(c.combination);
    }
    return order;
}

TEST(SortEasiestFirst, ByEaseThenTheLaterCombination) {
    std::vector<RankedCandidate> candidates = {Ranked(1, 1.0f, "x02220"), Ranked(2, 1.5f, "577655"),
                                               Ranked(3, 1.0f, "x0222x")};
    SortEasiestFirst(candidates);
    EXPECT_EQ(Combinations(candidates), (std::vector<std::int32_t>{2, 3, 1}));
}

TEST(SortAsGuitaristsPlay, ByScoreThenMoreStringsThenFewerFingersThenTheLaterCombination) {
    std::vector<RankedCandidate> candidates = {Ranked(1, 5, "x0222x", 1), Ranked(2, 7, "577655", 4),
                                               Ranked(3, 5, "x02220", 3), Ranked(4, 5, "x02220", 1),
                                               Ranked(5, 5, "x0222x", 1)};
    SortAsGuitaristsPlay(candidates, false);
    EXPECT_EQ(Combinations(candidates), (std::vector<std::int32_t>{2, 4, 3, 5, 1}));
}

TEST(SortAsGuitaristsPlay, OverTheWholeNeckAnotherPlaceComesBeforeMoreOfOnePlace) {
    // Each shape loses the Crowded points for every shape scoring higher at its place: two at
    // the fifth fret, two ringing open strings (the open position, though their hands start at
    // the second and the first fret) and one whose hand starts at the second fret.
    const float crowded = -kScoreTerms[static_cast<std::size_t>(ScoreTerm::Crowded)].weight;
    const std::vector<RankedCandidate> candidates = {
        Ranked(1, 10, "577655"), Ranked(2, 9, "x 7 7 6 5 5"), Ranked(3, 10 - crowded / 2, "x02220"),
        Ranked(4, 8, "x32010"), Ranked(5, 8 - crowded / 2, "x 2 4 4 4 2")};
    std::vector<RankedCandidate> inView = candidates;
    SortAsGuitaristsPlay(inView, false);
    EXPECT_EQ(Combinations(inView), (std::vector<std::int32_t>{1, 2, 3, 4, 5}));
    std::vector<RankedCandidate> wholeNeck = candidates;
    SortAsGuitaristsPlay(wholeNeck, true);
    EXPECT_EQ(Combinations(wholeNeck), (std::vector<std::int32_t>{1, 3, 5, 2, 4}));
    constexpr auto kCrowded = static_cast<std::size_t>(ScoreTerm::Crowded);
    EXPECT_EQ(wholeNeck[2].score.counts[kCrowded], 0);
    EXPECT_EQ(wholeNeck[3].score.counts[kCrowded], 1);
    EXPECT_EQ(wholeNeck[3].score.total, 9 - crowded);
    EXPECT_EQ(wholeNeck[4].score.counts[kCrowded], 1);
}

}  // namespace
}  // namespace fretwise::test
