#include "window/refresh.hpp"

#include <algorithm>
#include <string>

#include "core/analysis/assign_fingering.hpp"
#include "core/music/chord_types.hpp"
#include "window/fretboard_view.hpp"

namespace fretwise {

namespace {

// A fretted string without a finger, or a fifth finger: the shape cannot be played as it
// stands and shows no finger numbers.
bool HandCanFinger(const Fingering& shape) {
    for (int i = 0; i < kStringCount; ++i) {
        if ((shape.Finger[i] < 1 && shape.Fret[i] >= 1) || shape.Finger[i] >= 5) {
            return false;
        }
    }
    return true;
}

// With two or more names, the last one on the chosen root; else the first. The full
// vocabulary gives a root several names, the most likely first: the first one on the root.
int NameOnRoot(const ChordAnalysis& analysis, std::string_view root, Vocabulary vocabulary) {
    int chosen = 0;
    if (analysis.NameCount > 1) {
        for (int n = 0; n < analysis.NameCount; ++n) {
            if (analysis.ChordNames[n].Root == root) {
                chosen = n;
                if (vocabulary == Vocabulary::Full) {
                    break;
                }
            }
        }
    }
    return chosen;
}

}  // namespace

void RefreshChord(WindowState& state, const Fingering& shape) {
    RefreshChord(state, shape, state.accidentals);
}

// The notes always follow the frets, so playing or saving right after a refresh of a blank
// record sounds and writes the open strings.
void RefreshChord(WindowState& state, const Fingering& shape, Accidentals rootSpelling) {
    Fingering fingered = AssignFingering(ShapeFretsToNotes(shape, state.strings), state.numFrets);
    const std::string_view root = state.rootIndex >= 0 && state.rootIndex < kRootCount
                                      ? NoteName(state.rootIndex + 1, rootSpelling)
                                      : std::string_view{};
    state.nameIndex = NameOnRoot(AnalyseChord(fingered, state.accidentals, state.vocabulary), root,
                                 state.vocabulary);
    if (fingered.Playable && !HandCanFinger(fingered)) {
        fingered = ShapeNotesToFrets(fingered, state.strings);
        fingered.Playable = false;
    }
    state.shape = fingered;
    state.barreWherever = true;
    state.neckAtRefresh = state.neckPosition;
}

ChordAnalysis AnalysisOf(const WindowState& state) {
    return AnalyseChord(state.shape, state.accidentals, state.vocabulary);
}

int NameScrollMax(const ChordAnalysis& analysis) {
    return std::max(analysis.NameCount - 1, 0);
}

bool SetNeckPosition(WindowState& state, int firstFret) {
    if (firstFret < 0 || firstFret > NeckScrollMax(state.numFrets)) {
        return false;
    }
    if (firstFret != state.neckPosition) {
        state.neckPosition = firstFret;
        DrawNeck(state);
    }
    return true;
}

void DrawNeck(WindowState& state) {
    state.barreWherever = false;
}

void LayoutFrets(WindowState& state) {
    SetNeckPosition(state, 0);
    state.cursorFret = std::min(state.cursorFret, state.numFrets);
}

bool SetRootIndex(WindowState& state, int index) {
    if (index < -1 || index >= kRootCount) {
        return false;
    }
    state.rootIndex = index;
    return true;
}

bool SetTypeIndex(WindowState& state, int index) {
    if (index < -1 || index >= ChordTypeCount(state.vocabulary)) {
        return false;
    }
    state.typeIndex = index == kBlankChordType ? kBlankChordType + 1 : index;
    return true;
}

bool SetNameIndex(WindowState& state, int index) {
    if (index < 0 || index > NameScrollMax(AnalysisOf(state))) {
        return false;
    }
    state.nameIndex = index;
    return true;
}

}  // namespace fretwise
