#include <ostream>
#include <string_view>

#include "cli/commands/command_list.hpp"
#include "cli/commands/sound_args.hpp"
#include "core/sound/synthesis.hpp"
#include "core/storage/atomic_file.hpp"

namespace fretwise::cli {

namespace {

void Declare(ArgParser& parser, SoundRequest& request) {
    parser.Details(
        "Renders a chord or a single note as the play buttons do and writes the WAV file\n"
        "(8000 Hz, 8-bit mono: 22,058 bytes for a chord, 10,032 for a note).");
    DeclareSound(parser, request, true);
}

int Run(const SoundRequest& request, Io io) {
    const std::vector<double> chord = ChordToSound(request, true);
    const std::vector<std::uint8_t> wav =
        request.note
            ? RenderNoteWav(*request.note)
            : RenderChordWav(chord, request.strum ? StrumMode::Strummed : StrumMode::Block);
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

}  // namespace

std::unique_ptr<Command> MakeWavCommand() {
    return MakeCommand<SoundRequest, Declare, Run>();
}

}  // namespace fretwise::cli
