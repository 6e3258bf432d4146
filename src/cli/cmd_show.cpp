#include <charconv>
#include <nlohmann/json.hpp>
#include <ostream>
#include <string_view>

#include "cli/batch.hpp"
#include "cli/chord_args.hpp"
#include "cli/command_list.hpp"
#include "cli/json_text.hpp"
#include "cli/shape_arg.hpp"
#include "cli/shape_text.hpp"
#include "window/fretboard_view.hpp"
#include "window/headless_window.hpp"

namespace fretwise::cli {

namespace {

using Json = nlohmann::ordered_json;

constexpr std::string_view kHelp =
    "Usage: fretwise-cli show SHAPE [--position V] [--frets N] [--flats] [--root NAME] [--json]\n"
    "       fretwise-cli show --batch [options]\n"
    "Shows what the main window shows for a shape clicked onto the fretboard: markers,\n"
    "finger numbers, barre, fret label, string names, the analysis panel and the staff,\n"
    "positions in twips (15 per pixel), computed by the window's own logic.\n\n"
    "  SHAPE        frets low E string first: x32010, or \"x 3 2 0 1 0\" / x,3,2,0,1,0\n"
    "  --position V first fret in view (the neck scroll bar), 0 to N - 8 (default 0)\n"
    "  --frets N    number of frets on the fretboard, 5-20 (default 20)\n"
    "  --flats      spell the notes with flats (default sharps)\n"
    "  --root NAME  the root chosen for creation (A, C#, Bb ... or 0-11); with several names\n"
    "               for the chord, the panel shows the one on this root\n"
    "  --json       print one JSON object; arrays are in string order (element 0 = high E)\n"
    "  --batch      read one shape with optional options per line from standard input and\n"
    "               print one JSON object per line; a bad line gives {\"error\": ...}\n";

struct ShowArgs {
    std::vector<std::string> positional;
    std::vector<std::string> options;  // as given, values included
    int position = 0;
    int numFrets = kDefaultFrets;
    bool flats = false;
    int root = -1;
    bool json = false;
    bool batch = false;
    bool help = false;
    std::string error;
};

std::optional<int> ParseNumber(std::string_view text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

ShowArgs ParseShowArgs(Args args) {
    ShowArgs parsed;
    for (std::size_t k = 0; k < args.size() && parsed.error.empty(); ++k) {
        const std::string& arg = args[k];
        if (arg.size() < 2 || arg[0] != '-' || (arg[1] != '-' && arg != "-h")) {
            parsed.positional.push_back(arg);
            continue;
        }
        parsed.options.push_back(arg);
        const auto value = [&]() -> std::optional<std::string> {
            if (k + 1 >= args.size()) {
                parsed.error = arg + " needs a value";
                return std::nullopt;
            }
            parsed.options.push_back(args[++k]);
            return args[k];
        };
        const auto number = [&]() -> std::optional<int> {
            const std::optional<std::string> text = value();
            if (!text) {
                return std::nullopt;
            }
            const std::optional<int> n = ParseNumber(*text);
            if (!n) {
                parsed.error = arg + ": '" + *text + "' is not a number";
            }
            return n;
        };
        if (arg == "--help" || arg == "-h") {
            parsed.help = true;
        } else if (arg == "--json") {
            parsed.json = true;
        } else if (arg == "--batch") {
            parsed.batch = true;
        } else if (arg == "--flats") {
            parsed.flats = true;
        } else if (arg == "--frets") {
            parsed.numFrets = number().value_or(parsed.numFrets);
        } else if (arg == "--position") {
            parsed.position = number().value_or(parsed.position);
        } else if (arg == "--root") {
            if (const std::optional<std::string> name = value()) {
                const std::optional<int> root = ParseRoot(*name);
                if (!root) {
                    parsed.error =
                        "unknown root '" + *name + "' (a note such as A, C#, Bb, or 0-11)";
                }
                parsed.root = root.value_or(-1);
            }
        } else {
            parsed.error = "unknown option " + arg;
        }
    }
    if (!parsed.error.empty()) {
        return parsed;
    }
    if (parsed.numFrets < kFewestFrets || parsed.numFrets > kMostFrets) {
        parsed.error = "--frets must be " + std::to_string(kFewestFrets) + " to " +
                       std::to_string(kMostFrets) + ", not " + std::to_string(parsed.numFrets);
    } else if (const int highest = NeckScrollMax(parsed.numFrets);
               parsed.position < 0 || parsed.position > highest) {
        parsed.error = "--position must be 0 to " + std::to_string(highest) + " with " +
                       std::to_string(parsed.numFrets) + " frets, not " +
                       std::to_string(parsed.position);
    }
    return parsed;
}

// The window's display for the shape, as the window itself computes it.
DisplayState ShowShape(const PerString& frets, const ShowArgs& args) {
    HeadlessWindow window;
    window.Controller().ShowShape(frets, args.numFrets, args.position, args.flats, args.root);
    return window.Controller().Display();
}

Json Placed(const StaffItemView& item, bool withText) {
    if (!item.visible) {
        return nullptr;
    }
    Json placed = Json::object();
    if (withText) {
        placed["text"] = item.text;
    }
    placed["left"] = item.left;
    placed["top"] = item.top;
    return placed;
}

Json ToJson(const DisplayState& d) {
    const FretboardView& board = d.fretboard;
    Json markers = Json::array();
    Json fingerLabels = Json::array();
    Json dashed = Json::array();
    Json heads = Json::array();
    Json accidentals = Json::array();
    Json fingers = Json::array();
    for (int s = 0; s < kStringCount; ++s) {
        markers.push_back({{"visible", board.markers[s].visible}, {"top", board.markers[s].top}});
        fingerLabels.push_back(board.markers[s].fingerText);
        dashed.push_back(board.strings[s].dashed);
        heads.push_back(Placed(d.staff.heads[s], false));
        accidentals.push_back(Placed(d.staff.accidentals[s], true));
        fingers.push_back(Placed(d.staff.fingers[s], true));
    }
    const AnalysisPanelView& p = d.panel;
    Json out;
    out["markers"] = markers;
    out["finger_labels"] = fingerLabels;
    out["bar"] = {{"visible", board.bar.visible},
                  {"y", board.bar.y},
                  {"x1", board.bar.x1},
                  {"x2", board.bar.x2}};
    out["fret_label"] = {{"caption", board.fretLabel.caption}, {"top", board.fretLabel.top}};
    out["string_labels"] = board.stringLabels;
    out["strings_dashed"] = dashed;
    out["panel"] = {{"name", p.name.caption},
                    {"abbrev", p.abbrev.caption},
                    {"inversion", p.inversion.caption},
                    {"thirds", p.thirds.caption},
                    {"fifths", p.fifths.caption},
                    {"enabled",
                     {p.name.enabled, p.abbrev.enabled, p.inversion.enabled, p.thirds.enabled,
                      p.fifths.enabled}},
                    {"frame", d.chordCaption},
                    {"short", board.shortName},
                    {"scroll",
                     {{"max", d.nameScroll.max},
                      {"value", d.nameScroll.value},
                      {"enabled", d.nameScroll.enabled}}}};
    out["staff"] = {{"heads", heads},
                    {"accidentals", accidentals},
                    {"fingers", fingers},
                    {"upper_ledgers", d.staff.upperLedgers},
                    {"lower_ledgers", d.staff.lowerLedgers}};
    return out;
}

void PrintHuman(std::ostream& out, const PerString& frets, const DisplayState& d) {
    const FretboardView& board = d.fretboard;
    out << "Shape:      " << GuitaristShape(frets) << "  (low E string first)\n"
        << "Frame:      " << d.chordCaption << '\n'
        << "Panel:      " << d.panel.name.caption << " | " << d.panel.abbrev.caption << " | "
        << d.panel.inversion.caption << " | " << d.panel.thirds.caption << " | "
        << d.panel.fifths.caption << '\n'
        << "Names:      " << d.nameScroll.value + 1 << " of " << d.nameScroll.max + 1 << '\n'
        << "Strings:   ";
    for (int s = kStringCount - 1; s >= 0; --s) {
        out << ' ' << board.stringLabels[s];
    }
    out << "\nMarkers:   ";
    for (int s = kStringCount - 1; s >= 0; --s) {
        const MarkerView& m = board.markers[s];
        out << ' ' << (m.visible ? m.fingerText + "@" + std::to_string(m.top) : "-");
    }
    out << "  (finger@top, low E string first)\n"
        << "Barre:      "
        << (board.bar.visible
                ? "at " + std::to_string(board.bar.y) + " from " + std::to_string(board.bar.x1) +
                      " to " + std::to_string(board.bar.x2)
                : std::string("none"))
        << "\nFret label: " << board.fretLabel.caption << " at " << board.fretLabel.top
        << "\nStaff:     ";
    for (int s = kStringCount - 1; s >= 0; --s) {
        const StaffItemView& head = d.staff.heads[s];
        out << ' ' << (head.visible ? std::to_string(head.top) : "-");
    }
    out << "  (head tops, low E string first); ledger lines " << d.staff.upperLedgers << " above, "
        << d.staff.lowerLedgers << " below\n";
}

bool AnswerLine(const std::vector<std::string>& line, std::string& out) {
    const ShowArgs args = ParseShowArgs(line);
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
    out += ToJson(ShowShape(*frets, args)).dump();
    return true;
}

}  // namespace

int RunShow(Args argv, Io io) {
    const ShowArgs args = ParseShowArgs(argv);
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
        io.err << "fretwise-cli show: " << error << '\n';
        return kExitUsage;
    }
    const DisplayState shown = ShowShape(*frets, args);
    if (args.json) {
        io.out << ToJson(shown).dump() << '\n';
    } else {
        PrintHuman(io.out, *frets, shown);
    }
    return kExitOk;
}

}  // namespace fretwise::cli
