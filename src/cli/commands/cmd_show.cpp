#include <nlohmann/json.hpp>
#include <ostream>
#include <string_view>

#include "cli/commands/batch.hpp"
#include "cli/commands/chord_args.hpp"
#include "cli/commands/command_list.hpp"
#include "cli/commands/json_text.hpp"
#include "cli/commands/offers.hpp"
#include "cli/commands/shape_arg.hpp"
#include "cli/commands/shape_text.hpp"
#include "cli/commands/tuning_args.hpp"
#include "cli/commands/vocabulary_args.hpp"
#include "window/fretboard_view.hpp"
#include "window/present.hpp"
#include "window/refresh.hpp"

namespace fretwise::cli {

namespace {

using Json = nlohmann::ordered_json;

struct ShowRequest {
    std::vector<std::string> shape;
    int position = 0;
    int numFrets = kMaxFrets;
    bool flats = false;
    bool leftHanded = false;
    int root = -1;  // none chosen
    bool json = false;
    bool batch = false;
    OpenStrings strings{};
    Vocabulary vocabulary = Vocabulary::Classic;
};

void Declare(ArgParser& parser, ShowRequest& request) {
    parser.Details(
        "Shows what the main window shows for a shape clicked onto the fretboard: markers,\n"
        "finger numbers, barre, fret label, string names, the analysis panel and the staff,\n"
        "positions in twips (15 per pixel), computed by the window's own logic.");
    parser.Words("SHAPE", request.shape,
                 "frets low E string first: x32010, or \"x 3 2 0 1 0\" / x,3,2,0,1,0");
    DeclareNumber(parser, "--position", "V", request.position, "a value",
                  "first fret in view (the neck scroll bar), 0 to N - 8 (default 0)");
    DeclareNumber(parser, "--frets", "N", request.numFrets, "a value",
                  "number of frets on the fretboard, 5-20 (default 20)");
    parser.Flag("--flats", request.flats, kFlatsExplanation);
    parser.Flag("--left-handed", request.leftHanded,
                std::string(kLeftHandedExplanation) + "; adds the strings' x positions");
    DeclareOpenStrings(parser, request.strings);
    DeclareVocabulary(parser, request.vocabulary);
    parser.Value(
        "--root", "NAME",
        "the root chosen for creation (A, C#, Bb ... or 0-11); with several names\n"
        "for the chord, the panel shows the one on this root",
        "a value",
        [&request](const std::string& name) {
            const std::optional<int> root = ParseRoot(name);
            if (!root) {
                throw UsageError("unknown root '" + name + "' (a note such as A, C#, Bb, or 0-11)");
            }
            request.root = *root;
        },
        RootOffer());
    parser.Flag("--json", request.json, kJsonObjectExplanation);
    parser.Flag("--batch", request.batch, kBatchShapesExplanation);
}

void CheckView(const ShowRequest& request) {
    CheckFretCount(request.numFrets);
    CheckPosition(request.position, request.numFrets);
}

// The window's display for the shape clicked onto a fretboard started afresh, as the window
// itself computes it.
DisplayState ShowShape(const ShowRequest& request) {
    WindowState window;
    window.numFrets = request.numFrets;
    window.neckPosition = request.position;
    window.accidentals = request.flats ? Accidentals::Flats : Accidentals::Sharps;
    window.rootIndex = request.root;
    window.strings = request.strings;
    window.leftHanded = request.leftHanded;
    window.vocabulary = request.vocabulary;
    Fingering shape;
    shape.Fret = WholeShape(request.shape, " after the shape");
    RefreshChord(window, shape);
    return Present(window);
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

Json ToJson(const DisplayState& d, const OpenStrings& strings) {
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
    if (board.leftHanded) {
        Json x = Json::array();
        for (int s = 0; s < kStringCount; ++s) {
            x.push_back(StringLineX(board, s));
        }
        out["left_handed"] = {{"string_x", x}};
    }
    if (!strings.IsStandard()) {
        out["tuning"] = TuningText(strings.tuning, Accidentals::Sharps);
        out["capo"] = strings.capo;
        out["string_captions"] = {{"tuning", d.fretboard.tuningCaption},
                                  {"capo", d.fretboard.capoCaption}};
        out["panel"]["shape"] = d.panel.shapeName;
    }
    return out;
}

void PrintHuman(std::ostream& out, const PerString& frets, const DisplayState& d) {
    const FretboardView& board = d.fretboard;
    if (!board.tuningCaption.empty() || !board.capoCaption.empty()) {
        out << (board.tuningCaption.empty() ? "Tuning: standard" : board.tuningCaption)
            << (board.capoCaption.empty() ? "" : ", " + board.capoCaption) << '\n';
    }
    out << "Shape:      " << GuitaristShape(frets) << "  (low E string first)\n"
        << "Frame:      " << d.chordCaption << '\n'
        << "Panel:      " << d.panel.name.caption << " | " << d.panel.abbrev.caption << " | "
        << d.panel.inversion.caption << " | " << d.panel.thirds.caption << " | "
        << d.panel.fifths.caption << '\n'
        << (d.panel.shapeName.empty() ? "" : "            " + d.panel.shapeName + '\n')
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
    if (board.leftHanded) {
        out << "Mirrored:  ";
        for (int s = kStringCount - 1; s >= 0; --s) {
            out << ' ' << StringLineX(board, s);
        }
        out << "  (string x, low E string first)\n";
    }
}

bool AnswerLine(const ShowRequest& request, std::string& out) {
    CheckView(request);
    out += ToJson(ShowShape(request), request.strings).dump();
    return true;
}

int Run(const ShowRequest& request, Io io) {
    CheckView(request);
    if (request.batch) {
        RefuseWords(request.shape, "the shapes");
        return RunBatchOf(request, Declare, AnswerLine, io);
    }
    const DisplayState shown = ShowShape(request);
    if (request.json) {
        io.out << ToJson(shown, request.strings).dump() << '\n';
    } else {
        PrintHuman(io.out, WholeShape(request.shape), shown);
    }
    return kExitOk;
}

}  // namespace

std::unique_ptr<Command> MakeShowCommand() {
    return MakeCommand<ShowRequest, Declare, Run>();
}

}  // namespace fretwise::cli
