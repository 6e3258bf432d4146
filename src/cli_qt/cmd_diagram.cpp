#include <QGuiApplication>
#include <algorithm>
#include <cctype>
#include <memory>
#include <optional>
#include <ostream>
#include <string_view>

#include "cli/shape_arg.hpp"
#include "cli_qt/qt_commands.hpp"
#include "export/diagram_file.hpp"
#include "export/window_diagrams.hpp"
#include "window/headless_window.hpp"

namespace fretwise::cli {

namespace {

constexpr std::string_view kHelp =
    "Usage: fretwise-cli diagram SHAPE --kind chord|small|notes [--position V] [--frets N]\n"
    "                            [--flats] -o FILE\n"
    "Writes the picture the window would copy or save for a shape.\n\n"
    "  SHAPE         frets low E string first, e.g. 133211, or six values \"1 3 3 2 1 1\";\n"
    "                x or -1 = not played\n"
    "  --kind K      chord: the chord diagram (313 x 465), small: the small chord diagram\n"
    "                (104 x 155), notes: the note diagram (261 x 149)\n"
    "  --position V  first fret in view, 0 to N - 8 (default 0)\n"
    "  --frets N     number of frets on the fretboard, 5-20 (default 20)\n"
    "  --flats       spell the notes with flats (default sharps)\n"
    "  -o FILE       the file to write; its extension chooses the format: .bmp, .png, .svg\n";

constexpr int kFewestFrets = 5;
constexpr int kMostFrets = 20;
constexpr int kFretsInView = 8;

struct DiagramArgs {
    std::vector<std::string> shape;
    std::optional<DiagramKind> kind;
    int frets = kMostFrets;
    int position = 0;
    bool flats = false;
    std::string output;
    bool help = false;
};

std::optional<int> WholeNumber(const std::string& text) {
    if (text.empty() || text.size() > 4) {
        return std::nullopt;
    }
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value;
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

// Reads the arguments; the first problem found is put in error.
DiagramArgs ParseDiagramArgs(Args args, std::string& error) {
    DiagramArgs parsed;
    for (std::size_t k = 0; k < args.size() && error.empty(); ++k) {
        const std::string& arg = args[k];
        const bool takesValue =
            arg == "--kind" || arg == "--position" || arg == "--frets" || arg == "-o";
        if (takesValue && k + 1 >= args.size()) {
            error = arg + " needs a value";
            break;
        }
        if (arg == "--help" || arg == "-h") {
            parsed.help = true;
        } else if (arg == "--flats") {
            parsed.flats = true;
        } else if (arg == "--kind") {
            parsed.kind = KindNamed(args[++k]);
            if (!parsed.kind) {
                error = "--kind must be chord, small or notes, not '" + args[k] + "'";
            }
        } else if (arg == "--frets" || arg == "--position") {
            const std::optional<int> n = WholeNumber(args[++k]);
            if (!n) {
                error = arg + ": '" + args[k] + "' is not a whole number";
            } else if (arg == "--frets") {
                parsed.frets = *n;
            } else {
                parsed.position = *n;
            }
        } else if (arg == "-o") {
            parsed.output = args[++k];
        } else if (arg.size() > 1 && arg[0] == '-' &&
                   !std::isdigit(static_cast<unsigned char>(arg[1]))) {
            error = "unknown option " + arg;
        } else {
            parsed.shape.push_back(arg);
        }
    }
    return parsed;
}

std::string CheckArgs(const DiagramArgs& args) {
    if (!args.kind) {
        return "--kind chord, small or notes is needed";
    }
    if (args.output.empty()) {
        return "-o FILE is needed";
    }
    if (!FormatFromExtension(QString::fromStdString(args.output))) {
        return "the file must end in .bmp, .png or .svg: " + args.output;
    }
    if (args.frets < kFewestFrets || args.frets > kMostFrets) {
        return "--frets must be 5 to 20";
    }
    const int lastPosition = std::max(0, args.frets - kFretsInView);
    if (args.position > lastPosition) {
        return "--position must be 0 to " + std::to_string(lastPosition) + " with " +
               std::to_string(args.frets) + " frets";
    }
    return {};
}

// Painting needs a GUI application; without a display it paints offscreen.
std::unique_ptr<QGuiApplication> EnsureGuiApplication() {
    if (QCoreApplication::instance() != nullptr) {
        return nullptr;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static int argc = 1;
    static char name[] = "fretwise-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace

int RunDiagram(Args args, Io io) {
    std::string error;
    const DiagramArgs parsed = ParseDiagramArgs(args, error);
    if (parsed.help && error.empty()) {
        io.out << kHelp;
        return kExitOk;
    }
    const ShapeArg shape = error.empty() ? ParseShape(parsed.shape) : ShapeArg{};
    if (error.empty() && !shape.frets) {
        error = shape.error;
    } else if (error.empty() && shape.consumed != static_cast<int>(parsed.shape.size())) {
        error = "unexpected argument '" + parsed.shape[shape.consumed] + "'";
    }
    if (error.empty()) {
        error = CheckArgs(parsed);
    }
    if (!error.empty()) {
        io.err << "fretwise-cli diagram: " << error << '\n';
        return kExitUsage;
    }

    const auto app = EnsureGuiApplication();
    HeadlessWindow window;
    if (!window.Controller().ShowShape(*shape.frets, parsed.frets, parsed.position, parsed.flats,
                                       -1)) {
        io.err << "fretwise-cli diagram: the window refused position " << parsed.position << '\n';
        return kExitUsage;
    }
    const QString path = QString::fromStdString(parsed.output);
    const DisplayState& display = window.Controller().Display();
    if (!WriteDiagramFile(path, *parsed.kind, DiagramOf(display, *parsed.kind),
                          *FormatFromExtension(path))) {
        io.err << "fretwise-cli diagram: cannot write " << parsed.output << '\n';
        return kExitFailure;
    }
    return kExitOk;
}

}  // namespace fretwise::cli
