#pragma once

#include "qt/painters/paint_style.hpp"
#include "window/display_state.hpp"

class QPainter;

namespace fretwise {

// Paints the staff of the display state (lines, clef, heads, accidentals, finger numbers,
// ledger lines) with the origin at the top left of the picture box, in logical pixels
// (265 x 157 for the whole box). The background is filled too.
void PaintStaff(QPainter& painter, const StaffView& staff, const StaffStyle& style);

}  // namespace fretwise
