#include <algorithm>
#include <ostream>
#include <string_view>

#include "cli/commands/batch.hpp"
#include "cli/commands/chord_args.hpp"
#include "cli/commands/command_list.hpp"
#include "cli/commands/json_text.hpp"
#include "cli/commands/offers.hpp"
#include "cli/commands/shape_text.hpp"
#include "cli/commands/tuning_args.hpp"
#include "cli/commands/vocabulary_args.hpp"
#include "core/create/bass_filter.hpp"
#include "core/create/fingering_search.hpp"
#include "core/create/order_names.hpp"
#include "core/music/chord_types.hpp"

namespace fretwise::cli {

namespace {

struct CreateRequest {
    std::string root;  // the chord symbol when no type follows
    std::vector<std::string> type;
    int position = 0;
    int numFrets = kMaxFrets;
    bool allStrings = false;
    CreateOrder order = CreateOrder::Classic;
    bool restTreble = false;
    bool wholeNeck = false;
    std::optional<BassChoice> bass;
    bool flats = false;
    bool json = false;
    bool batch = false;
    OpenStrings strings{};
    Vocabulary vocabulary = Vocabulary::Classic;
};

void Declare(ArgParser& parser, CreateRequest& request) {
    parser.Details(
        "Finds every playable fingering of a chord in the frets in view, easiest first, as the\n"
        "window's Create button does.\n\n"
        "Exit status 1 when the chord cannot be created; the window's message goes to stderr.\n"
        "A symbol with a bass note keeps the shapes whose lowest string plays it; none is\n"
        "\"No fingering of D/F# in frets 1 to 8\". A symbol the program cannot read is\n"
        "exit status 2 with what it could not read.");
    parser.Word("SYMBOL|ROOT", request.root,
                "a chord symbol alone (C#m7b5, Bbmaj7, Am(add9), E5, \"D/F#\" for only\n"
                "the shapes with F# as the lowest note, ...), or a note (A, A#, Bb, ...)\n"
                "or a root index 0-11 (0 = A) followed by TYPE",
                RootOffer());
    parser.Words("TYPE", request.type,
                 "a chord type name (Major, \"Minor Seventh\", ...; any case) or an index\n"
                 "0-37; a name that stands twice means the chord, not the interval",
                 TypeWordOffer());
    DeclareNumber(parser, "--position", "V", request.position, "a number",
                  "the fret line at the top of the view, 0 to N - 8 (default 0); the\n"
                  "search covers frets V + 1 to V + 8 and the open strings");
    DeclareNumber(parser, "--frets", "N", request.numFrets, "a number",
                  "number of frets on the fretboard, 5-20 (default 20); with 8 or fewer\n"
                  "the search covers frets 1 to N - 1");
    parser.Flag("--all-strings", request.allStrings, "created chords always use all six strings");
    parser.Flag("--whole-neck", request.wholeNeck,
                "search the whole neck, frets 1 to 15 (or to N when fewer are shown) and\n"
                "the open strings, whatever the view");
    parser.Value(
        "--order", "ORDER",
        "classic: easiest first (default); guitarist: as guitarists play them,\n"
        "by the score whose terms the README lists; any of the D, A and low E\n"
        "strings may then rest",
        "classic or guitarist",
        [&request](const std::string& text) {
            const std::optional<CreateOrder> order = CreateOrderNamed(text);
            if (!order) {
                throw UsageError("--order must be classic or guitarist, not '" + text + "'");
            }
            request.order = *order;
        },
        OrderOffer());
    parser.Flag("--rest-treble", request.restTreble,
                "the high E string, or the high E and B strings, may be left unplayed");
    parser.Value(
        "--bass", "BASS",
        "with --order guitarist: root puts root-position shapes first (default,\n"
        "or any for a symbol with a bass note); any lets inversions rank by the\n"
        "other terms",
        "root or any",
        [&request](const std::string& text) {
            request.bass = BassChoiceNamed(text);
            if (!request.bass) {
                throw UsageError("--bass must be root or any, not '" + text + "'");
            }
        },
        BassOffer());
    DeclareOpenStrings(parser, request.strings);
    DeclareVocabulary(parser, request.vocabulary);
    parser.Flag("--flats", request.flats,
                "spell the root with flats (default sharps; a symbol written with a\n"
                "flat is spelled with flats)");
    parser.Flag("--json", request.json,
                "print {\"combinations\": N, \"candidates\": [{\"notes\", \"frets\", \"ease\"}],\n"
                "\"symbol\"} with arrays in string order (element 0 = high E); the\n"
                "symbol is null for an interval other than the fifth and the octave; the\n"
                "guitarist order adds each candidate's \"score\" and its \"terms\";\n"
                "\"tuning\" and \"capo\" follow when not standard");
    parser.Flag("--batch", request.batch,
                "read SYMBOL or ROOT TYPE and optional options per line from standard\n"
                "input and print one JSON object per line; a bad line gives {\"error\": ...}");
}

// What to create: the search, and the bass note a symbol asks for.
struct Creation {
    SearchRequest search;
    std::optional<int> bass;
    bool fromSymbol = false;
    Accidentals mode = Accidentals::Sharps;
    int writtenType = 0;  // Am/G searches Minor Seventh but writes Minor

    ChordSymbol Chord() const { return {search.root, writtenType, bass, mode}; }
};

// The search of a chord given as words or as a symbol, without the order.
Creation ChordOf(const CreateRequest& request) {
    if (!request.type.empty() || request.root.empty()) {
        const SearchRequest search =
            SearchFrom(request.root, request.type, request.position, request.numFrets,
                       request.allStrings, request.vocabulary);
        return {search, std::nullopt, false, Spelling(request.flats), search.type};
    }
    const ChordSymbol chord = SymbolFrom(request.root, request.vocabulary);
    CheckPosition(request.position, request.numFrets);
    // The reader accepts a bass outside the chord only where the vocabulary sounds it.
    const SoundedChord sounded = *ChordSounded(chord, request.vocabulary);
    SearchRequest search{chord.root, sounded.type, request.position, request.numFrets,
                         request.allStrings};
    search.vocabulary = request.vocabulary;
    search.addedNote = sounded.addedNote;
    return {search, chord.bass, true, request.flats ? Accidentals::Flats : chord.spelling,
            chord.type};
}

Creation CreationOf(const CreateRequest& request) {
    CheckFretCount(request.numFrets);
    if (request.bass && request.order != CreateOrder::Guitarist) {
        throw UsageError("--bass needs --order guitarist");
    }
    Creation creation = ChordOf(request);
    creation.search.order = request.order;
    creation.search.restTreble = request.restTreble;
    creation.search.wholeNeck = request.wholeNeck;
    creation.search.strings = request.strings;
    // A symbol's bass note is kept by the filter below; the order then ranks the inversions.
    creation.search.bass =
        request.bass.value_or(creation.bass ? BassChoice::Any : BassChoice::Root);
    return creation;
}

void AppendJsonScore(std::string& out, const GuitaristScore& score) {
    out += ",\"score\":";
    AppendJsonFloat(out, score.total);
    out += ",\"terms\":{";
    for (std::size_t k = 0; k < kScoreTerms.size(); ++k) {
        out += k > 0 ? "," : "";
        AppendJsonString(out, kScoreTerms[k].name);
        out += ':';
        AppendJsonFloat(out, score.Points(k));
    }
    out += '}';
}

// The found candidates; with a bass note only those that play it lowest.
SearchResult Create(const Creation& creation) {
    SearchResult result = FindFingerings(creation.search);
    if (creation.bass) {
        KeepCandidatesWithBass(result, *creation.bass);
    }
    return result;
}

bool Failed(const SearchResult& result) {
    return result.failure != SearchFailure::None || result.candidates.empty();
}

// "A Major", or for a symbol "D/F# (D Major, F# in the bass)".
std::string Title(const Creation& creation) {
    const SearchRequest& search = creation.search;
    std::string title = std::string(NoteName(search.root + 1, creation.mode)) + ' ' +
                        std::string(ChordTypeName(search.type, search.vocabulary));
    if (!creation.fromSymbol) {
        return title;
    }
    if (creation.bass) {
        title += ", " + std::string(NoteName(*creation.bass, creation.mode)) + " in the bass";
    }
    const std::optional<std::string> symbol = ChordSymbolText(creation.Chord(), creation.mode);
    return symbol ? *symbol + " (" + title + ")" : title;
}

std::string FailureMessage(const Creation& creation) {
    if (!creation.bass) {
        return std::string(CreateFailureMessage(creation.search.allStrings));
    }
    const std::optional<std::string> symbol = ChordSymbolText(creation.Chord(), creation.mode);
    return NoFingeringWithBass(symbol.value_or(Title(creation)), creation.search);
}

// The notes the search looked for, rising from the root.
std::vector<std::int16_t> SearchedIntervals(const SearchRequest& search) {
    const auto notes = ChordTypeOf(search.type, search.vocabulary).Notes();
    std::vector<std::int16_t> intervals(notes.begin(), notes.end());
    if (search.addedNote >= 0) {
        intervals.insert(std::upper_bound(intervals.begin(), intervals.end(), search.addedNote),
                         static_cast<std::int16_t>(search.addedNote));
    }
    return intervals;
}

void AppendJson(std::string& out, const SearchResult& result, const Creation& creation) {
    const std::vector<float> eases = EasesOf(result, creation.search);
    out += "{\"combinations\":" + std::to_string(result.combinations) + ",\"candidates\":[";
    for (std::size_t k = 0; k < result.candidates.size(); ++k) {
        const Fingering& candidate = result.candidates[k];
        out += k > 0 ? ",{\"notes\":" : "{\"notes\":";
        AppendJsonArray(out, candidate.Note);
        out += ",\"frets\":";
        AppendJsonArray(out, ShapeNotesToFrets(candidate, creation.search.strings).Fret);
        out += ",\"ease\":";
        AppendJsonFloat(out, eases[k]);
        if (!result.scores.empty()) {
            AppendJsonScore(out, result.scores[k]);
        }
        if (!result.omits.empty()) {
            out += ",\"omits\":[";
            const Degrees degrees = OmittedDegrees(result.omits[k]);
            for (std::size_t d = 0; d < degrees.size(); ++d) {
                out += d > 0 ? "," : "";
                AppendJsonString(out, degrees[d]);
            }
            out += ']';
        }
        out += '}';
    }
    out += "],\"symbol\":";
    AppendJsonOptionalString(out, ChordSymbolText(creation.Chord(), creation.mode));
    out += ",\"intervals\":";
    AppendJsonIntervals(out, SearchedIntervals(creation.search));
    AppendJsonOpenStrings(out, creation.search.strings);
    out += '}';
}

void PrintHuman(std::ostream& out, const Creation& creation, const SearchResult& result) {
    PrintOpenStrings(out, creation.search.strings);
    out << Title(creation) << ": " << result.combinations << " combinations, "
        << result.candidates.size() << " playable";
    if (creation.bass) {
        out << " with " << NoteName(*creation.bass, creation.mode) << " in the bass";
    }
    const bool scored = !result.scores.empty();
    const std::vector<float> eases = EasesOf(result, creation.search);
    out << (scored ? ", as guitarists play them" : ", easiest first")
        << " (shapes low E string first)\n";
    for (std::size_t k = 0; k < result.candidates.size(); ++k) {
        std::string figures;
        if (scored) {
            figures += "score ";
            AppendJsonFloat(figures, result.scores[k].total);
            figures += "  ";
        }
        figures += "ease ";
        AppendJsonFloat(figures, eases[k]);
        if (!result.omits.empty()) {
            for (const std::string_view degree : OmittedDegrees(result.omits[k])) {
                figures += "  no ";
                figures += degree;
            }
        }
        out << "  "
            << GuitaristShape(ShapeNotesToFrets(result.candidates[k], creation.search.strings).Fret)
            << "  " << figures << '\n';
    }
}

bool AnswerLine(const CreateRequest& request, std::string& out) {
    const Creation creation = CreationOf(request);
    const SearchResult result = Create(creation);
    if (Failed(result)) {
        out += JsonError(FailureMessage(creation));
        return false;
    }
    AppendJson(out, result, creation);
    return true;
}

int Run(const CreateRequest& request, Io io) {
    if (request.batch) {
        CheckFretCount(request.numFrets);
        if (!request.root.empty() || !request.type.empty()) {
            RefuseWords({&request.root, 1}, "SYMBOL or ROOT TYPE");
        }
        return RunBatchOf(request, Declare, AnswerLine, io);
    }
    const Creation creation = CreationOf(request);
    const SearchResult result = Create(creation);
    if (Failed(result)) {
        const std::string message = FailureMessage(creation);
        io.err << message << '\n';
        if (request.json) {
            io.out << JsonError(message) << '\n';
        }
        return kExitFailure;
    }
    if (request.json) {
        std::string out;
        AppendJson(out, result, creation);
        io.out << out << '\n';
    } else {
        PrintHuman(io.out, creation, result);
    }
    return kExitOk;
}

}  // namespace

std::unique_ptr<Command> MakeCreateCommand() {
    return MakeCommand<CreateRequest, Declare, Run>();
}

}  // namespace fretwise::cli
