// Chord creation from the window: the search, the hand-over, browsing and failure.
#include "create/fingering_search.hpp"
#include "music/chord_types.hpp"
#include "window/main_controller.hpp"

namespace fretwise {

void MainController::CreateChord() {
    SetBusy(true);
    display_.createEnabled = false;
    display_.candidateScroll.enabled = false;
    Notify();

    const int position = display_.neckScroll.value;
    createViewPos_ = position;
    DrawFretboard(position);

    SearchRequest request;
    // With no root selected the list index -1 gives the same pitch classes as the last root.
    request.root = display_.rootList.selected >= 0 ? display_.rootList.selected : kRootCount - 1;
    request.type = display_.typeList.selected;
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
    SetCandidateRange(1, static_cast<int>(candidates_.size()));
    SetCandidateNumber(1);

    RefreshDisplay(Fingering{});
    RefreshDisplay(ShapeNotesToFrets(candidates_.front()));

    SetBusy(false);
    display_.candidateScroll.enabled = true;
    display_.createEnabled = true;
    display_.focus = FocusRequest::CreateButton;
}

void MainController::BrowseCandidates() {
    RefreshDisplay(Fingering{});
    const int chosen = display_.candidateScroll.value;
    if (chosen >= 1 && chosen <= static_cast<int>(candidates_.size())) {
        RefreshDisplay(ShapeNotesToFrets(candidates_[chosen - 1]));
    } else {
        RefreshDisplay(currentShape_);
    }
    // Back to the part of the neck the chord was created on.
    if (createViewPos_ <= display_.neckScroll.max) {
        SetNeckPosition(createViewPos_);
    }
    DrawFretboard(display_.neckScroll.value);
}

void MainController::ReportCreateFailure() {
    RefreshDisplay(Fingering{});
    SetBusy(false);
    display_.candidateScroll.enabled = false;
    display_.createEnabled = true;
    display_.focus = FocusRequest::CreateButton;
    Notify();
    services_.dialogs.Message(CreateFailureMessage(display_.menu.allStringsChecked),
                              MessageIcon::Information);
}

}  // namespace fretwise
