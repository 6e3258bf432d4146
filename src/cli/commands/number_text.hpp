#pragma once

#include <optional>
#include <string_view>

namespace fretwise::cli {

// Numbers as the command line gives them: decimal, the whole text, no blanks and no '+';
// anything else is no number.
std::optional<int> ReadInt(std::string_view text);
std::optional<double> ReadDouble(std::string_view text);

}  // namespace fretwise::cli
