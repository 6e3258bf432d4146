#pragma once

#include <optional>
#include <string_view>

namespace fretwise {

// The texts of the copies prompt before printing.
inline constexpr std::string_view kCopiesPrompt = "Enter number of copies (0 to cancel print)...";
inline constexpr std::string_view kPrintTitle = "Print";
inline constexpr std::string_view kCopiesDefault = "1";
inline constexpr std::string_view kPrintCancelled = "Print cancelled";
inline constexpr std::string_view kPrintError = "Error printing chord! - Print cancelled";
inline constexpr int kMaxCopies = 10;

// The number of copies an answer asks for: its leading number ("3 copies" is 3) when that is
// a whole number from 1 to 10. Anything else - 0, 11, -1, 2.5, text without a leading number,
// an empty answer - refuses the print.
std::optional<int> CopiesFromAnswer(std::string_view answer);

}  // namespace fretwise
