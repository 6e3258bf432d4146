#include <ostream>

#include "cli/commands/arg_parser.hpp"
#include "cli/commands/command_list.hpp"
#include "cli/commands/named_chord.hpp"
#include "cli/commands/offers.hpp"
#include "cli/commands/vocabulary_args.hpp"
#include "core/storage/chord_file.hpp"
#include "core/storage/file_messages.hpp"

namespace fretwise::cli {

namespace {

struct OpenRequest {
    std::string file;
    bool json = false;
    Vocabulary vocabulary = Vocabulary::Classic;
};

void Declare(ArgParser& parser, OpenRequest& request) {
    parser.Details(
        "Reads a chord file as the window's \"Open...\" does and names the chord as 'name'\n"
        "does: the frets come from the notes in the file, fingered for the number of frets it\n"
        "gives (kept within 5-20).");
    parser.Word("FILE", request.file, "the chord file (.fw)", FilesOffer({"fw"}));
    DeclareVocabulary(parser, request.vocabulary);
    parser.Flag("--json", request.json,
                "print one JSON object: \"numFrets\", then the keys of 'name --json'\n"
                "(with \"tuning\" and \"capo\" when the file has them)");
    parser.Stray([](const std::string& word) {
        return IsOptionWord(word) ? "unknown option '" + word + "'"
                                  : "one FILE only, not also '" + word + "'";
    });
}

std::string Reason(const ChordFileRead& read) {
    const std::string line = "line " + std::to_string(read.FailedLine());
    switch (read.failure) {
        case ReadFailure::CannotOpen:
            return "the file cannot be read";
        case ReadFailure::MissingValue:
            return line + " is missing (a chord file has seven lines, or nine with a tuning)";
        case ReadFailure::OutOfRange:
            return line + " is not a number from -32768 to 32767";
        case ReadFailure::OffTheNeck:
            return line + " is not a note its string can play (a fret from 0 to " +
                   std::to_string(kHighestFret) + ", or -1)";
        case ReadFailure::BadTuning:
            return line + (read.FailedLine() == kChordFileLineCount + 1
                               ? " is not a tuning (six offsets from " +
                                     std::to_string(kLowestTuningOffset) + " to " +
                                     std::to_string(kHighestTuningOffset) + ", commas between)"
                               : " is not a capo fret from 0 to " + std::to_string(kMaxCapo));
        case ReadFailure::None:
            break;
    }
    return {};
}

int Run(const OpenRequest& request, Io io) {
    const std::string& path = request.file;
    if (path.empty()) {
        throw UsageError("missing FILE");
    }

    const ChordFileRead read = ReadChordFile(std::filesystem::path(path));
    if (!read.Ok()) {
        io.err << "fretwise-cli open: " << kErrorOpeningFile << " '" << path
               << "': " << Reason(read) << '\n';
        return kExitFailure;
    }
    Fingering shape;
    shape.Note = read.notes;
    const Named named = NameShape(ShapeNotesToFrets(shape, read.strings).Fret, *read.numFrets,
                                  Accidentals::Sharps, read.strings, request.vocabulary);
    if (request.json) {
        std::string out = "{\"numFrets\":" + std::to_string(*read.numFrets) + ',';
        std::string object;
        AppendNamedJson(object, named);
        out += object.substr(1);  // the name's keys follow in the same object
        io.out << out << '\n';
    } else {
        io.out << "Frets:     " << *read.numFrets << "  (on the fretboard)\n";
        PrintNamed(io.out, named, Accidentals::Sharps);
    }
    return kExitOk;
}

}  // namespace

std::unique_ptr<Command> MakeOpenCommand() {
    return MakeCommand<OpenRequest, Declare, Run>();
}

}  // namespace fretwise::cli
