#include "window/fretboard_cursor.hpp"

#include <algorithm>

#include "core/music/fingering.hpp"
#include "window/fretboard_view.hpp"
#include "window/geometry.hpp"

namespace fretwise {

namespace g = geometry;

void PlaceCursor(FretboardView& view, int position) {
    CursorView& cursor = view.cursor;
    cursor.left = StringLineX(view, cursor.string) - g::kStringHitHalfWidth;
    cursor.width = 2 * g::kStringHitHalfWidth;
    const int last = static_cast<int>(view.fretLines.size()) - 1;
    if (cursor.fret == 0) {
        cursor.inView = true;
        cursor.top = g::kStringLabelTop;
        cursor.height = g::kNutY - g::kStringLabelTop;
        return;
    }
    cursor.inView = cursor.fret <= last && PositionShowingFret(cursor.fret, position) == position;
    if (cursor.inView) {
        cursor.top = std::max(g::kNutY, view.fretLines[cursor.fret - 1].y);
        cursor.height = view.fretLines[cursor.fret].y - cursor.top;
    }
}

int PositionShowingFret(int fret, int position) {
    if (fret < 1) {
        return position;
    }
    return std::clamp(position, fret - g::kFretsInView, fret - 1);
}

std::string CursorDescription(int string, std::string_view openName, int fret, int heldFret,
                              std::string_view finger) {
    std::string text = "Fretboard, string " + std::to_string(string + 1) + " (" +
                       std::string(openName) + "), fret " + std::to_string(fret) + ", ";
    if (heldFret == kMuted) {
        return text + "muted";
    }
    if (heldFret == fret) {
        if (fret == 0) {
            return text + "open";
        }
        return text +
               (finger.empty() ? std::string("held") : "held by finger " + std::string(finger));
    }
    return text + "not held; the string " +
           (heldFret == 0 ? std::string("is open") : "holds fret " + std::to_string(heldFret));
}

}  // namespace fretwise
