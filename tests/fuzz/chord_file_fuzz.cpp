// libFuzzer target: any bytes as a chord file. The reader must never crash, must agree with
// a slow second reading, and a file it accepts must come back unchanged through the writer.
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "reference_fields.hpp"
#include "storage/chord_file.hpp"

namespace {

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace fretwise;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::istringstream in(bytes);
    const ChordFileRead read = ReadChordFile(in);

    Check(read.linesRead >= 0 && read.linesRead <= kChordFileLineCount);
    Check(read.Ok() == (read.linesRead == kChordFileLineCount));
    Check(read.numFrets.has_value() == (read.linesRead >= 1));
    if (read.numFrets) {
        Check(*read.numFrets >= kMinFrets && *read.numFrets <= kMaxFrets);
    }

    // Every value read, and the failing one, as the slow reading sees them.
    const std::vector<std::string> fields = fuzz::SplitFields(bytes);
    for (int line = 1; line <= std::min(read.linesRead + 1, kChordFileLineCount); ++line) {
        if (line > static_cast<int>(fields.size())) {
            Check(!read.Ok() && read.failure == ReadFailure::MissingValue &&
                  read.linesRead == line - 1);
            break;
        }
        bool judged = false;
        const auto expected = fuzz::ReferenceValue(fields[line - 1], judged);
        if (!judged) {
            break;
        }
        // A pitch number is kept only when its string can play it.
        const bool onString = line == 1 || !expected || *expected == kNotPlayed ||
                              IsOnNeck(*expected - kOpenPitch[static_cast<std::size_t>(line - 2)]);
        if (line <= read.linesRead) {
            Check(expected.has_value() && onString);
            Check(line == 1 ? *read.numFrets == ClampFrets(*expected)
                            : read.notes[line - 2] == *expected);
        } else if (expected) {
            Check(!onString && read.failure == ReadFailure::OffTheNeck);
        } else {
            Check(read.failure == ReadFailure::OutOfRange);
        }
    }

    if (read.Ok()) {
        std::istringstream again(ChordFileText(*read.numFrets, read.notes));
        const ChordFileRead reread = ReadChordFile(again);
        Check(reread.Ok() && reread.numFrets == read.numFrets && reread.notes == read.notes);
    }
    return 0;
}
