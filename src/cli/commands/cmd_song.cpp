#include <ostream>

#include "cli/commands/command_list.hpp"
#include "cli/commands/json_text.hpp"
#include "cli/commands/shape_text.hpp"
#include "cli/commands/song_args.hpp"
#include "core/music/tuning.hpp"

namespace fretwise::cli {

namespace {

struct SongCommandRequest {
    SongRequest song;
    bool json = false;
    bool chordPro = false;
};

void Declare(ArgParser& parser, SongCommandRequest& request) {
    parser.Details(
        "Reads a ChordPro song, moves it, finds the capo and chooses a shape for every chord so\n"
        "that the hand moves little from one to the next: by default the title, the key, the\n"
        "capo and each chord once, in order of first appearance, with its shape (low E string\n"
        "first) and fingers. A shape the song defines with {define} stays.\n\n"
        "A file that cannot be read, is no UTF-8 text or is larger than 1 MB is exit status 1\n"
        "with one line on stderr.");
    DeclareSongOptions(parser, request.song);
    parser.Flag("--json", request.json,
                "print {\"title\", \"subtitle\", \"artist\", \"key\", \"key_heard\", \"capo\",\n"
                "\"transpose\", \"chords\": [{\"symbol\", \"frets\", \"fingers\", \"defined\",\n"
                "\"sounds\"}], \"unknown\"}; arrays in string order (element 0 = high E);\n"
                "\"capo_costs\" (capo 0-7) with --capo auto, \"tuning\" when not standard");
    parser.Flag("--chordpro", request.chordPro,
                "print the song as ChordPro, moved, with the capo, no {transpose} left and\n"
                "a {define} per chord of its chosen shape");
}

// Fingers as frets are written, low E string first, x on the strings not played.
std::string FingersText(const Fingering& shape) {
    PerString fingers = shape.Finger;
    for (int s = 0; s < kStringCount; ++s) {
        fingers[s] = shape.Fret[s] < 0 ? kMuted : std::max<std::int16_t>(fingers[s], 0);
    }
    return GuitaristShape(fingers);
}

PerString FingerValues(const Fingering& shape) {
    PerString fingers = shape.Finger;
    for (std::int16_t& finger : fingers) {
        finger = std::max<std::int16_t>(finger, 0);
    }
    return fingers;
}

void AppendOptionalText(std::string& out, std::string_view key, const std::string& text) {
    out += ",\"";
    out += key;
    out += "\":";
    AppendJsonOptionalString(out, text.empty() ? std::nullopt : std::optional(text));
}

std::string Json(const LoadedSong& loaded, const SongRequest& request) {
    const SongInfo& info = loaded.file.songs[loaded.song].info;
    const SongPlan& plan = loaded.plan;
    const ArrangedSong& arranged = plan.arranged;
    std::string out = "{\"title\":";
    AppendJsonOptionalString(out, info.title.empty() ? std::nullopt : std::optional(info.title));
    AppendOptionalText(out, "subtitle", info.subtitles.empty() ? "" : info.subtitles.front());
    AppendOptionalText(out, "artist", info.artist);
    AppendOptionalText(out, "key", arranged.key);
    AppendOptionalText(out, "key_heard", arranged.keyHeard);
    out += ",\"capo\":" + std::to_string(arranged.capo);
    out += ",\"transpose\":" + std::to_string(plan.setting.transpose);
    out += ",\"chords\":[";
    bool first = true;
    for (std::size_t k = 0; k < arranged.chords.size(); ++k) {
        const std::optional<Fingering>& shape = plan.shapes.shapes[k];
        if (!shape) {
            continue;
        }
        const PlayedChord& chord = arranged.chords[k];
        out += first ? "{\"symbol\":" : ",{\"symbol\":";
        first = false;
        AppendJsonString(out, chord.shape);
        out += ",\"frets\":";
        AppendJsonArray(out, shape->Fret);
        out += ",\"fingers\":";
        AppendJsonArray(out, FingerValues(*shape));
        out += chord.defined ? ",\"defined\":true" : ",\"defined\":false";
        out += ",\"sounds\":";
        AppendJsonString(out, chord.sounding);
        out += '}';
    }
    out += "],\"unknown\":[";
    first = true;
    for (std::size_t k = 0; k < arranged.chords.size(); ++k) {
        if (!plan.shapes.shapes[k]) {
            out += first ? "" : ",";
            first = false;
            AppendJsonString(out, arranged.chords[k].shape);
        }
    }
    out += ']';
    if (plan.suggestion) {
        out += ",\"capo_costs\":[";
        for (std::size_t c = 0; c < plan.suggestion->costs.size(); ++c) {
            out += c > 0 ? "," : "";
            AppendJsonFloat(out, plan.suggestion->costs[c]);
        }
        out += ']';
    }
    if (!request.search.strings.tuning.IsStandard()) {
        out += ",\"tuning\":";
        AppendJsonString(out, TuningText(request.search.strings.tuning, Accidentals::Sharps));
    }
    out += '}';
    return out;
}

void PrintText(std::ostream& out, const LoadedSong& loaded, const SongRequest& request) {
    const SongInfo& info = loaded.file.songs[loaded.song].info;
    const SongPlan& plan = loaded.plan;
    const ArrangedSong& arranged = plan.arranged;
    out << "Title:     " << (info.title.empty() ? "(none)" : info.title) << '\n';
    for (const std::string& subtitle : info.subtitles) {
        out << "Subtitle:  " << subtitle << '\n';
    }
    if (!info.artist.empty()) {
        out << "Artist:    " << info.artist << '\n';
    }
    if (!arranged.key.empty()) {
        out << "Key:       " << arranged.key;
        if (arranged.capo != 0) {
            out << " (sounds " << arranged.keyHeard << " with the capo)";
        }
        out << '\n';
    }
    out << "Capo:      "
        << (arranged.capo == 0 ? std::string("none") : "fret " + std::to_string(arranged.capo))
        << (plan.suggestion ? " (suggested)" : "") << '\n';
    if (plan.setting.transpose != 0) {
        out << "Transpose: " << (plan.setting.transpose > 0 ? "+" : "") << plan.setting.transpose
            << " semitones\n";
    }
    if (!request.search.strings.tuning.IsStandard()) {
        out << "Tuning:    " << TuningText(request.search.strings.tuning, Accidentals::Sharps)
            << '\n';
    }
    out << "Chords:    shapes low E string first, then fingers\n";
    for (std::size_t k = 0; k < arranged.chords.size(); ++k) {
        const PlayedChord& chord = arranged.chords[k];
        const std::optional<Fingering>& shape = plan.shapes.shapes[k];
        std::string name = chord.shape;
        name.resize(std::max<std::size_t>(name.size(), 9), ' ');
        out << "  " << name;
        if (!shape) {
            out << "unknown chord\n";
            continue;
        }
        std::string frets = GuitaristShape(shape->Fret);
        frets.resize(std::max<std::size_t>(frets.size(), 17), ' ');
        out << frets << FingersText(*shape);
        if (arranged.capo != 0) {
            out << "  sounds " << chord.sounding;
        }
        out << (chord.defined ? "  (the song's own shape)" : "") << '\n';
    }
    if (plan.suggestion) {
        out << "Capo costs (lower is easier):";
        for (std::size_t c = 0; c < plan.suggestion->costs.size(); ++c) {
            std::string cost;
            AppendJsonFloat(cost, plan.suggestion->costs[c]);
            out << (c > 0 ? ", " : " ") << c << ": " << cost;
        }
        out << '\n';
    }
}

int Run(const SongCommandRequest& request, Io io) {
    if (request.json && request.chordPro) {
        throw UsageError("--json and --chordpro cannot be given together");
    }
    const std::optional<LoadedSong> loaded = LoadSong(request.song, "song", io.err);
    if (!loaded) {
        return kExitFailure;
    }
    if (request.json) {
        io.out << Json(*loaded, request.song) << '\n';
    } else if (request.chordPro) {
        io.out << RewrittenSong(loaded->file, loaded->song,
                                {loaded->plan.setting, DefinesOf(loaded->plan)});
    } else {
        PrintText(io.out, *loaded, request.song);
    }
    return kExitOk;
}

}  // namespace

std::unique_ptr<Command> MakeSongCommand() {
    return MakeCommand<SongCommandRequest, Declare, Run>();
}

}  // namespace fretwise::cli
