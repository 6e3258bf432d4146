#include <ostream>
#include <string_view>

#include "cli/batch.hpp"
#include "cli/chord_args.hpp"
#include "cli/command_list.hpp"
#include "cli/json_text.hpp"
#include "cli/named_chord.hpp"
#include "cli/shape_arg.hpp"

namespace fretwise::cli {

namespace {

constexpr std::string_view kHelp =
    "Usage: fretwise-cli name SHAPE [--flats] [--frets N] [--json]\n"
    "       fretwise-cli name --batch [--flats] [--frets N]\n"
    "Names the chord of a shape and fingers it as the window does.\n\n"
    "  SHAPE       frets low E string first: six characters (x32010, digit or x) or six\n"
    "              values \"x 3 2 0 1 0\" / x,3,2,0,1,0 for frets of 10 and more; x or -1 =\n"
    "              not played, frets 0-24\n"
    "  --flats     spell the notes with flats (default sharps)\n"
    "  --frets N   number of frets on the fretboard, 5-20 (default 20); higher frets get\n"
    "              no finger\n"
    "  --json      print one JSON object; arrays are in string order (element 0 = high E)\n"
    "  --batch     read one shape with optional options per line from standard input and\n"
    "              print one JSON object per line; a bad line gives {\"error\": ...}\n";

bool AnswerLine(const std::vector<std::string>& line, std::string& out) {
    const ChordArgs args = ParseChordArgs(line, ChordCommand::Name);
    std::string error = args.error;
    if (error.empty() && (args.batch || args.help)) {
        error = "--batch and --help cannot be given on a batch line";
    }
    std::optional<PerString> frets;
    if (error.empty()) {
        frets = WholeShape(args.positional, error);
    }
    if (!frets) {
        out += JsonError(error);
        return false;
    }
    AppendNamedJson(out, NameShape(*frets, args));
    return true;
}

}  // namespace

int RunName(Args argv, Io io) {
    const ChordArgs args = ParseChordArgs(argv, ChordCommand::Name);
    if (args.help) {
        io.out << kHelp;
        return kExitOk;
    }
    std::string error = args.error;
    if (error.empty() && args.batch) {
        if (const auto status =
                StartBatch(args.positional, args.options, "the shapes", AnswerLine, io, error)) {
            return *status;
        }
    }
    std::optional<PerString> frets;
    if (error.empty()) {
        frets = WholeShape(args.positional, error);
    }
    if (!frets) {
        io.err << "fretwise-cli name: " << error << '\n';
        return kExitUsage;
    }
    const Named named = NameShape(*frets, args);
    if (args.json) {
        std::string out;
        AppendNamedJson(out, named);
        io.out << out << '\n';
    } else {
        PrintNamed(io.out, named, args.mode);
    }
    return kExitOk;
}

}  // namespace fretwise::cli
