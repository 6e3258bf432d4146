#include <cmath>
#include <cstdio>
#include <ostream>

#include "cli/commands/arg_parser.hpp"
#include "cli/commands/command_list.hpp"
#include "cli/commands/json_text.hpp"
#include "cli/commands/number_text.hpp"
#include "cli/commands/offers.hpp"
#include "tuner/pitch_frames.hpp"
#include "tuner/tuned_note.hpp"

namespace fretwise::cli {

namespace {

struct PitchRequest {
    std::string file;
    bool json = false;
    bool summary = false;
    double referenceA = kDefaultReferenceA;
};

constexpr char kNoPitch[] = "no pitch";

void Declare(ArgParser& parser, PitchRequest& request) {
    parser.Details(
        "Listens to a WAV file (8-, 16- or 24-bit PCM or 32-bit float, channels mixed down) as\n"
        "the tuner listens and prints, for every 50 ms frame with a pitch, its start time, the\n"
        "frequency, the nearest note (sharps, with its octave) and the cents off that note.\n"
        "Exits 1 when the file holds no pitch.");
    parser.Word("FILE", request.file, "the WAV file", FilesOffer({"wav"}));
    parser.Flag("--json", request.json,
                "print JSON: an array of {\"time\", \"frequency\", \"note\", \"cents\"}");
    parser.Flag("--summary", request.summary,
                "print one line: the median frequency over the frames with a pitch, its note "
                "and cents");
    parser.Value(
        "--a4", "HZ", "the frequency of A4 (default 440)", "a frequency from 430 to 450",
        [&request](const std::string& text) {
            const std::optional<double> hz = ReadDouble(text);
            if (!hz || !IsReferenceA(*hz)) {
                throw UsageError("--a4 needs a frequency from 430 to 450 Hz, not '" + text + "'");
            }
            request.referenceA = *hz;
        });
    parser.Stray([](const std::string& word) {
        return IsOptionWord(word) ? "unknown option '" + word + "'"
                                  : "one FILE only, not also '" + word + "'";
    });
}

// Fixed decimals, and no "-0.0".
std::string Fixed(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    double rounded = std::round(value * scale) / scale;
    if (rounded == 0.0) {
        rounded = 0.0;
    }
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, rounded);
    return text;
}

// The keys "frequency", "note" and "cents" of one reading.
std::string NoteJson(double frequency, const TunedNote& note) {
    std::string out = "\"frequency\":" + Fixed(frequency, 2) + ",\"note\":";
    AppendJsonString(out, note.NoteText());
    return out + ",\"cents\":" + Fixed(note.cents, 1);
}

std::string NoteLine(double frequency, const TunedNote& note) {
    return Fixed(frequency, 2) + " Hz  " + note.NoteText() + "  " + (note.cents > 0 ? "+" : "") +
           Fixed(note.cents, 1) + " cents";
}

int Fail(Io io, const PitchRequest& request, const std::string& message) {
    io.err << "fretwise-cli pitch: " << message << '\n';
    if (request.json) {
        io.out << JsonError(message) << '\n';
    }
    return kExitFailure;
}

int Run(const PitchRequest& request, Io io) {
    if (request.file.empty()) {
        throw UsageError("missing FILE");
    }
    const WavSamplesRead read = ReadWavSamples(request.file);
    const std::string cannotRead = "Cannot read " + request.file + ": ";
    if (!read.sound) {
        return Fail(io, request, cannotRead + read.error);
    }
    if (!PitchTracker::IsSupportedRate(read.sound->sampleRate)) {
        return Fail(io, request,
                    cannotRead + "its sample rate of " + std::to_string(read.sound->sampleRate) +
                        " Hz is outside " + std::to_string(PitchTracker::kLowestRate) + "-" +
                        std::to_string(PitchTracker::kHighestRate) + " Hz");
    }
    const std::vector<PitchFrame> frames = PitchFrames(*read.sound);
    const std::optional<double> median = MedianFrequency(frames);
    if (!median) {
        return Fail(io, request, kNoPitch);
    }
    const auto name = [&request](double hz) {
        return NearestNote(hz, request.referenceA, kStandardStrings);
    };
    if (request.summary) {
        io.out << (request.json ? "{" + NoteJson(*median, name(*median)) + "}"
                                : NoteLine(*median, name(*median)))
               << '\n';
        return kExitOk;
    }
    std::string json = "[";
    for (const PitchFrame& frame : frames) {
        const double hz = frame.reading.frequency;
        if (request.json) {
            json += (json.size() > 1 ? ",{\"time\":" : "{\"time\":") + Fixed(frame.time, 2) + "," +
                    NoteJson(hz, name(hz)) + "}";
        } else {
            io.out << Fixed(frame.time, 2) << " s  " << NoteLine(hz, name(hz)) << '\n';
        }
    }
    if (request.json) {
        io.out << json << "]\n";
    }
    return kExitOk;
}

}  // namespace

std::unique_ptr<Command> MakePitchCommand() {
    return MakeCommand<PitchRequest, Declare, Run>();
}

}  // namespace fretwise::cli
