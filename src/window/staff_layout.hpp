#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/music/fingering.hpp"
#include "core/music/pitch.hpp"
#include "core/music/tuning.hpp"
#include "window/display_state.hpp"

namespace fretwise {

// Staff steps count diatonic steps upwards from the open low E string of standard tuning
// (step 0), 60 twips each; guitar notes are written an octave above their sound on a treble
// staff.

struct StaffStepResult {
    std::int16_t step = 0;   // within the octave: A -4, B -3, C -2, D -1, E 0, F 1, G 2
    std::string accidental;  // "#" or "b" for a two-character name, else two blanks
};

StaffStepResult StaffStep(std::string_view noteName);

// The step at which string g's note is written, as the strings sound it: below step 0 for
// strings tuned below the open low E string.
int StringStaffStep(const Fingering& shape, int string, Accidentals mode,
                    const OpenStrings& strings = {});

// Lays out the heads, accidentals, finger numbers and ledger lines of a refreshed shape.
// A finger number shows its text only when the fretboard shows that string's finger label.
void LayoutStaff(StaffView& staff, const Fingering& shape, Accidentals mode,
                 const std::array<bool, kStringCount>& fingerLabelVisible,
                 const OpenStrings& strings = {});

}  // namespace fretwise
