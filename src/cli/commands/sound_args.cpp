#include "cli/commands/sound_args.hpp"

#include <cmath>

#include "cli/commands/number_text.hpp"
#include "cli/commands/offers.hpp"
#include "cli/commands/shape_arg.hpp"
#include "cli/commands/tuning_args.hpp"
#include "core/music/fingering.hpp"
#include "core/sound/synthesis.hpp"

namespace fretwise::cli {

void DeclareSound(ArgParser& parser, SoundRequest& request, bool takesOutput) {
    parser.Words("SHAPE", request.shape,
                 "frets low E string first, e.g. x32010, or six values \"x 3 2 0 1 0\"");
    parser.Flag("--strum", request.strum, "strum the chord (high E string first, 62.5 ms apart)");
    DeclareOpenStrings(parser, request.strings);
    parser.Value(
        "--note", "N", "a single note instead of a chord: 12 is concert A, each step a semitone",
        "a note number (12 = concert A)", [&request](const std::string& text) {
            const std::optional<double> note = ReadDouble(text);
            if (!note || !std::isfinite(*note) || *note < kLowestNote || *note > kHighestNote) {
                throw UsageError("--note needs a number from -100 to 100 (12 = concert A), not '" +
                                 text + "'");
            }
            request.note = note;
        });
    if (takesOutput) {
        parser.Value(
            "-o,--output", "FILE", "the file to write (replaced whole)", "a file name",
            [&request](const std::string& file) {
                if (file.empty()) {
                    throw UsageError("-o needs a file name");
                }
                request.output = file;
            },
            FilesOffer({"wav"}));
    }
    parser.Stray([](const std::string& word) { return "unknown option '" + word + "'"; });
}

std::vector<double> ChordToSound(const SoundRequest& request, bool takesOutput) {
    if (takesOutput && request.output.empty()) {
        throw UsageError("missing -o FILE");
    }
    if (request.note) {
        if (!request.shape.empty()) {
            throw UsageError("give either a SHAPE or --note N, not both");
        }
        if (request.strum) {
            throw UsageError("--strum applies to a chord, not to --note");
        }
        return {};
    }
    Fingering fingering;
    fingering.Fret = WholeShape(request.shape);
    return ChordNotesToPlay(ShapeFretsToNotes(fingering, request.strings), request.strings);
}

}  // namespace fretwise::cli
