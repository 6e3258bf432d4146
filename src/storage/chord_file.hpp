#pragma once

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>

#include "music/fingering.hpp"
#include "music/fret_range.hpp"
#include "storage/field_reader.hpp"

namespace fretwise {

// A chord file (".fw") holds seven lines: the number of frets shown, then the pitch numbers
// of the chord's strings 0 (high E) to 5 (-1 for a string not played).
// A pitch number that gives no fret from 0 to 24 on its string refuses the file.
constexpr int kChordFileLineCount = 7;

// The bytes of a chord file, each value in print form on its own CR LF line.
std::string ChordFileText(std::int16_t numFrets, const PerString& notes);

// Saves atomically: on failure any existing file is untouched and no partial file remains.
bool WriteChordFile(const std::filesystem::path& path, std::int16_t numFrets,
                    const PerString& notes);

struct ChordFileRead {
    ReadFailure failure = ReadFailure::None;
    int linesRead = 0;  // values read before the first failure; 7 when the file is complete
    // Line 1 clamped into 5-20. Present once line 1 was read, also when a later line failed:
    // opening applies it before reading the notes.
    std::optional<std::int16_t> numFrets;
    PerString notes{};  // lines 2 to 7; meaningful only when Ok()

    bool Ok() const { return failure == ReadFailure::None; }
    int FailedLine() const { return Ok() ? 0 : linesRead + 1; }
};

// Reads the first seven values of the stream; anything after them is never read.
ChordFileRead ReadChordFile(std::istream& in);
ChordFileRead ReadChordFile(const std::filesystem::path& path);

}  // namespace fretwise
