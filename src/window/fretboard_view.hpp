#pragma once

#include <optional>

#include "core/music/fingering.hpp"
#include "window/display_state.hpp"

namespace fretwise {

// The fretboard's drawing rules. The first fret in view (position) is the neck scroll bar's
// value: fret line k >= 1 is drawn at 840 + 720 * (k - position), the nut stays at 840.

// The x of string i's line: string 0 at the right, or at the left when mirrored. The string's
// marker, finger number and name are placed against it.
int StringLineX(const FretboardView& view, int string);

// The neck scroll bar's maximum for a number of frets.
int NeckScrollMax(int numFrets);

// The fret lines 0..numFrets, the strings, the finger markers and the fret label for a neck
// position, and the barre: a refresh places it wherever it lies (barreWherever), scrolling
// shows it only within the frets in view. Finger numbers are those of a playable shape.
void DrawFretboard(FretboardView& view, int numFrets, int position, const Fingering& shape,
                   bool barreWherever);

// Whether string's marker shows with the neck at position: a held fret in view.
bool MarkerInView(int fret, int numFrets, int position);

struct FretboardHit {
    int string = 0;
    int fret = 0;
};

// The string and fret under a point of the fretboard, or nothing. In the mirrored view the
// point is mirrored first, so each string keeps its band.
std::optional<FretboardHit> HitTest(int numFrets, int position, bool leftHanded, int x, int y);

}  // namespace fretwise
