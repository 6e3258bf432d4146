#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/command.hpp"
#include "sound/synthesis.hpp"

namespace fretwise::cli {

// What the sound commands were asked for: the chord of a SHAPE (with --strum) or the single
// note --note N, and for "wav" the output file -o FILE.
struct SoundArgs {
    std::vector<double> chordNotes;  // the notes as the play buttons add them, high E first
    std::optional<double> note;      // sound note number, 12 = concert A
    StrumMode strum = StrumMode::Block;
    std::string output;
    bool help = false;
    std::string error;  // why the arguments are not usable; empty when they are
};

// Lowest and highest note number accepted for --note.
constexpr double kLowestNote = -100;
constexpr double kHighestNote = 100;

// Reads "SHAPE [--strum]" or "--note N", plus "-o FILE" when takesOutput is set.
SoundArgs ParseSoundArgs(Args args, bool takesOutput);

}  // namespace fretwise::cli
