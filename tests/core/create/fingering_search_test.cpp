#include "core/create/fingering_search.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

#include "core/analysis/assign_fingering.hpp"
#include "core/create/option_lists.hpp"
#include "core/music/chord_types.hpp"

namespace fretwise::test {
namespace {

constexpr int kA = 0;
constexpr int kMajor = 0;
constexpr int kOctave = 37;

TEST(FindFingerings, AMajorInTheFirstEightFrets) {
    const SearchResult result = FindFingerings({kA, kMajor, 0, 20, false});
    EXPECT_EQ(result.failure, SearchFailure::None);
    EXPECT_EQ(result.combinations, 288);
    const PerString openA = {8, 5, 13, 8, 1, kNotPlayed};
    EXPECT_TRUE(std::any_of(result.candidates.begin(), result.candidates.end(),
                            [&](const Fingering& c) { return c.Note == openA; }));
}

TEST(FindFingerings, CandidatesCarryOnlyTheirNotes) {
    for (const Fingering& c : FindFingerings({kA, kMajor, 0, 20, false}).candidates) {
        Fingering notesOnly;
        notesOnly.Note = c.Note;
        EXPECT_EQ(c, notesOnly);
    }
}

TEST(FindFingerings, TheLargestSearch) {
    const SearchResult result = FindFingerings({2, 17, 6, 20, false});
    EXPECT_EQ(result.combinations, 30240);
}

TEST(FindFingerings, StopsWithoutCandidatesWhenNothingFits) {
    const std::tuple<const char*, SearchRequest, SearchFailure, std::int32_t> cases[] = {
        {"minor second on A: nothing for the B string",
         {kA, 26, 0, 20, false},
         SearchFailure::NoOptions,
         0},
        {"the same with all strings", {kA, 26, 0, 20, true}, SearchFailure::NoOptions, 0},
        {"A alone from the third fret: no way to hold it",
         {kA, 25, 2, 20, false},
         SearchFailure::NonePlayable,
         8},
    };
    for (const auto& [what, request, failure, combinations] : cases) {
        const SearchResult result = FindFingerings(request);
        EXPECT_EQ(result.failure, failure) << what;
        EXPECT_EQ(result.combinations, combinations) << what;
        EXPECT_TRUE(result.candidates.empty()) << what;
    }
}

TEST(CreateFailureMessage, DependsOnlyOnTheAllStringsOption) {
    EXPECT_EQ(CreateFailureMessage(false),
              "This chord cannot be created on\r\nthis part of the fretboard.");
    EXPECT_EQ(CreateFailureMessage(true),
              "This chord cannot be created on this part\r\nof the fretboard using every string.");
}

// Where a candidate stands in the enumeration; its notes pick one entry of each option list
// (unambiguous unless a list repeats a note, as for the octave).
std::int64_t EnumerationIndex(const OptionLists& options, const Fingering& candidate) {
    std::int64_t index = 0;
    for (int s = 0; s < kStringCount; ++s) {
        const auto found = std::find(options[s].begin(), options[s].end(), candidate.Note[s]);
        index = index * options[s].size() + (found - options[s].begin());
    }
    return index;
}

bool SoundsEveryClass(const ChordClasses& chord, const Fingering& candidate) {
    return std::all_of(chord.begin(), chord.end(), [&](std::int16_t pc) {
        return std::any_of(candidate.Note.begin(), candidate.Note.end(),
                           [&](std::int16_t n) { return n >= 0 && PitchClass(n) == pc; });
    });
}

// Every root and type in the first position of the neck, in each order and option state: the
// rules a result must obey whatever the chord.
TEST(FindFingerings, EveryCandidateIsCompletePlayableAndInOrder) {
    const std::tuple<bool, CreateOrder, bool> states[] = {
        {false, CreateOrder::Classic, false},  {true, CreateOrder::Classic, false},
        {false, CreateOrder::Classic, true},   {false, CreateOrder::Guitarist, false},
        {false, CreateOrder::Guitarist, true},
    };
    for (const auto& [allStrings, order, restTreble] : states) {
        for (int root = 0; root < kRootCount; ++root) {
            for (int type = 0; type < kChordTypeCount; ++type) {
                const SearchRequest request{root, type, 0, 20, allStrings, order, restTreble};
                const ChordClasses chord = ChordPitchClasses(root, type);
                const OptionLists options = BuildOptionLists(request, chord);
                const SearchResult result = FindFingerings(request);
                SCOPED_TRACE(testing::Message()
                             << "root " << root << " type " << type << " all strings " << allStrings
                             << " order " << static_cast<int>(order) << " rest " << restTreble);
                // One option per string; in the classic order the B string rests only with the
                // high E string.
                const bool guitarist = order == CreateOrder::Guitarist;
                std::int64_t count = 0;
                for (const std::int16_t high : options[0]) {
                    for (const std::int16_t b : options[1]) {
                        count += guitarist || b != kNotPlayed || high == kNotPlayed ? 1 : 0;
                    }
                }
                for (int s = 2; s < kStringCount; ++s) {
                    count *= options[s].size();
                }
                EXPECT_EQ(result.combinations, count);
                EXPECT_EQ(result.candidates.empty(), result.failure != SearchFailure::None);
                ASSERT_EQ(result.scores.size(), guitarist ? result.candidates.size() : 0u);
                ASSERT_EQ(result.eases.size(), guitarist ? 0u : result.candidates.size());

                std::int64_t previousIndex = 0;
                for (std::size_t i = 0; i < result.candidates.size(); ++i) {
                    const Fingering& c = result.candidates[i];
                    if (restTreble && !guitarist) {
                        EXPECT_FALSE(c.Note[1] == kNotPlayed && c.Note[0] != kNotPlayed);
                    }
                    if (!restTreble) {
                        EXPECT_NE(c.Note[0], kNotPlayed);
                        EXPECT_TRUE(guitarist || c.Note[1] != kNotPlayed);
                    }
                    if (allStrings) {
                        EXPECT_EQ(std::count(c.Note.begin(), c.Note.end(), kNotPlayed), 0);
                    }
                    EXPECT_TRUE(SoundsEveryClass(chord, c));
                    if (guitarist) {
                        ASSERT_TRUE(OffersShape(ScoredShapeOf(c)));
                    } else {
                        const Fingering fingered = AssignFingering(ShapeNotesToFrets(c), 20);
                        ASSERT_TRUE(fingered.Playable);
                        EXPECT_EQ(result.eases[i], fingered.Ease);
                    }
                    const std::int64_t index = EnumerationIndex(options, c);
                    if (i > 0 && guitarist) {
                        ASSERT_LE(result.scores[i].total, result.scores[i - 1].total);
                    } else if (i > 0) {
                        ASSERT_LE(result.eases[i], result.eases[i - 1]);
                        if (result.eases[i] == result.eases[i - 1] && type != kOctave) {
                            EXPECT_LT(index, previousIndex) << "equal ease: later first";
                        }
                    }
                    previousIndex = index;
                }
            }
        }
    }
}

TEST(SearchedFrets, TheViewOrTheWholeNeck) {
    const std::tuple<const char*, SearchRequest, int, int> cases[] = {
        {"the eight frets in view", {kA, kMajor, 4, 20, false}, 5, 12},
        {"a short neck leaves its last fret out", {kA, kMajor, 0, 6, false}, 1, 5},
        {"the whole neck", {kA, kMajor, 4, 20, false, {}, false, {}, {}, true}, 1, 15},
        {"the whole of a short neck", {kA, kMajor, 0, 12, false, {}, false, {}, {}, true}, 1, 12},
    };
    for (const auto& [what, request, first, last] : cases) {
        const FretWindow frets = SearchedFrets(request);
        EXPECT_EQ(frets.first, first) << what;
        EXPECT_EQ(frets.last, last) << what;
    }
}

// No hand spans more than five frets, so the whole neck holds exactly the playable shapes of
// the eight-fret windows from the nut to the 15th fret, each once.
TEST(FindFingerings, TheWholeNeckIsEveryWindowUpToTheFifteenthFret) {
    const std::tuple<int, int, CreateOrder, bool> chords[] = {
        {kA, kMajor, CreateOrder::Classic, false},
        {3, 3, CreateOrder::Guitarist, true},
        {7, 17, CreateOrder::Classic, true},
        {10, 5, CreateOrder::Guitarist, false},
    };
    for (const auto& [root, type, order, restTreble] : chords) {
        std::set<PerString> windows;
        for (int position = 0; position + kFretsInView <= kWholeNeckLastFret; ++position) {
            for (const Fingering& c :
                 FindFingerings({root, type, position, 20, false, order, restTreble}).candidates) {
                windows.insert(c.Note);
            }
        }
        SearchRequest request{root, type, 0, 20, false, order, restTreble};
        request.wholeNeck = true;
        const SearchResult whole = FindFingerings(request);
        std::set<PerString> found;
        for (const Fingering& c : whole.candidates) {
            found.insert(c.Note);
        }
        EXPECT_EQ(found, windows) << root << ' ' << type;
        EXPECT_EQ(whole.candidates.size(), windows.size()) << root << ' ' << type;
    }
}

TEST(EasesOf, TheFingeringsEaseOfEachCandidateInEitherOrder) {
    for (const CreateOrder order : {CreateOrder::Classic, CreateOrder::Guitarist}) {
        const SearchRequest request{3, 0, 0, 20, false, order};
        const SearchResult result = FindFingerings(request);
        const std::vector<float> eases = EasesOf(result, request);
        ASSERT_EQ(eases.size(), result.candidates.size());
        for (std::size_t k = 0; k < eases.size(); ++k) {
            EXPECT_EQ(eases[k], AssignFingering(ShapeNotesToFrets(result.candidates[k]), 20).Ease);
        }
    }
}

TEST(CandidateMerit, TheValueEachOrderRanksBy) {
    const SearchResult classic = FindFingerings({3, 0, 0, 20, false});
    const SearchResult guitarist = FindFingerings({3, 0, 0, 20, false, CreateOrder::Guitarist});
    EXPECT_EQ(CandidateMerit(classic, 1), classic.eases[1]);
    EXPECT_EQ(CandidateMerit(guitarist, 1), guitarist.scores[1].total);
    EXPECT_GE(CandidateMerit(guitarist, 0), CandidateMerit(guitarist, 1));
}

// Over the whole neck the order takes points off the shapes behind better ones at their fret;
// ShapeMerit is the score of each shape alone.
TEST(ShapeMerit, TheScoreOfTheShapeAloneOverTheWholeNeck) {
    SearchRequest request{3, 0, 0, 20, false, CreateOrder::Guitarist};
    request.wholeNeck = true;
    const SearchResult result = FindFingerings(request);
    const ScoreContext context = GuitaristContext(request);
    int crowded = 0;
    for (std::size_t k = 0; k < result.candidates.size(); ++k) {
        const float alone =
            ScoreShape(ScoredShapeOf(result.candidates[k].Note, ScoredStringsOf({})), context)
                .total;
        EXPECT_EQ(ShapeMerit(result, k), alone) << k;
        crowded += CandidateMerit(result, k) < alone ? 1 : 0;
    }
    EXPECT_GT(crowded, 0);
}

TEST(FindFingerings, OctaveFindsEachFingeringOncePerWayOfListingIt) {
    const SearchResult result = FindFingerings({7, kOctave, 0, 20, false});
    ASSERT_FALSE(result.candidates.empty());
    // Every sounding string lists its note twice, so a fingering sounding k strings is
    // found 2^k times.
    std::map<PerString, std::size_t> found;
    for (const Fingering& c : result.candidates) {
        ++found[c.Note];
    }
    for (const auto& [notes, times] : found) {
        const auto sounding = std::count_if(notes.begin(), notes.end(),
                                            [](std::int16_t n) { return n != kNotPlayed; });
        EXPECT_EQ(times, std::size_t{1} << sounding);
    }
}

}  // namespace
}  // namespace fretwise::test
