#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/commands/arg_parser.hpp"
#include "core/music/tuning.hpp"
#include "core/sound/synthesis.hpp"

namespace fretwise::cli {

// What the sound commands are asked for: the chord of a SHAPE (with --strum) or the single
// note --note N, and for "wav" the output file -o FILE.
struct SoundRequest {
    std::vector<std::string> shape;
    std::optional<double> note;  // sound note number, 12 = concert A
    bool strum = false;
    std::string output;
    OpenStrings strings{};
};

// Lowest and highest note number accepted for --note.
constexpr double kLowestNote = -100;
constexpr double kHighestNote = 100;

// Declares "SHAPE [--strum]", "--tuning T", "--capo N" and "--note N", and "-o FILE" when
// takesOutput is set.
void DeclareSound(ArgParser& parser, SoundRequest& request, bool takesOutput);

// The notes of the chord as the play buttons add them, high E first (for --note, none);
// throws UsageError when the request is not one chord or one note (or lacks -o FILE when
// takesOutput is set).
std::vector<double> ChordToSound(const SoundRequest& request, bool takesOutput);

}  // namespace fretwise::cli
