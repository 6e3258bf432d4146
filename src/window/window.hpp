#pragma once

#include <functional>

#include "core/sound/sound_engine.hpp"
#include "core/storage/app_paths.hpp"
#include "window/platform.hpp"
#include "window/undo_history.hpp"
#include "window/window_state.hpp"

namespace fretwise {

// The adapters the main window's logic reaches the outside world through.
struct WindowServices {
    Dialogs& dialogs;
    Desktop& desktop;
    FileTypeRegistrar& registrar;
    Files& files;
    SoundEngine& sound;
    AppPaths paths;
    // Paints the window for a state: at the end of every user action, and within one before
    // a modal dialog or while the window is busy, so that the window is up to date behind it.
    std::function<void(const WindowState&)> paint = [](const WindowState&) {};
};

// The main window's logic: its state, the history Undo steps through, and its adapters.
// Everything runs on the user-interface thread.
struct Window {
    WindowState state;
    UndoHistory history;
    WindowServices services;
};

// Paints the window as it is now; a focus request is answered once.
void Paint(Window& window);

// A user action: runs command(window, args...), keeps the state from before it for Undo when
// the chord changed, and paints the window.
template <typename... Params, typename... Args>
void Perform(Window& window, void (*command)(Window&, Params...), Args&&... args) {
    const WindowState before = window.state;
    command(window, std::forward<Args>(args)...);
    window.history.Record(before, window.state);
    Paint(window);
}

}  // namespace fretwise
