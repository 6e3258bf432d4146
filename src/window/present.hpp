#pragma once

#include "window/display_state.hpp"
#include "window/window_state.hpp"

namespace fretwise {

// Everything the main window shows for a state: the fretboard, the panels, the staff, the
// lists, the menus' marks and the tooltips. No side effects; the window paints what it
// returns and fretwise-cli show prints it.
DisplayState Present(const WindowState& state);

}  // namespace fretwise
