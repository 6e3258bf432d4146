#include <ostream>
#include <string_view>

#include "cli/batch.hpp"
#include "cli/chord_args.hpp"
#include "cli/command_list.hpp"
#include "cli/json_text.hpp"
#include "cli/shape_text.hpp"
#include "create/fingering_search.hpp"
#include "music/chord_types.hpp"

namespace fretwise::cli {

namespace {

constexpr std::string_view kHelp =
    "Usage: fretwise-cli create ROOT TYPE [--position V] [--frets N] [--all-strings]\n"
    "                           [--flats] [--json]\n"
    "       fretwise-cli create --batch [--position V] [--frets N] [--all-strings] [--flats]\n"
    "Finds every playable fingering of a chord in the frets in view, easiest first, as the\n"
    "window's Create button does.\n\n"
    "  ROOT           a note (A, A#, Bb, ...) or a root index 0-11 (0 = A)\n"
    "  TYPE           a chord type name (Major, \"Minor Seventh\", ...; any case) or an index\n"
    "                 0-37; a name that stands twice means the chord, not the interval\n"
    "  --position V   the fret line at the top of the view, 0 to N - 8 (default 0); the\n"
    "                 search covers frets V + 1 to V + 8 and the open strings\n"
    "  --frets N      number of frets on the fretboard, 5-20 (default 20); with 8 or fewer\n"
    "                 the search covers frets 1 to N - 1\n"
    "  --all-strings  created chords always use all six strings\n"
    "  --flats        spell the root with flats (default sharps)\n"
    "  --json         print {\"combinations\": N, \"candidates\": [{\"notes\", \"frets\", "
    "\"ease\"}]}\n"
    "                 with arrays in string order (element 0 = high E)\n"
    "  --batch        read ROOT TYPE and optional options per line from standard input and\n"
    "                 print one JSON object per line; a bad line gives {\"error\": ...}\n\n"
    "Exit status 1 when the chord cannot be created; the window's message goes to stderr.\n";

void AppendJson(std::string& out, const SearchResult& result) {
    out += "{\"combinations\":" + std::to_string(result.combinations) + ",\"candidates\":[";
    for (std::size_t k = 0; k < result.candidates.size(); ++k) {
        const Fingering& candidate = result.candidates[k];
        out += k > 0 ? ",{\"notes\":" : "{\"notes\":";
        AppendJsonArray(out, candidate.Note);
        out += ",\"frets\":";
        AppendJsonArray(out, ShapeNotesToFrets(candidate).Fret);
        out += ",\"ease\":";
        AppendJsonFloat(out, result.eases[k]);
        out += '}';
    }
    out += "]}";
}

void PrintHuman(std::ostream& out, const SearchRequest& request, const SearchResult& result,
                Accidentals mode) {
    out << NoteName(request.root + 1, mode) << ' ' << ChordTypeName(request.type) << ": "
        << result.combinations << " combinations, " << result.candidates.size()
        << " playable, easiest first (shapes low E string first)\n";
    for (std::size_t k = 0; k < result.candidates.size(); ++k) {
        std::string ease;
        AppendJsonFloat(ease, result.eases[k]);
        out << "  " << GuitaristShape(ShapeNotesToFrets(result.candidates[k]).Fret) << "  ease "
            << ease << '\n';
    }
}

bool AnswerLine(const std::vector<std::string>& line, std::string& out) {
    const ChordArgs args = ParseChordArgs(line, ChordCommand::Create);
    std::string error = args.error;
    if (error.empty() && (args.batch || args.help)) {
        error = "--batch and --help cannot be given on a batch line";
    }
    std::optional<SearchRequest> request;
    if (error.empty()) {
        request = SearchFrom(args, error);
    }
    if (!request) {
        out += JsonError(error);
        return false;
    }
    const SearchResult result = FindFingerings(*request);
    if (result.failure != SearchFailure::None) {
        out += JsonError(CreateFailureMessage(request->allStrings));
        return false;
    }
    AppendJson(out, result);
    return true;
}

}  // namespace

int RunCreate(Args argv, Io io) {
    const ChordArgs args = ParseChordArgs(argv, ChordCommand::Create);
    if (args.help) {
        io.out << kHelp;
        return kExitOk;
    }
    std::string error = args.error;
    if (error.empty() && args.batch) {
        if (const auto status =
                StartBatch(args.positional, args.options, "ROOT and TYPE", AnswerLine, io, error)) {
            return *status;
        }
    }
    std::optional<SearchRequest> request;
    if (error.empty()) {
        request = SearchFrom(args, error);
    }
    if (!request) {
        io.err << "fretwise-cli create: " << error << '\n';
        return kExitUsage;
    }
    const SearchResult result = FindFingerings(*request);
    if (result.failure != SearchFailure::None) {
        const std::string_view message = CreateFailureMessage(request->allStrings);
        io.err << message << '\n';
        if (args.json) {
            io.out << JsonError(message) << '\n';
        }
        return kExitFailure;
    }
    if (args.json) {
        std::string out;
        AppendJson(out, result);
        io.out << out << '\n';
    } else {
        PrintHuman(io.out, *request, result, args.mode);
    }
    return kExitOk;
}

}  // namespace fretwise::cli
