// The display refresh: every change of the chord ends here.
#include <string>

#include "core/analysis/assign_fingering.hpp"
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
void LabelFingers(FretboardView& view, Fingering& shape, const OpenStrings& strings) {
    if (!shape.Playable) {
        ClearFingerLabels(view);
        return;
    }
    for (int i = 0; i < kStringCount; ++i) {
        view.markers[i].fingerText = std::to_string(shape.Finger[i]);
        if ((shape.Finger[i] < 1 && shape.Fret[i] >= 1) || shape.Finger[i] >= 5) {
            shape = ShapeNotesToFrets(shape, strings);
            shape.Playable = false;
            ClearFingerLabels(view);
            return;
        }
    }
}

// "Capo 2", and "Tuning: D A D G B E" for a tuning other than standard (low E first).
void CaptionStrings(FretboardView& view, const OpenStrings& strings, Accidentals mode) {
    view.capoCaption = strings.capo == 0 ? "" : "Capo " + std::to_string(strings.capo);
    view.tuningCaption.clear();
    if (strings.tuning.IsStandard()) {
        return;
    }
    const OpenStrings withoutCapo{strings.tuning, 0};
    view.tuningCaption = "Tuning:";
    for (int s = kStringCount - 1; s >= 0; --s) {
        view.tuningCaption += ' ';
        view.tuningCaption += NoteName(withoutCapo.OpenPitch(s), mode);
    }
}

}  // namespace

// The notes always follow the frets, so playing or saving right after a refresh of a blank
// record sounds and writes the open strings.
void MainController::RefreshDisplay(Fingering shape) {
    shape = AssignFingering(ShapeFretsToNotes(shape, strings_), numFrets_);

    FretboardView& board = display_.fretboard;
    PlaceMarkers(board, numFrets_, display_.neckScroll.value, shape);
    PlaceBar(board, shape);

    analysis_ = AnalyseChord(shape, accidentals_);
    if (strings_.capo != 0) {
        shapeAnalysis_ = AnalyseChord(ShapeFretsToNotes(shape, {strings_.tuning, 0}), accidentals_);
    }
    ShowAnalysis();

    LabelFingers(board, shape, strings_);
    CaptionStrings(board, strings_, accidentals_);

    std::array<bool, kStringCount> fingerLabelVisible{};
    for (int i = 0; i < kStringCount; ++i) {
        board.stringLabels[i] = NoteName(shape.Note[i], accidentals_);
        fingerLabelVisible[i] = board.markers[i].visible;
    }
    LayoutStaff(display_.staff, shape, accidentals_, fingerLabelVisible, strings_);
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
        // A capo moves every note alike, so the shape's names come in the same order.
        if (strings_.capo != 0) {
            ShowShapeName(display_, shapeAnalysis_.ChordNames[index]);
        }
    }
}

}  // namespace fretwise
