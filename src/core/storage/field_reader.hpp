#pragma once

#include <cstdint>
#include <iosfwd>

namespace fretwise {

// Why reading a text file of values stopped.
enum class ReadFailure {
    None,
    CannotOpen,    // the file is missing or cannot be opened or read
    MissingValue,  // the file ended before the value
    OutOfRange,    // the value is a number outside the 16-bit range
    OffTheNeck,    // a pitch number or fret that no string of a guitar can play
    BadTuning,     // a tuning or capo line that is damaged or out of range
};

// Reads the values of a chord or settings file one field at a time.
//
// A field starts after leading spaces and ends at the end of the line (CR LF, CR or LF) or at
// a comma. Its text is taken as a number by the classic prefix rule: an optional sign, digits
// and one decimal point as far as they go, anything after that ignored, and no number at all
// gives 0. The number is rounded to the nearest 16-bit integer, halves to the even neighbour.
//
// Bytes in, values out: the current locale plays no part. The stream is read through its
// buffer one byte at a time and only as far as the fields asked for, so a huge file costs no
// memory; an out-of-range number stops the reading as soon as its digits prove it.
class FieldReader {
  public:
    struct Value {
        std::int16_t value = 0;
        ReadFailure failure = ReadFailure::None;
        bool Ok() const { return failure == ReadFailure::None; }
    };

    explicit FieldReader(std::istream& in);

    // The next field as a number. After a failure every later call gives the same failure.
    Value Next();

  private:
    Value ReadField();

    std::istream& in_;
    ReadFailure failure_ = ReadFailure::None;
};

}  // namespace fretwise
