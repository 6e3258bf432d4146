#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/storage/keyed_lines.hpp"
#include "core/storage/whole_number.hpp"

namespace fretwise {

// A setting kept on a keyed line of the settings file: its key, its default and how its
// value reads and writes as text. The area that owns the value's type describes it once.
template <typename T>
struct SettingKey {
    std::string_view name;
    T standard;  // the value of a missing line or of a text that does not read
    std::optional<T> (*parse)(std::string_view text);
    std::string (*format)(T value);
};

// The key's value, its default when the line is missing or its text is bad.
template <typename T>
T KeyedValue(const KeyedLines& lines, const SettingKey<T>& key) {
    const std::optional<std::string_view> text = lines.Text(key.name);
    return text ? key.parse(*text).value_or(key.standard) : key.standard;
}

// Writes the value, or no line at all when it is the default.
template <typename T>
void SetKeyedValue(KeyedLines& lines, const SettingKey<T>& key, T value) {
    if (value == key.standard) {
        lines.Remove(key.name);
    } else {
        lines.Set(key.name, key.format(value));
    }
}

// Truth values as "true" and "false", false by default.
constexpr std::string_view kTrueText = "true";
constexpr std::string_view kFalseText = "false";

constexpr SettingKey<bool> TruthKey(std::string_view name) {
    return {name, false,
            [](std::string_view text) -> std::optional<bool> {
                if (text == kTrueText || text == kFalseText) {
                    return text == kTrueText;
                }
                return std::nullopt;
            },
            [](bool value) { return std::string(value ? kTrueText : kFalseText); }};
}

// Whole numbers from Min to Max in decimal digits with an optional minus sign.
template <int Min, int Max>
constexpr SettingKey<int> WholeKey(std::string_view name, int standard) {
    static_assert(Min <= Max);
    return {name, standard, [](std::string_view text) { return ReadWholeNumber(text, Min, Max); },
            [](int value) { return std::to_string(value); }};
}

}  // namespace fretwise
