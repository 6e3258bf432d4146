// Chord creation from the window: the search, the hand-over, browsing and failure.
#include <algorithm>

#include "core/create/bass_filter.hpp"
#include "core/music/chord_symbol.hpp"
#include "core/music/chord_types.hpp"
#include "window/command_steps.hpp"
#include "window/commands.hpp"
#include "window/fretboard_view.hpp"
#include "window/refresh.hpp"

namespace fretwise {

namespace {

void SetBusy(Window& window, bool creating) {
    window.state.creating = creating;
    window.services.dialogs.SetBusyCursor(creating);
}

// Over the whole neck the chosen candidate may lie outside the frets the chord was created
// at: the neck then scrolls so that its lowest fretted fret is the first in view.
int NeckPositionShowing(const WindowState& state, const Fingering& shape) {
    int lowest = kHighestFret + 1;
    int highest = 0;
    for (const std::int16_t fret : shape.Fret) {
        if (fret >= 1) {
            lowest = std::min<int>(lowest, fret);
            highest = std::max<int>(highest, fret);
        }
    }
    const int first = state.createViewPos + 1;
    if (highest == 0 || (lowest >= first && highest < first + kFretsInView)) {
        return state.createViewPos;
    }
    return std::min(lowest - 1, NeckScrollMax(state.numFrets));
}

// The chosen candidate on the fretboard, the neck scrolled first where it must be so that
// the staff numbers its fingers in view.
void ShowCandidate(WindowState& state, const Fingering& candidate) {
    const Fingering shape = ShapeNotesToFrets(candidate, state.strings);
    if (state.wholeNeck) {
        SetNeckPosition(state, NeckPositionShowing(state, shape));
    }
    RefreshChord(state, shape);
}

void HandOverCandidates(Window& window, std::vector<Fingering> found) {
    WindowState& state = window.state;
    state.candidates = std::move(found);
    state.candidateNumber = 1;
    ShowCandidate(state, state.candidates.front());
    SetBusy(window, false);
    state.browsingCandidates = true;
    state.focus = FocusRequest::CreateButton;
}

void ReportCreateFailure(Window& window) {
    WindowState& state = window.state;
    RefreshChord(state, Fingering{});
    SetBusy(window, false);
    state.browsingCandidates = false;
    state.focus = FocusRequest::CreateButton;
    Paint(window);
    window.services.dialogs.Message(CreateFailureMessage(state.allStrings),
                                    MessageIcon::Information);
}

// The chosen candidate on the part of the neck the chord was created on, or over the whole
// neck where it lies.
void BrowseCandidates(WindowState& state) {
    RefreshChord(state, Fingering{});
    const int chosen = state.candidateNumber;
    const bool inList = chosen >= 1 && chosen <= static_cast<int>(state.candidates.size());
    if (inList) {
        ShowCandidate(state, state.candidates[chosen - 1]);
    }
    if (!state.wholeNeck || !inList) {
        SetNeckPosition(state, state.createViewPos);
    }
    DrawNeck(state);
}

}  // namespace

SearchRequest ChosenSearch(const WindowState& state) {
    SearchRequest request;
    // With no root selected the list index -1 gives the same pitch classes as the last root.
    request.root = state.rootIndex >= 0 ? state.rootIndex : kRootCount - 1;
    request.type = state.typeIndex;
    request.position = state.neckPosition;
    request.numFrets = state.numFrets;
    request.allStrings = state.allStrings;
    request.order = state.chordOrder;
    request.restTreble = state.restTreble;
    request.wholeNeck = state.wholeNeck;
    request.strings = state.strings;
    request.vocabulary = state.vocabulary;
    return request;
}

void StartCreating(Window& window) {
    SetBusy(window, true);
    window.state.browsingCandidates = false;
    Paint(window);
    window.state.createViewPos = window.state.neckPosition;
    DrawNeck(window.state);
}

void FinishCreating(Window& window, SearchResult result) {
    if (result.failure != SearchFailure::None || result.candidates.empty()) {
        ReportCreateFailure(window);
    } else {
        HandOverCandidates(window, std::move(result.candidates));
    }
}

void SelectRoot(Window& window, int index) {
    SetRootIndex(window.state, index);
}

void SelectChordType(Window& window, int index) {
    const std::span<const int> list = TypeList(window.state.vocabulary);
    if (index >= 0 && index < static_cast<int>(list.size())) {
        SetTypeIndex(window.state, list[index]);
    } else {
        SetTypeIndex(window.state, index);
    }
}

void CreateChord(Window& window) {
    StartCreating(window);
    FinishCreating(window, FindFingerings(ChosenSearch(window.state)));
}

void ChooseCandidate(Window& window, int number) {
    WindowState& state = window.state;
    const int last = std::max(static_cast<int>(state.candidates.size()), 1);
    if (number >= 1 && number <= last && number != state.candidateNumber) {
        state.candidateNumber = number;
        BrowseCandidates(state);
    }
}

void FindChord(Window& window) {
    Paint(window);
    Dialogs& dialogs = window.services.dialogs;
    std::string typed;
    std::optional<ChordSymbol> chord;
    while (!chord) {
        const std::optional<std::string> answer = dialogs.Input(
            "Chord symbol, such as C, F#m7, Bbmaj7, Bm7b5 or D/F#:", "Find chord", typed);
        if (!answer || answer->find_first_not_of(" \t") == std::string::npos) {
            return;
        }
        typed = *answer;
        const SymbolReading reading = ReadChordSymbol(typed, window.state.vocabulary);
        if (!reading.chord) {
            dialogs.Message(reading.error, MessageIcon::Information);
        }
        chord = reading.chord;
    }
    if (!chord->bass) {
        SetRootIndex(window.state, chord->root);
        SetTypeIndex(window.state, chord->type);
        CreateChord(window);
        return;
    }
    // Only a result with the bass changes anything, so the search comes first. A bass outside
    // the chord sounds with it: Am/G searches A minor seventh, chosen in the panel after.
    const SoundedChord sounded = *ChordSounded(*chord, window.state.vocabulary);
    SearchRequest request = ChosenSearch(window.state);
    request.root = chord->root;
    request.type = sounded.type;
    request.addedNote = sounded.addedNote;
    // Every shape kept plays the bass note, so the root in the bass ranks none of them.
    request.bass = BassChoice::Any;
    SearchResult result = FindFingerings(request);
    KeepCandidatesWithBass(result, *chord->bass);
    if (result.failure != SearchFailure::None || result.candidates.empty()) {
        dialogs.Message(
            NoFingeringWithBass(ChordSymbolText(*chord, chord->spelling).value_or(typed), request),
            MessageIcon::Information);
        return;
    }
    SetRootIndex(window.state, chord->root);
    SetTypeIndex(window.state, sounded.type);
    StartCreating(window);
    FinishCreating(window, std::move(result));
}

}  // namespace fretwise
