#pragma once

#include <cstdint>
#include <string>

namespace fretwise {

// Truth values as the text files store them.
constexpr std::int16_t kStoredTrue = -1;
constexpr std::int16_t kStoredFalse = 0;

constexpr std::int16_t StoredTruth(bool value) {
    return value ? kStoredTrue : kStoredFalse;
}

// The classic print form of a number: one space before a value that is not negative, the
// minus sign before a negative one, and one space after every value (" 20 ", "-1 ").
std::string PrintForm(int value);

// Appends the value in print form as one line of a text file, ending with CR LF.
void AppendPrintLine(std::string& text, int value);

}  // namespace fretwise
