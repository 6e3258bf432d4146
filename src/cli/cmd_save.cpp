#include <charconv>
#include <ostream>
#include <string_view>
#include <vector>

#include "cli/command_list.hpp"
#include "cli/shape_arg.hpp"
#include "storage/chord_file.hpp"
#include "storage/file_messages.hpp"

namespace fretwise::cli {

namespace {

constexpr std::string_view kHelp =
    "Usage: fretwise-cli save SHAPE -o FILE [--frets N]\n"
    "Writes a chord file as the window's \"Save...\" does: the number of frets, then the\n"
    "pitch number of each string, high E first, one value per line.\n\n"
    "  SHAPE       frets low E string first: six characters (x32010, digit or x) or six\n"
    "              values \"x 3 2 0 1 0\" / x,3,2,0,1,0 for frets of 10 and more\n"
    "  -o FILE     the chord file to write (--output); an existing file is replaced whole\n"
    "  --frets N   the number of frets shown, 5-20 (default 20)\n";

struct SaveArgs {
    PerString frets{};
    std::int16_t numFrets = kMaxFrets;
    std::string output;
    bool help = false;
    std::string error;
};

SaveArgs ParseSaveArgs(Args args) {
    SaveArgs result;
    std::vector<std::string> shape;
    for (std::size_t k = 0; k < args.size(); ++k) {
        const std::string& arg = args[k];
        if (arg == "--help" || arg == "-h") {
            result.help = true;
            return result;
        }
        const bool takesValue = arg == "-o" || arg == "--output" || arg == "--frets";
        if (takesValue && k + 1 == args.size()) {
            result.error = arg + " needs a value";
            return result;
        }
        if (arg == "-o" || arg == "--output") {
            result.output = args[++k];
        } else if (arg == "--frets") {
            const std::string& text = args[++k];
            int value = 0;
            const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
            if (ec != std::errc{} || end != text.data() + text.size() || value < kMinFrets ||
                value > kMaxFrets) {
                result.error = "--frets takes a whole number from 5 to 20, not '" + text + "'";
                return result;
            }
            result.numFrets = static_cast<std::int16_t>(value);
        } else if (arg.size() > 1 && arg[0] == '-' && (arg[1] < '0' || arg[1] > '9')) {
            result.error = "unknown option '" + arg + "'";
            return result;
        } else {
            shape.push_back(arg);
        }
    }
    const ShapeArg parsed = ParseShape(shape);
    if (!parsed.frets) {
        result.error = parsed.error;
    } else if (static_cast<std::size_t>(parsed.consumed) != shape.size()) {
        result.error = "unexpected argument '" + shape[parsed.consumed] + "'";
    } else if (result.output.empty()) {
        result.error = "missing -o FILE";
    } else {
        result.frets = *parsed.frets;
    }
    return result;
}

}  // namespace

int RunSave(Args args, Io io) {
    const SaveArgs request = ParseSaveArgs(args);
    if (request.help) {
        io.out << kHelp;
        return kExitOk;
    }
    if (!request.error.empty()) {
        io.err << "fretwise-cli save: " << request.error << '\n';
        return kExitUsage;
    }
    Fingering shape;
    shape.Fret = request.frets;
    if (!WriteChordFile(request.output, request.numFrets, ShapeFretsToNotes(shape).Note)) {
        io.err << "fretwise-cli save: " << kErrorSavingFile << " '" << request.output << "'\n";
        return kExitFailure;
    }
    return kExitOk;
}

}  // namespace fretwise::cli
