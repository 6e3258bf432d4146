#include "cli/qt/qt_commands.hpp"

namespace fretwise::cli {

std::span<const CommandInfo> QtCommands() {
    static const CommandInfo kCommands[] = {
        {"diagram", "write a chord, small chord or note diagram as BMP, PNG or SVG",
         MakeDiagramCommand},
        {"play", "play a chord or a note through the sound device", MakePlayCommand},
    };
    return kCommands;
}

}  // namespace fretwise::cli
