#include "cli/commands/named_chord.hpp"

#include <ostream>

#include "cli/commands/json_text.hpp"
#include "cli/commands/shape_text.hpp"
#include "cli/commands/tuning_args.hpp"
#include "cli/commands/vocabulary_args.hpp"
#include "core/analysis/assign_fingering.hpp"
#include "core/music/chord_symbol.hpp"
#include "core/music/chord_types.hpp"

namespace fretwise::cli {

namespace {

void AppendJsonNames(std::string& out, const ChordAnalysis& analysis, Vocabulary vocabulary) {
    out += '[';
    for (int k = 0; k < analysis.NameCount; ++k) {
        const ChordName& name = analysis.ChordNames[k];
        out += k > 0 ? ",{\"root\":" : "{\"root\":";
        AppendJsonString(out, name.Root);
        out += ",\"name\":";
        AppendJsonString(out, name.Name);
        out += ",\"abbrev\":";
        AppendJsonString(out, name.Abbrev);
        out += ",\"thirds\":" + std::to_string(name.Thirds) +
               ",\"fifths\":" + std::to_string(name.Fifths) + ",\"inversion\":";
        AppendJsonString(out, name.Inversion);
        out += ",\"symbol\":";
        AppendJsonOptionalString(out, ChordSymbolText(name.Root, name.Type, name.Bass));
        out += ",\"intervals\":";
        AppendJsonIntervals(out, ChordTypeOf(name.Type, vocabulary).Notes());
        if (vocabulary == Vocabulary::Full) {
            out += ",\"omits\":[";
            const Degrees degrees = OmittedDegrees(name.Omits);
            for (std::size_t d = 0; d < degrees.size(); ++d) {
                out += d > 0 ? "," : "";
                AppendJsonString(out, degrees[d]);
            }
            out += ']';
            if (name.ForeignBass) {
                out += ",\"bass\":";
                AppendJsonString(out, name.Bass);
            }
        }
        out += '}';
    }
    out += ']';
}

}  // namespace

Named NameShape(const PerString& frets, int numFrets, Accidentals mode, const OpenStrings& strings,
                Vocabulary vocabulary) {
    Fingering shape;
    shape.Fret = frets;
    const Fingering fingering = AssignFingering(ShapeFretsToNotes(shape, strings), numFrets);
    Named named{fingering, AnalyseChord(fingering, mode, vocabulary), strings, {}, vocabulary};
    if (strings.capo != 0) {
        named.shapeAnalysis =
            AnalyseChord(ShapeFretsToNotes(shape, {strings.tuning, 0}), mode, vocabulary);
    }
    return named;
}

void AppendNamedJson(std::string& out, const Named& named) {
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
    out += ",\"names\":";
    AppendJsonNames(out, named.analysis, named.vocabulary);
    AppendJsonOpenStrings(out, named.strings);
    if (named.shapeAnalysis) {
        out += ",\"shape_names\":";
        AppendJsonNames(out, *named.shapeAnalysis, named.vocabulary);
    }
    out += '}';
}

void PrintNamed(std::ostream& out, const Named& named, Accidentals mode) {
    const Fingering& f = named.fingering;
    PrintOpenStrings(out, named.strings);
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
    if (named.shapeAnalysis) {
        const ChordAnalysis& shapeNames = *named.shapeAnalysis;
        out << "Shape of:  "
            << (shapeNames.NameCount == 0
                    ? std::string("none")
                    : shapeNames.ChordNames[0].Root + ' ' + shapeNames.ChordNames[0].Name)
            << "  (as played without the capo)\n";
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

}  // namespace fretwise::cli
