#pragma once

#include <string>
#include <string_view>

#include "window/display_state.hpp"

namespace fretwise {

// Places the keyboard cursor's box for its string and fret with the fret lines where they
// are: the row of string names for fret 0, the band above fret line f for a fret in view.
void PlaceCursor(FretboardView& view, int position);

// The fret to scroll the neck to so that the cursor's fret is in view; the position itself
// when it already is.
int PositionShowingFret(int fret, int position);

// What a screen reader says of the cursor: "Fretboard, string 5 (A), fret 3, held by finger
// 3". Strings are numbered as guitarists do, 1 for the high E. heldFret is the fret the
// string holds (-1 muted), finger the number on its marker (empty: none shown).
std::string CursorDescription(int string, std::string_view openName, int fret, int heldFret,
                              std::string_view finger);

}  // namespace fretwise
