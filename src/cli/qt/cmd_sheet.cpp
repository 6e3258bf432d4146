#include <memory>
#include <ostream>

#include "cli/commands/arg_parser.hpp"
#include "cli/commands/chord_args.hpp"
#include "cli/commands/offers.hpp"
#include "cli/commands/song_args.hpp"
#include "cli/qt/gui_application.hpp"
#include "cli/qt/qt_commands.hpp"
#include "qt/export/sheet_file.hpp"

namespace fretwise::cli {

namespace {

struct SheetRequest {
    SongRequest song;
    std::string output;
    bool lyrics = false;
    SheetOptions options;
};

void Declare(ArgParser& parser, SheetRequest& request) {
    parser.Details(
        "Prints a song's chord sheet to a file: the title, subtitles, key and capo on top, a\n"
        "diagram of every chord of the song with its chosen shape and fingers (as 'song'\n"
        "chooses them), and with --lyrics the words with the chords above them on the\n"
        "following lines and pages.\n\n"
        "A song file that cannot be read is exit status 1 with one line on stderr.");
    DeclareSongOptions(parser, request.song);
    parser.Value(
        "-o", "FILE",
        "the file to write; its extension chooses the format: .pdf (one page a page),\n"
        ".svg or .png (" +
            std::to_string(kSheetPngDpi) + " dots per inch; the pages one below the other)",
        "a value", [&request](const std::string& file) { request.output = file; },
        FilesOffer({"pdf", "svg", "png"}));
    parser.Flag("--lyrics", request.lyrics,
                "the words with the chords above them follow the diagrams");
    parser.Value(
        "--paper", "SIZE", "a4 (default) or letter", "a4 or letter",
        [&request](const std::string& text) {
            const std::optional<PaperSize> paper = PaperNamed(text);
            if (!paper) {
                throw UsageError("--paper must be a4 or letter, not '" + text + "'");
            }
            request.options.paper = *paper;
        },
        WordsOffer("papers", {"a4", "letter"}));
    parser.Flag("--left-handed", request.options.leftHanded,
                "draw the diagrams as a left-handed player sees them: low E string on the right");
}

int Run(const SheetRequest& request, Io io) {
    const QString path = QString::fromStdString(request.output);
    if (request.output.empty()) {
        throw UsageError("-o FILE is needed");
    }
    const std::optional<SheetFormat> format = SheetFormatOf(path);
    if (!format) {
        throw UsageError("the file must end in .pdf, .svg or .png: " + request.output);
    }
    const std::optional<LoadedSong> loaded = LoadSong(request.song, "sheet", io.err);
    if (!loaded) {
        return kExitFailure;
    }
    const auto app = EnsureGuiApplication();
    const SongSheet sheet = SheetOf(loaded->file, loaded->song, loaded->plan, request.lyrics);
    if (!WriteSheetFile(path, sheet, request.options, *format)) {
        io.err << "fretwise-cli sheet: cannot write " << request.output << '\n';
        return kExitFailure;
    }
    return kExitOk;
}

}  // namespace

std::unique_ptr<Command> MakeSheetCommand() {
    return MakeCommand<SheetRequest, Declare, Run>();
}

}  // namespace fretwise::cli
