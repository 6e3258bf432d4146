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

struct CreateRequest {
    std::string root;
    std::vector<std::string> type;
    int position = 0;
    int numFrets = kMaxFrets;
    bool allStrings = false;
    bool flats = false;
    bool json = false;
    bool batch = false;
};

void Declare(ArgParser& parser, CreateRequest& request) {
    parser.Details(
        "Finds every playable fingering of a chord in the frets in view, easiest first, as the\n"
        "window's Create button does.\n\n"
        "Exit status 1 when the chord cannot be created; the window's message goes to stderr.");
    parser.Word("ROOT", request.root, "a note (A, A#, Bb, ...) or a root index 0-11 (0 = A)");
    parser.Words("TYPE", request.type,
                 "a chord type name (Major, \"Minor Seventh\", ...; any case) or an index\n"
                 "0-37; a name that stands twice means the chord, not the interval");
    DeclareNumber(parser, "--position", "V", request.position, "a number",
                  "the fret line at the top of the view, 0 to N - 8 (default 0); the\n"
                  "search covers frets V + 1 to V + 8 and the open strings");
    DeclareNumber(parser, "--frets", "N", request.numFrets, "a number",
                  "number of frets on the fretboard, 5-20 (default 20); with 8 or fewer\n"
                  "the search covers frets 1 to N - 1");
    parser.Flag("--all-strings", request.allStrings, "created chords always use all six strings");
    parser.Flag("--flats", request.flats, "spell the root with flats (default sharps)");
    parser.Flag("--json", request.json,
                "print {\"combinations\": N, \"candidates\": [{\"notes\", \"frets\", \"ease\"}]}\n"
                "with arrays in string order (element 0 = high E)");
    parser.Flag("--batch", request.batch,
                "read ROOT TYPE and optional options per line from standard input and\n"
                "print one JSON object per line; a bad line gives {\"error\": ...}");
}

SearchRequest SearchOf(const CreateRequest& request) {
    CheckFretCount(request.numFrets);
    return SearchFrom(request.root, request.type, request.position, request.numFrets,
                      request.allStrings);
}

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

void PrintHuman(std::ostream& out, const SearchRequest& search, const SearchResult& result,
                Accidentals mode) {
    out << NoteName(search.root + 1, mode) << ' ' << ChordTypeName(search.type) << ": "
        << result.combinations << " combinations, " << result.candidates.size()
        << " playable, easiest first (shapes low E string first)\n";
    for (std::size_t k = 0; k < result.candidates.size(); ++k) {
        std::string ease;
        AppendJsonFloat(ease, result.eases[k]);
        out << "  " << GuitaristShape(ShapeNotesToFrets(result.candidates[k]).Fret) << "  ease "
            << ease << '\n';
    }
}

bool AnswerLine(const CreateRequest& request, std::string& out) {
    const SearchRequest search = SearchOf(request);
    const SearchResult result = FindFingerings(search);
    if (result.failure != SearchFailure::None) {
        out += JsonError(CreateFailureMessage(search.allStrings));
        return false;
    }
    AppendJson(out, result);
    return true;
}

int Run(const CreateRequest& request, Io io) {
    if (request.batch) {
        CheckFretCount(request.numFrets);
        if (!request.root.empty() || !request.type.empty()) {
            RefuseWords({&request.root, 1}, "ROOT and TYPE");
        }
        return RunBatchOf(request, Declare, AnswerLine, io);
    }
    const SearchRequest search = SearchOf(request);
    const SearchResult result = FindFingerings(search);
    if (result.failure != SearchFailure::None) {
        const std::string_view message = CreateFailureMessage(search.allStrings);
        io.err << message << '\n';
        if (request.json) {
            io.out << JsonError(message) << '\n';
        }
        return kExitFailure;
    }
    if (request.json) {
        std::string out;
        AppendJson(out, result);
        io.out << out << '\n';
    } else {
        PrintHuman(io.out, search, result, Spelling(request.flats));
    }
    return kExitOk;
}

}  // namespace

std::unique_ptr<Command> MakeCreateCommand() {
    return MakeCommand<CreateRequest, Declare, Run>();
}

}  // namespace fretwise::cli
