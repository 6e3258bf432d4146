// Chord creation from the window: the search, the hand-over, browsing and failure.
#include "create/fingering_search.hpp"
#include "music/chord_types.hpp"
#include "window/main_controller.hpp"

namespace fretwise {

void MainController::CommandCreateClick() {
    SetBusy(true);
    display_.commandCreateEnabled = false;
    display_.newScroll.enabled = false;
    Notify();

    const int position = display_.vScroll.value;
    createViewPos_ = position;
    DrawFretboard(position);

    SearchRequest request;
    // With no root selected the list index -1 gives the same pitch classes as the last root.
    request.root = display_.comboRoot.selected >= 0 ? display_.comboRoot.selected : kRootCount - 1;
    request.type = display_.comboType.selected;
    request.position = position;
    request.numFrets = numFrets_;
    request.allStrings = display_.menu.allStringsChecked;
    SearchResult result = FindFingerings(request);
    if (result.failure != SearchFailure::None || result.candidates.empty()) {
        ReportCreateFailure();
    } else {
        HandOverCandidates(std::move(result.candidates));
    }
    Notify();
}

void MainController::HandOverCandidates(std::vector<Fingering> found) {
    candidates_ = std::move(found);
    SetNewScrollRange(1, static_cast<int>(candidates_.size()));
    SetNewScrollValue(1);

    Fingering blank{};
    RefreshDisplay(blank);
    currentShape_ = ShapeNotesToFrets(candidates_.front());
    RefreshDisplay(currentShape_);

    SetBusy(false);
    display_.newScroll.enabled = true;
    display_.commandCreateEnabled = true;
    display_.focus = FocusRequest::CommandCreate;
}

void MainController::BrowseCandidates() {
    Fingering blank{};
    RefreshDisplay(blank);
    const int chosen = display_.newScroll.value;
    if (chosen >= 1 && chosen <= static_cast<int>(candidates_.size())) {
        currentShape_ = ShapeNotesToFrets(candidates_[chosen - 1]);
    }
    RefreshDisplay(currentShape_);
    // Back to the part of the neck the chord was created on.
    if (createViewPos_ <= display_.vScroll.max) {
        SetVScrollValue(createViewPos_);
    }
    DrawFretboard(display_.vScroll.value);
}

void MainController::ReportCreateFailure() {
    Fingering blank{};
    RefreshDisplay(blank);
    SetBusy(false);
    display_.newScroll.enabled = false;
    display_.commandCreateEnabled = true;
    display_.focus = FocusRequest::CommandCreate;
    Notify();
    services_.dialogs.Message(CreateFailureMessage(display_.menu.allStringsChecked),
                              MessageIcon::Information);
}

}  // namespace fretwise
