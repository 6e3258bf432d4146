#include <ostream>
#include <string_view>

#include "cli/command_list.hpp"
#include "cli/named_chord.hpp"
#include "storage/chord_file.hpp"
#include "storage/file_messages.hpp"

namespace fretwise::cli {

namespace {

constexpr std::string_view kHelp =
    "Usage: fretwise-cli open FILE [--json]\n"
    "Reads a chord file as the window's \"Open...\" does and names the chord as 'name'\n"
    "does: the frets come from the notes in the file, fingered for the number of frets it\n"
    "gives (kept within 5-20).\n\n"
    "  FILE        the chord file (.fw)\n"
    "  --json      print one JSON object: \"numFrets\", then the keys of 'name --json'\n";

std::string Reason(const ChordFileRead& read) {
    const std::string line = "line " + std::to_string(read.FailedLine());
    switch (read.failure) {
        case ReadFailure::CannotOpen:
            return "the file cannot be read";
        case ReadFailure::MissingValue:
            return line + " is missing (a chord file has seven lines)";
        case ReadFailure::OutOfRange:
            return line + " is not a number from -32768 to 32767";
        case ReadFailure::OffTheNeck:
            return line + " is not a note its string can play (a fret from 0 to " +
                   std::to_string(kHighestFret) + ", or -1)";
        case ReadFailure::None:
            break;
    }
    return {};
}

}  // namespace

int RunOpen(Args args, Io io) {
    std::string path;
    bool json = false;
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h") {
            io.out << kHelp;
            return kExitOk;
        }
        if (arg == "--json") {
            json = true;
        } else if (arg.size() > 1 && arg[0] == '-') {
            io.err << "fretwise-cli open: unknown option '" << arg << "'\n";
            return kExitUsage;
        } else if (!path.empty()) {
            io.err << "fretwise-cli open: one FILE only, not also '" << arg << "'\n";
            return kExitUsage;
        } else {
            path = arg;
        }
    }
    if (path.empty()) {
        io.err << "fretwise-cli open: missing FILE\n";
        return kExitUsage;
    }

    const ChordFileRead read = ReadChordFile(std::filesystem::path(path));
    if (!read.Ok()) {
        io.err << "fretwise-cli open: " << kErrorOpeningFile << " '" << path
               << "': " << Reason(read) << '\n';
        return kExitFailure;
    }
    Fingering shape;
    shape.Note = read.notes;
    ChordArgs fretboard;
    fretboard.numFrets = *read.numFrets;
    const Named named = NameShape(ShapeNotesToFrets(shape).Fret, fretboard);
    if (json) {
        std::string out = "{\"numFrets\":" + std::to_string(*read.numFrets) + ',';
        std::string object;
        AppendNamedJson(object, named);
        out += object.substr(1);  // the name's keys follow in the same object
        io.out << out << '\n';
    } else {
        io.out << "Frets:     " << *read.numFrets << "  (on the fretboard)\n";
        PrintNamed(io.out, named, fretboard.mode);
    }
    return kExitOk;
}

}  // namespace fretwise::cli
