#pragma once

#include "core/music/fingering.hpp"

namespace fretwise {

// The fingers of the fretting hand.
constexpr int kFingers = 4;

// Open strings ring beside a hand that stays within the first five frets: the open chords.
constexpr int kOpenChordReach = 5;

// How a guitarist's fretting hand holds a shape: where it lies on the neck and how many
// fingers it puts down.
struct Grip {
    int fretted = 0;  // strings held down
    int lowest = 0;   // the lowest and highest fretted frets; 0 when nothing is fretted
    int highest = 0;
    int firstAtLowest = -1;  // the outermost strings held at the lowest fret
    int lastAtLowest = -1;
    // Fingers put down, a barre of the first finger counting as one. The first finger lies
    // across the strings held at the lowest fret only where that saves two fingers or more
    // than four would be needed.
    int fingers = 0;
    bool barre = false;
    // An open string keeps the strings held at the lowest fret from being barred and a string
    // held higher lies between them, so the finger on the farther string crosses the others.
    bool crossed = false;

    // Within the hand's reach, and at most four fingers when any finger may also lie flat
    // across neighbouring strings held at one fret (the third finger of an A-shape barre).
    bool playable = true;
};

Grip GripOf(const PerString& frets);

// Whether a string left unplayed between sounding strings has no finger on the string below
// it to damp it, so that it rings when the chord is strummed (0 x 0 2 3 2). The guitarist
// order offers no such shape; it leaves strings out only where the hand keeps them silent
// (3 x 4 4 3 x).
bool LeavesALooseString(const PerString& frets);

}  // namespace fretwise
