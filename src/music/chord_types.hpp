#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace fretwise {

// The chord types the user can create, in list order: 0-24 chords, 25 a blank separator,
// 26-36 intervals, 37 the octave. The list position is the type's identity.
constexpr int kChordTypeCount = 38;
constexpr int kBlankChordType = 25;
constexpr int kRootCount = 12;

// The display name of a type; empty for the separator and for any index outside the list.
std::string_view ChordTypeName(int index);

// The notes of a type as 1-based semitone numbers from the root (1 = the root,
// 13 = the octave). The separator and indexes outside the list give the root alone.
std::span<const std::int16_t> ChordFormula(int index);

}  // namespace fretwise
