#pragma once

#include <QIcon>

namespace fretwise {

// The pictures of the two play buttons, drawn as vectors so they stay sharp at any scale:
// a play triangle for the block chord and a wavy arrow (the arpeggio sign) for the strum.
QIcon PlayPicture();
QIcon StrumPicture();

}  // namespace fretwise
