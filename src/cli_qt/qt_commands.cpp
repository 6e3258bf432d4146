#include "cli_qt/qt_commands.hpp"

namespace fretwise::cli {

std::span<const Command> QtCommands() {
    static const Command kCommands[] = {
        {"diagram", "write a chord, small chord or note diagram as BMP, PNG or SVG", RunDiagram},
        {"play", "play a chord or a note through the sound device", RunPlay},
    };
    return kCommands;
}

}  // namespace fretwise::cli
