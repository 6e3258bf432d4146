#pragma once

#include <string_view>

namespace fretwise {

// What the program says when a chord, sound or picture file cannot be read or written: the
// window's message boxes show these, and fretwise-cli starts its own messages with them.
inline constexpr std::string_view kErrorOpeningFile = "Error opening file";
inline constexpr std::string_view kErrorSavingFile = "Error saving file";

}  // namespace fretwise
