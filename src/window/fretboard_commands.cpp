// The fretboard from the mouse and the keyboard, the neck, the names, Clear, Undo and Redo.
#include <algorithm>

#include "window/command_steps.hpp"
#include "window/commands.hpp"
#include "window/fretboard_cursor.hpp"
#include "window/fretboard_view.hpp"
#include "window/refresh.hpp"

namespace fretwise {

namespace {

void MoveCursor(WindowState& state, int strings, int frets) {
    state.cursorString = std::clamp(state.cursorString + strings, 0, kStringCount - 1);
    state.cursorFret = std::clamp(state.cursorFret + frets, 0, state.numFrets);
    SetNeckPosition(state, PositionShowingFret(state.cursorFret, state.neckPosition));
}

void MoveShape(Window& window, int frets) {
    WindowState& state = window.state;
    Fingering moved = state.shape;
    for (std::int16_t& fret : moved.Fret) {
        if (fret == kMuted) {
            continue;
        }
        const int to = fret + frets;
        if (to < 0 || to > state.numFrets) {
            window.services.dialogs.Beep();
            return;
        }
        fret = static_cast<std::int16_t>(to);
    }
    RefreshChord(state, moved);
    MoveCursor(state, 0, frets);
}

}  // namespace

void ClickString(Window& window, MouseButton button, int s, int f) {
    WindowState& state = window.state;
    if (button == MouseButton::Right) {
        f = state.shape.Fret[s] == kMuted ? 0 : kMuted;
    }
    if (state.shape.Fret[s] != f) {
        Fingering shape = state.shape;
        shape.Fret[s] = static_cast<std::int16_t>(f);
        RefreshChord(state, shape);
    } else if (f != kMuted) {
        PlayString(window, s);
    }
}

void ClickFretboard(Window& window, MouseButton button, int x, int y) {
    WindowState& state = window.state;
    const std::optional<FretboardHit> hit =
        HitTest(state.numFrets, state.neckPosition, state.leftHanded, x, y);
    if (!hit) {
        return;
    }
    state.cursorString = hit->string;
    state.cursorFret = hit->fret;
    ClickString(window, button, hit->string, hit->fret);
    state.focus = FocusRequest::Fretboard;
}

void PressFretboardKey(Window& window, Key key, bool ctrl) {
    WindowState& state = window.state;
    const std::optional<FretboardCommand> command = FretboardCommandOfKey(key, ctrl);
    if (!command || state.playing) {
        return;
    }
    // Towards the left of the picture: the lower strings, or the higher ones when mirrored.
    const int leftward = state.leftHanded ? -1 : 1;
    switch (*command) {
        case FretboardCommand::CursorLeft:
            MoveCursor(state, leftward, 0);
            break;
        case FretboardCommand::CursorRight:
            MoveCursor(state, -leftward, 0);
            break;
        case FretboardCommand::CursorUp:
            MoveCursor(state, 0, -1);
            break;
        case FretboardCommand::CursorDown:
            MoveCursor(state, 0, 1);
            break;
        case FretboardCommand::Hold:
            ClickString(window, MouseButton::Left, state.cursorString, state.cursorFret);
            break;
        case FretboardCommand::Mute:
            ClickString(window, MouseButton::Right, state.cursorString, state.cursorFret);
            break;
        case FretboardCommand::Open:
            ClickString(window, MouseButton::Left, state.cursorString, 0);
            break;
        case FretboardCommand::Play:
            PlayChord(window, StrumMode::Block);
            break;
        case FretboardCommand::Strum:
            PlayChord(window, StrumMode::Strummed);
            break;
        case FretboardCommand::ShapeUp:
            MoveShape(window, -1);
            break;
        case FretboardCommand::ShapeDown:
            MoveShape(window, 1);
            break;
    }
    state.focus = FocusRequest::Fretboard;
}

void ScrollNeck(Window& window, int firstFret) {
    SetNeckPosition(window.state, firstFret);
}

void ChooseChordName(Window& window, int index) {
    SetNameIndex(window.state, index);
}

void ClearChord(Window& window) {
    RefreshChord(window.state, Fingering{});
    window.state.browsingCandidates = false;
}

void UndoChord(Window& window) {
    window.history.Undo(window.state);
}

void RedoChord(Window& window) {
    window.history.Redo(window.state);
}

}  // namespace fretwise
