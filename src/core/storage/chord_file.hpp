#pragma once

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>

#include "core/music/fingering.hpp"
#include "core/music/fret_range.hpp"
#include "core/music/tuning.hpp"
#include "core/storage/field_reader.hpp"

namespace fretwise {

// A chord file (".fw") holds seven lines: the number of frets shown, then the pitch numbers
// of the chord's strings 0 (high E) to 5 (-1 for a string not played). A chord in another
// tuning than standard or with a capo has two lines more: the six tuning offsets in string
// order separated by commas ("0,0,0,0,0,-2" for Drop D), then the capo fret.
// A pitch number that gives no fret from 0 to 24 on its string refuses the file.
constexpr int kChordFileLineCount = 7;

// The bytes of a chord file, each value in print form on its own CR LF line.
std::string ChordFileText(std::int16_t numFrets, const PerString& notes,
                          const OpenStrings& strings = {});

// Saves atomically: on failure any existing file is untouched and no partial file remains.
bool WriteChordFile(const std::filesystem::path& path, std::int16_t numFrets,
                    const PerString& notes, const OpenStrings& strings = {});

struct ChordFileRead {
    ReadFailure failure = ReadFailure::None;
    int linesRead = 0;  // lines read before the first failure; 7 or 9 when complete
    // Line 1 clamped into 5-20. Present once line 1 was read, also when a later line failed:
    // opening applies it before reading the notes.
    std::optional<std::int16_t> numFrets;
    PerString notes{};      // lines 2 to 7; meaningful only when Ok()
    OpenStrings strings{};  // lines 8 and 9, standard with no capo when the file has none

    bool Ok() const { return failure == ReadFailure::None; }
    // A file no guitar can play, or a damaged tuning or capo line: refused before opening
    // changes anything.
    bool Refused() const {
        return failure == ReadFailure::OffTheNeck || failure == ReadFailure::BadTuning;
    }
    int FailedLine() const { return Ok() ? 0 : linesRead + 1; }
};

// Reads the first seven values of the stream and the tuning and capo lines when the file has
// them; anything after those is never read.
ChordFileRead ReadChordFile(std::istream& in);
ChordFileRead ReadChordFile(const std::filesystem::path& path);

}  // namespace fretwise
