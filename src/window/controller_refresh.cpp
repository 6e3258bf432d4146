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

// The notes always follow the frets, so playing or saving right after a refresh of a blank
// record sounds and writes the open strings.
void MainController::RefreshDisplay(Fingering shape) {
    shape = AssignFingering(ShapeFretsToNotes(shape), numFrets_);

    FretboardView& board = display_.fretboard;
    PlaceMarkers(board, numFrets_, display_.neckScroll.value, shape);
    PlaceBar(board, shape);

    analysis_ = AnalyseChord(shape, accidentals_);
    ShowAnalysis();

    LabelFingers(board, shape);

    std::array<bool, kStringCount> fingerLabelVisible{};
    for (int i = 0; i < kStringCount; ++i) {
        board.stringLabels[i] = NoteName(shape.Note[i], accidentals_);
        fingerLabelVisible[i] = board.markers[i].visible;
    }
    LayoutStaff(display_.staff, shape, accidentals_, fingerLabelVisible);
    currentShape_ = shape;
}

void MainController::ShowAnalysis() {
    ScrollBarView& scroll = display_.nameScroll;
    const int count = analysis_.NameCount;
    if (count == 0) {
        SetNameScrollMax(0);
        scroll.enabled = false;
        ClearChordName(display_);
        return;
    }
    scroll.enabled = count - 1 > 0;
    int chosen = 0;
    SetNameScrollMax(count - 1);
    if (scroll.enabled) {
        // The root chosen for creation picks the name to show; the last match wins.
        const std::string root = display_.rootList.Text();
        for (int n = 0; n < count; ++n) {
            if (analysis_.ChordNames[n].Root == root) {
                chosen = n;
            }
        }
    }
    SetNameIndex(chosen);
    ShowChordName(chosen);
}

void MainController::ShowChordName(int index) {
    if (index >= 0 && index < kStringCount) {
        fretwise::ShowChordName(display_, analysis_.ChordNames[index]);
    }
}

}  // namespace fretwise
