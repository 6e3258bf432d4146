#include <ostream>

#include "cli/commands/batch.hpp"
#include "cli/commands/chord_args.hpp"
#include "cli/commands/command_list.hpp"
#include "cli/commands/json_text.hpp"
#include "cli/commands/named_chord.hpp"
#include "cli/commands/shape_arg.hpp"
#include "cli/commands/tuning_args.hpp"
#include "cli/commands/vocabulary_args.hpp"

namespace fretwise::cli {

namespace {

struct NameRequest {
    std::vector<std::string> shape;
    bool flats = false;
    int numFrets = kMaxFrets;
    bool json = false;
    bool batch = false;
    OpenStrings strings{};
    Vocabulary vocabulary = Vocabulary::Classic;
};

void Declare(ArgParser& parser, NameRequest& request) {
    parser.Details("Names the chord of a shape and fingers it as the window does.");
    parser.Words("SHAPE", request.shape,
                 "frets low E string first: six characters (x32010, digit or x) or six\n"
                 "values \"x 3 2 0 1 0\" / x,3,2,0,1,0 for frets of 10 and more; x or -1 =\n"
                 "not played, frets 0-24");
    parser.Flag("--flats", request.flats, kFlatsExplanation);
    DeclareNumber(parser, "--frets", "N", request.numFrets, "a number",
                  "number of frets on the fretboard, 5-20 (default 20); higher frets get\n"
                  "no finger");
    DeclareOpenStrings(parser, request.strings);
    DeclareVocabulary(parser, request.vocabulary);
    parser.Flag("--json", request.json,
                "print one JSON object; arrays are in string order (element 0 = high E);\n"
                "\"tuning\" and \"capo\" when not standard, \"shape_names\" (the names as\n"
                "played without the capo) with a capo; each name's \"intervals\", and in\n"
                "the full vocabulary its \"omits\" ([\"5\"]) and a slash name's \"bass\"");
    parser.Flag("--batch", request.batch, kBatchShapesExplanation);
}

Named NameOf(const NameRequest& request) {
    return NameShape(WholeShape(request.shape, " after the shape"), request.numFrets,
                     Spelling(request.flats), request.strings, request.vocabulary);
}

bool AnswerLine(const NameRequest& request, std::string& out) {
    CheckFretCount(request.numFrets);
    AppendNamedJson(out, NameOf(request));
    return true;
}

int Run(const NameRequest& request, Io io) {
    CheckFretCount(request.numFrets);
    if (request.batch) {
        RefuseWords(request.shape, "the shapes");
        return RunBatchOf(request, Declare, AnswerLine, io);
    }
    const Named named = NameOf(request);
    if (request.json) {
        std::string out;
        AppendNamedJson(out, named);
        io.out << out << '\n';
    } else {
        PrintNamed(io.out, named, Spelling(request.flats));
    }
    return kExitOk;
}

}  // namespace

std::unique_ptr<Command> MakeNameCommand() {
    return MakeCommand<NameRequest, Declare, Run>();
}

}  // namespace fretwise::cli
