// libFuzzer target: any bytes as a chord file. The reader must never crash, must keep only
// notes the strings can play in the file's tuning, and a file it accepts must come back
// unchanged through the writer.
#include <cstdint>
#include <sstream>
#include <string>

#include "core/storage/chord_file.hpp"
#include "fuzz_check.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace fretwise;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::istringstream in(bytes);
    const ChordFileRead read = ReadChordFile(in);

    // Seven lines, or nine with a tuning and a capo.
    constexpr int kTunedLineCount = kChordFileLineCount + 2;
    Check(read.linesRead >= 0 && read.linesRead <= kTunedLineCount);
    Check(read.Ok() == (read.failure == ReadFailure::None));
    Check(!read.Ok() || read.linesRead == kChordFileLineCount || read.linesRead == kTunedLineCount);
    Check(read.numFrets.has_value() == (read.linesRead >= 1));
    if (read.numFrets) {
        Check(*read.numFrets >= kMinFrets && *read.numFrets <= kMaxFrets);
    }

    if (read.Ok()) {
        // A note kept is one its string can play in the file's tuning with its capo.
        Check(read.strings.capo >= 0 && read.strings.capo <= kMaxCapo);
        for (int s = 0; s < kStringCount; ++s) {
            Check(read.strings.tuning.offsets[s] >= kLowestTuningOffset &&
                  read.strings.tuning.offsets[s] <= kHighestTuningOffset);
            Check(read.notes[s] == kNotPlayed ||
                  IsOnNeck(read.notes[s] - read.strings.OpenPitch(s)));
        }
        std::istringstream again(ChordFileText(*read.numFrets, read.notes, read.strings));
        const ChordFileRead reread = ReadChordFile(again);
        Check(reread.Ok() && reread.numFrets == read.numFrets && reread.notes == read.notes &&
              reread.strings == read.strings);
    }
    return 0;
}
