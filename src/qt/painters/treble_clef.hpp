#pragma once

#include <QPainterPath>

namespace fretwise {

// A treble clef as a filled outline, drawn for a staff whose lines are `space` apart, with
// the centre of its curl on the G line at (0, 0). It reaches about 4.7 spaces above that
// line and 3 below, and 1.3 to either side.
QPainterPath TrebleClefPath(double space);

}  // namespace fretwise
