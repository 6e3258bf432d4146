#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>

#include "core/create/fingering_search.hpp"
#include "support/shapes.hpp"

namespace fretwise::test {
namespace {

constexpr int kA = 0, kBb = 1, kB = 2, kC = 3, kCs = 4, kD = 5, kE = 7, kF = 8, kG = 10;
constexpr int kMajor = 0, kMinor = 1, kSeventh = 2, kMinorSeventh = 3, kMajorSeventh = 4;

// Where the shape stands among the candidates, 1 for the first; 0 when it is not found.
std::size_t RankOf(const SearchResult& result, const PerString& frets) {
    const auto found =
        std::find_if(result.candidates.begin(), result.candidates.end(),
                     [&](const Fingering& c) { return ShapeNotesToFrets(c).Fret == frets; });
    return found == result.candidates.end() ? 0 : found - result.candidates.begin() + 1;
}

// A search with the window from the shape's lowest fretted fret, as a guitarist looking for
// it would scroll the neck.
SearchRequest SearchAt(int root, int type, const PerString& frets, bool restTreble) {
    int lowest = kHighestFret;
    for (const std::int16_t fret : frets) {
        lowest = fret >= 1 ? std::min<int>(lowest, fret) : lowest;
    }
    return {root, type, lowest - 1, kMaxFrets, false, CreateOrder::Guitarist, restTreble};
}

// The shapes guitarists learn first, written low E string first: the open chords and the
// barres moved up the neck. Each comes among the first five, nearly all first.
TEST(GuitaristOrder, AWellKnownShapeComesFirst) {
    const std::tuple<const char*, int, int, const char*> shapes[] = {
        {"C", kC, kMajor, "x32010"},
        {"A", kA, kMajor, "x02220"},
        {"G", kG, kMajor, "320003"},
        {"E", kE, kMajor, "022100"},
        {"D", kD, kMajor, "xx0232"},
        {"Am", kA, kMinor, "x02210"},
        {"Em", kE, kMinor, "022000"},
        {"Dm", kD, kMinor, "xx0231"},
        {"E7", kE, kSeventh, "020100"},
        {"A7", kA, kSeventh, "x02020"},
        {"D7", kD, kSeventh, "xx0212"},
        {"G7", kG, kSeventh, "320001"},
        {"B7", kB, kSeventh, "x21202"},
        {"Cmaj7", kC, kMajorSeventh, "x32000"},
        {"Fmaj7", kF, kMajorSeventh, "xx3210"},
        {"Am7", kA, kMinorSeventh, "x02010"},
        {"Dm7", kD, kMinorSeventh, "xx0211"},
        {"Em7", kE, kMinorSeventh, "020000"},
        {"F, E shape", kF, kMajor, "133211"},
        {"F, A shape", kF, kMajor, "x 8 10 10 10 8"},
        {"Bb, E shape", kBb, kMajor, "688766"},
        {"Bb, A shape", kBb, kMajor, "x13331"},
        {"Bm, E shape", kB, kMinor, "799777"},
        {"Bm, A shape", kB, kMinor, "x24432"},
        {"C#m, E shape", kCs, kMinor, "9 11 11 9 9 9"},
        {"C#m, A shape", kCs, kMinor, "x46654"},
        {"F7, E shape", kF, kSeventh, "131211"},
        {"F7, A shape", kF, kSeventh, "x 8 10 8 10 8"},
        {"Bb7, E shape", kBb, kSeventh, "686766"},
        {"Bb7, A shape", kBb, kSeventh, "x13131"},
        {"B7, E shape", kB, kSeventh, "797877"},
        {"B7, A shape", kB, kSeventh, "x24242"},
        {"C#7, E shape", kCs, kSeventh, "9 11 9 10 9 9"},
        {"C#7, A shape", kCs, kSeventh, "x46464"},
    };
    int first = 0;
    for (const auto& [name, root, type, chart] : shapes) {
        const PerString frets = Frets(chart);
        for (const bool restTreble : {false, true}) {
            const std::size_t rank =
                RankOf(FindFingerings(SearchAt(root, type, frets, restTreble)), frets);
            EXPECT_GE(rank, 1u) << name << " " << chart << ", rest treble " << restTreble;
            EXPECT_LE(rank, 5u) << name << " " << chart << ", rest treble " << restTreble;
            first += rank == 1 ? 1 : 0;
        }
    }
    EXPECT_GE(first, 2 * 30);
}

// Over the whole neck the open A and the barres up the neck come before more ways of playing
// either; at the nut the open D comes first.
TEST(GuitaristOrder, TheOpenAAndTheBarresUpTheNeckComeFirst) {
    SearchRequest wholeNeck{kA, kMajor, 0, 20, false, CreateOrder::Guitarist};
    wholeNeck.wholeNeck = true;
    const SearchResult result = FindFingerings(wholeNeck);
    for (const char* chart : {"x02220", "577655", "x 12 14 14 14 12"}) {
        EXPECT_LE(RankOf(result, Frets(chart)), 5u) << chart;
    }
    EXPECT_EQ(
        ShapeNotesToFrets(
            FindFingerings({kD, kMajor, 0, 20, false, CreateOrder::Guitarist}).candidates.front())
            .Fret,
        Frets("xx0232"));
}

TEST(RestingTrebleStrings, FindTheAWithoutItsHighE) {
    for (const CreateOrder order : {CreateOrder::Classic, CreateOrder::Guitarist}) {
        const PerString restedA = Frets("x0222x");
        EXPECT_EQ(RankOf(FindFingerings({kA, kMajor, 0, 20, false, order, false}), restedA), 0u);
        EXPECT_GE(RankOf(FindFingerings({kA, kMajor, 0, 20, false, order, true}), restedA), 1u);
    }
}

TEST(BassChoice, AnyLetsAnInversionLead) {
    const SearchRequest root{kC, kMajor, 0, 20, false, CreateOrder::Guitarist};
    SearchRequest any = root;
    any.bass = BassChoice::Any;
    EXPECT_EQ(ShapeNotesToFrets(FindFingerings(root).candidates.front()).Fret, Frets("x32010"));
    EXPECT_NE(ShapeNotesToFrets(FindFingerings(any).candidates.front()).Fret, Frets("x32010"));
}

}  // namespace
}  // namespace fretwise::test
