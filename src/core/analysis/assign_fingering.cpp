#include "core/analysis/assign_fingering.hpp"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace fretwise {

namespace {

// The score starts here and loses points for everything that makes a shape harder; the
// ease is the score divided by kEaseScale. Each step's result is kept in single precision.
constexpr float kStartScore = 9.3f;
constexpr double kEaseScale = 4.9;

constexpr int kGString = 2;
constexpr int kDString = 3;
constexpr int kAString = 4;
constexpr int kLowEString = 5;

// The strings in the order their fingers were given. A shape whose barre is dropped is
// fingered twice and both passes stay in the list, so it holds up to twelve entries.
struct FingerOrder {
    std::array<int, 2 * kStringCount> strings{};
    int size = 0;

    void Append(int s) { strings[size++] = s; }
};

// The counters of one finger assignment.
struct Hand {
    int nextFinger = 1;
    int barreFinger = 0;  // the finger laid across the barre, 0 when none
};

bool Played(const Fingering& shape, int s) {
    return shape.Fret[s] != kMuted;
}

// A barre from start string j to end string i needs no played string among the five below
// i (toward the high E string) to be fretted lower than the barre.
bool NothingLowerBelow(const PerString& frets, int end, int fret) {
    for (int s = end - 1; s >= 0 && s >= end - 5; --s) {
        if (frets[s] != kMuted && frets[s] < fret) {
            return false;
        }
    }
    return true;
}

// The lowest start string wins, and for it the highest end string. Open or unplayed
// strings may pair up too; such a "barre" lies on no fret and counts as none.
void FindBarre(Fingering& shape) {
    for (int j = 0; j < kStringCount - 1; ++j) {
        for (int i = kStringCount - 1; i > j; --i) {
            if (shape.Fret[i] == shape.Fret[j] && NothingLowerBelow(shape.Fret, i, shape.Fret[j])) {
                shape.BarreFrom = static_cast<std::int16_t>(j);
                shape.BarreTo = static_cast<std::int16_t>(i);
                shape.BarreFret = shape.Fret[j];
                return;
            }
        }
    }
    shape.BarreFrom = 0;
    shape.BarreTo = 0;
    shape.BarreFret = 0;
}

// Fingers go to the fretted strings from the nut up, and within a fret from the low E
// string toward the high E string. The barre strings share one finger, which the start
// string (met last) takes before the count moves on. Frets above numFrets get no finger.
Hand AssignFingers(Fingering& shape, int numFrets, FingerOrder& order) {
    std::array<int, kStringCount> fretted{};
    int count = 0;
    for (int s = kStringCount - 1; s >= 0; --s) {
        const int fret = shape.Fret[s];
        if (fret < 1 || fret > numFrets) {
            continue;
        }
        int k = count++;
        for (; k > 0 && shape.Fret[fretted[k - 1]] > fret; --k) {
            fretted[k] = fretted[k - 1];
        }
        fretted[k] = s;
    }

    shape.Finger.fill(0);
    Hand hand;
    const bool barre = shape.BarreTo > shape.BarreFrom && shape.BarreFret > 0;
    for (int k = 0; k < count; ++k) {
        const int s = fretted[k];
        order.Append(s);
        if (barre && shape.Fret[s] == shape.BarreFret && s > shape.BarreFrom &&
            s <= shape.BarreTo) {
            shape.Finger[s] = static_cast<std::int16_t>(hand.nextFinger);
            hand.barreFinger = hand.nextFinger;
        } else {
            shape.Finger[s] = static_cast<std::int16_t>(hand.nextFinger++);
        }
    }
    return hand;
}

// The later the barre's finger comes in the hand, the fewer strings it can hold down.
bool BarreFingerTooWeak(const Fingering& shape, const Hand& hand) {
    const int span = shape.BarreTo - shape.BarreFrom;
    const int b = hand.barreFinger;
    return b >= 4 || (b == 3 && span >= 3) || (b == 2 && span >= 4);
}

class Score {
  public:
    void Subtract(double points) { value_ = static_cast<float>(value_ - points); }
    float value() const { return value_; }

  private:
    float value_ = kStartScore;
};

int FretDistance(const Fingering& shape, int a, int b) {
    return std::abs(shape.Fret[a] - shape.Fret[b]);
}

// Scores the fingered shape and sets Playable and Ease, unless the shape turns out to be
// unplayable on the way, in which case Ease keeps its value.
void ScoreShape(Fingering& shape, const FingerOrder& order, const Hand& hand) {
    Score score;
    bool playable = true;
    const auto clearFingers = [&] {
        shape.Finger.fill(0);
        shape.BarreFret = 0;
        playable = false;
    };

    for (int k = 0; k + 1 < order.size; ++k) {
        const int distance = FretDistance(shape, order.strings[k], order.strings[k + 1]);
        if (distance > 1) {
            score.Subtract(0.15);
        }
        if (distance > 3) {
            score.Subtract(1.0);
            clearFingers();
            break;
        }
    }
    if (order.size >= 2) {
        const int stretch = FretDistance(shape, order.strings[0], order.strings[order.size - 1]);
        if (stretch > 2) {
            score.Subtract(0.15);
        }
        if (stretch > kWidestStretch) {
            score.Subtract(2.0);
            clearFingers();
        }
    }
    if (hand.nextFinger == 5) {
        score.Subtract(0.15);
    }
    if (hand.nextFinger > 5) {
        score.Subtract(1.0);
        clearFingers();
    }

    if (shape.BarreFret > 0) {
        score.Subtract(0.2);
    }
    if (shape.BarreTo > 3) {
        score.Subtract(0.2);
    }
    if (hand.barreFinger > 1) {
        score.Subtract(0.4 * hand.barreFinger);
    }
    if (shape.BarreFret > 0) {
        for (int s = shape.BarreTo; s < kStringCount; ++s) {
            if (shape.Fret[s] > 0 && shape.Finger[s] > hand.barreFinger) {
                score.Subtract(0.5);
            }
        }
    }

    // The score depends on the frets alone: the highest note is counted as standard tuning
    // with no capo would sound it, whatever the strings are tuned to.
    int highestNote = 0;
    for (int s = 0; s < kStringCount; ++s) {
        if (shape.Finger[s] != 0) {
            score.Subtract(0.3);
        }
        if (shape.Fret[s] == kMuted) {
            score.Subtract(0.3);
            continue;
        }
        highestNote = std::max(highestNote, kOpenPitch[s] + shape.Fret[s]);
    }
    score.Subtract(0.1 * highestNote);

    const bool dPlayed = Played(shape, kDString);
    const bool aPlayed = Played(shape, kAString);
    const bool lowEPlayed = Played(shape, kLowEString);
    if (!dPlayed) {
        score.Subtract(0.2);
    }
    if (!aPlayed && lowEPlayed) {
        score.Subtract(1.0);
    }
    if (!dPlayed && (aPlayed || lowEPlayed)) {
        score.Subtract(2.0);
    }
    if (!dPlayed && !aPlayed && lowEPlayed) {
        shape.Playable = false;
        return;
    }

    if (!Played(shape, kGString)) {
        score.Subtract(1.5);
    }
    const int startFinger = shape.Finger[shape.BarreFrom];
    if (startFinger > 1) {
        score.Subtract(0.2 * (startFinger - 1));
    }

    shape.Playable = playable;
    shape.Ease = static_cast<float>(score.value() / kEaseScale);
}

}  // namespace

Fingering AssignFingering(const Fingering& shape, int numFrets) {
    Fingering result = shape;
    FindBarre(result);
    FingerOrder order;
    for (;;) {
        const Hand hand = AssignFingers(result, numFrets, order);
        if (BarreFingerTooWeak(result, hand)) {
            result.Playable = false;
            return result;
        }
        // A barre reaching the D string whose start string needs the third finger or a later
        // one is given up once; if the start string still needs that finger, the shape fails.
        if (result.Finger[result.BarreFrom] >= 3 && result.BarreTo >= 3) {
            if (result.BarreFret == 0) {
                result.Playable = false;
                return result;
            }
            result.BarreFret = 0;
            continue;
        }
        ScoreShape(result, order, hand);
        return result;
    }
}

}  // namespace fretwise
