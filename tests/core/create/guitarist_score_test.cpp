#include "core/create/guitarist_score.hpp"

#include <gtest/gtest.h>

#include <numeric>

#include "core/create/option_lists.hpp"
#include "support/shapes.hpp"

namespace fretwise::test {
namespace {

constexpr int kA = 0, kC = 3, kD = 5, kE = 7, kF = 8, kG = 10;
constexpr int kMajor = 0, kMinor = 1, kSeventh = 2, kMinorSeventh = 3, kMajorSeventh = 4;

ScoreContext ContextFor(int root, int type, int firstFret, BassChoice bass = BassChoice::Root) {
    ScoreContext context{PitchClass(root + 1), 0, kOpenPitch, firstFret, bass};
    for (const std::int16_t pc : ChordPitchClasses(root, type)) {
        context.chordClasses = static_cast<std::uint16_t>(context.chordClasses | 1u << pc);
    }
    return context;
}

GuitaristScore ScoreOf(const char* chart, const ScoreContext& context) {
    Fingering shape;
    shape.Fret = Frets(chart);
    return ScoreShape(ScoredShapeOf(ShapeFretsToNotes(shape)), context);
}

struct TermCase {
    const char* what;
    int root;
    int type;
    const char* chart;  // low E string first
    int firstFret;      // of the search
    ScoreTerm term;
    int count;
};

const TermCase kTermCases[] = {
    {"open C has its root in the bass", kC, kMajor, "x32010", 1, ScoreTerm::BassIsRoot, 1},
    {"C over G does not", kC, kMajor, "332010", 1, ScoreTerm::BassIsRoot, 0},
    {"the open high E is the bass under the B string's higher F", kE, 26, "xxxx60", 1,
     ScoreTerm::BassIsRoot, 1},
    {"open C sounds five strings", kC, kMajor, "x32010", 1, ScoreTerm::SoundingStrings, 5},
    {"an A string no finger damps", kE, kMinorSeventh, "0x0000", 1, ScoreTerm::MutedBetween, 1},
    {"a shell's A string is damped", kG, kMajorSeventh, "3x443x", 2, ScoreTerm::MutedBetween, 0},
    {"by the finger on the low E", kG, kMajorSeventh, "3x443x", 2, ScoreTerm::DampedBetween, 1},
    {"open C doubles its root", kC, kMajor, "x32010", 1, ScoreTerm::RootDoubled, 1},
    {"the small Fmaj7 does not", kF, kMajorSeventh, "xx3210", 1, ScoreTerm::RootDoubled, 0},
    {"the F barre takes four fingers", kF, kMajor, "133211", 1, ScoreTerm::Fingers, 4},
    {"with a barre", kF, kMajor, "133211", 1, ScoreTerm::Barre, 1},
    {"open D: a barre would save one finger only", kD, kMajor, "xx0232", 1, ScoreTerm::Barre, 0},
    {"so three fingers", kD, kMajor, "xx0232", 1, ScoreTerm::Fingers, 3},
    {"open A under one finger", kA, kMajor, "x02220", 1, ScoreTerm::Fingers, 1},
    {"a muted string stops the barre", kA, kSeventh, "5x565x", 4, ScoreTerm::Barre, 0},
    {"five fingers for A with a muted A string", kA, kMajor, "5x7655", 4,
     ScoreTerm::FingersBeyondFour, 1},
    {"the low Fmaj7 crosses its fingers", kF, kMajorSeventh, "103210", 1, ScoreTerm::CrossedFingers,
     1},
    {"Gmaj7 holds fret 2 with two fingers freely", kG, kMajorSeventh, "320002", 1,
     ScoreTerm::CrossedFingers, 0},
    {"frets 2 to 4 are no stretch", kA, 19, "x02420", 1, ScoreTerm::Stretch, 0},
    {"frets 2 to 5 are", kA, kMajor, "x02225", 1, ScoreTerm::Stretch, 1},
    {"the D barre four frets up", kD, kMajor, "x57775", 1, ScoreTerm::Position, 4},
    {"open strings alone from a window at fret 7", kE, kMinor, "0xx000", 7, ScoreTerm::Position, 6},
    {"open C rings two open strings", kC, kMajor, "x32010", 1, ScoreTerm::OpenStrings, 2},
    {"an open low E under a hand at fret 9", kE, kMinor, "079987", 7,
     ScoreTerm::OpenStringsUpTheNeck, 1},
    {"and not as an open chord", kE, kMinor, "079987", 7, ScoreTerm::OpenStrings, 0},
    {"the barre could sound the high E", kA, kMajor, "57765x", 5, ScoreTerm::RestsUnderBarre, 1},
    {"the open A rests a string no barre reaches", kA, kMajor, "x0222x", 1,
     ScoreTerm::RestsUnderBarre, 0},
    {"A on the low E and the open A", kA, kMajor, "502220", 1, ScoreTerm::RepeatedPitches, 1},
    {"C# on the low E above the open A", kA, kMajor, "9079xx", 7, ScoreTerm::CrossedStrings, 1},
    {"F and A a third apart at the bottom", kF, kMajorSeventh, "103210", 1, ScoreTerm::MuddyBass,
     1},
    {"C and E from the C of the A string up", kC, kMajor, "x32010", 1, ScoreTerm::MuddyBass, 0},
};

TEST(ScoreShape, EachTermCountsWhatItNames) {
    for (const TermCase& c : kTermCases) {
        const auto k = static_cast<std::size_t>(c.term);
        const GuitaristScore score = ScoreOf(c.chart, ContextFor(c.root, c.type, c.firstFret));
        EXPECT_EQ(score.terms[k], kScoreTerms[k].weight * static_cast<float>(c.count))
            << c.what << " (" << c.chart << ")";
    }
}

TEST(ScoreShape, TheTotalIsTheSumOfTheTerms) {
    const GuitaristScore score = ScoreOf("133211", ContextFor(kF, kMajor, 1));
    EXPECT_EQ(score.total, std::accumulate(score.terms.begin(), score.terms.end(), 0.0f));
    EXPECT_EQ(score.total, 10.0f + 6 + 0.5f - 3 - 0.75f);
}

TEST(ScoreShape, AnyBassLeavesTheBassOut) {
    constexpr auto kBass = static_cast<std::size_t>(ScoreTerm::BassIsRoot);
    const ScoreContext any = ContextFor(kC, kMajor, 1, BassChoice::Any);
    EXPECT_EQ(ScoreOf("x32010", any).terms[kBass], 0.0f);
    EXPECT_EQ(ScoreOf("x32010", any).total + kScoreTerms[kBass].weight,
              ScoreOf("x32010", ContextFor(kC, kMajor, 1)).total);
}

}  // namespace
}  // namespace fretwise::test
