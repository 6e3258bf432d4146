#include <ostream>
#include <string_view>

#include "cli/command_list.hpp"
#include "cli/sound_args.hpp"
#include "sound/synthesis.hpp"
#include "storage/atomic_file.hpp"

namespace fretwise::cli {

namespace {

constexpr std::string_view kHelp =
    "Usage: fretwise-cli wav SHAPE [--strum] -o FILE\n"
    "       fretwise-cli wav --note N -o FILE\n"
    "Renders a chord or a single note as the play buttons do and writes the WAV file\n"
    "(8000 Hz, 8-bit mono: 22,058 bytes for a chord, 10,032 for a note).\n\n"
    "  SHAPE       frets low E string first, e.g. x32010, or six values \"x 3 2 0 1 0\"\n"
    "  --strum     strum the chord (high E string first, 62.5 ms apart)\n"
    "  --note N    a single note instead of a chord: 12 is concert A, each step a semitone\n"
    "  -o FILE     the file to write (replaced whole)\n";

}  // namespace

int RunWav(Args args, Io io) {
    const SoundArgs request = ParseSoundArgs(args, true);
    if (request.help) {
        io.out << kHelp;
        return kExitOk;
    }
    if (!request.error.empty()) {
        io.err << "fretwise-cli wav: " << request.error << '\n';
        return kExitUsage;
    }
    const std::vector<std::uint8_t> wav = request.note
                                              ? RenderNoteWav(*request.note)
                                              : RenderChordWav(request.chordNotes, request.strum);
    if (wav.empty()) {
        io.err << "fretwise-cli wav: every string is muted, there is nothing to render\n";
        return kExitFailure;
    }
    const std::string_view bytes(reinterpret_cast<const char*>(wav.data()), wav.size());
    if (!WriteFileAtomically(request.output, bytes)) {
        io.err << "fretwise-cli wav: cannot write '" << request.output << "'\n";
        return kExitFailure;
    }
    return kExitOk;
}

}  // namespace fretwise::cli
