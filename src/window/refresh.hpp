#pragma once

#include "core/analysis/chord_analysis.hpp"
#include "window/window_state.hpp"

namespace fretwise {

// The display refresh and the neck's moves over the window's state: every change of the
// chord ends in RefreshChord.

// Shows shape as the chord on the fretboard: its notes from its frets on the strings in
// force, fingered, named, and the name on the root chosen for creation shown (the last one
// that matches). A shape a hand cannot finger as it stands is kept but marked not playable.
void RefreshChord(WindowState& state, const Fingering& shape);

// The same, matching the chosen root as spelled in rootSpelling: the accidental switch
// refreshes before the root list is spelled anew.
void RefreshChord(WindowState& state, const Fingering& shape, Accidentals rootSpelling);

// The names of the chord on show.
ChordAnalysis AnalysisOf(const WindowState& state);

// The name scroll bar's maximum: the last of the chord's names, 0 when it has none.
int NameScrollMax(const ChordAnalysis& analysis);

// The neck scroll bar: the position when it is one (0 to NeckScrollMax), drawn anew; false
// and nothing changed otherwise.
bool SetNeckPosition(WindowState& state, int firstFret);

// Draws the neck anew where it is: a barre outside the frets in view is hidden.
void DrawNeck(WindowState& state);

// The fret lines laid out anew for the state's number of frets: the neck back at the top.
void LayoutFrets(WindowState& state);

// The "Create" panel's choices: a root index, or a type position of the vocabulary in force
// (kChordTypes), or -1 (none); false and nothing changed otherwise. The blank separator of
// the type list cannot be chosen: the first interval takes its place.
bool SetRootIndex(WindowState& state, int index);
bool SetTypeIndex(WindowState& state, int index);

// Another of the chord's names, 0 to NameScrollMax; false and nothing changed otherwise.
bool SetNameIndex(WindowState& state, int index);

}  // namespace fretwise
