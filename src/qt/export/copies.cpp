#include "qt/export/copies.hpp"

#include <algorithm>

namespace fretwise {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The number at the start of the text after blanks: an optional sign, digits and an optional
// fraction. Parsed by hand so the decimal point does not depend on the locale.
struct LeadingNumber {
    bool negative = false;
    long long whole = 0;    // capped, only compared against small bounds
    bool fraction = false;  // a non-zero digit after the point
};

LeadingNumber ReadLeadingNumber(std::string_view text) {
    LeadingNumber n;
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        n.negative = text[i++] == '-';
    }
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        n.whole = std::min(n.whole * 10 + (text[i] - '0'), 1'000'000LL);
    }
    if (i < text.size() && text[i] == '.') {
        for (++i; i < text.size() && IsDigit(text[i]); ++i) {
            n.fraction = n.fraction || text[i] != '0';
        }
    }
    return n;
}

}  // namespace

std::optional<int> CopiesFromAnswer(std::string_view answer) {
    const LeadingNumber n = ReadLeadingNumber(answer);
    if (n.negative || n.fraction || n.whole < 1 || n.whole > kMaxCopies) {
        return std::nullopt;
    }
    return static_cast<int>(n.whole);
}

}  // namespace fretwise
