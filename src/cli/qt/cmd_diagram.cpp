#include <algorithm>
#include <cctype>
#include <memory>
#include <optional>
#include <ostream>
#include <string_view>

#include "cli/commands/arg_parser.hpp"
#include "cli/commands/chord_args.hpp"
#include "cli/commands/offers.hpp"
#include "cli/commands/shape_arg.hpp"
#include "cli/commands/tuning_args.hpp"
#include "cli/qt/gui_application.hpp"
#include "cli/qt/qt_commands.hpp"
#include "core/storage/whole_number.hpp"
#include "qt/export/diagram_file.hpp"
#include "qt/export/window_diagrams.hpp"
#include "window/fretboard_view.hpp"
#include "window/present.hpp"
#include "window/refresh.hpp"

namespace fretwise::cli {

namespace {

struct DiagramRequest {
    std::vector<std::string> shape;
    DiagramKind kind = DiagramKind::Chord;
    int frets = kMaxFrets;
    int position = 0;
    bool flats = false;
    bool leftHanded = false;
    std::string output;
    OpenStrings strings{};
};

// Digits only: a number of frets or a fret line is never negative.
void DeclareWholeNumber(ArgParser& parser, const std::string& name, const std::string& valueName,
                        int& number, const std::string& explanation) {
    parser.Value(name, valueName, explanation, "a value", [name, &number](const std::string& text) {
        const bool digits = std::all_of(text.begin(), text.end(), [](char c) {
            return std::isdigit(static_cast<unsigned char>(c));
        });
        const std::optional<int> read = digits ? ReadWholeNumber(text) : std::nullopt;
        if (!read) {
            throw UsageError(name + ": '" + text + "' is not a whole number");
        }
        number = *read;
    });
}

std::optional<DiagramKind> KindNamed(std::string_view name) {
    if (name == "chord") {
        return DiagramKind::Chord;
    }
    if (name == "small") {
        return DiagramKind::Small;
    }
    if (name == "notes") {
        return DiagramKind::Notes;
    }
    return std::nullopt;
}

void Declare(ArgParser& parser, DiagramRequest& request) {
    parser.Details("Writes the picture the window would copy or save for a shape.");
    parser.Words("SHAPE", request.shape,
                 "frets low E string first, e.g. 133211, or six values \"1 3 3 2 1 1\";\n"
                 "x or -1 = not played");
    parser.Value(
        "--kind", "K",
        "chord: the chord diagram (313 x 465, the default), small: the small chord\n"
        "diagram (104 x 155), notes: the note diagram (261 x 149)",
        "a value",
        [&request](const std::string& name) {
            const std::optional<DiagramKind> kind = KindNamed(name);
            if (!kind) {
                throw UsageError("--kind must be chord, small or notes, not '" + name + "'");
            }
            request.kind = *kind;
        },
        WordsOffer("kinds", {"chord", "small", "notes"}));
    DeclareWholeNumber(parser, "--position", "V", request.position,
                       "first fret in view, 0 to N - 8 (default 0)");
    DeclareWholeNumber(parser, "--frets", "N", request.frets,
                       "number of frets on the fretboard, 5-20 (default 20)");
    parser.Flag("--flats", request.flats, kFlatsExplanation);
    parser.Flag("--left-handed", request.leftHanded, kLeftHandedExplanation);
    DeclareOpenStrings(parser, request.strings);
    parser.Value(
        "-o", "FILE", "the file to write; its extension chooses the format: .bmp, .png, .svg",
        "a value", [&request](const std::string& file) { request.output = file; },
        FilesOffer({"bmp", "png", "svg"}));
}

std::string CheckArgs(const DiagramRequest& args) {
    if (args.output.empty()) {
        return "-o FILE is needed";
    }
    if (!FormatFromExtension(QString::fromStdString(args.output))) {
        return "the file must end in .bmp, .png or .svg: " + args.output;
    }
    if (args.frets < kMinFrets || args.frets > kMaxFrets) {
        return "--frets must be 5 to 20";
    }
    const int lastPosition = NeckScrollMax(args.frets);
    if (args.position > lastPosition) {
        return "--position must be 0 to " + std::to_string(lastPosition) + " with " +
               std::to_string(args.frets) + " frets";
    }
    return {};
}

int Run(const DiagramRequest& request, Io io) {
    const PerString frets = WholeShape(request.shape);
    if (const std::string fault = CheckArgs(request); !fault.empty()) {
        throw UsageError(fault);
    }

    const auto app = EnsureGuiApplication();
    WindowState window;
    window.numFrets = request.frets;
    window.neckPosition = request.position;
    window.accidentals = request.flats ? Accidentals::Flats : Accidentals::Sharps;
    window.strings = request.strings;
    window.leftHanded = request.leftHanded;
    Fingering shape;
    shape.Fret = frets;
    RefreshChord(window, shape);
    const QString path = QString::fromStdString(request.output);
    const DisplayState display = Present(window);
    if (!WriteDiagramFile(path, request.kind, DiagramOf(display, request.kind),
                          *FormatFromExtension(path))) {
        io.err << "fretwise-cli diagram: cannot write " << request.output << '\n';
        return kExitFailure;
    }
    return kExitOk;
}

}  // namespace

std::unique_ptr<Command> MakeDiagramCommand() {
    return MakeCommand<DiagramRequest, Declare, Run>();
}

}  // namespace fretwise::cli
