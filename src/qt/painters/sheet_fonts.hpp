#pragma once

#include <QFont>

#include "qt/painters/sheet_layout.hpp"

class QPainter;

namespace fretwise {

// The font of each kind of text on a sheet, sized in points on any device, or in points
// times scale.
QFont SheetFontOf(const QPainter& painter, SheetFont font, double scale = 1.0);

// How far lines of the font lie apart, and the baseline below a line's top, in points.
double SheetLineHeight(SheetFont font);
double SheetAscent(SheetFont font);

}  // namespace fretwise
