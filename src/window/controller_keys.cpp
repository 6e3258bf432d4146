// The fretboard played from the keyboard, and the cursor a screen reader describes.
#include <algorithm>

#include "window/fretboard_cursor.hpp"
#include "window/main_controller.hpp"

namespace fretwise {

void MainController::FretboardKey(Key key, bool ctrl) {
    const std::optional<FretboardCommand> command = FretboardCommandOfKey(key, ctrl);
    if (!command || !display_.fretboardEnabled) {
        return;
    }
    const CursorView& cursor = display_.fretboard.cursor;
    // Towards the left of the picture: the lower strings, or the higher ones when mirrored.
    const int leftward = LeftHanded() ? -1 : 1;
    switch (*command) {
        case FretboardCommand::CursorLeft:
            MoveCursor(leftward, 0);
            break;
        case FretboardCommand::CursorRight:
            MoveCursor(-leftward, 0);
            break;
        case FretboardCommand::CursorUp:
            MoveCursor(0, -1);
            break;
        case FretboardCommand::CursorDown:
            MoveCursor(0, 1);
            break;
        case FretboardCommand::Hold:
            ClickString(MouseButton::Left, cursor.string, cursor.fret);
            break;
        case FretboardCommand::Mute:
            ClickString(MouseButton::Right, cursor.string, cursor.fret);
            break;
        case FretboardCommand::Open:
            ClickString(MouseButton::Left, cursor.string, 0);
            break;
        case FretboardCommand::Play:
            PlayChord(StrumMode::Block);
            return;
        case FretboardCommand::Strum:
            PlayChord(StrumMode::Strummed);
            return;
        case FretboardCommand::ShapeUp:
            MoveShape(-1);
            break;
        case FretboardCommand::ShapeDown:
            MoveShape(1);
            break;
    }
    Notify();
}

void MainController::MoveCursor(int strings, int frets) {
    CursorView& cursor = display_.fretboard.cursor;
    cursor.string = std::clamp(cursor.string + strings, 0, kStringCount - 1);
    cursor.fret = std::clamp(cursor.fret + frets, 0, numFrets_);
    SetNeckPosition(PositionShowingFret(cursor.fret, display_.neckScroll.value));
}

void MainController::MoveShape(int frets) {
    Fingering moved = currentShape_;
    for (std::int16_t& fret : moved.Fret) {
        if (fret == kMuted) {
            continue;
        }
        const int to = fret + frets;
        if (to < 0 || to > numFrets_) {
            services_.dialogs.Beep();
            return;
        }
        fret = static_cast<std::int16_t>(to);
    }
    RefreshDisplay(moved);
    MoveCursor(0, frets);
}

void MainController::ShowCursor() {
    FretboardView& board = display_.fretboard;
    CursorView& cursor = board.cursor;
    cursor.fret = std::min(cursor.fret, numFrets_);
    PlaceCursor(board, display_.neckScroll.value);
    const int s = cursor.string;
    cursor.description = CursorDescription(s, NoteName(kOpenPitch[s], accidentals_), cursor.fret,
                                           currentShape_.Fret[s], board.markers[s].fingerText);
}

}  // namespace fretwise
