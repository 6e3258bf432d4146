#include "core/create/guitarist_score.hpp"

#include <algorithm>
#include <cstdlib>

namespace fretwise {

namespace {

// A stretch of up to three frets (the lowest fretted note and two above it) is part of every
// common chord; only what lies beyond costs.
constexpr int kComfortableSpan = 2;

// The open chords keep the hand in the first five frets.
constexpr int kOpenChordReach = 5;

// Two low notes a major third or less apart blur below the C of the A string (C3).
constexpr int kClearThirdHeight = 3;
constexpr int kMajorThird = 4;

using Counts = std::array<int, kScoreTermCount>;

bool Sounds(const ScoredShape& shape, int s) {
    return shape.frets[s] != kMuted;
}

// The sounding string with the lowest pitch; -1 when no string sounds.
int BassString(const ScoredShape& shape) {
    int bass = -1;
    for (int s = 0; s < kStringCount; ++s) {
        if (Sounds(shape, s) && (bass < 0 || shape.heights[s] <= shape.heights[bass])) {
            bass = s;
        }
    }
    return bass;
}

// The strings of the shape from the highest sounding one (first) to the lowest (last).
struct Outline {
    int first = kStringCount;
    int last = -1;
};

Outline SoundingOutline(const ScoredShape& shape) {
    Outline outline;
    for (int s = 0; s < kStringCount; ++s) {
        if (Sounds(shape, s)) {
            outline.first = std::min(outline.first, s);
            outline.last = std::max(outline.last, s);
        }
    }
    return outline;
}

// The fretting hand: the fretted strings and where they lie.
struct Hand {
    int fretted = 0;
    int lowest = 0;  // 0 when nothing is fretted
    int highest = 0;
    int firstAtLowest = -1;  // the outermost strings held at the lowest fret
    int lastAtLowest = -1;
    int atLowest = 0;
};

Hand HandOf(const ScoredShape& shape) {
    Hand hand;
    for (const std::int16_t fret : shape.frets) {
        if (fret >= 1) {
            hand.lowest = hand.fretted == 0 ? fret : std::min<int>(hand.lowest, fret);
            hand.highest = std::max<int>(hand.highest, fret);
            ++hand.fretted;
        }
    }
    for (int s = 0; s < kStringCount; ++s) {
        if (hand.fretted > 0 && shape.frets[s] == hand.lowest) {
            hand.firstAtLowest = hand.firstAtLowest < 0 ? s : hand.firstAtLowest;
            hand.lastAtLowest = s;
            ++hand.atLowest;
        }
    }
    return hand;
}

// How the fretting hand holds the shape.
struct Grip {
    int fingers = 0;
    bool barre = false;
    bool crossed = false;
};

constexpr int kFingers = 4;
constexpr int kFingersABarreMustSave = 2;

// The first finger can lie across the strings held at the lowest fret only when every
// string between them is held too: it would stop an open string and sound a muted one. When
// an open string keeps it from lying across and a string held higher lies between, the
// finger on the farther string must cross the others.
Grip GripOf(const ScoredShape& shape, const Hand& hand) {
    bool openBetween = false;
    bool mutedBetween = false;
    bool higherBetween = false;
    for (int s = hand.firstAtLowest + 1; s < hand.lastAtLowest; ++s) {
        openBetween = openBetween || shape.frets[s] == 0;
        mutedBetween = mutedBetween || shape.frets[s] == kMuted;
        higherBetween = higherBetween || shape.frets[s] > hand.lowest;
    }
    Grip grip{hand.fretted, false, openBetween && higherBetween};
    const int withBarre = hand.fretted - hand.atLowest + 1;
    const bool worthIt =
        hand.fretted > kFingers || hand.fretted - withBarre >= kFingersABarreMustSave;
    if (hand.atLowest >= 2 && !openBetween && !mutedBetween && worthIt) {
        grip.fingers = withBarre;
        grip.barre = true;
    }
    return grip;
}

// Unplayed strings above the highest sounding one that the barre could reach on to (every
// string on the way is held) where they would sound a chord note.
int RestsUnderBarre(const ScoredShape& shape, const ScoreContext& context, const Hand& hand,
                    const Grip& grip) {
    if (!grip.barre) {
        return 0;
    }
    int rests = 0;
    for (int s = hand.firstAtLowest - 1; s >= 0 && !Sounds(shape, s); --s) {
        const int note = context.openNotes[s] + hand.lowest;
        if ((context.chordClasses >> PitchClass(note) & 1u) != 0) {
            ++rests;
        }
    }
    return rests;
}

// Neighbouring sounding strings, from the low E string up, whose pitch falls.
int CrossedStrings(const ScoredShape& shape) {
    int crossed = 0;
    int lower = -1;
    for (int s = kStringCount - 1; s >= 0; --s) {
        if (Sounds(shape, s)) {
            crossed += lower >= 0 && shape.heights[s] < shape.heights[lower] ? 1 : 0;
            lower = s;
        }
    }
    return crossed;
}

// Unplayed strings between sounding ones, told apart by whether a finger on the next lower
// string damps them.
struct Mutes {
    int loose = 0;
    int damped = 0;
};

Mutes MutesBetween(const ScoredShape& shape) {
    const Outline outline = SoundingOutline(shape);
    Mutes mutes;
    for (int s = outline.first + 1; s < outline.last; ++s) {
        if (!Sounds(shape, s)) {
            ++(shape.frets[s + 1] >= 1 ? mutes.damped : mutes.loose);
        }
    }
    return mutes;
}

bool MuddyBass(const ScoredShape& shape) {
    std::array<int, kStringCount> heights{};
    int count = 0;
    for (int s = 0; s < kStringCount; ++s) {
        if (Sounds(shape, s)) {
            heights[static_cast<std::size_t>(count++)] = shape.heights[s];
        }
    }
    if (count < 2) {
        return false;
    }
    std::partial_sort(heights.begin(), heights.begin() + 2, heights.begin() + count);
    const int gap = heights[1] - heights[0];
    return gap > 0 && gap <= kMajorThird && heights[0] < kClearThirdHeight;
}

Counts CountTerms(const ScoredShape& shape, const ScoreContext& context) {
    const Hand hand = HandOf(shape);
    int sounding = 0;
    int roots = 0;
    int open = 0;
    int repeated = 0;
    for (int s = 0; s < kStringCount; ++s) {
        if (!Sounds(shape, s)) {
            continue;
        }
        ++sounding;
        roots += PitchClass(shape.notes[s]) == context.rootClass ? 1 : 0;
        open += shape.frets[s] == 0 ? 1 : 0;
        for (int t = 0; t < s; ++t) {
            if (Sounds(shape, t) && shape.heights[t] == shape.heights[s]) {
                ++repeated;
                break;
            }
        }
    }
    const int bass = BassString(shape);
    const Grip grip = GripOf(shape, hand);
    const Mutes mutes = MutesBetween(shape);
    const bool openChord = hand.highest <= kOpenChordReach;
    const int handFret = hand.fretted > 0 ? hand.lowest : 1;

    Counts counts{};
    const auto set = [&counts](ScoreTerm term, int count) {
        counts[static_cast<std::size_t>(term)] = count;
    };
    set(ScoreTerm::BassIsRoot,
        bass >= 0 && PitchClass(shape.notes[bass]) == context.rootClass ? 1 : 0);
    set(ScoreTerm::SoundingStrings, sounding);
    set(ScoreTerm::MutedBetween, mutes.loose);
    set(ScoreTerm::DampedBetween, mutes.damped);
    set(ScoreTerm::RootDoubled, roots > 1 ? 1 : 0);
    set(ScoreTerm::Fingers, grip.fingers);
    set(ScoreTerm::FingersBeyondFour, std::max(0, grip.fingers - kFingers));
    set(ScoreTerm::Barre, grip.barre ? 1 : 0);
    set(ScoreTerm::CrossedFingers, grip.crossed ? 1 : 0);
    set(ScoreTerm::Stretch, std::max(0, hand.highest - hand.lowest - kComfortableSpan));
    set(ScoreTerm::Position, std::abs(handFret - context.firstFret));
    set(ScoreTerm::OpenStrings, openChord ? open : 0);
    set(ScoreTerm::OpenStringsUpTheNeck, openChord ? 0 : open);
    set(ScoreTerm::RestsUnderBarre, RestsUnderBarre(shape, context, hand, grip));
    set(ScoreTerm::RepeatedPitches, repeated);
    set(ScoreTerm::CrossedStrings, CrossedStrings(shape));
    set(ScoreTerm::MuddyBass, MuddyBass(shape) ? 1 : 0);
    return counts;
}

}  // namespace

ScoredShape ScoredShapeOf(const Fingering& shape, const OpenStrings& strings) {
    ScoredShape scored{shape.Fret, shape.Note, {}};
    for (int s = 0; s < kStringCount; ++s) {
        scored.heights[s] =
            static_cast<std::int16_t>(strings.SoundingPitchOf(s, shape.Note[s]).SoundNote());
    }
    return scored;
}

GuitaristScore ScoreShape(const ScoredShape& shape, const ScoreContext& context) {
    const Counts counts = CountTerms(shape, context);
    GuitaristScore score;
    for (std::size_t k = 0; k < kScoreTerms.size(); ++k) {
        const ScoreTermRow& row = kScoreTerms[k];
        const bool weighed =
            !(row.term == ScoreTerm::BassIsRoot && context.bass == BassChoice::Any);
        score.terms[k] = weighed ? row.weight * static_cast<float>(counts[k]) : 0.0f;
        score.total += score.terms[k];
    }
    return score;
}

}  // namespace fretwise
