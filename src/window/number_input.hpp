#pragma once

#include <optional>
#include <string_view>

namespace fretwise {

// The value of a typed answer when the whole text is a number: surrounding blanks, an
// optional sign, digits with an optional decimal point, an optional exponent. Any other
// text (empty, letters, two numbers) is not a number. Independent of the locale.
std::optional<double> ParseTypedNumber(std::string_view text);

}  // namespace fretwise
