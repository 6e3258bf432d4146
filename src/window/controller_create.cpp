// Chord creation from the window: the search, the hand-over, browsing and failure.
#include "core/create/bass_filter.hpp"
#include "core/create/fingering_search.hpp"
#include "core/music/chord_symbol.hpp"
#include "core/music/chord_types.hpp"
#include "window/main_controller.hpp"

namespace fretwise {

SearchRequest MainController::ChosenSearch() const {
    SearchRequest request;
    // With no root selected the list index -1 gives the same pitch classes as the last root.
    request.root = display_.rootList.selected >= 0 ? display_.rootList.selected : kRootCount - 1;
    request.type = display_.typeList.selected;
    request.position = display_.neckScroll.value;
    request.numFrets = numFrets_;
    request.allStrings = display_.menu.allStringsChecked;
    request.order = display_.menu.chordOrder;
    request.restTreble = display_.menu.restTrebleChecked;
    request.strings = strings_;
    return request;
}

void MainController::CreateChord() {
    StartCreating();
    FinishCreating(FindFingerings(ChosenSearch()));
}

void MainController::StartCreating() {
    SetBusy(true);
    display_.createEnabled = false;
    display_.candidateScroll.enabled = false;
    Notify();
    createViewPos_ = display_.neckScroll.value;
    DrawFretboard(createViewPos_);
}

void MainController::FinishCreating(SearchResult result) {
    if (result.failure != SearchFailure::None || result.candidates.empty()) {
        ReportCreateFailure();
    } else {
        HandOverCandidates(std::move(result.candidates));
    }
    Notify();
}

void MainController::FindChord() {
    Notify();
    std::string typed;
    std::optional<ChordSymbol> chord;
    while (!chord) {
        const std::optional<std::string> answer = services_.dialogs.Input(
            "Chord symbol, such as C, F#m7, Bbmaj7, Bm7b5 or D/F#:", "Find chord", typed);
        if (!answer || answer->find_first_not_of(" \t") == std::string::npos) {
            return;
        }
        typed = *answer;
        const SymbolReading reading = ReadChordSymbol(typed);
        if (!reading.chord) {
            services_.dialogs.Message(reading.error, MessageIcon::Information);
        }
        chord = reading.chord;
    }
    if (!chord->bass) {
        SetRootIndex(chord->root);
        SetTypeIndex(chord->type);
        CreateChord();
        return;
    }
    // Only a result with the bass changes anything, so the search comes first.
    SearchRequest request = ChosenSearch();
    request.root = chord->root;
    request.type = chord->type;
    // Every shape kept plays the bass note, so the root in the bass ranks none of them.
    request.bass = BassChoice::Any;
    SearchResult result = FindFingerings(request);
    KeepCandidatesWithBass(result, *chord->bass);
    if (result.failure != SearchFailure::None || result.candidates.empty()) {
        services_.dialogs.Message(
            NoFingeringWithBass(ChordSymbolText(*chord, chord->spelling).value_or(typed), request),
            MessageIcon::Information);
        return;
    }
    SetRootIndex(chord->root);
    SetTypeIndex(chord->type);
    StartCreating();
    FinishCreating(std::move(result));
}

void MainController::HandOverCandidates(std::vector<Fingering> found) {
    candidates_ = std::move(found);
    SetCandidateRange(1, static_cast<int>(candidates_.size()));
    SetCandidateNumber(1);

    RefreshDisplay(Fingering{});
    RefreshDisplay(ShapeNotesToFrets(candidates_.front(), strings_));

    SetBusy(false);
    display_.candidateScroll.enabled = true;
    display_.createEnabled = true;
    display_.focus = FocusRequest::CreateButton;
}

void MainController::BrowseCandidates() {
    RefreshDisplay(Fingering{});
    const int chosen = display_.candidateScroll.value;
    if (chosen >= 1 && chosen <= static_cast<int>(candidates_.size())) {
        RefreshDisplay(ShapeNotesToFrets(candidates_[chosen - 1], strings_));
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
