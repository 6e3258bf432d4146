#pragma once

#include "core/storage/settings_file.hpp"
#include "window/window_state.hpp"

namespace fretwise {

// The window's settings in "Settings.ini": one table (window_settings.cpp) binds each line,
// classic or keyed, to its field of WindowState.

// Applies what was read to a state as designed, value by value in file order, showing the
// stored chord before the view's lines; false at the first value that was not read or that
// the window refuses (a neck position past the scroll bar, a list index outside its list),
// with the values before it left in force.
bool ApplySettings(WindowState& state, const SettingsRead& read);

// The start without (the rest of) the settings file: 20 frets, the tooltips switched once,
// flats, the neck at the top and the chord refreshed.
void StartWithDefaults(WindowState& state);

// The settings of a state, to be written when the window closes.
Settings SettingsOf(const WindowState& state);

}  // namespace fretwise
