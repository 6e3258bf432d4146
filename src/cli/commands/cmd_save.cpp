#include "cli/commands/arg_parser.hpp"
#include "cli/commands/command_list.hpp"
#include "cli/commands/offers.hpp"
#include "cli/commands/shape_arg.hpp"
#include "cli/commands/tuning_args.hpp"
#include "core/storage/chord_file.hpp"
#include "core/storage/file_messages.hpp"
#include "core/storage/whole_number.hpp"

namespace fretwise::cli {

namespace {

struct SaveRequest {
    std::vector<std::string> shape;
    std::string output;
    std::int16_t numFrets = kMaxFrets;
    OpenStrings strings{};
};

void Declare(ArgParser& parser, SaveRequest& request) {
    parser.Details(
        "Writes a chord file as the window's \"Save...\" does: the number of frets, then the\n"
        "pitch number of each string, high E first, one value per line; with a tuning or a\n"
        "capo two lines more: the six tuning offsets (high E first) and the capo fret.");
    parser.Words("SHAPE", request.shape,
                 "frets low E string first: six characters (x32010, digit or x) or six\n"
                 "values \"x 3 2 0 1 0\" / x,3,2,0,1,0 for frets of 10 and more");
    parser.Value(
        "-o,--output", "FILE", "the chord file to write; an existing file is replaced whole",
        "a value", [&request](const std::string& file) { request.output = file; },
        FilesOffer({"fw"}));
    parser.Value(
        "--frets", "N", "the number of frets shown, 5-20 (default 20)", "a value",
        [&request](const std::string& text) {
            const std::optional<int> frets = ReadWholeNumber(text);
            if (!frets || *frets < kMinFrets || *frets > kMaxFrets) {
                throw UsageError("--frets takes a whole number from 5 to 20, not '" + text + "'");
            }
            request.numFrets = static_cast<std::int16_t>(*frets);
        });
    DeclareOpenStrings(parser, request.strings);
    parser.Stray([](const std::string& word) { return "unknown option '" + word + "'"; });
}

int Run(const SaveRequest& request, Io io) {
    Fingering shape;
    shape.Fret = WholeShape(request.shape);
    if (request.output.empty()) {
        throw UsageError("missing -o FILE");
    }
    if (!WriteChordFile(request.output, request.numFrets,
                        ShapeFretsToNotes(shape, request.strings).Note, request.strings)) {
        io.err << "fretwise-cli save: " << kErrorSavingFile << " '" << request.output << "'\n";
        return kExitFailure;
    }
    return kExitOk;
}

}  // namespace

std::unique_ptr<Command> MakeSaveCommand() {
    return MakeCommand<SaveRequest, Declare, Run>();
}

}  // namespace fretwise::cli
