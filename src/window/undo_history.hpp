#pragma once

#include <deque>

#include "window/window_state.hpp"

namespace fretwise {

// Undo and Redo of the chord on the fretboard: two stacks of whole window states. A change of
// the frets is one step; the tuning, the capo and the options stay as they are when a state
// comes back.
class UndoHistory {
  public:
    static constexpr std::size_t kMaxSteps = 100;

    // Keeps before as a step when the action that led to now changed the frets; the steps
    // that could be redone are then dropped. Updates now's step counts.
    void Record(const WindowState& before, WindowState& now);

    // Brings back the chord of the last step (Redo: of the last undone one); false when there
    // is none. The Record that follows in the same action keeps nothing.
    bool Undo(WindowState& now);
    bool Redo(WindowState& now);

  private:
    bool Step(std::deque<WindowState>& from, std::deque<WindowState>& to, WindowState& now);
    void Count(WindowState& now) const;

    std::deque<WindowState> undo_;
    std::deque<WindowState> redo_;
    bool stepping_ = false;  // the last change came from Undo or Redo
};

// Puts the chord of then (the shape, the name shown, the Create panel and its fingerings)
// into now, fingered anew for now's strings and frets; the rest of now stays.
void RestoreChord(WindowState& now, const WindowState& then);

}  // namespace fretwise
