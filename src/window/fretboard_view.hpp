#pragma once

#include <optional>

#include "core/music/fingering.hpp"
#include "window/display_state.hpp"

namespace fretwise {

// The fretboard's drawing rules over its display state. The first fret in view (position)
// is the neck scroll bar's value: fret line k is drawn at 840 + 720 * (k - position).

// The x of string i's line: string 0 at the right, or at the left when mirrored. The string's
// marker, finger number and name are placed against it.
int StringLineX(const FretboardView& view, int string);

// The neck scroll bar's maximum for a number of frets.
int NeckScrollMax(int numFrets);

// Rebuilds the fret lines 0..numFrets at their unscrolled places and ends the strings
// below the last one. The caller resets the neck position.
void LayoutFrets(FretboardView& view, int numFrets);

// Moves the fret lines, strings, markers, barre and fret label for a neck position.
void DrawFretboard(FretboardView& view, int numFrets, int position, const Fingering& current);

// The markers and string styles of a refreshed shape, with the fret lines where they are.
void PlaceMarkers(FretboardView& view, int numFrets, int position, const Fingering& shape);

// The barre of a refreshed shape: shown whenever the shape has one.
void PlaceBar(FretboardView& view, const Fingering& shape);

struct FretboardHit {
    int string = 0;
    int fret = 0;
};

// The string and fret under a point of the fretboard, or nothing. In the mirrored view the
// point is mirrored first, so each string keeps its band.
std::optional<FretboardHit> HitTest(const FretboardView& view, int x, int y);

}  // namespace fretwise
