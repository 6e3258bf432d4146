#pragma once

#include <optional>
#include <string_view>

namespace fretwise::cli {

// A decimal number as the command line gives it: the whole text, no blanks and no '+';
// anything else is no number. Whole numbers are read by ReadWholeNumber.
std::optional<double> ReadDouble(std::string_view text);

}  // namespace fretwise::cli
