#include "core/create/guitarist_score.hpp"

#include <algorithm>
#include <cstdlib>

namespace fretwise {

namespace {

// A stretch of up to three frets (the lowest fretted note and two above it) is part of every
// common chord; only what lies beyond costs.
constexpr int kComfortableSpan = 2;

// A barre across five or six strings holds a full chord.
constexpr int kFullBarreStrings = 5;

// Two low notes a major third or less apart blur below the C of the A string (C3).
constexpr int kClearThirdHeight = 3;
constexpr int kMajorThird = 4;

// Semitones above the root of the chord notes the bass terms tell apart.
constexpr int kRoot = 0;

// Semitones from the root up to the note's pitch class, 0 to 11.
int IntervalAboveRoot(int note, const ScoreContext& context) {
    return PitchClass(PitchClass(note - context.rootClass) + 12);
}

// What the terms count, gathered in one walk over the strings from the low E string up.
struct Survey {
    int sounding = 0;
    int open = 0;
    int first = kStringCount;  // the highest and the lowest sounding string
    int last = -1;
    int bass = -1;  // the string sounding the lowest pitch
    int lowestHeight = 0;
    int nextHeight = 0;               // the second lowest pitch sounding
    std::array<int, 12> intervals{};  // strings sounding each interval above the root
};

Survey SurveyOf(const ScoredShape& shape, const ScoreContext& context) {
    Survey survey;
    for (int s = kStringCount - 1; s >= 0; --s) {
        if (shape.frets[s] == kMuted) {
            continue;
        }
        const int height = shape.heights[s];
        ++survey.sounding;
        survey.open += shape.frets[s] == 0 ? 1 : 0;
        ++survey.intervals[static_cast<std::size_t>(IntervalAboveRoot(shape.notes[s], context))];
        survey.first = s;
        survey.last = std::max(survey.last, s);
        if (survey.bass < 0 || height < survey.lowestHeight) {
            survey.nextHeight = survey.bass < 0 ? height : survey.lowestHeight;
            survey.lowestHeight = height;
            survey.bass = s;
        } else if (survey.sounding == 2 || height < survey.nextHeight) {
            survey.nextHeight = height;
        }
    }
    return survey;
}

// Two lowest notes a third or less apart below the C of the A string.
bool MuddyBass(const Survey& survey) {
    const int gap = survey.nextHeight - survey.lowestHeight;
    return survey.sounding >= 2 && gap > 0 && gap <= kMajorThird &&
           survey.lowestHeight < kClearThirdHeight;
}

// Unplayed strings above the highest sounding one that the barre could reach on to (every
// string on the way is held) where they would sound a chord note.
int RestsUnderBarre(const ScoredShape& shape, const ScoreContext& context) {
    const Grip& grip = shape.grip;
    if (!grip.barre) {
        return 0;
    }
    int rests = 0;
    for (int s = grip.firstAtLowest - 1; s >= 0 && shape.frets[s] == kMuted; --s) {
        const int note = context.openNotes[s] + grip.lowest;
        if ((context.chordClasses >> PitchClass(note) & 1u) != 0) {
            ++rests;
        }
    }
    return rests;
}

int Count(const std::array<int, 12>& intervals, int interval) {
    return interval < 0 ? 0 : intervals[static_cast<std::size_t>(interval)];
}

}  // namespace

ScoreTermCounts CountScoreTerms(const ScoredShape& shape, const ScoreContext& context) {
    const Grip& grip = shape.grip;
    const Survey survey = SurveyOf(shape, context);
    const bool anySound = survey.sounding > 0;
    const int bass = anySound ? IntervalAboveRoot(shape.notes[survey.bass], context) : -1;
    const int top = anySound ? IntervalAboveRoot(shape.notes[survey.first], context) : -1;
    const bool weighBass = context.bass == BassChoice::Root && anySound;
    const bool rootBass = bass == kRoot;
    const bool thirdBass = !rootBass && bass == context.third;
    const bool fifthBass = !rootBass && bass == context.fifth;
    const int handFret = grip.fretted > 0 ? grip.lowest : 1;

    ScoreTermCounts counts{};
    const auto set = [&counts](ScoreTerm term, int count) {
        counts[static_cast<std::size_t>(term)] = static_cast<std::int16_t>(count);
    };
    set(ScoreTerm::BassIsRoot, weighBass && rootBass ? 1 : 0);
    set(ScoreTerm::BassIsFifth, weighBass && fifthBass ? 1 : 0);
    set(ScoreTerm::BassIsThird, weighBass && thirdBass ? 1 : 0);
    set(ScoreTerm::BassIsOther, weighBass && !rootBass && !thirdBass && !fifthBass ? 1 : 0);
    set(ScoreTerm::SoundingStrings, survey.sounding);
    set(ScoreTerm::ThreeStrings, survey.sounding == 3 ? 1 : 0);
    set(ScoreTerm::LowStringsResting, anySound ? kStringCount - 1 - survey.last : 0);
    set(ScoreTerm::TrebleResting, anySound ? survey.first : 0);
    set(ScoreTerm::DampedBetween, anySound ? survey.last - survey.first + 1 - survey.sounding : 0);
    set(ScoreTerm::RootDoubled, Count(survey.intervals, kRoot) > 1 ? 1 : 0);
    set(ScoreTerm::FifthDoubled, Count(survey.intervals, context.fifth) > 1 ? 1 : 0);
    set(ScoreTerm::RootOnTop, top == kRoot ? 1 : 0);
    set(ScoreTerm::Fingers, grip.fingers);
    set(ScoreTerm::FingersBeyondFour, std::max(0, grip.fingers - kFingers));
    set(ScoreTerm::Barre, grip.barre ? 1 : 0);
    set(ScoreTerm::FullBarre,
        grip.barre && grip.lastAtLowest - grip.firstAtLowest + 1 >= kFullBarreStrings ? 1 : 0);
    set(ScoreTerm::CrossedFingers, grip.crossed ? 1 : 0);
    set(ScoreTerm::Stretch, std::max(0, grip.highest - grip.lowest - kComfortableSpan));
    // With the view at the nut every open chord is in view, wherever its fingers lie.
    const bool openAtTheNut = context.firstFret == 1 && survey.open > 0;
    set(ScoreTerm::Position,
        context.wholeNeck || openAtTheNut ? 0 : std::abs(handFret - context.firstFret));
    set(ScoreTerm::OpenStrings, survey.open);
    set(ScoreTerm::RestsUnderBarre, RestsUnderBarre(shape, context));
    set(ScoreTerm::MuddyBass, MuddyBass(survey) ? 1 : 0);
    return counts;
}

ScoredStrings ScoredStringsOf(const OpenStrings& strings) {
    ScoredStrings scored{strings.OpenPitches(), {}};
    for (int s = 0; s < kStringCount; ++s) {
        scored.heights[s] =
            static_cast<std::int16_t>(strings.SoundingPitchOf(s, scored.pitches[s]).SoundNote());
    }
    return scored;
}

ScoredShape ScoredShapeOf(const PerString& notes, const ScoredStrings& strings) {
    ScoredShape scored;
    scored.notes = notes;
    for (int s = 0; s < kStringCount; ++s) {
        const bool sounds = notes[s] != kNotPlayed;
        scored.frets[s] =
            sounds ? static_cast<std::int16_t>(notes[s] - strings.pitches[s]) : kMuted;
        scored.heights[s] =
            sounds ? static_cast<std::int16_t>(strings.heights[s] + scored.frets[s]) : 0;
    }
    scored.grip = GripOf(scored.frets);
    return scored;
}

ScoredShape ScoredShapeOf(const Fingering& shape, const OpenStrings& strings) {
    return ScoredShapeOf(shape.Note, ScoredStringsOf(strings));
}

bool OffersShape(const ScoredShape& shape) {
    if (!shape.grip.playable || LeavesALooseString(shape.frets)) {
        return false;
    }
    int lastHeight = 0;
    bool anySounds = false;
    bool anyOpen = false;
    for (int s = kStringCount - 1; s >= 0; --s) {
        if (shape.frets[s] == kMuted) {
            continue;
        }
        if (anySounds && shape.heights[s] <= lastHeight) {
            return false;
        }
        lastHeight = shape.heights[s];
        anySounds = true;
        anyOpen = anyOpen || shape.frets[s] == 0;
    }
    return !(anyOpen && shape.grip.highest > kOpenChordReach);
}

GuitaristScore ScoreOf(const ScoreTermCounts& counts) {
    // Quarter points add up exactly in integers.
    static constexpr std::array<int, kScoreTermCount> kQuarters = [] {
        std::array<int, kScoreTermCount> quarters{};
        for (std::size_t k = 0; k < kScoreTerms.size(); ++k) {
            quarters[k] = static_cast<int>(kScoreTerms[k].weight * 4);
        }
        return quarters;
    }();
    int quarters = 0;
    for (std::size_t k = 0; k < kQuarters.size(); ++k) {
        quarters += kQuarters[k] * counts[k];
    }
    return {counts, static_cast<float>(quarters) / 4};
}

GuitaristScore ScoreShape(const ScoredShape& shape, const ScoreContext& context) {
    return ScoreOf(CountScoreTerms(shape, context));
}

}  // namespace fretwise
