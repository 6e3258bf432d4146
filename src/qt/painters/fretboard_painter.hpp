#pragma once

#include "qt/painters/paint_style.hpp"
#include "window/display_state.hpp"

class QPainter;

namespace fretwise {

// Paints the fretboard of the display state into the painter, whose origin is the top left
// of the fretboard and whose unit is the logical pixel (313 x 465 for the whole board).
// The background is filled too. The neck scroll bar is a widget and not painted here.
void PaintFretboard(QPainter& painter, const FretboardView& board, const FretboardStyle& style);

}  // namespace fretwise
