#include "core/storage/whole_number.hpp"

#include <charconv>

namespace fretwise {

std::optional<int> ReadWholeNumber(std::string_view text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc{} || stop != end) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> ReadWholeNumber(std::string_view text, int lowest, int highest) {
    const std::optional<int> value = ReadWholeNumber(text);
    if (!value || *value < lowest || *value > highest) {
        return std::nullopt;
    }
    return value;
}

}  // namespace fretwise
