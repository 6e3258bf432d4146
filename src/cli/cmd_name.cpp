#include <ostream>
#include <string_view>

#include "analysis/assign_fingering.hpp"
#include "analysis/chord_analysis.hpp"
#include "cli/batch.hpp"
#include "cli/chord_args.hpp"
#include "cli/command_list.hpp"
#include "cli/json_text.hpp"
#include "cli/shape_text.hpp"

namespace fretwise::cli {

namespace {

constexpr std::string_view kHelp =
    "Usage: fretwise-cli name SHAPE [--flats] [--frets N] [--json]\n"
    "       fretwise-cli name --batch [--flats] [--frets N]\n"
    "Names the chord of a shape and fingers it as the window does.\n\n"
    "  SHAPE       frets low E string first: six characters (x32010, digit or x) or six\n"
    "              values \"x 3 2 0 1 0\" / x,3,2,0,1,0 for frets of 10 and more; x or -1 =\n"
    "              not played, frets 0-24\n"
    "  --flats     spell the notes with flats (default sharps)\n"
    "  --frets N   number of frets on the fretboard, 5-20 (default 20); higher frets get\n"
    "              no finger\n"
    "  --json      print one JSON object; arrays are in string order (element 0 = high E)\n"
    "  --batch     read one shape with optional options per line from standard input and\n"
    "              print one JSON object per line; a bad line gives {\"error\": ...}\n";

struct Named {
    Fingering fingering;  // frets, notes, fingers, barre, playable and ease
    ChordAnalysis analysis;
};

Named NameShape(const PerString& frets, const ChordArgs& args) {
    Fingering shape;
    shape.Fret = frets;
    const Fingering fingering = AssignFingering(ShapeFretsToNotes(shape), args.numFrets);
    return {fingering, AnalyseChord(fingering, args.mode)};
}

void AppendJson(std::string& out, const Named& named) {
    const Fingering& f = named.fingering;
    out += "{\"frets\":";
    AppendJsonArray(out, f.Fret);
    out += ",\"notes\":";
    AppendJsonArray(out, f.Note);
    out += ",\"fingers\":";
    AppendJsonArray(out, f.Finger);
    out += ",\"barre\":{\"from\":" + std::to_string(f.BarreFrom) +
           ",\"to\":" + std::to_string(f.BarreTo) + ",\"fret\":" + std::to_string(f.BarreFret);
    out += f.Playable ? "},\"playable\":true,\"ease\":" : "},\"playable\":false,\"ease\":";
    AppendJsonFloat(out, f.Ease);
    out += ",\"names\":[";
    for (int k = 0; k < named.analysis.NameCount; ++k) {
        const ChordName& name = named.analysis.ChordNames[k];
        out += k > 0 ? ",{\"root\":" : "{\"root\":";
        AppendJsonString(out, name.Root);
        out += ",\"name\":";
        AppendJsonString(out, name.Name);
        out += ",\"abbrev\":";
        AppendJsonString(out, name.Abbrev);
        out += ",\"thirds\":" + std::to_string(name.Thirds) +
               ",\"fifths\":" + std::to_string(name.Fifths) + ",\"inversion\":";
        AppendJsonString(out, name.Inversion);
        out += '}';
    }
    out += "]}";
}

void PrintHuman(std::ostream& out, const Named& named, Accidentals mode) {
    const Fingering& f = named.fingering;
    out << "Shape:     " << GuitaristShape(f.Fret) << "  (low E string first)\nNotes:    ";
    for (int s = kStringCount - 1; s >= 0; --s) {
        out << ' ' << NoteName(f.Note[s], mode);
    }
    out << '\n';
    if (named.analysis.NameCount == 0) {
        out << "Name:      none\n";
    }
    for (int k = 0; k < named.analysis.NameCount; ++k) {
        const ChordName& name = named.analysis.ChordNames[k];
        out << "Name:      " << name.Root << ' ' << name.Name << " (" << name.Root << name.Abbrev
            << "), thirds " << name.Thirds << ", fifths " << name.Fifths << ", inversion "
            << name.Inversion << '\n';
    }
    out << "Fingers:  ";
    for (int s = kStringCount - 1; s >= 0; --s) {
        out << ' ' << (f.Fret[s] == kMuted ? std::string("x") : std::to_string(f.Finger[s]));
    }
    out << "  (low E string first, 0 = no finger)\nBarre:     ";
    if (f.HasBarre()) {
        out << "fret " << f.BarreFret << ", strings " << f.BarreFrom << " to " << f.BarreTo
            << " (0 = high E)\n";
    } else {
        out << "none\n";
    }
    std::string ease;
    AppendJsonFloat(ease, f.Ease);
    out << "Playable:  " << (f.Playable ? "yes" : "no") << "\nEase:      " << ease << '\n';
}

bool AnswerLine(const std::vector<std::string>& line, std::string& out) {
    const ChordArgs args = ParseChordArgs(line, ChordCommand::Name);
    std::string error = args.error;
    if (error.empty() && (args.batch || args.help)) {
        error = "--batch and --help cannot be given on a batch line";
    }
    std::optional<PerString> frets;
    if (error.empty()) {
        frets = ShapeFrom(args, error);
    }
    if (!frets) {
        out += JsonError(error);
        return false;
    }
    AppendJson(out, NameShape(*frets, args));
    return true;
}

}  // namespace

int RunName(Args argv, Io io) {
    const ChordArgs args = ParseChordArgs(argv, ChordCommand::Name);
    if (args.help) {
        io.out << kHelp;
        return kExitOk;
    }
    std::string error = args.error;
    if (error.empty() && args.batch) {
        if (!args.positional.empty()) {
            error =
                "--batch reads the shapes from standard input, not '" + args.positional[0] + "'";
        } else {
            std::vector<std::string> defaults = args.options;
            std::erase(defaults, "--batch");
            std::erase(defaults, "--json");
            return RunBatch(defaults, AnswerLine, io);
        }
    }
    std::optional<PerString> frets;
    if (error.empty()) {
        frets = ShapeFrom(args, error);
    }
    if (!frets) {
        io.err << "fretwise-cli name: " << error << '\n';
        return kExitUsage;
    }
    const Named named = NameShape(*frets, args);
    if (args.json) {
        std::string out;
        AppendJson(out, named);
        io.out << out << '\n';
    } else {
        PrintHuman(io.out, named, args.mode);
    }
    return kExitOk;
}

}  // namespace fretwise::cli
