#pragma once

#include <optional>

namespace fretwise {

// The keys the fretboard listens to, as the view reports them.
enum class Key { Left, Right, Up, Down, Space, Enter, X, Delete, Digit0, P, S, Other };

// What a key does on the fretboard. The cursor moves on screen: left and right follow the
// picture (mirrored or not), up goes towards the nut.
enum class FretboardCommand {
    CursorLeft,
    CursorRight,
    CursorUp,
    CursorDown,
    Hold,       // as a left click under the cursor: sets the fret, or plays it when held
    Mute,       // as a right click: mutes the string, or opens a muted one
    Open,       // as a click on the string's name
    Play,       // the block chord
    Strum,      // the strummed chord
    ShapeUp,    // the whole shape one fret towards the nut
    ShapeDown,  // the whole shape one fret away from the nut
};

// The command of a key, pressed with Ctrl or not; nothing for the keys the fretboard leaves
// to the window (Ctrl+S saves, Ctrl+P prints).
std::optional<FretboardCommand> FretboardCommandOfKey(Key key, bool ctrl);

}  // namespace fretwise
