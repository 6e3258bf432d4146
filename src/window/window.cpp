#include "window/window.hpp"

#include "window/analysis_panel.hpp"
#include "window/command_steps.hpp"
#include "window/refresh.hpp"

namespace fretwise {

void Paint(Window& window) {
    window.services.paint(window.state);
    window.state.focus = FocusRequest::None;
}

std::string ShownChordName(const WindowState& state) {
    const ChordAnalysis analysis = AnalysisOf(state);
    if (analysis.NameCount == 0 || state.nameIndex >= kStringCount) {
        return "";
    }
    return FullChordName(analysis.ChordNames[state.nameIndex]);
}

}  // namespace fretwise
