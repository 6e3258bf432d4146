// libFuzzer target: any bytes as a chord file. The reader must never crash, must keep only
// notes the strings can play, and a file it accepts must come back unchanged through the writer.
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

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

    // A note kept is one its string can play.
    for (int s = 0; s < read.linesRead - 1; ++s) {
        Check(read.notes[s] == kNotPlayed || IsOnNeck(read.notes[s] - kOpenPitch[s]));
    }
    Check(read.Ok() == (read.failure == ReadFailure::None));

    if (read.Ok()) {
        std::istringstream again(ChordFileText(*read.numFrets, read.notes));
        const ChordFileRead reread = ReadChordFile(again);
        Check(reread.Ok() && reread.numFrets == read.numFrets && reread.notes == read.notes);
    }
    return 0;
}
