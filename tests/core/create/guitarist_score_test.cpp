#include "core/create/guitarist_score.hpp"

#include <gtest/gtest.h>

#include "core/create/fingering_search.hpp"
#include "support/shapes.hpp"

namespace fretwise::test {
namespace {

constexpr int kA = 0, kC = 3, kD = 5, kE = 7, kF = 8, kG = 10;
constexpr int kMajor = 0, kMinor = 1, kSeventh = 2, kMajorSeventh = 4, kDiminishedSeventh = 10;
constexpr int kPerfectFifth = 32;

ScoreContext ContextFor(int root, int type, int firstFret, bool wholeNeck = false,
                        BassChoice bass = BassChoice::Root) {
    SearchRequest request{root, type, firstFret - 1, 20, false, CreateOrder::Guitarist};
    request.bass = bass;
    request.wholeNeck = wholeNeck;
    return GuitaristContext(request);
}

GuitaristScore ScoreOf(const char* chart, const ScoreContext& context) {
    return ScoreShape(ScoredShapeOf(Shape(chart)), context);
}

struct TermCase {
    const char* what;
    int root;
    int type;
    const char* chart;  // low E string first
    int firstFret;      // in view
    ScoreTerm term;
    int count;
};

const TermCase kTermCases[] = {
    {"open C has its root in the bass", kC, kMajor, "x32010", 1, ScoreTerm::BassIsRoot, 1},
    {"C over G has the fifth", kC, kMajor, "332010", 1, ScoreTerm::BassIsFifth, 1},
    {"and not the root", kC, kMajor, "332010", 1, ScoreTerm::BassIsRoot, 0},
    {"C over E has the third", kC, kMajor, "032010", 1, ScoreTerm::BassIsThird, 1},
    {"the flat fifth is a diminished chord's fifth", kC, kDiminishedSeventh, "xx4545", 4,
     ScoreTerm::BassIsFifth, 1},
    {"G7 over F has another chord note", kG, kSeventh, "1x0001", 1, ScoreTerm::BassIsOther, 1},
    {"a power chord's upper note is its fifth", kA, kPerfectFifth, "0x22xx", 1,
     ScoreTerm::BassIsFifth, 1},
    {"open C sounds five strings", kC, kMajor, "x32010", 1, ScoreTerm::SoundingStrings, 5},
    {"a triad on the top strings", kC, kMajor, "xxx553", 3, ScoreTerm::ThreeStrings, 1},
    {"rests the three low strings", kC, kMajor, "xxx553", 3, ScoreTerm::LowStringsResting, 3},
    {"the A on the middle strings rests the high E", kA, kMajor, "x0222x", 1,
     ScoreTerm::TrebleResting, 1},
    {"a shell's A string is damped", kG, kMajorSeventh, "3x443x", 2, ScoreTerm::DampedBetween, 1},
    {"open C doubles its root", kC, kMajor, "x32010", 1, ScoreTerm::RootDoubled, 1},
    {"open G its fifth", kG, kMajor, "320033", 1, ScoreTerm::FifthDoubled, 1},
    {"open E has the root on top", kE, kMajor, "022100", 1, ScoreTerm::RootOnTop, 1},
    {"the F barre takes four fingers", kF, kMajor, "133211", 1, ScoreTerm::Fingers, 4},
    {"with a barre", kF, kMajor, "133211", 1, ScoreTerm::Barre, 1},
    {"across all six strings", kF, kMajor, "133211", 1, ScoreTerm::FullBarre, 1},
    {"open D: a barre would save one finger only", kD, kMajor, "xx0232", 1, ScoreTerm::Barre, 0},
    {"so three fingers", kD, kMajor, "xx0232", 1, ScoreTerm::Fingers, 3},
    {"five fingers for C6 unless one lies flat", kC, 5, "8 10 10 9 10 8", 8,
     ScoreTerm::FingersBeyondFour, 1},
    {"the low Fmaj7 crosses its fingers", kF, kMajorSeventh, "103210", 1, ScoreTerm::CrossedFingers,
     1},
    {"frets 2 to 4 are no stretch", kA, 19, "x02420", 1, ScoreTerm::Stretch, 0},
    {"frets 2 to 5 are", kA, kMajor, "x02225", 1, ScoreTerm::Stretch, 1},
    {"the D barre four frets up the view", kD, kMajor, "x57775", 1, ScoreTerm::Position, 4},
    {"open strings alone from a view at fret 7", kE, kMinor, "0xx000", 7, ScoreTerm::Position, 6},
    {"open G is in view at the nut", kG, kMajor, "320003", 1, ScoreTerm::Position, 0},
    {"open C rings two open strings", kC, kMajor, "x32010", 1, ScoreTerm::OpenStrings, 2},
    {"the barre could sound the high E", kA, kMajor, "57765x", 5, ScoreTerm::RestsUnderBarre, 1},
    {"the open A rests a string no barre reaches", kA, kMajor, "x0222x", 1,
     ScoreTerm::RestsUnderBarre, 0},
    {"F and A a third apart at the bottom", kF, kMajorSeventh, "103210", 1, ScoreTerm::MuddyBass,
     1},
    {"C and E from the C of the A string up", kC, kMajor, "x32010", 1, ScoreTerm::MuddyBass, 0},
};

TEST(ScoreShape, EachTermCountsWhatItNames) {
    for (const TermCase& c : kTermCases) {
        const auto k = static_cast<std::size_t>(c.term);
        EXPECT_EQ(ScoreOf(c.chart, ContextFor(c.root, c.type, c.firstFret)).counts[k], c.count)
            << c.what << " (" << c.chart << ")";
    }
}

TEST(ScoreShape, TheTotalIsTheSumOfThePoints) {
    const GuitaristScore score = ScoreOf("133211", ContextFor(kF, kMajor, 1));
    float sum = 0;
    for (std::size_t k = 0; k < kScoreTerms.size(); ++k) {
        sum += score.Points(k);
    }
    EXPECT_EQ(score.total, sum);
    EXPECT_NE(score.total, 0);
}

TEST(ScoreShape, TheWholeNeckHasNoViewToBeFarFrom) {
    constexpr auto kPosition = static_cast<std::size_t>(ScoreTerm::Position);
    EXPECT_EQ(ScoreOf("x57775", ContextFor(kD, kMajor, 1, true)).counts[kPosition], 0);
}

TEST(ScoreShape, AnyBassLeavesTheBassOut) {
    const ScoreContext any = ContextFor(kC, kMajor, 1, false, BassChoice::Any);
    for (const char* chart : {"x32010", "332010", "032010"}) {
        const GuitaristScore score = ScoreOf(chart, any);
        for (const ScoreTerm term : {ScoreTerm::BassIsRoot, ScoreTerm::BassIsFifth,
                                     ScoreTerm::BassIsThird, ScoreTerm::BassIsOther}) {
            EXPECT_EQ(score.counts[static_cast<std::size_t>(term)], 0) << chart;
        }
    }
}

TEST(OffersShape, WhatGuitaristsPlay) {
    const std::pair<const char*, bool> cases[] = {
        {"x32010", true},
        {"8 10 10 9 10 8", true},  // a finger lies flat on the A and D strings
        {"1x3121", true},          // the barre over a damped A string
        {"3x443x", true},          // the A string damped by the finger on the low E
        {"0x0232", false},         // nothing damps the A string
        {"502220", false},         // the low E string repeats the open A
        {"x 0 7 6 5 5", false},    // an open string beside a hand at the seventh fret
        {"x 5 7 6 8 9", false},    // five fingers, none can lie flat
        {"x 3 8 x x x", false},    // a stretch over six frets
    };
    for (const auto& [chart, offered] : cases) {
        EXPECT_EQ(OffersShape(ScoredShapeOf(Shape(chart))), offered) << chart;
    }
}

}  // namespace
}  // namespace fretwise::test
