#include "cli/qt/qt_commands.hpp"

namespace fretwise::cli {

std::span<const CommandInfo> QtCommands() {
    static const CommandInfo kCommands[] = {
        {"diagram", "write a chord, small chord or note diagram as BMP, PNG or SVG",
         MakeDiagramCommand},
        {"play", "play a chord or a note through the sound device", MakePlayCommand},
        {"sheet", "print a song's chord sheet, with its lyrics if asked, as PDF, SVG or PNG",
         MakeSheetCommand},
    };
    return kCommands;
}

}  // namespace fretwise::cli
