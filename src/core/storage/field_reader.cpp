#include "core/storage/field_reader.hpp"

#include <cstdint>
#include <exception>
#include <istream>
#include <limits>
#include <string>

namespace fretwise {

namespace {

constexpr int kEndOfFile = std::char_traits<char>::eof();

// Any whole part above this is out of range whatever its sign and decimals.
constexpr std::int32_t kWholeLimit = 32768;

bool IsDigit(int c) {
    return c >= '0' && c <= '9';
}

}  // namespace

FieldReader::FieldReader(std::istream& in) : in_(in) {}

FieldReader::Value FieldReader::Next() {
    try {
        return ReadField();
    } catch (const std::exception&) {
        // The file buffer throws when the file cannot be read, e.g. a directory.
        failure_ = ReadFailure::CannotOpen;
        return Value{0, failure_};
    }
}

FieldReader::Value FieldReader::ReadField() {
    const auto fail = [this](ReadFailure why) {
        failure_ = why;
        return Value{0, why};
    };
    if (failure_ != ReadFailure::None) {
        return Value{0, failure_};
    }
    std::streambuf* buf = in_.rdbuf();
    if (buf == nullptr || buf->sgetc() == kEndOfFile) {
        return fail(ReadFailure::MissingValue);
    }

    enum class Part { Spaces, Sign, Whole, Decimals, Ignored };
    Part part = Part::Spaces;
    bool negative = false;
    std::int32_t whole = 0;
    int firstDecimal = -1;      // the first digit after the decimal point, -1 when none
    bool laterDecimal = false;  // a non-zero digit after that one: more than a half
    for (int c = buf->sbumpc(); c != kEndOfFile; c = buf->sbumpc()) {
        if (c == '\n' || c == ',') {
            break;
        }
        if (c == '\r') {
            if (buf->sgetc() == '\n') {
                buf->sbumpc();
            }
            break;
        }
        switch (part) {
            case Part::Spaces:
                if (c == ' ') {
                    break;
                }
                part = Part::Sign;
                [[fallthrough]];
            case Part::Sign:
                part = Part::Whole;
                if (c == '+' || c == '-') {
                    negative = c == '-';
                    break;
                }
                [[fallthrough]];
            case Part::Whole:
                if (IsDigit(c)) {
                    whole = whole * 10 + (c - '0');
                    if (whole > kWholeLimit) {
                        return fail(ReadFailure::OutOfRange);
                    }
                } else {
                    part = c == '.' ? Part::Decimals : Part::Ignored;
                }
                break;
            case Part::Decimals:
                if (!IsDigit(c)) {
                    part = Part::Ignored;
                } else if (firstDecimal < 0) {
                    firstDecimal = c - '0';
                } else if (c != '0') {
                    laterDecimal = true;
                }
                break;
            case Part::Ignored:
                break;
        }
    }

    std::int32_t magnitude = whole;
    const bool half = firstDecimal == 5 && !laterDecimal;
    if (firstDecimal > 5 || (firstDecimal == 5 && !half) || (half && whole % 2 == 1)) {
        ++magnitude;
    }
    const std::int32_t value = negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max()) {
        return fail(ReadFailure::OutOfRange);
    }
    return Value{static_cast<std::int16_t>(value), ReadFailure::None};
}

}  // namespace fretwise
