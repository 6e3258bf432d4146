#include "cli/sound_args.hpp"

#include <charconv>
#include <cmath>
#include <string_view>

#include "cli/shape_arg.hpp"
#include "music/fingering.hpp"
#include "sound/string_notes.hpp"

namespace fretwise::cli {

namespace {

std::optional<double> ParseNote(std::string_view text) {
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc{} || end != text.data() + text.size() ||
        !std::isfinite(value) || value < kLowestNote || value > kHighestNote) {
        return std::nullopt;
    }
    return value;
}

SoundArgs Fail(std::string message) {
    SoundArgs result;
    result.error = std::move(message);
    return result;
}

}  // namespace

SoundArgs ParseSoundArgs(Args args, bool takesOutput) {
    SoundArgs result;
    std::vector<std::string> shapeWords;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--help" || arg == "-h") {
            result.help = true;
            return result;
        } else if (arg == "--strum") {
            result.strum = StrumMode::Strummed;
        } else if (arg == "--note") {
            if (!hasValue) {
                return Fail("--note needs a note number (12 = concert A)");
            }
            result.note = ParseNote(args[++i]);
            if (!result.note) {
                return Fail("--note needs a number from -100 to 100 (12 = concert A), not '" +
                            args[i] + "'");
            }
        } else if (takesOutput && (arg == "-o" || arg == "--output")) {
            if (!hasValue || args[i + 1].empty()) {
                return Fail(arg + " needs a file name");
            }
            result.output = args[++i];
        } else if (arg.starts_with("--") ||
                   (arg.starts_with("-") && arg.size() == 2 && arg != "-1")) {
            return Fail("unknown option '" + arg + "'");
        } else {
            shapeWords.push_back(arg);
        }
    }
    if (takesOutput && result.output.empty()) {
        return Fail("missing -o FILE");
    }
    if (result.note) {
        if (!shapeWords.empty()) {
            return Fail("give either a SHAPE or --note N, not both");
        }
        if (result.strum == StrumMode::Strummed) {
            return Fail("--strum applies to a chord, not to --note");
        }
        return result;
    }
    const ShapeArg shape = ParseShape(shapeWords);
    if (!shape.frets) {
        return Fail(shape.error);
    }
    if (static_cast<std::size_t>(shape.consumed) != shapeWords.size()) {
        return Fail("unexpected argument '" + shapeWords[static_cast<std::size_t>(shape.consumed)] +
                    "'");
    }
    Fingering fingering;
    fingering.Fret = *shape.frets;
    result.chordNotes = ChordNotesToPlay(ShapeFretsToNotes(fingering));
    return result;
}

}  // namespace fretwise::cli
