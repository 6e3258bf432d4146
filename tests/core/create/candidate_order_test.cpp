#include "core/create/candidate_order.hpp"

#include <gtest/gtest.h>

#include <vector>

#include "support/shapes.hpp"

namespace fretwise::test {
namespace {

RankedCandidate Ranked(std::int32_t combination, float score, float ease, const char* chart) {
    RankedCandidate c;
    c.combination = combination;
    c.ease = ease;
    c.score.total = score;
    c.frets = Frets(chart);
    return c;
}

std::vector<std::int32_t> Order(std::vector<RankedCandidate> candidates, bool guitarist) {
    guitarist ? SortAsGuitaristsPlay(candidates) : SortEasiestFirst(candidates);
    std::vector<std::int32_t> order;
    for (const RankedCandidate& c : candidates) {
        order.push_back(c.combination);
    }
    return order;
}

TEST(SortEasiestFirst, ByEaseThenTheLaterCombination) {
    EXPECT_EQ(Order({Ranked(1, 9, 1.0f, "x02220"), Ranked(2, 0, 1.5f, "577655"),
                     Ranked(3, 0, 1.0f, "x0222x")},
                    false),
              (std::vector<std::int32_t>{2, 3, 1}));
}

TEST(SortAsGuitaristsPlay, ByScoreThenEaseThenTheLaterCombination) {
    EXPECT_EQ(Order({Ranked(1, 5, 1.0f, "x02220"), Ranked(2, 7, 0.5f, "577655"),
                     Ranked(3, 5, 1.2f, "x02225"), Ranked(4, 5, 1.0f, "x0765x")},
                    true),
              (std::vector<std::int32_t>{2, 3, 4, 1}));
}

TEST(SortAsGuitaristsPlay, OfEqualScoresAPartFollowsTheWholeItBelongsTo) {
    // x0222x is x02220 without its high E, xx0232 is x00232 without its open A.
    EXPECT_EQ(Order({Ranked(1, 5, 0.9f, "x02220"), Ranked(2, 5, 1.3f, "x0222x"),
                     Ranked(3, 5, 2.0f, "577655"), Ranked(4, 5, 1.1f, "xx0232"),
                     Ranked(5, 5, 1.0f, "x00232")},
                    true),
              (std::vector<std::int32_t>{3, 5, 4, 1, 2}));
}

TEST(SortAsGuitaristsPlay, APartThatScoresHigherStaysAhead) {
    EXPECT_EQ(Order({Ranked(1, 4, 1.0f, "x00232"), Ranked(2, 6, 1.0f, "xx0232")}, true),
              (std::vector<std::int32_t>{2, 1}));
}

}  // namespace
}  // namespace fretwise::test
