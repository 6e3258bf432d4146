#pragma once

#include <QPalette>

namespace fretwise {

// A dark palette for the Fusion style, for desktops whose dark theme Qt cannot see: the
// program uses it when FRETWISE_PALETTE=dark is set.
QPalette DarkFusionPalette();

// Switches the application to Fusion with the dark palette when the environment asks for it.
void ApplyPaletteFromEnvironment();

}  // namespace fretwise
