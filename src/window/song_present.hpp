#pragma once

#include "window/song_view.hpp"
#include "window/window_state.hpp"

namespace fretwise {

// The song window and the metronome window of a state; no side effects.
SongWindowView PresentSong(const WindowState& state);
MetronomeView PresentMetronome(const MetronomeState& metronome);

}  // namespace fretwise
