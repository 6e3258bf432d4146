#pragma once

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fretwise::fuzz {

// A plain second reading of the value fields, done the slow way (split the text, then let
// the C library convert the number prefix), to check the streaming reader against.
// Fields whose number prefix is too long for long double to judge a half exactly give
// std::nullopt: "no opinion".
struct ReferenceField {
    std::optional<long double> number;  // the value before rounding, when judged
};

inline std::vector<std::string> SplitFields(std::string_view bytes) {
    std::vector<std::string> fields;
    std::string field;
    for (std::size_t k = 0; k < bytes.size(); ++k) {
        const char c = bytes[k];
        if (c == ',' || c == '\n' || c == '\r') {
            fields.push_back(field);
            field.clear();
            if (c == '\r' && k + 1 < bytes.size() && bytes[k + 1] == '\n') {
                ++k;
            }
        } else {
            field += c;
        }
    }
    if (!field.empty() ||
        (!bytes.empty() && bytes.back() != ',' && bytes.back() != '\n' && bytes.back() != '\r')) {
        fields.push_back(field);
    }
    return fields;
}

// The number prefix of a field: spaces skipped, an optional sign, digits and one point.
inline std::string NumberPrefix(const std::string& field) {
    std::size_t k = field.find_first_not_of(' ');
    std::string prefix;
    if (k == std::string::npos) {
        return prefix;
    }
    if (field[k] == '+' || field[k] == '-') {
        prefix += field[k++];
    }
    bool point = false;
    for (; k < field.size(); ++k) {
        const char c = field[k];
        if (c >= '0' && c <= '9') {
            prefix += c;
        } else if (c == '.' && !point) {
            point = true;
            prefix += c;
        } else {
            break;
        }
    }
    return prefix;
}

// The field's value rounded halves to even, or std::nullopt when out of the 16-bit range;
// `judged` is false when the prefix is too long to decide.
inline std::optional<std::int16_t> ReferenceValue(const std::string& field, bool& judged) {
    const std::string prefix = NumberPrefix(field);
    judged = prefix.size() <= 15;
    if (!judged) {
        return std::nullopt;
    }
    const bool hasDigit = prefix.find_first_of("0123456789") != std::string::npos;
    const long double number = hasDigit ? std::strtold(prefix.c_str(), nullptr) : 0.0L;
    const long double rounded = std::nearbyintl(number);  // the default mode: halves to even
    if (rounded < -32768.0L || rounded > 32767.0L) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(rounded);
}

}  // namespace fretwise::fuzz
