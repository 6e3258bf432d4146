// The display refresh: every change of the chord ends here.
#include <string>

#include "analysis/assign_fingering.hpp"
#include "window/analysis_panel.hpp"
#include "window/fretboard_view.hpp"
#include "window/main_controller.hpp"
#include "window/staff_layout.hpp"

namespace fretwise {

namespace {

void ClearFingerLabels(FretboardView& view) {
    for (MarkerView& marker : view.markers) {
        marker.fingerText.clear();
    }
}

// Writes the finger numbers onto the markers. A fretted string without a finger, or a fifth
// finger, means the shape cannot be played as it stands: it is marked so and shows none.
void LabelFingers(FretboardView& view, Fingering& shape) {
    if (!shape.Playable) {
        ClearFingerLabels(view);
        return;
    }
    for (int i = 0; i < kStringCount; ++i) {
        view.markers[i].fingerText = std::to_string(shape.Finger[i]);
        if ((shape.Finger[i] < 1 && shape.Fret[i] >= 1) || shape.Finger[i] >= 5) {
            shape = ShapeNotesToFrets(shape);
            shape.Playable = false;
            ClearFingerLabels(view);
            return;
        }
    }
}

}  // namespace

void MainController::RefreshDisplay(Fingering& shape) {
    // The current shape's notes always follow its frets, so playing or saving it right after
    // a refresh of a blank record sounds and writes the open strings.
    currentShape_ = ShapeFretsToNotes(shape);
    shape = ShapeFretsToNotes(shape);
    shape = AssignFingering(shape, numFrets_);

    FretboardView& board = display_.fretboard;
    PlaceMarkers(board, numFrets_, display_.vScroll.value, shape);
    PlaceBar(board, shape);

    analysis_ = AnalyseChord(shape, Mode());
    ShowAnalysis();

    LabelFingers(board, shape);

    std::array<bool, kStringCount> fingerLabelVisible{};
    for (int i = 0; i < kStringCount; ++i) {
        board.stringLabels[i] = NoteName(shape.Note[i], Mode());
        fingerLabelVisible[i] = board.markers[i].visible;
    }
    LayoutStaff(display_.staff, shape, Mode(), fingerLabelVisible);
}

void MainController::ShowAnalysis() {
    ScrollBarView& scroll = display_.scroll;
    const int count = analysis_.NameCount;
    if (count == 0) {
        SetScrollMax(0);
        scroll.enabled = false;
        ClearChordName(display_);
        return;
    }
    scroll.enabled = count - 1 > 0;
    int chosen = 0;
    SetScrollMax(count - 1);
    if (scroll.enabled) {
        // The root chosen for creation picks the name to show; the last match wins.
        const std::string root = display_.comboRoot.Text();
        for (int n = 0; n < count; ++n) {
            if (analysis_.ChordNames[n].Root == root) {
                chosen = n;
            }
        }
    }
    SetScrollValue(chosen);
    ShowChordName(chosen);
}

void MainController::ShowChordName(int index) {
    if (index >= 0 && index < kStringCount) {
        fretwise::ShowChordName(display_, analysis_.ChordNames[index]);
    }
}

}  // namespace fretwise
