#pragma once

#include <cstdint>
#include <vector>

#include "core/music/fingering.hpp"
#include "core/music/tuning.hpp"

namespace fretwise {

enum class StrumMode { Block = 0, Strummed = 1 };

// Radians per sample of a note number at 8000 samples per second: 12 is concert A (about
// 440 Hz), each step a semitone. The constant 3.14159 (not full-precision pi) and the order
// of the operations are part of the sound's exact bytes.
double PhaseStep(double note);

// The note numbers the play buttons hand to the synthesis: every played string of the
// shape's Note, high E string first, so the high E string is heard first in a strum.
std::vector<double> ChordNotesToPlay(const Fingering& shape, const OpenStrings& strings = {});

// Removes repeated note numbers, keeping of equal notes the one added last; the surviving
// entries keep their order.
void RemoveDuplicateNotes(std::vector<double>& notes);

// 1.0 once the strummed entry (0 = the first note) has entered at this 1-based file
// position, else 0.0. Entry e enters after position 69 + 500 * e; the bound is a 16-bit
// value, so entries whose bound would not fit never enter.
double StrumGate(std::int32_t position, std::uint8_t entry);

// The complete chord file (22,058 bytes) for the notes in the order they were added,
// duplicates removed first. Empty when there is no note.
std::vector<std::uint8_t> RenderChordWav(const std::vector<double>& notes, StrumMode strum);

// The complete single-note file (10,032 bytes) of one note number.
std::vector<std::uint8_t> RenderNoteWav(double note);

}  // namespace fretwise
