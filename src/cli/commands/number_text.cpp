#include "cli/commands/number_text.hpp"

#include <charconv>

namespace fretwise::cli {

namespace {

template <typename Number>
std::optional<Number> Read(std::string_view text) {
    Number value{};
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

std::optional<int> ReadInt(std::string_view text) {
    return Read<int>(text);
}

std::optional<double> ReadDouble(std::string_view text) {
    return Read<double>(text);
}

}  // namespace fretwise::cli
