#pragma once

#include <string>

#include "core/create/fingering_search.hpp"
#include "window/window.hpp"

namespace fretwise {

// Steps that several commands share.

// A click of button on string s at fret f, from the mouse or the keyboard.
void ClickString(Window& window, MouseButton button, int s, int f);

// Plays one string of the chord on the fretboard.
void PlayString(Window& window, int string);

// The search the "Create" panel asks for in the frets in view.
SearchRequest ChosenSearch(const WindowState& state);

// Creation under the hourglass, then the fingerings found handed over, or the failure told.
void StartCreating(Window& window);
void FinishCreating(Window& window, SearchResult result);

// The chord's full name as the frame round it shows it ("C major"); empty when it has none.
std::string ShownChordName(const WindowState& state);

}  // namespace fretwise
