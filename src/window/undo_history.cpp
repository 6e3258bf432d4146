#include "window/undo_history.hpp"

#include <utility>

#include "window/refresh.hpp"

namespace fretwise {

void UndoHistory::Record(const WindowState& before, WindowState& now) {
    // A step through the history is no change of its own.
    if (!std::exchange(stepping_, false) && before.shape.Fret != now.shape.Fret) {
        undo_.push_back(before);
        if (undo_.size() > kMaxSteps) {
            undo_.pop_front();
        }
        redo_.clear();
    }
    Count(now);
}

bool UndoHistory::Undo(WindowState& now) {
    return Step(undo_, redo_, now);
}

bool UndoHistory::Redo(WindowState& now) {
    return Step(redo_, undo_, now);
}

bool UndoHistory::Step(std::deque<WindowState>& from, std::deque<WindowState>& to,
                       WindowState& now) {
    if (from.empty()) {
        return false;
    }
    const WindowState then = std::move(from.back());
    from.pop_back();
    to.push_back(now);
    RestoreChord(now, then);
    stepping_ = true;
    Count(now);
    return true;
}

void UndoHistory::Count(WindowState& now) const {
    now.undoSteps = static_cast<int>(undo_.size());
    now.redoSteps = static_cast<int>(redo_.size());
}

void RestoreChord(WindowState& now, const WindowState& then) {
    const bool sameStrings = then.strings == now.strings && then.numFrets == now.numFrets;
    now.rootIndex = then.rootIndex;
    now.typeIndex = then.typeIndex;
    now.candidates = then.candidates;
    now.candidateNumber = then.candidateNumber;
    now.createViewPos = then.createViewPos;
    // Fingerings created for other strings or another fretboard are not browsed again.
    now.browsingCandidates = then.browsingCandidates && sameStrings;
    RefreshChord(now, then.shape);
    if (sameStrings && then.accidentals == now.accidentals) {
        SetNameIndex(now, then.nameIndex);
    }
}

}  // namespace fretwise
