#include "window/fretboard_keys.hpp"

namespace fretwise {

std::optional<FretboardCommand> FretboardCommandOfKey(Key key, bool ctrl) {
    using enum FretboardCommand;
    if (ctrl) {
        switch (key) {
            case Key::Up:
                return ShapeUp;
            case Key::Down:
                return ShapeDown;
            default:
                return std::nullopt;
        }
    }
    switch (key) {
        case Key::Left:
            return CursorLeft;
        case Key::Right:
            return CursorRight;
        case Key::Up:
            return CursorUp;
        case Key::Down:
            return CursorDown;
        case Key::Space:
        case Key::Enter:
            return Hold;
        case Key::X:
        case Key::Delete:
            return Mute;
        case Key::Digit0:
            return Open;
        case Key::P:
            return Play;
        case Key::S:
            return Strum;
        case Key::Other:
            return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace fretwise
