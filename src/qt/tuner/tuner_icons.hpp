#pragma once

#include <QIcon>

namespace fretwise {

// The button pictures of the tuner, drawn by the program itself.
QIcon PlayIcon();                   // a loop toggle that is off: a play triangle
QIcon StopIcon();                   // a loop toggle that is on: a stop square
QIcon NoteIcon(const QColor& ink);  // a play-once button: an eighth note in the button's ink

}  // namespace fretwise
