#pragma once

#include <QSize>

#include "qt/painters/twips.hpp"
#include "window/geometry.hpp"

namespace fretwise {

// The three pictures of the current chord that can be copied, saved or printed.
enum class DiagramKind {
    Chord,  // the fretboard as shown, on white
    Small,  // the fretboard with heavy lines and the short name, shrunk to a third
    Notes,  // the staff
};

// The size the fretboard is painted at before it is copied or shrunk: 4695 x 6975 twips at
// 15 twips to the pixel, 313 x 465 pixels.
constexpr QSize FullFretboardSize() {
    return {TwipsToPx(geometry::kFretboardWidth), TwipsToPx(geometry::kFretboardHeight)};
}

// The exact pixel size of each exported picture: the small diagram is W \ 3 by H \ 3 of the
// chord diagram, the note diagram always the top-left 261 x 149 pixels of the staff.
constexpr QSize DiagramSize(DiagramKind kind) {
    switch (kind) {
        case DiagramKind::Chord:
            return FullFretboardSize();
        case DiagramKind::Small:
            return {FullFretboardSize().width() / 3, FullFretboardSize().height() / 3};
        case DiagramKind::Notes:
            return {261, 149};
    }
    return {};
}

// The size the painting code draws at; the small diagram is drawn full size and shrunk.
constexpr QSize PaintedSize(DiagramKind kind) {
    return kind == DiagramKind::Small ? FullFretboardSize() : DiagramSize(kind);
}

}  // namespace fretwise
