#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "core/music/fingering.hpp"
#include "core/music/tuning.hpp"

namespace fretwise {

// Whether the guitarist order puts root-position shapes first, or lets inversions rank by the
// other terms.
enum class BassChoice { Root, Any };

// The facts about a shape that the order "As guitarists play them" weighs. Each is counted
// on the shape and multiplied by its weight in kScoreTerms; the score is the sum.
enum class ScoreTerm : std::uint8_t {
    BassIsRoot,
    SoundingStrings,
    MutedBetween,
    DampedBetween,
    RootDoubled,
    Fingers,
    FingersBeyondFour,
    Barre,
    CrossedFingers,
    Stretch,
    Position,
    OpenStrings,
    OpenStringsUpTheNeck,
    RestsUnderBarre,
    RepeatedPitches,
    CrossedStrings,
    MuddyBass,
};
constexpr int kScoreTermCount = 17;

struct ScoreTermRow {
    ScoreTerm term;
    std::string_view name;  // the key of the term in create --json
    float weight;           // points for each unit counted; negative where it costs
};

// The one table of the guitarist order's weights. The weights are multiples of 1/4, so sums
// are exact and equal scores really tie.
inline constexpr std::array<ScoreTermRow, kScoreTermCount> kScoreTerms = {{
    // 1 when the lowest sounding note is the root; 0 for every shape with BassChoice::Any.
    {ScoreTerm::BassIsRoot, "bass_is_root", 10.0f},
    // Strings that sound.
    {ScoreTerm::SoundingStrings, "sounding_strings", 1.0f},
    // Strings left unplayed between sounding strings with no finger on the string below them
    // to damp them: hard to keep silent when strumming.
    {ScoreTerm::MutedBetween, "muted_between", -4.0f},
    // Strings left unplayed between sounding strings that the finger on the string below
    // them damps, as in the shell voicings (3 x 4 4 3 x).
    {ScoreTerm::DampedBetween, "damped_between", -1.0f},
    // 1 when the root sounds on more than one string.
    {ScoreTerm::RootDoubled, "root_doubled", 0.5f},
    // Fingers the fretting hand needs; a barre of the first finger counts as one.
    {ScoreTerm::Fingers, "fingers", -0.75f},
    // Fingers needed beyond the four of the hand.
    {ScoreTerm::FingersBeyondFour, "fingers_beyond_four", -4.0f},
    // 1 when the first finger lies across the strings held at the lowest fret; the hand
    // takes a barre only where it saves two fingers or more than four are needed.
    {ScoreTerm::Barre, "barre", -0.75f},
    // 1 when an open string keeps the strings held at the lowest fret from being barred and
    // a string held higher lies between them, so the fingers must cross (1 0 3 2 1 0).
    {ScoreTerm::CrossedFingers, "crossed_fingers", -4.0f},
    // Frets beyond three between the lowest and the highest fretted note.
    {ScoreTerm::Stretch, "stretch", -3.0f},
    // Frets between the first fret searched and the lowest fretted note; open strings alone
    // count as held at the first fret of the neck.
    {ScoreTerm::Position, "position", -0.5f},
    // Open strings that ring beside a hand in the first five frets.
    {ScoreTerm::OpenStrings, "open_strings", 0.5f},
    // Open strings that ring beside a hand reaching above the fifth fret.
    {ScoreTerm::OpenStringsUpTheNeck, "open_strings_up_the_neck", -2.0f},
    // High strings left unplayed although the barre could simply reach on to them and sound
    // a chord note: resting them gains nothing.
    {ScoreTerm::RestsUnderBarre, "rests_under_barre", -1.5f},
    // Strings that sound the very same pitch as another.
    {ScoreTerm::RepeatedPitches, "repeated_pitches", -3.0f},
    // Neighbouring sounding strings whose pitches run against the strings' order (a fretted
    // low string above an open higher one).
    {ScoreTerm::CrossedStrings, "crossed_strings", -2.0f},
    // 1 when the two lowest notes lie a third or less apart below the C of the A string:
    // a muddy bass.
    {ScoreTerm::MuddyBass, "muddy_bass", -1.0f},
}};

// The table lists the terms in the order of ScoreTerm.
static_assert([] {
    for (std::size_t k = 0; k < kScoreTerms.size(); ++k) {
        if (static_cast<std::size_t>(kScoreTerms[k].term) != k) {
            return false;
        }
    }
    return true;
}());

struct GuitaristScore {
    float total = 0.0f;
    // The points of each term, in the order of kScoreTerms; they add up to total.
    std::array<float, kScoreTermCount> terms{};

    bool operator==(const GuitaristScore&) const = default;
};

// A shape as the score sees it: per string the fret (-1 for a string not played), the pitch
// number it sounds and how high it sounds in semitones above the A of the open A string in
// standard tuning (110 Hz).
struct ScoredShape {
    PerString frets{};
    PerString notes{};
    PerString heights{};
};

// A shape whose Fret and Note agree, as the score sees it sounding on these strings.
ScoredShape ScoredShapeOf(const Fingering& shape, const OpenStrings& strings = {});

// What the score needs to know about the search.
struct ScoreContext {
    int rootClass = 0;  // the pitch class of the chord's root (PitchClass of its pitch number)
    std::uint16_t chordClasses = 0;  // bit c set for every pitch class c of the chord
    PerString openNotes{};           // the pitch number of each open string
    int firstFret = 1;               // the lowest fret the search covers
    BassChoice bass = BassChoice::Root;
};

GuitaristScore ScoreShape(const ScoredShape& shape, const ScoreContext& context);

}  // namespace fretwise
