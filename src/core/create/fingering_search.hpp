#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "core/create/guitarist_score.hpp"
#include "core/music/chord_omissions.hpp"
#include "core/music/fingering.hpp"
#include "core/music/fret_range.hpp"
#include "core/music/tuning.hpp"

namespace fretwise {

// How the found fingerings are ordered: by the ease alone ("Easiest first"), or by the
// musical and physical score of create/guitarist_score.hpp ("As guitarists play them").
enum class CreateOrder { Classic, Guitarist };

struct SearchRequest {
    int root = 0;              // root list position 0-11 (0 = A)
    int type = 0;              // chord type list position 0-37; -1 or 25 search the root alone
    int position = 0;          // first fret line in view (the neck scroll bar's value)
    int numFrets = kMaxFrets;  // frets shown on the fretboard
    bool allStrings = false;   // "Created chords always use all strings"
    CreateOrder order = CreateOrder::Classic;
    bool restTreble = false;  // the high E, or the high E and B strings, may be left unplayed
    BassChoice bass = BassChoice::Root;  // read by the guitarist order only
    OpenStrings strings{};               // the tuning and capo the chord sounds in
    bool wholeNeck = false;              // frets 1 to kWholeNeckLastFret whatever the view
    // The full vocabulary knows more types (type is then a position of its list) and lets the
    // candidates leave out the notes guitarists leave out (music/chord_omissions.hpp).
    Vocabulary vocabulary = Vocabulary::Classic;
    // A note sounding besides the type's, in semitones above the root (a slash bass outside
    // the chord, full vocabulary); -1 for none.
    int addedNote = -1;
};

// The whole neck ends at the 15th fret (or at the last fret shown, where fewer are shown):
// above it the frets crowd too close for chord shapes.
constexpr int kWholeNeckLastFret = 15;

// Where a search stopped without a result.
enum class SearchFailure {
    None,
    NoOptions,     // some string can take none of the chord's notes
    NoneComplete,  // no combination sounds every note of the chord
    NonePlayable,  // no complete combination can be fingered
};

struct SearchResult {
    SearchFailure failure = SearchFailure::None;
    // How many ways of taking one option per string were formed; over the whole neck only
    // those whose fretted notes lie within a hand's reach and that can sound every chord
    // note are formed.
    std::int32_t combinations = 0;
    // In the order asked for; only Note is set in each. Empty when the search failed.
    std::vector<Fingering> candidates;
    // The classic order's Ease of each candidate, in the same order; empty for the guitarist
    // order, which ranks without it (EasesOf gives it).
    std::vector<float> eases;
    // The guitarist order's score of each candidate, in the same order; empty for the classic.
    std::vector<GuitaristScore> scores;
    // The notes of the chord each candidate leaves out, bit k = k semitones above the root, in
    // the same order; empty in the classic vocabulary.
    std::vector<NoteBits> omits;
};

SearchResult FindFingerings(const SearchRequest& request);

// The frets a search covers besides the open strings, first to last.
struct FretWindow {
    int first = 1;
    int last = 8;
};

FretWindow SearchedFrets(const SearchRequest& request);

// The Ease of each candidate the request found, in order: the classic order's own, or the
// fingering's of each shape the guitarist order found (0 where its stricter rules refuse it
// early).
std::vector<float> EasesOf(const SearchResult& result, const SearchRequest& request);

// How good candidate k of the result is in the order that ranked it, higher first: its score
// in the guitarist order, its Ease in the classic order. Values compare within one order only.
float CandidateMerit(const SearchResult& result, std::size_t k);

// How good candidate k is on its own: its CandidateMerit without the points the guitarist
// order takes off for the shapes ranked before it (Crowded), for the callers that choose
// among the candidates by other measures too.
float ShapeMerit(const SearchResult& result, std::size_t k);

// What the guitarist order knows of the request's chord and search when it scores a shape.
ScoreContext GuitaristContext(const SearchRequest& request);

// The message the window shows when a search fails; it depends only on the option.
std::string_view CreateFailureMessage(bool allStrings);

}  // namespace fretwise
