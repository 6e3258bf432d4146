#include "window/number_input.hpp"

#include <cctype>
#include <charconv>

namespace fretwise {

namespace {

std::string_view TrimBlanks(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// Digits with at most one decimal point and at least one digit, then an optional exponent.
bool IsPlainNumber(std::string_view body) {
    std::size_t i = 0;
    int digits = 0;
    bool point = false;
    for (; i < body.size(); ++i) {
        if (IsDigit(body[i])) {
            ++digits;
        } else if (body[i] == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (digits == 0) {
        return false;
    }
    if (i == body.size()) {
        return true;
    }
    if (body[i] != 'e' && body[i] != 'E') {
        return false;
    }
    ++i;
    if (i < body.size() && (body[i] == '+' || body[i] == '-')) {
        ++i;
    }
    if (i == body.size()) {
        return false;
    }
    for (; i < body.size(); ++i) {
        if (!IsDigit(body[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::optional<double> ParseTypedNumber(std::string_view text) {
    text = TrimBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (!IsPlainNumber(text)) {
        return std::nullopt;
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

}  // namespace fretwise
