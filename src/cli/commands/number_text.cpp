#include "cli/commands/number_text.hpp"

#include <charconv>

namespace fretwise::cli {

std::optional<double> ReadDouble(std::string_view text) {
    double value{};
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

}  // namespace fretwise::cli
