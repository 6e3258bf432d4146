#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "core/create/guitarist_grip.hpp"
#include "core/music/fingering.hpp"
#include "core/music/tuning.hpp"

namespace fretwise {

// Whether the guitarist order weighs the bass note, or lets every bass rank by the other terms
// (a chord symbol with a bass note, whose shapes all have that note lowest).
enum class BassChoice { Root, Any };

// The facts about a shape that the order "As guitarists play them" weighs. Each is counted
// on the shape and multiplied by its weight in kScoreTerms; the score is the sum.
enum class ScoreTerm : std::uint8_t {
    BassIsRoot,
    BassIsFifth,
    BassIsThird,
    BassIsOther,
    SoundingStrings,
    ThreeStrings,
    LowStringsResting,
    TrebleResting,
    DampedBetween,
    RootDoubled,
    FifthDoubled,
    RootOnTop,
    Fingers,
    FingersBeyondFour,
    Barre,
    FullBarre,
    CrossedFingers,
    Stretch,
    Position,
    OpenStrings,
    RestsUnderBarre,
    MuddyBass,
    Crowded,
};
constexpr int kScoreTermCount = 23;

struct ScoreTermRow {
    ScoreTerm term;
    std::string_view name;  // the key of the term in create --json
    float weight;           // points for each unit counted; negative where it costs
};

// The one table of the guitarist order's weights, fitted to hand-made chord charts
// (scripts/chart-ranks). The weights are multiples of 1/4, so sums are exact and equal scores
// really tie.
inline constexpr std::array<ScoreTermRow, kScoreTermCount> kScoreTerms = {{
    // 1 when the lowest sounding note is the root, the fifth, the third, or another chord
    // note; 0 for every shape with BassChoice::Any. Charts put the fifth or the third below a
    // barre as readily as the root (3 3 5 5 5 3 is C).
    {ScoreTerm::BassIsRoot, "bass_is_root", 17.25f},
    {ScoreTerm::BassIsFifth, "bass_is_fifth", 9.25f},
    {ScoreTerm::BassIsThird, "bass_is_third", 7.5f},
    {ScoreTerm::BassIsOther, "bass_is_other", 4.25f},
    // Strings that sound.
    {ScoreTerm::SoundingStrings, "sounding_strings", 0.5f},
    // 1 when exactly three strings sound: a triad.
    {ScoreTerm::ThreeStrings, "three_strings", 0.75f},
    // Strings below the lowest sounding one, left to rest.
    {ScoreTerm::LowStringsResting, "low_strings_resting", 1.75f},
    // Strings above the highest sounding one, left to rest.
    {ScoreTerm::TrebleResting, "treble_resting", -0.75f},
    // Strings left unplayed between sounding strings, which the finger on the string below
    // them damps, as in the shell voicings (3 x 4 4 3 x). The order offers no shape whose
    // unplayed string nothing damps (guitarist_grip.hpp).
    {ScoreTerm::DampedBetween, "damped_between", -4.5f},
    // 1 when the root, or the fifth, sounds on more than one string.
    {ScoreTerm::RootDoubled, "root_doubled", 1.5f},
    {ScoreTerm::FifthDoubled, "fifth_doubled", 1.25f},
    // 1 when the highest sounding note is the root.
    {ScoreTerm::RootOnTop, "root_on_top", 0.25f},
    // Fingers the fretting hand needs; a barre of the first finger counts as one.
    {ScoreTerm::Fingers, "fingers", -0.25f},
    // Fingers needed beyond the four of the hand, where a finger lying flat across
    // neighbouring strings at one fret saves them.
    {ScoreTerm::FingersBeyondFour, "fingers_beyond_four", -2.75f},
    // 1 when the first finger lies across the strings held at the lowest fret; the hand
    // takes a barre only where it saves two fingers or more than four are needed.
    {ScoreTerm::Barre, "barre", -0.25f},
    // 1 when that barre lies across five or six strings.
    {ScoreTerm::FullBarre, "full_barre", 3.25f},
    // 1 when an open string keeps the strings held at the lowest fret from being barred and
    // a string held higher lies between them, so the fingers must cross (1 0 3 2 1 0).
    {ScoreTerm::CrossedFingers, "crossed_fingers", -6.75f},
    // Frets beyond three between the lowest and the highest fretted note.
    {ScoreTerm::Stretch, "stretch", -5.0f},
    // Frets between the first fret in view and the lowest fretted note (open strings alone
    // count as held at the first fret of the neck); nothing for a shape with open strings
    // when the view starts at the nut, nor over the whole neck.
    {ScoreTerm::Position, "position", -18.25f},
    // Open strings that ring.
    {ScoreTerm::OpenStrings, "open_strings", 1.0f},
    // High strings left unplayed although the barre could simply reach on to them and sound
    // a chord note: resting them gains nothing.
    {ScoreTerm::RestsUnderBarre, "rests_under_barre", -3.25f},
    // 1 when the two lowest notes lie a third or less apart below the C of the A string:
    // a muddy bass.
    {ScoreTerm::MuddyBass, "muddy_bass", -4.75f},
    // Over the whole neck, shapes played at the same place that score higher: whose hand starts
    // at the same fret, or which ring open strings too (the open position). The order shows
    // the other places on the neck before more ways of playing one place.
    {ScoreTerm::Crowded, "crowded", -3.0f},
}};

// The weights are multiples of 1/4.
static_assert([] {
    for (const ScoreTermRow& row : kScoreTerms) {
        if (row.weight * 4 != static_cast<float>(static_cast<int>(row.weight * 4))) {
            return false;
        }
    }
    return true;
}());

// The table lists the terms in the order of ScoreTerm.
static_assert([] {
    for (std::size_t k = 0; k < kScoreTerms.size(); ++k) {
        if (static_cast<std::size_t>(kScoreTerms[k].term) != k) {
            return false;
        }
    }
    return true;
}());

// How often each term's fact occurs on a shape, in the order of kScoreTerms.
using ScoreTermCounts = std::array<std::int16_t, kScoreTermCount>;

struct GuitaristScore {
    ScoreTermCounts counts{};
    float total = 0.0f;  // the sum of the points of the terms

    // The points of term k: its count times its weight.
    float Points(std::size_t k) const {
        return kScoreTerms[k].weight * static_cast<float>(counts[k]);
    }

    bool operator==(const GuitaristScore&) const = default;
};

// A shape as the score sees it: per string the fret (-1 for a string not played), the pitch
// number it sounds and how high it sounds in semitones above the A of the open A string in
// standard tuning (110 Hz), and how the hand holds it.
struct ScoredShape {
    PerString frets{};
    PerString notes{};
    PerString heights{};
    Grip grip;
};

// The open strings as the score measures them: the pitch number and the height of each.
struct ScoredStrings {
    PerString pitches{};
    PerString heights{};
};

ScoredStrings ScoredStringsOf(const OpenStrings& strings);

// The shape sounding the notes (pitch numbers, -1 for a string not played) on the strings.
ScoredShape ScoredShapeOf(const PerString& notes, const ScoredStrings& strings);

// A shape whose Fret and Note agree, as the score sees it sounding on these strings.
ScoredShape ScoredShapeOf(const Fingering& shape, const OpenStrings& strings = {});

// The shapes the guitarist order offers: what the hand can hold (Grip::playable), with no
// string left loose (LeavesALooseString), pitches rising string by string from the low E
// string up (no string repeats or crosses below a lower string's pitch), and no open string
// beside a hand reaching above the fifth fret. Chord charts hardly ever show anything else.
bool OffersShape(const ScoredShape& shape);

// What the score needs to know about the search.
struct ScoreContext {
    int rootClass = 0;  // the pitch class of the chord's root (PitchClass of its pitch number)
    // Semitones above the root of the chord's third (or the note that replaces it) and of its
    // fifth (perhaps altered; an interval's upper note); -1 where it has none.
    int third = -1;
    int fifth = -1;
    std::uint16_t chordClasses = 0;  // bit c set for every pitch class c of the chord
    PerString openNotes{};           // the pitch number of each open string
    int firstFret = 1;               // the first fret in view
    BassChoice bass = BassChoice::Root;
    bool wholeNeck = false;  // the search covers the whole neck, whatever the view
};

// The counts of the terms on the shape; Crowded, which depends on the other shapes found, is
// left 0 (candidate_order.hpp counts it).
ScoreTermCounts CountScoreTerms(const ScoredShape& shape, const ScoreContext& context);

// The counts with the sum of their points.
GuitaristScore ScoreOf(const ScoreTermCounts& counts);

// The score of the shape alone, Crowded 0.
GuitaristScore ScoreShape(const ScoredShape& shape, const ScoreContext& context);

}  // namespace fretwise
