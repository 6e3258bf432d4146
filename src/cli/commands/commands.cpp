#include "cli/commands/command.hpp"
#include "cli/commands/command_list.hpp"

namespace fretwise::cli {

std::span<const CommandInfo> CoreCommands() {
    static const CommandInfo kCommands[] = {
        {"version", "print the program's version", MakeVersionCommand},
        {"name", "name a shape and finger it", MakeNameCommand},
        {"create", "find the playable fingerings of a chord, easiest first", MakeCreateCommand},
        {"wav", "render a chord or a note as a WAV file", MakeWavCommand},
        {"open", "read a chord file and name its chord", MakeOpenCommand},
        {"save", "write a shape to a chord file", MakeSaveCommand},
        {"show", "show what the main window shows for a shape", MakeShowCommand},
        {"pitch", "name the pitch heard in a WAV file, as the tuner listens", MakePitchCommand},
        {"song", "read a ChordPro song: move it, find the capo, choose shapes that flow",
         MakeSongCommand},
    };
    return kCommands;
}

}  // namespace fretwise::cli
