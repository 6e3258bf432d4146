#pragma once

#include <optional>
#include <string_view>

namespace fretwise {

// A whole number written as decimal digits with an optional minus sign and nothing else: no
// blanks, no plus sign, no decimal point. Text that is no such number, or one beyond the range
// of int, reads as no number. Every keyed setting, chord-file line and command-line number
// that is a whole number is read here; callers trim or strip what their format allows first.
std::optional<int> ReadWholeNumber(std::string_view text);

// The same, and only from lowest to highest.
std::optional<int> ReadWholeNumber(std::string_view text, int lowest, int highest);

}  // namespace fretwise
