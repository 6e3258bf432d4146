#include "core/create/guitarist_grip.hpp"

#include <algorithm>

#include "core/analysis/assign_fingering.hpp"

namespace fretwise {

namespace {

constexpr int kFingersABarreMustSave = 2;

// Whether one finger lying flat at the fret can hold strings a and b (a < b) and what lies
// between them: every string between held higher, or at the lowest fret left muted (a finger
// on a lower string damps it, as in 1 x 3 1 2 1).
bool OneFingerHolds(const PerString& frets, int a, int b, int fret, int lowest) {
    for (int s = a + 1; s < b; ++s) {
        if (frets[s] <= fret && !(fret == lowest && frets[s] == kMuted)) {
            return false;
        }
    }
    return true;
}

// The fewest fingers that hold the shape when any finger may lie flat across strings at one
// fret where OneFingerHolds (the third finger of an A-shape barre, 3 x 1 3 4 3).
int FewestFingers(const PerString& frets, int lowest) {
    int fingers = 0;
    for (int s = 0; s < kStringCount; ++s) {
        const int fret = frets[s];
        if (fret < 1) {
            continue;
        }
        int previous = s - 1;
        while (previous >= 0 && frets[previous] != fret) {
            --previous;
        }
        fingers += previous >= 0 && OneFingerHolds(frets, previous, s, fret, lowest) ? 0 : 1;
    }
    return fingers;
}

}  // namespace

Grip GripOf(const PerString& frets) {
    Grip grip;
    for (const std::int16_t fret : frets) {
        if (fret >= 1) {
            grip.lowest = grip.fretted == 0 ? fret : std::min<int>(grip.lowest, fret);
            grip.highest = std::max<int>(grip.highest, fret);
            ++grip.fretted;
        }
    }
    if (grip.fretted == 0) {
        return grip;
    }
    int atLowest = 0;
    for (int s = 0; s < kStringCount; ++s) {
        if (frets[s] == grip.lowest) {
            grip.firstAtLowest = grip.firstAtLowest < 0 ? s : grip.firstAtLowest;
            grip.lastAtLowest = s;
            ++atLowest;
        }
    }

    // The first finger can lie across the strings held at the lowest fret only when every
    // string between them is held: it would stop an open string and sound a muted one.
    bool openBetween = false;
    bool mutedBetween = false;
    bool higherBetween = false;
    for (int s = grip.firstAtLowest + 1; s < grip.lastAtLowest; ++s) {
        openBetween = openBetween || frets[s] == 0;
        mutedBetween = mutedBetween || frets[s] == kMuted;
        higherBetween = higherBetween || frets[s] > grip.lowest;
    }
    grip.crossed = openBetween && higherBetween;
    const int withBarre = grip.fretted - atLowest + 1;
    const bool worthIt =
        grip.fretted > kFingers || grip.fretted - withBarre >= kFingersABarreMustSave;
    grip.barre = atLowest >= 2 && !openBetween && !mutedBetween && worthIt;
    grip.fingers = grip.barre ? withBarre : grip.fretted;

    grip.playable = grip.highest - grip.lowest <= kWidestStretch &&
                    (grip.fretted <= kFingers || FewestFingers(frets, grip.lowest) <= kFingers);
    return grip;
}

bool LeavesALooseString(const PerString& frets) {
    int highest = 0;
    while (highest < kStringCount && frets[highest] == kMuted) {
        ++highest;
    }
    int lowest = kStringCount - 1;
    while (lowest > highest && frets[lowest] == kMuted) {
        --lowest;
    }
    for (int s = highest + 1; s < lowest; ++s) {
        if (frets[s] == kMuted && frets[s + 1] < 1) {
            return true;
        }
    }
    return false;
}

}  // namespace fretwise
