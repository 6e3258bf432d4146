#include <gtest/gtest.h>

#include <algorithm>

#include "core/create/bass_filter.hpp"
#include "core/create/fingering_search.hpp"
#include "core/music/chord_types.hpp"
#include "support/shapes.hpp"

namespace fretwise::test {
namespace {

constexpr int kC = 3;

SearchRequest FullSearch(int root, int type) {
    SearchRequest request{root, type, 0, 20, false};
    request.vocabulary = Vocabulary::Full;
    return request;
}

int TypeWithSymbol(std::string_view symbol) {
    for (int type = 0; type < kFullChordTypeCount; ++type) {
        if (kChordTypes[type].symbol == symbol) {
            return type;
        }
    }
    return -1;
}

// Pitch classes as notes above the root.
NoteBits NotesAbove(const Fingering& candidate, int root) {
    unsigned notes = 0;
    for (const std::int16_t note : candidate.Note) {
        if (note >= 0) {
            notes |= 1u << ((note - (root + 1) + 24) % 12);
        }
    }
    return static_cast<NoteBits>(notes);
}

// Every chord of the full vocabulary has fingerings in the first frets with every root, and
// each sounds the chord's notes but for a set guitarists leave out, which the search reports.
TEST(FullCreation, EveryTypeWithEveryRootSoundsItsNotesButWhatGuitaristsLeaveOut) {
    for (int type = 0; type < kFullChordTypeCount; ++type) {
        const ChordType& chord = kChordTypes[type];
        if (chord.kind != ChordKind::Chord) {
            continue;
        }
        const OmissionSets omissions = OmissionSetsOf(chord);
        for (int root = 0; root < kRootCount; ++root) {
            const SearchResult result = FindFingerings(FullSearch(root, type));
            ASSERT_EQ(result.failure, SearchFailure::None) << chord.displayName << " " << root;
            ASSERT_EQ(result.omits.size(), result.candidates.size());
            for (std::size_t k = 0; k < result.candidates.size(); ++k) {
                const NoteBits sounding = NotesAbove(result.candidates[k], root);
                EXPECT_EQ(sounding | result.omits[k], NoteBitsOf(chord)) << chord.displayName;
                EXPECT_EQ(sounding & result.omits[k], 0) << chord.displayName;
                EXPECT_NE(std::find(omissions.begin(), omissions.end(), result.omits[k]),
                          omissions.end())
                    << chord.displayName;
            }
        }
    }
}

TEST(FullCreation, AThirteenthLeavesOutTheEleventhFirst) {
    const SearchResult result = FindFingerings(FullSearch(kC, TypeWithSymbol("13")));
    for (const NoteBits omits : result.omits) {
        if (omits != 0 && omits != 1u << 7) {
            EXPECT_NE(omits & (1u << 5), 0) << omits;
        }
    }
    const std::vector<PerString> frets = [&] {
        std::vector<PerString> all;
        for (const Fingering& c : result.candidates) {
            all.push_back(ShapeNotesToFrets(c).Fret);
        }
        return all;
    }();
    // The shell guitarists play: C, B flat, E, A.
    EXPECT_NE(std::find(frets.begin(), frets.end(), Frets("x3x355")), frets.end());
}

// A bass outside every type sounds besides the chord's notes, lowest.
TEST(FullCreation, AnAddedBassSoundsLowest) {
    SearchRequest request = FullSearch(kC, 0);
    request.addedNote = 6;  // C/F#
    SearchResult result = FindFingerings(request);
    KeepCandidatesWithBass(result, 10);
    ASSERT_FALSE(result.candidates.empty());
    EXPECT_EQ(result.omits.size(), result.candidates.size());
    for (const Fingering& c : result.candidates) {
        EXPECT_EQ(NotesAbove(c, kC), (1u << 0) | (1u << 4) | (1u << 6) | (1u << 7));
    }
}

// The classic types keep their classic search in the classic vocabulary: every note sounds.
TEST(FullCreation, TheClassicVocabularyLeavesNothingOut) {
    const SearchResult classic = FindFingerings({kC, 2, 0, 20, false});
    EXPECT_TRUE(classic.omits.empty());
    const SearchResult full = FindFingerings(FullSearch(kC, 2));
    EXPECT_GT(full.candidates.size(), classic.candidates.size());
    for (const Fingering& c : classic.candidates) {
        EXPECT_EQ(NotesAbove(c, kC), NoteBitsOf(kChordTypes[2]));
    }
}

}  // namespace
}  // namespace fretwise::test
