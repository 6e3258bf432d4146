#pragma once

#include <QColor>

class QPalette;

namespace fretwise {

// The contrast ratio of two colours as the web accessibility guidelines measure it: from
// 1 (the same) to 21 (black on white); text wants at least kTextContrast.
double ContrastRatio(const QColor& a, const QColor& b);
constexpr double kTextContrast = 4.5;

// Whether light ink reads better than dark ink on the palette's window colour.
bool IsDarkPalette(const QPalette& palette);

// The preferred ink when it reads on the ground, else black or white, whichever reads better.
QColor ReadableInk(const QColor& preferred, const QColor& ground);

}  // namespace fretwise
