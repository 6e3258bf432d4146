#include "cli/commands/tuning_args.hpp"

#include <ostream>

#include "cli/commands/json_text.hpp"
#include "cli/commands/offers.hpp"
#include "core/storage/whole_number.hpp"

namespace fretwise::cli {

void DeclareTuning(ArgParser& parser, Tuning& tuning) {
    parser.Value(
        "--tuning", "T",
        "the tuning: standard (default), drop-d, half-down, whole-down, drop-c,\n"
        "dadgad, open-d, open-g, open-e, open-c, or six notes low string first\n"
        "(D2,A2,D3,G3,B3,E4), each within 5 below and 4 above standard",
        "a tuning",
        [&tuning](const std::string& text) {
            const TuningReading reading = ReadTuning(text);
            if (!reading.tuning) {
                throw UsageError("--tuning " + reading.error);
            }
            tuning = *reading.tuning;
        },
        TuningOffer());
}

void DeclareOpenStrings(ArgParser& parser, OpenStrings& strings) {
    DeclareTuning(parser, strings.tuning);
    parser.Value(
        "--capo", "N",
        "a capo at fret N, 0-" + std::to_string(kMaxCapo) +
            " (default 0); frets are counted from the capo",
        "a fret",
        [&strings](const std::string& text) {
            const std::optional<int> capo = ReadWholeNumber(text);
            if (!capo || *capo < 0 || *capo > kMaxCapo) {
                throw UsageError("--capo '" + text + "': not a fret from 0 to " +
                                 std::to_string(kMaxCapo));
            }
            strings.capo = static_cast<std::int16_t>(*capo);
        },
        CapoOffer());
}

void AppendJsonOpenStrings(std::string& out, const OpenStrings& strings) {
    if (strings.IsStandard()) {
        return;
    }
    out += ",\"tuning\":";
    AppendJsonString(out, TuningText(strings.tuning, Accidentals::Sharps));
    out += ",\"capo\":" + std::to_string(strings.capo);
}

void PrintOpenStrings(std::ostream& out, const OpenStrings& strings) {
    if (strings.IsStandard()) {
        return;
    }
    const TuningPreset* preset = PresetOf(strings.tuning);
    out << "Tuning:    " << TuningText(strings.tuning, Accidentals::Sharps);
    if (preset != nullptr) {
        out << " (" << preset->name << ')';
    }
    out << "\nCapo:      "
        << (strings.capo == 0 ? std::string("none") : "fret " + std::to_string(strings.capo))
        << '\n';
}

}  // namespace fretwise::cli
